#include "inventory/received_report_print.h"

#include "base/format.h"
#include "print/receipt_page.h"

namespace ventro {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kFontPoints = 8;
constexpr int kHeaderLines = 3;  // heading, period, a blank line

}  // namespace

void DrawReceivedReport(PrintCanvas& canvas, DocumentPages& pages, const std::string& shop,
                        const std::string& period, const std::vector<ReceivedEntry>& entries) {
  const DeviceCaps caps = canvas.Caps();
  const int dpi = caps.dpi_y > 0 ? caps.dpi_y : kPointsPerInch;
  canvas.SetFont({"Arial", dpi * kFontPoints / kPointsPerInch, false});
  ReceiptPage page(canvas);
  page.Left(0, StringPrintf("%s Inventory received, page: %d", shop.c_str(), pages.page));
  page.Left(1, period);

  // Two lines a receipt, so that a long description never runs into the quantity on a narrow
  // receipt printer: the date and the item, then the quantity at the right edge.
  int rows = (caps.height / page.line_height - kHeaderLines) / 2;
  if (rows < 1) rows = 1;
  size_t next = static_cast<size_t>(pages.resume_line);
  for (int row = 0; row < rows && next < entries.size(); ++row, ++next) {
    const ReceivedEntry& entry = entries[next];
    const double line = kHeaderLines + 2 * row;
    page.Left(line, StringPrintf("%s  %lld %s", entry.date.c_str(),
                                 static_cast<long long>(entry.number), entry.description.c_str()));
    page.Right(line + 1, StringPrintf("Quantity: %lld", static_cast<long long>(entry.quantity)));
  }
  if (next < entries.size()) {
    ++pages.page;
    pages.resume_line = static_cast<int>(next);
  }
}

}  // namespace ventro
