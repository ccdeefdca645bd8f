#include "print/totals_lines.h"

#include "base/format.h"

namespace ventro {
namespace {

constexpr int kLabelSubTotal = 2;
constexpr int kLabelDiscount = 4;

}  // namespace

int DrawTotalsLines(ReceiptPage& page, const ReceiptData& data, bool exclusive_of_tax, int line) {
  const BasketTotals& t = data.basket.totals;
  const SettingsRecord& s = data.settings;
  const bool untaxed = t.tax1_total == 0 && t.tax2_total == 0;
  const std::string sub_total =
      data.labels.Label(kLabelSubTotal) + ": " + FormatAmount(t.net_total);
  int drawn = 0;
  auto draw = [&](const std::string& text) { page.Centred(line + drawn++, text); };
  if (exclusive_of_tax && !untaxed) {
    draw(sub_total);
    if (t.tax1_total != 0) draw(s.tax_name(1) + ": " + FormatAmount(t.tax1_total));
    if (t.tax2_total != 0) draw(s.tax_name(2) + ": " + FormatAmount(t.tax2_total));
  }
  if (t.discount_total != 0) {
    if (untaxed) draw(sub_total);
    draw(data.labels.Label(kLabelDiscount) + ": (" + FormatAmount(t.discount_total) + ")");
  }
  return drawn;
}

}  // namespace ventro
