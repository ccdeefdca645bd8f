#include "reports/takings_graph.h"

#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "platform/table_view.h"
#include "print/print_job.h"
#include "reports/report_date.h"
#include "reports/takings_chart.h"
#include "reports/takings_history.h"

namespace ventro {
namespace {

// The list window's dialog name, the one scripts answer every on-screen list by.
constexpr char kTakingsWindowName[] = "LISTVIEW";

// The days, then the weeks, newest first in each: what a shopkeeper looks for first.
class TakingsRows : public RowSource {
 public:
  explicit TakingsRows(const TakingsHistory& history) : history_(history) {}

  int64_t Count() const override {
    return static_cast<int64_t>(history_.days.size() + history_.weeks.size());
  }
  std::vector<std::string> Row(int64_t index) override {
    if (index < 0 || index >= Count()) return {};
    const size_t i = static_cast<size_t>(index);
    const bool day = i < history_.days.size();
    const std::vector<TakingsBar>& bars = day ? history_.days : history_.weeks;
    const TakingsBar& bar = bars[bars.size() - 1 - (day ? i : i - history_.days.size())];
    const std::string date =
        StringPrintf("%02d/%02d/%04d", bar.first.day, bar.first.month, bar.first.year);
    return {day ? "Day" : "Week from", date, FormatAmount(bar.figures.takings),
            FormatAmount(bar.figures.balance_payments)};
  }

 private:
  const TakingsHistory& history_;
};

Takings TotalOf(const std::vector<TakingsBar>& bars) {
  Takings total;
  for (const TakingsBar& bar : bars) total.Add(bar.figures);
  return total;
}

void PrintTakingsGraph(const ReportDesk& desk, const TakingsHistory& history) {
  Platform& platform = desk.platform;
  std::optional<PrintTarget> target =
      ChoosePrinter(platform, desk.settings, "", PrintRoute::kSummary);
  if (!target) return;
  const std::string shop = desk.settings.Get(cfg::kHeadingLine, 1);
  const std::string date = ReportDateText(platform.locale, platform.clock.Now());
  PrintCopies(platform, *target, "takings-graph", [&](PrintCanvas& canvas, DocumentPages&) {
    DrawTakingsGraph(canvas, shop, date, history);
  });
}

}  // namespace

void ShowTakingsGraph(const ReportDesk& desk) {
  const LocalTime now = desk.platform.clock.Now();
  const TakingsHistory history =
      BuildTakingsHistory(desk.platform.files, desk.data_folder, {now.day, now.month, now.year});
  TakingsRows rows(history);
  TableView view;
  view.name = kTakingsWindowName;
  view.title = kTakingsGraphTitle;
  view.heading = "Last 8 weeks: " + FormatAmount(TotalOf(history.days).takings) +
                 "   Last 52 weeks: " + FormatAmount(TotalOf(history.weeks).takings);
  view.columns = {
      {"Period", 9}, {"Date", 10}, {"Takings", 12, true}, {"Balance payments", 16, true}};
  view.rows = &rows;
  view.actions = {"Print"};
  view.on_action = [&](const std::string& action) {
    if (action == "Print") PrintTakingsGraph(desk, history);
  };
  ShowTable(desk.platform.ui, view);
}

}  // namespace ventro
