#include "store/name_search.h"

#include <memory>

#include "base/bytes.h"
#include "base/cp1252.h"

namespace ventro {
namespace {

constexpr size_t kNameOffset = 8;

size_t NameWidth(MasterKind kind) {
  // Description 40 bytes, customer name 30. Suppliers have no prefixes and are never scanned.
  return kind == MasterKind::kInventory ? 40 : 30;
}

bool PrefixCharMatches(char pattern, uint8_t stored) {
  return pattern == '?' || static_cast<uint8_t>(pattern) == stored;
}

}  // namespace

std::string NamePattern(std::string_view text) {
  std::string pattern = UpperCp1252(text);
  while (pattern.size() < 2) pattern += '?';
  return pattern;
}

bool NameMatches(std::string_view pattern, const std::array<uint8_t, 2>& prefix,
                 std::string_view name) {
  if (pattern.size() < 2) return false;
  if (!PrefixCharMatches(pattern[0], prefix[0]) || !PrefixCharMatches(pattern[1], prefix[1])) {
    return false;
  }
  // Past the end of the name a "?" still matches, any other character does not.
  for (size_t i = 2; i < pattern.size(); ++i) {
    char ch = i < name.size() ? name[i] : '\0';
    if (pattern[i] != '?' && pattern[i] != ch) return false;
  }
  return true;
}

Status SearchByName(Files& files, const MasterFile& master, std::string_view text, int64_t from,
                    const std::function<bool(int64_t position, const uint8_t* record)>& on_match) {
  if (!master.has_prefixes()) return Status::Ok();
  const std::string pattern = NamePattern(text);
  const size_t rs = master.record_size();
  const size_t width = NameWidth(master.kind());
  std::unique_ptr<File> file;  // opened at the first candidate
  std::vector<uint8_t> record(rs);
  for (int64_t position = from < 0 ? 0 : from; position < master.record_count(); ++position) {
    const std::array<uint8_t, 2> prefix = master.prefix(position);
    if (prefix[0] == 0) continue;
    if (!PrefixCharMatches(pattern[0], prefix[0]) || !PrefixCharMatches(pattern[1], prefix[1])) {
      continue;
    }
    if (!file) {
      file = files.Open(master.path(), OpenMode::kRead);
      if (!file) {
        return Status::Failed("Fatal error",
                              std::string("Data file: ") + master.file_name() + ", not present.");
      }
    }
    if (file->ReadAt(static_cast<uint64_t>(position) * rs, record.data(), rs) != rs) {
      return Status::Failed("Problem", std::string("Not able to read ") + master.file_name());
    }
    if (!NameMatches(pattern, prefix, GetText(record.data() + kNameOffset, width))) continue;
    if (!on_match(position, record.data())) break;
  }
  return Status::Ok();
}

std::vector<int64_t> FindByName(Files& files, const MasterFile& master, std::string_view text) {
  std::vector<int64_t> positions;
  Status status =
      SearchByName(files, master, text, 0, [&positions](int64_t position, const uint8_t*) {
        positions.push_back(position);
        return true;
      });
  if (!status.ok()) positions.clear();
  return positions;
}

}  // namespace ventro
