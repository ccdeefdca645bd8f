#include "print/receipt_items.h"

#include <string>

#include "base/format.h"

namespace ventro {
namespace {

constexpr size_t kColumnDescription = 14;
constexpr size_t kLimitedDescription = 20;

// The x of the quantity column (`step` 16) or of the heading over it (`step` 15): a fixed-pitch
// font has narrower columns.
int QuantityColumn(const ReceiptPage& page, int step) {
  const int per_char = page.metrics.fixed_pitch ? 2 : 3;
  return page.left + 10 + (page.metrics.average_char_width / 2) * per_char * step;
}

double UnitPrice(const Basket& basket, size_t i, bool exclusive_of_tax) {
  if (exclusive_of_tax) return basket.non_taxable_amount[i] + basket.taxable_amount[i];
  return basket.line_total[i];
}

}  // namespace

ItemStyle TillItemStyle(const ReceiptPage& page, const SettingsRecord& settings) {
  ItemStyle style;
  if (settings.Get(cfg::kReceiptItemLayout) == 0) {
    style.layout = ItemLayout::kSingleLine;
  } else if (settings.Get(cfg::kReceiptItemsCentred) != 0) {
    style.layout = ItemLayout::kCentred;
  } else {
    style.layout = ItemLayout::kTwoLine;
  }
  style.exclusive_of_tax = settings.Get(cfg::kReceiptExclusiveSubtotal) != 0;
  style.limit_description = settings.Get(cfg::kReceiptDescriptionLimit) != 0;
  style.left = page.left;
  style.right = page.right;
  return style;
}

void DrawItemHeading(ReceiptPage& page, int line) {
  page.canvas.Line(page.left, page.Y(line + 0.2), page.right, page.Y(line + 0.2));
  page.Left(line + 0.5, "Description");
  page.At(QuantityColumn(page, 15), line + 0.5, TextAlign::kLeft, "Qty   Price");
  page.Right(line + 0.5, "Amount");
  page.canvas.Line(page.left, page.Y(line + 1.7), page.right, page.Y(line + 1.7));
}

int DrawItems(ReceiptPage& page, const Basket& basket, const std::vector<int>& quantities,
              const ItemStyle& style, int first_line) {
  int row = 0;
  for (size_t i = 0; i < quantities.size(); ++i) {
    const int quantity = quantities[i];
    if (quantity == 0) continue;
    const int line = first_line + row;
    std::string description = TextOf(basket.description[i]);
    const double unit = UnitPrice(basket, i, style.exclusive_of_tax);
    std::string amount = FormatAmount(quantity * unit);
    if (style.mark_exempt && basket.taxable_amount[i] == 0) amount = "E  " + amount;

    if (style.layout == ItemLayout::kSingleLine) {
      const int column = QuantityColumn(page, 16);
      page.canvas.Text(style.left, page.Y(line), TextAlign::kLeft,
                       description.substr(0, kColumnDescription));
      page.canvas.Text(column, page.Y(line), TextAlign::kLeft, StringPrintf("%d", quantity));
      page.canvas.Text(column + 10 * page.metrics.average_char_width, page.Y(line),
                       TextAlign::kRight, FormatAmount(unit));
      page.canvas.Text(style.right, page.Y(line), TextAlign::kRight, amount);
      ++row;
      continue;
    }
    if (style.limit_description) description = description.substr(0, kLimitedDescription);
    if (style.layout == ItemLayout::kCentred) {
      const std::string text = quantity == 1
                                   ? description + ", " + amount
                                   : StringPrintf("%d ", quantity) + description + ", " + amount;
      page.Centred(line, text);
      ++row;
      continue;
    }
    page.canvas.Text(style.left, page.Y(line), TextAlign::kLeft, description);
    if (quantity == 1) {
      page.canvas.Text(style.right, page.Y(line), TextAlign::kRight, amount);
      ++row;
    } else {
      page.canvas.Text(style.left, page.Y(line + 1), TextAlign::kLeft,
                       StringPrintf("%d @ ", quantity) + FormatAmount(unit));
      page.canvas.Text(style.right, page.Y(line + 1), TextAlign::kRight, amount);
      row += 2;
    }
  }
  return row;
}

}  // namespace ventro
