// The table of words printed on receipts and invoices ("Total", "Customer", "INVOICE" ...),
// which the user may translate or reword. It is kept whole in memory and stored byte for byte
// as language.ini: 58 entries of 80 bytes, each a zero-terminated Windows-1252 text.
// Entry 0 names the language; receipts use entries 1 to 16, page documents 17 to 35.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace ventro {

// Language choices of the settings record, in the order the dialog lists them.
inline constexpr int kEnglish = 0;
inline constexpr int kItaliano = 1;
inline constexpr int kEspanol = 2;
inline constexpr int kNederlands = 3;
inline constexpr int kLanguageCount = 4;

class LabelTable {
 public:
  static constexpr int kEntries = 58;
  static constexpr size_t kEntrySize = 80;
  static constexpr size_t kSize = 4640;
  // Entries 0 to kUsedEntries - 1 carry texts; the rest stay zero.
  static constexpr int kUsedEntries = 36;
  static_assert(kEntries * kEntrySize == kSize);

  LabelTable() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  std::string_view view() const {
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
  }

  // The text of entry k (0 to 57), at most 79 bytes even when a stored entry lacks its
  // terminator; empty for any other k.
  std::string Label(int k) const;

  // Stores `text` as entry k (0 to 57), cut to its first 79 bytes; other k are ignored.
  void SetLabel(int k, std::string_view text);

  // The default texts of `language` (kEnglish to kNederlands) in entries 0 to 35; any other
  // value gives an all-zero table.
  static LabelTable Defaults(int language);

  bool operator==(const LabelTable&) const = default;

 private:
  std::array<uint8_t, kSize> bytes_;
};

// Reads language.ini into `table`. False when the file cannot be opened, leaving `table` as
// it was (the caller then puts the defaults of the chosen language in its place). A file
// shorter than the table fills it as far as it goes; the rest keeps what it held.
bool LoadLabelFile(Files& files, const Path& path, LabelTable& table);

// Writes the whole table as `path`, replacing the old file only once the new one is complete.
// False when the write failed; the old file is then left as it was.
bool SaveLabelFile(Files& files, const Path& path, const LabelTable& table);

}  // namespace ventro
