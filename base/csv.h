// Comma-separated text: one value written so that any reader splits it back the same, and a
// whole file split into records of values. A value holding a comma, a quote, CR or LF is put
// in quotes with its quotes doubled; any other value is written as it is. Reading takes a
// value that starts with a quote as quoted (it may then hold commas and line ends) and a quote
// anywhere else as an ordinary character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ventro {

// `value` as one comma-separated field.
std::string CsvField(std::string_view value);

using CsvRecord = std::vector<std::string>;

struct CsvTable {
  std::vector<CsvRecord> records;
  // 0 when the whole text was read; else the line (counted from 1) where the first record
  // that could not be read starts, and `records` holds those before it.
  int bad_line = 0;
};

// Splits `text` into records. A record ends at LF (a CR just before it is dropped) or at the
// end of the text, so a last line without LF still counts. A record is refused when a quoted
// value is not closed, when its closing quote is followed by anything but a comma or the end
// of the record, or when it takes more than `max_record_length` bytes with its line end.
CsvTable ReadCsv(std::string_view text, size_t max_record_length);

}  // namespace ventro
