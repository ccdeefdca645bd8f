#include "base/csv.h"

namespace ventro {

void AppendCsvField(std::string& out, std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += value;
    return;
  }
  out += '"';
  for (char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string CsvField(std::string_view value) {
  std::string field;
  AppendCsvField(field, value);
  return field;
}

namespace {

// Starts the next value of `record`, of which `fields` are filled, reusing a string left from
// an earlier record.
std::string& StartValue(CsvRecord& record, size_t& fields) {
  if (fields == record.size()) {
    record.emplace_back();
  } else {
    record[fields].clear();
  }
  return record[fields++];
}

// Reads the values of one record from `text` at `at` into the first `fields` of `record`;
// moves `at` past its line end and counts the LFs read in `lines`. False when the record is
// not valid.
bool ReadValues(std::string_view text, size_t& at, int& lines, CsvRecord& record, size_t& fields) {
  std::string* value = &StartValue(record, fields);
  const size_t n = text.size();
  bool field_start = true;
  while (at < n) {
    const char c = text[at];
    if (field_start && c == '"') {
      ++at;
      for (;;) {
        if (at >= n) return false;  // the quote is never closed
        const char q = text[at++];
        if (q == '"') {
          if (at < n && text[at] == '"') {
            *value += '"';
            ++at;
            continue;
          }
          break;
        }
        if (q == '\n') ++lines;
        *value += q;
      }
      // Only a comma or the end of the record may follow the closing quote.
      if (at < n && text[at] == '\r' && at + 1 < n && text[at + 1] == '\n') ++at;
      if (at < n && text[at] != ',' && text[at] != '\n') return false;
      field_start = false;
      continue;
    }
    if (c == ',') {
      value = &StartValue(record, fields);
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
    value->append(text.substr(at, stop - at));
    at = stop;
    field_start = false;
  }
  return true;
}

bool ReadRecord(std::string_view text, size_t& at, int& lines, CsvRecord& record) {
  size_t fields = 0;
  const bool read = ReadValues(text, at, lines, record, fields);
  record.resize(fields);
  return read;
}

}  // namespace

bool CsvReader::Next(CsvRecord& record) {
  if (bad_line_ != 0 || at_ >= text_.size()) return false;
  const size_t start = at_;
  const int first_line = lines_ + 1;
  if (!ReadRecord(text_, at_, lines_, record) || at_ - start > max_record_length_) {
    bad_line_ = first_line;
    return false;
  }
  return true;
}

CsvTable ReadCsv(std::string_view text, size_t max_record_length) {
  CsvTable table;
  CsvReader reader(text, max_record_length);
  CsvRecord record;
  while (reader.Next(record)) table.records.push_back(record);
  table.bad_line = reader.bad_line();
  return table;
}

}  // namespace ventro
