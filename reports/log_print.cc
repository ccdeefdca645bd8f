#include "reports/log_print.h"

#include "base/format.h"

namespace ventro {
namespace {

constexpr int kFirstLogLine = 2;  // below the heading and a blank line

bool IsDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Whether the log holds anything to print from `offset` on (a lone line feed does not count).
bool MoreToPrint(std::string_view log, uint64_t offset) {
  return offset < log.size() && log.find_first_not_of('\n', offset) != std::string_view::npos;
}

}  // namespace

std::optional<LocalTime> ParseLogDay(const std::string& text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
  const std::string_view all(text);
  if (!IsDigits(all.substr(0, 2)) || !IsDigits(all.substr(3, 2)) || !IsDigits(all.substr(6))) {
    return std::nullopt;
  }
  LocalTime day;
  day.day = std::stoi(text.substr(0, 2));
  day.month = std::stoi(text.substr(3, 2));
  day.year = std::stoi(text.substr(6));
  if (day.year < 1 || day.month < 1 || day.month > 12) return std::nullopt;
  if (day.day < 1 || day.day > DaysInMonth(day.year, day.month)) return std::nullopt;
  day.day_of_week = DayOfWeek(day.year, day.month, day.day);
  return day;
}

void DrawLogPage(PrintCanvas& canvas, DocumentPages& pages, LogPrintPosition& position,
                 std::string_view log, const std::string& store, const LocalTime& day) {
  const FontMetrics metrics = canvas.Metrics();
  const int line_height = metrics.height + metrics.external_leading;
  const int page_height = canvas.Caps().height;
  canvas.Text(0, 0, TextAlign::kLeft,
              StringPrintf("%s Log file: %02d/%02d/%d      Page: %d", store.c_str(), day.day,
                           day.month, day.year, pages.page));
  if (pages.page == 1) {
    // Each entry starts with a line end, so the file's first two characters are one; only a
    // real CR LF is passed over.
    position.offset = log.starts_with("\r\n") ? 2 : 0;
  }
  int line = kFirstLogLine;
  std::string collected;
  while (position.offset < log.size()) {
    const unsigned char c = static_cast<unsigned char>(log[position.offset++]);
    if (c == '\r') {
      canvas.Text(0, line * line_height, TextAlign::kLeft, collected);
      collected.clear();
      ++line;
      if ((line_height + 2) * line > page_height && MoreToPrint(log, position.offset)) {
        ++pages.page;
        return;
      }
    } else if (c > 30 && collected.size() < kLogPrintLineLength) {
      collected += static_cast<char>(c);
    }
  }
  // The last entry of a log has no line end after it: it is printed all the same.
  if (!collected.empty()) canvas.Text(0, line++ * line_height, TextAlign::kLeft, collected);
  canvas.Text(0, line * line_height, TextAlign::kLeft, "  ");
}

}  // namespace ventro
