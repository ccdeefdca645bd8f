#include "reports/takings_chart.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "base/format.h"

namespace ventro {
namespace {

constexpr int kMostMarks = 5;
constexpr int kFallbackDpi = 300;  // for a device that reports no resolution

struct ChartContent {
  const char* title;
  const std::vector<TakingsBar>* bars;
  int label_every;  // a date under every n-th bar
};

int LineHeight(PrintCanvas& canvas) {
  const FontMetrics metrics = canvas.Metrics();
  return metrics.height + metrics.external_leading;
}

std::string ShortDate(const Date& date) { return StringPrintf("%d/%d", date.day, date.month); }

// The amounts the axis runs between: 0 always on it, both ends on a step.
struct AxisRange {
  double low = 0;
  double high = 0;
  double step = 1;
};

AxisRange RangeOf(const std::vector<TakingsBar>& bars) {
  AxisRange range;
  for (const TakingsBar& bar : bars) {
    range.low = std::min(range.low, bar.figures.takings);
    range.high = std::max(range.high, bar.figures.takings);
  }
  if (range.high - range.low < 0.01) range.high = range.low + 1;
  range.step = AxisStep(range.high - range.low, kMostMarks);
  range.low = std::floor(range.low / range.step) * range.step;
  range.high = std::ceil(range.high / range.step) * range.step;
  return range;
}

void DrawChart(PrintCanvas& canvas, const PrintRect& area, const ChartContent& chart) {
  const std::vector<TakingsBar>& bars = *chart.bars;
  const int line = LineHeight(canvas);
  const int char_width = std::max(1, canvas.Metrics().average_char_width);

  Takings total;
  for (const TakingsBar& bar : bars) total.Add(bar.figures);
  canvas.Text(area.left, area.top, TextAlign::kLeft,
              std::string(chart.title) + "   Takings: " + FormatAmount(total.takings) +
                  "   Balance payments: " + FormatAmount(total.balance_payments));

  const AxisRange range = RangeOf(bars);
  std::string widest = FormatAmount(range.high);
  if (FormatAmount(range.low).size() > widest.size()) widest = FormatAmount(range.low);
  const PrintRect plot{area.left + static_cast<int>(widest.size() + 2) * char_width,
                       area.top + 2 * line, area.right, area.bottom - 2 * line};
  const auto y_of = [&](double amount) {
    const double share = (amount - range.low) / (range.high - range.low);
    return plot.bottom - static_cast<int>(std::lround(share * (plot.bottom - plot.top)));
  };

  // The amounts marked up the left axis, each with a short tick.
  const int marks = static_cast<int>(std::lround((range.high - range.low) / range.step));
  for (int k = 0; k <= marks; ++k) {
    const double amount = range.low + k * range.step;
    const int y = y_of(amount);
    canvas.Line(plot.left - char_width / 2, y, plot.left, y);
    canvas.Text(plot.left - char_width, y - line / 2, TextAlign::kRight, FormatAmount(amount));
  }
  canvas.Line(plot.left, plot.top, plot.left, plot.bottom);
  const int zero = y_of(0);
  canvas.Line(plot.left, zero, plot.right, zero);

  // The bars stand on the zero line, a refund-heavy period's below it.
  const int count = static_cast<int>(bars.size());
  const double slot = static_cast<double>(plot.right - plot.left) / std::max(1, count);
  const int gap = std::max(1, static_cast<int>(slot / 5));
  for (int i = 0; i < count; ++i) {
    const int left = plot.left + static_cast<int>(i * slot) + gap;
    const int right = plot.left + static_cast<int>((i + 1) * slot);
    const int top = y_of(bars[static_cast<size_t>(i)].figures.takings);
    if (top != zero) {
      canvas.FillRectangle({left, std::min(top, zero), right, std::max(top, zero)});
    }
    if (i % chart.label_every == 0) {
      canvas.Line(left, plot.bottom, left, plot.bottom + char_width / 2);
      canvas.Text(left, plot.bottom + line / 2, TextAlign::kLeft,
                  ShortDate(bars[static_cast<size_t>(i)].first));
    }
  }
}

}  // namespace

double AxisStep(double span, int most_marks) {
  if (!(span > 0) || most_marks < 1) return 1;
  double power = std::pow(10.0, std::floor(std::log10(span / most_marks)));
  for (;;) {
    for (double factor : {1.0, 2.0, 5.0}) {
      const double step = factor * power;
      if (span / step <= most_marks + 1e-9) return step;
    }
    power *= 10;
  }
}

void DrawTakingsGraph(PrintCanvas& canvas, const std::string& shop, const std::string& date,
                      const TakingsHistory& history) {
  const DeviceCaps caps = canvas.Caps();
  const int dpi = caps.dpi_y > 0 ? caps.dpi_y : kFallbackDpi;
  canvas.SetFont({"Arial", dpi * 14 / 72, true});
  canvas.Text(0, 0, TextAlign::kLeft, shop + "   " + kTakingsGraphTitle + "   " + date);
  const int heading = 2 * LineHeight(canvas);

  canvas.SetFont({"Arial", dpi * 9 / 72, false});
  const int half = (caps.height - heading) / 2;
  const int margin = dpi / 4;
  DrawChart(canvas, {0, heading, caps.width - margin, heading + half - margin},
            {kDaysChartTitle, &history.days, 7});
  DrawChart(canvas, {0, heading + half, caps.width - margin, caps.height - margin},
            {kWeeksChartTitle, &history.weeks, 4});
}

}  // namespace ventro
