// The day text log on paper: the day asked for as "DD/MM/YYYY", and the pages drawn from the
// log's text, one printed line for each line of the log.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/print_canvas.h"
#include "print/print_job.h"

namespace ventro {

// The longest printed line; the rest of a longer log line is left off.
inline constexpr size_t kLogPrintLineLength = 253;

// The day a typed "DD/MM/YYYY" names: exactly ten characters, digits with "/" third and sixth,
// and a day that exists in that month. Nothing for anything else.
std::optional<LocalTime> ParseLogDay(const std::string& text);

// Where the printing of a log has got to: the offset in the log of the next page's text.
struct LogPrintPosition {
  uint64_t offset = 0;
};

// Draws page `pages.page` of the log text `log` of `day`: the heading "%s Log file:
// %02d/%02d/%d      Page: %d" (the store name), then from the third line on one line for each
// line of the log (control characters left out, at most kLogPrintLineLength characters). A
// page that fills raises `pages.page` and keeps the offset to go on from; the last page ends
// with a line of two blanks. Every page carries at least one log line, so a font taller than
// the page still moves on through the log.
void DrawLogPage(PrintCanvas& canvas, DocumentPages& pages, LogPrintPosition& position,
                 std::string_view log, const std::string& store, const LocalTime& day);

}  // namespace ventro
