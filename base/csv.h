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
// The same added to the end of `out`.
void AppendCsvField(std::string& out, std::string_view value);

using CsvRecord = std::vector<std::string>;

struct CsvTable {
  std::vector<CsvRecord> records;
  // 0 when the whole text was read; else the line (counted from 1) where the first record
  // that could not be read starts, and `records` holds those before it.
  int bad_line = 0;
};

// Reads the records of `text` one at a time into a record the caller keeps, whose strings are
// reused from one record to the next, so a long file is read without an allocation per value.
// Records end and are refused as ReadCsv says.
class CsvReader {
 public:
  CsvReader(std::string_view text, size_t max_record_length)
      : text_(text), max_record_length_(max_record_length) {}

  // The next record into `record`; false at the end of the text or at a record that cannot be
  // read, which bad_line() then gives.
  bool Next(CsvRecord& record);
  // 0 while every record has been read; else the line (counted from 1) where the first record
  // that could not be read starts.
  int bad_line() const { return bad_line_; }

 private:
  std::string_view text_;
  size_t max_record_length_;
  size_t at_ = 0;
  int lines_ = 0;
  int bad_line_ = 0;
};

// Splits `text` into records. A record ends at LF (a CR just before it is dropped) or at the
// end of the text, so a last line without LF still counts. A record is refused when a quoted
// value is not closed, when its closing quote is followed by anything but a comma or the end
// of the record, or when it takes more than `max_record_length` bytes with its line end.
CsvTable ReadCsv(std::string_view text, size_t max_record_length);

}  // namespace ventro
