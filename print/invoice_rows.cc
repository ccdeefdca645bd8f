#include "print/invoice_rows.h"

#include "base/format.h"
#include "print/receipt_data.h"

namespace ventro {

int ProductCodeX(const InvoicePage& page) { return page.ox + 80 + 42 * page.average_char_width; }

int ProductColumnLineX(const InvoicePage& page) {
  return page.ox + 80 + 41 * page.average_char_width;
}

RowsResult DrawInvoiceRows(InvoicePage& page, const InvoiceData& data, DocumentPages& pages) {
  const Basket& basket = data.basket;
  const std::vector<int> quantities = MergedQuantities(basket, true);
  const int lines = static_cast<int>(quantities.size());
  const int left = page.ox + 80;
  RowsResult result;
  int& n = result.n;
  for (int i = pages.resume_line < 0 ? 0 : pages.resume_line; i < lines; ++i) {
    const int quantity = quantities[static_cast<size_t>(i)];
    if (quantity == 0) continue;
    const auto line = static_cast<size_t>(i);
    const double price = basket.non_taxable_amount[line] + basket.taxable_amount[line];
    page.Text(left, page.Y(n + 20), TextAlign::kLeft, TextOf(basket.description[line]));
    const int64_t item = basket.item_number[line];
    if (item != 0) {
      page.Text(ProductCodeX(page), page.Y(n + 20), TextAlign::kLeft,
                StringPrintf("%lld", static_cast<long long>(item)));
    }
    if (data.kind == InvoiceKind::kDeliveryNote) {
      // The note lists what was delivered, without prices.
      page.Text(page.Right(), page.Y(n + 20), TextAlign::kRight, StringPrintf("%d", quantity));
      n += 1;
    } else if (quantity == 1) {
      page.Text(page.Right(), page.Y(n + 20), TextAlign::kRight, FormatAmount(price));
      n += 1;
    } else {
      page.Text(left, page.Y(n + 21), TextAlign::kLeft,
                StringPrintf("%d @ ", quantity) + FormatAmount(price));
      page.Text(page.Right(), page.Y(n + 21), TextAlign::kRight, FormatAmount(quantity * price));
      n += 2;
    }
    if (page.Reserve() < page.Y(n + 32)) {
      ++pages.page;
      pages.resume_line = i + 1;
      result.page_full = true;
      const int x = ProductColumnLineX(page);
      page.canvas.Line(x, page.Y(17.5), x, page.Reserve());
      return result;
    }
  }
  return result;
}

}  // namespace ventro
