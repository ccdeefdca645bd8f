// Searches inventory descriptions or customer names by their start. The two-character name
// prefixes held in memory decide which records are worth reading, so a search reads from disk
// only the records whose first two characters already match.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {

// The pattern a typed search text stands for: upper-cased and padded with "?" to at least two
// characters ("" becomes "??", "a" becomes "A?"). "?" matches any one character.
std::string NamePattern(std::string_view text);

// Whether `pattern` (from NamePattern) matches the start of `name`, the record's name text.
// The first two characters are compared with the stored prefix bytes, "?" matching any byte;
// from the third on, each character must be present in the name and equal, or be "?".
bool NameMatches(std::string_view pattern, const std::array<uint8_t, 2>& prefix,
                 std::string_view name);

// Visits the live records of `master` in file order from slot `from` and calls `on_match`
// with the slot and the record (record_size() bytes) for each whose name matches `text`;
// `on_match` returns false to stop. Ok whether or not anything matched. Fails with "Data file:
// <name>, not present." titled "Fatal error" for a missing file, "Not able to read <name>"
// titled "Problem" for a failed read; the matches visited before a failed read stand.
Status SearchByName(Files& files, const MasterFile& master, std::string_view text, int64_t from,
                    const std::function<bool(int64_t position, const uint8_t* record)>& on_match);

// The slots of every record whose name matches `text`, in file order; empty when the search
// fails (SearchByName gives the reason).
std::vector<int64_t> FindByName(Files& files, const MasterFile& master, std::string_view text);

}  // namespace ventro
