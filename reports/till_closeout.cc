#include "reports/till_closeout.h"

#include <optional>
#include <vector>

#include "base/format.h"
#include "platform/tell.h"
#include "print/print_job.h"
#include "sale/transaction_change.h"
#include "store/day_log.h"

namespace ventro {
namespace {

constexpr char kCloseoutKind[] = "till-closeout";
constexpr char kClose[] = "Close and log off";
constexpr char kPrintAndClose[] = "Print, close and log off";

TillFigures TodaysFigures(SaleSession& session, const LocalTime& now) {
  const DayTotals day =
      ComputeDayTotals(session.files(), session.paths.folder, Date{now.day, now.month, now.year});
  return TillFiguresOf(day, session.settings.Get(cfg::kDefaultTillTotal));
}

Dialog TillDialog(std::string name, std::string title, const TillFigures& figures) {
  Dialog dialog;
  dialog.name = std::move(name);
  dialog.title = std::move(title);
  AddTillFigureFields(dialog, figures);
  return dialog;
}

// "hh:mm" and the date "ddd d MMM yy" (day, month, year when the locale cannot make it).
std::string CloseoutStamp(Locale& locale, const LocalTime& now) {
  std::string date = locale.FormatDate("ddd d MMM yy", now);
  if (date.empty()) date = StringPrintf("%2d/%2d/%d", now.day, now.month, now.year);
  return StringPrintf("%02d:%02d ", now.hour, now.minute) + date;
}

std::string ClerkLine(const SettingsRecord& settings) {
  return StringPrintf("Assoc: %lld, %s", static_cast<long long>(settings.Get(cfg::kSignedOnClerk)),
                      SignedOnClerkName(settings).c_str());
}

bool LogCloseout(SaleSession& session, const LocalTime& now, const std::string& stamp,
                 const TillFigures& figures) {
  Tell(session.ui(), EnsureDayFolders(session.files(), session.paths.folder, now));
  std::string entry = "\r\n" + stamp + " Till closeout\r\n" + ClerkLine(session.settings) + "\r\n";
  for (const std::string& line : TillFigureLines(figures)) entry += line + "\r\n";
  if (AppendDayText(session.files(), session.paths.folder, now, entry)) return true;
  session.ui().Message("Fatal error", "Data log text file not present.", Icon::kError);
  return false;
}

}  // namespace

void ShowTillReconciliation(SaleSession& session) {
  if (session.sale.payment_in_progress) return;
  Dialog dialog = TillDialog("809", "Till reconciliation", TodaysFigures(session, session.Now()));
  dialog.buttons = {"Finish", "Cancel"};
  session.ui().RunDialog(dialog);
}

bool CloseOutTill(SaleSession& session) {
  if (session.sale.payment_in_progress) return false;
  const LocalTime now = session.Now();
  const TillFigures figures = TodaysFigures(session, now);
  for (;;) {
    Dialog dialog = TillDialog("810", "Till closeout", figures);
    dialog.buttons = {kClose, kPrintAndClose, "Cancel"};
    if (!session.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return false;
    std::optional<PrintTarget> target;
    if (dialog.Pressed(kPrintAndClose)) {
      target = ChoosePrinter(session.platform, session.settings, "", PrintRoute::kSummary);
      if (!target) continue;
    }
    // Logged before printing, so that a slip is never printed for a closeout that was not
    // recorded.
    const std::string stamp = CloseoutStamp(session.platform.locale, now);
    if (!LogCloseout(session, now, stamp, figures)) return false;
    if (target) {
      const std::string store = session.settings.Get(cfg::kHeadingLine, 1);
      const std::string clerk = ClerkLine(session.settings);
      PrintCopies(session.platform, *target, kCloseoutKind,
                  [&](PrintCanvas& canvas, DocumentPages&) {
                    DrawTillCloseout(canvas, store, stamp, clerk, figures);
                  });
    }
    return true;
  }
}

void DrawTillCloseout(PrintCanvas& canvas, const std::string& store, const std::string& stamp,
                      const std::string& clerk, const TillFigures& figures) {
  const FontMetrics metrics = canvas.Metrics();
  const int line_height = metrics.height + metrics.external_leading;
  auto line = [&](int n, const std::string& text) {
    canvas.Text(0, n * line_height, TextAlign::kLeft, text);
  };
  line(0, store + "  Till closeout");
  line(1, stamp);
  line(2, clerk);
  // The figures in two groups: the cash, then the cheques and cards, then the whole till.
  static constexpr int kFigureLines[] = {4, 5, 6, 7, 8, 10, 11, 12, 13, 15};
  const std::vector<std::string> texts = TillFigureLines(figures);
  for (size_t k = 0; k < texts.size(); ++k) line(kFigureLines[k], texts[k]);
}

}  // namespace ventro
