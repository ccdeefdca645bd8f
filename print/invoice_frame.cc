#include "print/invoice_frame.h"

#include <algorithm>
#include <optional>

#include "base/format.h"
#include "print/code39.h"
#include "print/invoice_rows.h"
#include "print/invoice_texts.h"
#include "print/receipt_elements.h"
#include "print/receipt_page.h"

namespace ventro {
namespace {

constexpr char kDots[] = "...........................";

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

std::string Heading(const SettingsRecord& settings, int element) {
  return settings.Get(cfg::kHeadingLine, element + 1);
}

std::string ClerkName(const SettingsRecord& settings, int32_t clerk) {
  if (clerk < 1 || clerk > SettingsRecord::kClerkCount) return "";
  return settings.Get(cfg::kClerkName, clerk);
}

bool HasCustomer(const Basket& basket) { return basket.customer_number != 0; }

// The heading lines each document places, with the line each goes on (in line heights from
// the top). The standard invoice places its three address lines itself.
std::vector<HeadingPlace> HeadingPlaces(const InvoiceData& data) {
  switch (data.kind) {
    case InvoiceKind::kSecond:
      return {{0, 5}, {1, 6}, {2, 7}, {5, 8}};
    case InvoiceKind::kCustom:
      return CustomInvoiceHeadings(data.settings);
    case InvoiceKind::kDeliveryNote:
      return {{0, 6}, {1, 7}, {2, 8}, {5, 9}};
    default:
      return {};
  }
}

std::string TitleOf(const InvoiceData& data) {
  switch (data.kind) {
    case InvoiceKind::kQuotation:
      return "Quotation";
    case InvoiceKind::kDeliveryNote:
      return "Delivery Note";
    default:
      return data.labels.Label(17);
  }
}

std::string ReferenceText(const InvoiceData& data) {
  const std::string number = Number(data.basket.transaction_number);
  switch (data.kind) {
    case InvoiceKind::kQuotation:
      return "Reference: " + number;
    case InvoiceKind::kDeliveryNote:
      return "Transaction reference: " + number;
    default:
      return data.labels.Label(18) + ": " + number;
  }
}

// The customer's terms in the document's own form; nothing for the standard invoice.
std::optional<std::string> TermsLine(const InvoiceData& data) {
  if (!HasCustomer(data.basket)) return std::nullopt;
  switch (data.kind) {
    case InvoiceKind::kSecond:
      return data.labels.Label(35) + ": " + DiscountFirstTerms(data.settings, data.customer_terms);
    case InvoiceKind::kCustom:
    case InvoiceKind::kDeliveryNote:
      return DiscountCommaTerms(data.settings, data.customer_terms);
    default:
      return std::nullopt;
  }
}

}  // namespace

bool DrawLetterLogo(InvoicePage& page, const SettingsRecord& settings,
                    const DrawServices& services) {
  if (settings.Get(cfg::kA4OmitLogo) != 0) return false;
  const std::optional<std::string> bytes =
      services.files.ReadAll(services.data_folder / "letter.bmp");
  int width = 0;
  int height = 0;
  if (!bytes || !BitmapSize(*bytes, width, height) || width <= 0 || height <= 0) return false;
  const int top = page.T + 2 * page.h;
  // Six lines high, as wide as its proportions make it; a picture wider than that space
  // (the address block starts 7 lines right of it) is scaled down to end half a line short of
  // the address, so no text is printed over it.
  const int64_t room = 7 * page.h - page.h / 2;
  int64_t drawn_height = 6 * page.h;
  int64_t drawn_width = drawn_height * width / height;
  if (drawn_width > room) {
    drawn_width = room;
    drawn_height = room * height / width;
  }
  if (drawn_width <= 0 || drawn_height <= 0) return false;
  const int x = page.ox + 40;
  return page.canvas.Bitmap(
      {x, top, x + static_cast<int>(drawn_width), top + static_cast<int>(drawn_height)}, *bytes);
}

void DrawTitle(InvoicePage& page, const InvoiceData& data) {
  page.TitleFont();
  page.Text(page.ox + 40, page.Y(3), TextAlign::kLeft, Heading(data.settings, 0));
  page.Text(static_cast<int>(1.2 * page.W), page.Y(3), TextAlign::kLeft, TitleOf(data));
}

void DrawSignatureBlock(InvoicePage& page, const InvoiceData& data) {
  page.BodyFont();
  const int left = page.ox + 60;
  const int right = 2 * page.W - page.ox - 60;
  const int label_y = page.H - page.oy - 10 - 4 * page.h;
  const int dots_y = page.H - page.oy - page.Y(2.5);
  page.Text(left, label_y, TextAlign::kLeft, data.labels.Label(32));
  page.Text(left, dots_y, TextAlign::kLeft, kDots);
  page.Text(right, label_y, TextAlign::kRight, data.labels.Label(33));
  page.Text(right, dots_y, TextAlign::kRight, kDots);
  page.GreyBand(page.ox + 10, page.Reserve() + 20, 2 * page.W - page.ox - 20, page.Reserve());
}

void DrawHeadingBlocks(InvoicePage& page, const InvoiceData& data, int address_x) {
  const Basket& basket = data.basket;
  const SettingsRecord& s = data.settings;
  const int x = static_cast<int>(1.2 * page.W);
  auto at = [&](int px, int lines, const std::string& text) {
    page.Text(px, page.T + lines * page.h, TextAlign::kLeft, text);
  };

  at(x, 2, ReferenceText(data));
  at(x, 3, TextOf(basket.texts.sale_time) + " " + TextOf(basket.texts.sale_date));
  at(x, 4, data.labels.Label(19) + ": " + ClerkName(s, basket.clerk_number));
  at(x, 5,
     HasCustomer(basket) ? "Customer code: " + Number(basket.customer_number)
                         : std::string("Customer code: N/A"));
  int next = 6;
  if (std::optional<std::string> terms = TermsLine(data)) at(x, next++, *terms);
  if (data.kind == InvoiceKind::kCustom || data.kind == InvoiceKind::kDeliveryNote) {
    for (const std::string& line : BalanceLines(basket)) at(x, next++, line);
  }
  if (data.kind == InvoiceKind::kDeliveryNote) {
    at(x, next + 1, "Shortages must be");
    at(x, next + 2, "notified within 3 days");
  }

  // The store's lines on the left.
  int customer_top = 6;
  const std::vector<HeadingPlace> places = HeadingPlaces(data);
  if (data.kind == InvoiceKind::kStandard || data.kind == InvoiceKind::kQuotation) {
    at(address_x, 2, Heading(s, 1));
    at(address_x, 3, Heading(s, 2));
    at(address_x, 4, Heading(s, 5));
  } else {
    int last = 0;
    for (const HeadingPlace& place : places) {
      page.Text(address_x, page.Y(place.line), TextAlign::kLeft, Heading(s, place.element));
      last = std::max(last, place.line);
    }
    // The customer's block starts below the store's lines when they reach into it.
    if (data.kind != InvoiceKind::kCustom && page.Y(last + 1) > page.T + 6 * page.h) {
      customer_top = (page.Y(last + 1) - page.T + page.h - 1) / page.h;
    }
  }

  at(address_x, customer_top, data.labels.Label(26));
  if (HasCustomer(basket)) {
    at(address_x, customer_top + 1, TextOf(basket.texts.customer_name));
    for (size_t k = 0; k < 4; ++k) {
      at(address_x, customer_top + 2 + static_cast<int>(k), TextOf(basket.texts.customer_text[k]));
    }
  } else {
    at(address_x, customer_top + 1, "NAME:");
    at(address_x, customer_top + 2, "ADDRESS:");
    at(address_x, customer_top + 3, "TELEPHONE:");
  }
}

void DrawItemFrame(InvoicePage& page, const InvoiceData& data) {
  const int left = page.ox + 10;
  const int right = 2 * page.W - page.ox - 20;
  const int top = page.Y(17.5);
  const int bottom = page.H - page.oy - 10;
  page.canvas.Rectangle({left, top, right, page.Y(19.5)});
  page.Text(page.ox + 40, page.Y(18), TextAlign::kLeft, data.labels.Label(20));
  page.Text(ProductCodeX(page), page.Y(18), TextAlign::kLeft, data.labels.Label(21));
  page.Text(page.Right(), page.Y(18), TextAlign::kRight,
            data.kind == InvoiceKind::kDeliveryNote ? "QUANTITY" : data.labels.Label(22));
  page.canvas.Line(left, top, right, top);
  page.canvas.Line(left, top, left, bottom);
  page.canvas.Line(right, top, right, bottom);
  page.canvas.Line(left, bottom, right, bottom);
}

void DrawLastPageTotals(InvoicePage& page, const InvoiceData& data, int n) {
  const Basket& basket = data.basket;
  const BasketTotals& t = basket.totals;
  const SettingsRecord& s = data.settings;
  const bool amounts = data.kind != InvoiceKind::kDeliveryNote;
  const int left = page.ox + 10;
  const int right = 2 * page.W - page.ox - 20;
  const std::string currency = s.Get(cfg::kCurrencySymbol);

  const int column = ProductColumnLineX(page);
  page.canvas.Line(column, page.Y(17.5), column, page.Y(n + 21.5));
  page.canvas.Line(left, page.Y(n + 21.5), right, page.Y(n + 21.5));
  if (amounts && page.Y(n + 34) <= page.Reserve()) {
    page.Text(page.ox + 40, page.Y(n + 22), TextAlign::kLeft,
              data.labels.Label(23) + ": " + currency + FormatAmount(t.net_total));
    page.GreyBand(left, page.Y(n + 23.5), right, page.Y(n + 23.5) + 20);
  }

  const int B = page.H - page.oy - 2 * page.d + 40;
  const int h = page.h;
  const int label_x = page.ox + 60;
  const int value_x = page.W / 2;
  page.Text(label_x, B, TextAlign::kLeft, data.labels.Label(27));
  page.Text(label_x, B + h, TextAlign::kLeft, data.labels.Label(28));
  page.Text(label_x, B + 2 * h, TextAlign::kLeft, "NOTES");
  page.Text(label_x, B + 3 * h, TextAlign::kLeft, data.labels.Label(29));
  if (HasCustomer(basket)) {
    page.Text(value_x, B, TextAlign::kLeft, Number(basket.customer_number));
    page.Text(value_x, B + h, TextAlign::kLeft, TextOf(basket.texts.customer_text[4]));
  } else {
    page.Text(value_x, B, TextAlign::kLeft,
              data.kind == InvoiceKind::kSecond ? "Not applicable" : "Not Applicable");
  }
  const std::string note = TextOf(basket.texts.note);
  if (!note.empty()) page.Text(value_x, B + 2 * h, TextAlign::kLeft, note);
  page.Text(value_x, B + 3 * h, TextAlign::kLeft, StringPrintf("%d", basket.line_count));

  const int bottom = page.Reserve() + 20;
  page.canvas.Line(page.W, B - 40, page.W, bottom);
  page.GreyBand(left, B - 20, right, B - 40);
  if (!amounts) return;

  const int middle_x = page.W + 30;
  const int middle_right = static_cast<int>(1.5 * page.W) - 40;
  const int labels[] = {30, 31, 25, 23};
  const double values[] = {t.non_taxable_total, t.taxable_total, t.discount_total, t.net_total};
  for (int k = 0; k < 4; ++k) {
    page.Text(middle_x, B + k * h, TextAlign::kLeft, data.labels.Label(labels[k]));
    page.Text(middle_right, B + k * h, TextAlign::kRight, FormatAmount(values[k]));
  }
  const int tax_x = static_cast<int>(1.5 * page.W) + 40;
  page.Text(tax_x, B, TextAlign::kLeft, s.Get(cfg::kTaxName, 1));
  page.Text(page.Right(), B, TextAlign::kRight, FormatAmount(t.tax1_total));
  page.Text(tax_x, B + h, TextAlign::kLeft, s.Get(cfg::kTaxName, 2));
  page.Text(page.Right(), B + h, TextAlign::kRight, FormatAmount(t.tax2_total));
  page.Text(page.Right(), bottom - page.Y(1.5), TextAlign::kRight,
            data.labels.Label(24) + ": " + currency + FormatAmount(t.grand_total));
}

}  // namespace ventro
