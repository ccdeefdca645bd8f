// The takings graph drawn on the print canvas: one page with the days of the last 8 weeks
// above and the weeks of the last year below, each a bar chart with its amounts on the axis.
#pragma once

#include <string>

#include "platform/print_canvas.h"
#include "reports/takings_history.h"

namespace ventro {

inline constexpr char kTakingsGraphTitle[] = "Takings graph";
inline constexpr char kDaysChartTitle[] = "Takings by day, last 8 weeks";
inline constexpr char kWeeksChartTitle[] = "Takings by week, last 52 weeks";

// The step between the amounts marked on an axis spanning `span`: 1, 2 or 5 times a power of
// ten, the smallest that marks no more than `most_marks` steps.
double AxisStep(double span, int most_marks);

// Draws the whole graph on the current page, fitted to the device's printable area: the
// heading ("<shop>   Takings graph   <date>"), then both charts, each titled with its period's
// takings and balance payments.
void DrawTakingsGraph(PrintCanvas& canvas, const std::string& shop, const std::string& date,
                      const TakingsHistory& history);

}  // namespace ventro
