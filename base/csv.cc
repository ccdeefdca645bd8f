#include "base/csv.h"

namespace ventro {

std::string CsvField(std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
  std::string quoted = "\"";
  for (char c : value) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

namespace {

// Reads one record from `text` at `at`; moves `at` past its line end and counts the LFs read
// in `lines`. False when the record is not valid.
bool ReadRecord(std::string_view text, size_t& at, int& lines, CsvRecord& record) {
  record.clear();
  record.emplace_back();
  const size_t n = text.size();
  bool field_start = true;
  while (at < n) {
    const char c = text[at];
    if (field_start && c == '"') {
      ++at;
      std::string& value = record.back();
      for (;;) {
        if (at >= n) return false;  // the quote is never closed
        const char q = text[at++];
        if (q == '"') {
          if (at < n && text[at] == '"') {
            value += '"';
            ++at;
            continue;
          }
          break;
        }
        if (q == '\n') ++lines;
        value += q;
      }
      // Only a comma or the end of the record may follow the closing quote.
      if (at < n && text[at] == '\r' && at + 1 < n && text[at + 1] == '\n') ++at;
      if (at < n && text[at] != ',' && text[at] != '\n') return false;
      field_start = false;
      continue;
    }
    if (c == ',') {
      record.emplace_back();
      field_start = true;
      ++at;
      continue;
    }
    if (c == '\n') {
      ++at;
      ++lines;
      return true;
    }
    if (c == '\r' && at + 1 < n && text[at + 1] == '\n') {
      ++at;
      continue;
    }
    // Plain characters up to the next comma or line end, taken in one piece.
    const size_t end = text.find_first_of(",\r\n", at);
    const size_t stop = end == std::string_view::npos ? n : (end == at ? at + 1 : end);
    record.back().append(text.substr(at, stop - at));
    at = stop;
    field_start = false;
  }
  return true;
}

}  // namespace

CsvTable ReadCsv(std::string_view text, size_t max_record_length) {
  CsvTable table;
  size_t at = 0;
  int lines = 0;
  CsvRecord record;
  while (at < text.size()) {
    const size_t start = at;
    const int first_line = lines + 1;
    if (!ReadRecord(text, at, lines, record) || at - start > max_record_length) {
      table.bad_line = first_line;
      return table;
    }
    table.records.push_back(std::move(record));
    record = CsvRecord();
  }
  return table;
}

}  // namespace ventro
