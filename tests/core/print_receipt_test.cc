// The layout of the receipts, drawn on a recording canvas: which text lands on which line and
// column, for the item layouts, the totals, the payment line, the barcode and the custom
// layout.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <map>

#include "base/format.h"
#include "print/code39.h"
#include "print/receipt_data.h"
#include "print/receipt_documents.h"
#include "print/receipt_elements.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::DrawnItem;
using test::RecordedDocument;

class ReceiptLayoutTest : public ::testing::Test {
 protected:
  ReceiptLayoutTest() {
    settings.ApplyFirstRunDefaults(now);
    settings.Set(cfg::kSignedOnClerk, 1);
    settings.Set(cfg::kHeadingLine, 1, "CORNER SHOP");
    settings.Set(cfg::kCurrencySymbol, "$");
    basket.transaction_number = 7;
    SetText(basket.texts.sale_time, "10:15");
    SetText(basket.texts.sale_date, "Sun 6 Dec 26");
    SetText(basket.texts.payment_type, "Cash");
  }

  // One unit as item entry adds it, 20% tax on a taxed line.
  void Add(int64_t item, const std::string& description, double price, bool taxed = true) {
    const auto i = static_cast<size_t>(basket.line_count++);
    basket.item_number[i] = item;
    SetText(basket.description[i], description);
    const double tax = taxed ? RoundToCents(price * 0.2) : 0;
    (taxed ? basket.taxable_amount : basket.non_taxable_amount)[i] = price;
    basket.tax1[i] = tax;
    basket.line_total[i] = price + tax;
    BasketTotals& t = basket.totals;
    (taxed ? t.taxable_total : t.non_taxable_total) += price;
    t.net_total += price;
    t.tax1_total += tax;
    t.grand_total += price + tax;
    t.cash_amount = t.grand_total;
  }

  const RecordedDocument& Draw(void (*draw)(PrintCanvas&, const ReceiptData&,
                                            const DrawServices&)) {
    documents.push_back(std::make_unique<RecordedDocument>());
    test::RecordingCanvas canvas(*documents.back(), device);
    const ReceiptData data{basket, tendered, settings, labels, locale, now, 3};
    draw(canvas, data, {ui, files, dir.path()});
    return *documents.back();
  }

  // The texts drawn on each line, by line number (device units / line height), left to right
  // in the order drawn.
  std::map<double, std::vector<std::string>> Lines(const RecordedDocument& doc) const {
    std::map<double, std::vector<std::string>> lines;
    for (const DrawnItem& item : doc.items) {
      if (item.kind == DrawnItem::kText) {
        lines[static_cast<double>(item.y) / LineHeight(doc)].push_back(item.text);
      }
    }
    return lines;
  }
  int LineHeight(const RecordedDocument& doc) const {
    const FontMetrics& m = doc.fonts.empty() ? device.default_metrics : device.metrics;
    return m.height + m.external_leading;
  }
  const DrawnItem* Find(const RecordedDocument& doc, const std::string& text) const {
    for (const DrawnItem& item : doc.items) {
      if (item.text == text) return &item;
    }
    return nullptr;
  }
  double LineOf(const RecordedDocument& doc, const std::string& text) const {
    const DrawnItem* item = Find(doc, text);
    return item ? static_cast<double>(item->y) / LineHeight(doc) : -1;
  }

  LocalTime now{2026, 12, 6, 10, 15, 0, 0};
  SettingsRecord settings;
  LabelTable labels = LabelTable::Defaults(kEnglish);
  EnglishLocale locale;
  Basket basket;
  Tendered tendered;
  test::FakeUi ui;
  test::FaultyFiles files;
  test::TempDir dir;
  test::TestDevice device;
  std::vector<std::unique_ptr<RecordedDocument>> documents;
};

TEST(MergeLinesTest, SameItemAndPriceFoldIntoTheFirstLine) {
  Basket basket;
  const std::pair<int64_t, double> lines[] = {{5, 2.5}, {6, 1.0}, {5, 2.5}, {5, 3.0}, {5, 2.5}};
  for (const auto& [item, total] : lines) {
    const auto i = static_cast<size_t>(basket.line_count++);
    basket.item_number[i] = item;
    basket.line_total[i] = total;
    SetText(basket.description[i], i == 4 ? "RENAMED" : "SAME");
  }
  EXPECT_EQ(MergedQuantities(basket), (std::vector<int>{3, 1, 0, 1, 0}));
  // Page documents also need the same description.
  EXPECT_EQ(MergedQuantities(basket, true), (std::vector<int>{2, 1, 0, 1, 1}));
}

// Lines sold without an item all carry number 0: only the same description makes them the
// same thing sold.
TEST_F(ReceiptLayoutTest, LinesWithoutAnItemMergeOnlyWithTheSameDescription) {
  Add(0, "BREAD", 2.0, false);
  Add(0, "MILK", 2.0, false);
  Add(0, "BREAD", 2.0, false);
  EXPECT_EQ(MergedQuantities(basket), (std::vector<int>{2, 1, 0}));
  tendered = {6, 0};
  auto lines = Lines(Draw(DrawTillReceipt));
  EXPECT_EQ(lines[14], (std::vector<std::string>{"BREAD", "2", "2.00", "4.00"}));
  EXPECT_EQ(lines[15], (std::vector<std::string>{"MILK", "1", "2.00", "2.00"}));
}

TEST_F(ReceiptLayoutTest, SingleLineLayoutMergesThreeScansUnderTheHeading) {
  for (int k = 0; k < 3; ++k) Add(101, "SINGLE MALT SCOTCH", 10.0);
  Add(102, "GIN", 5.0);
  tendered = {42, 0};
  const RecordedDocument& doc = Draw(DrawTillReceipt);
  auto lines = Lines(doc);

  // Printer default font (fixed pitch, line height 24), no logo file.
  EXPECT_TRUE(doc.fonts.empty());
  EXPECT_EQ(lines[1], (std::vector<std::string>{"CORNER SHOP"}));
  EXPECT_EQ(lines[6], (std::vector<std::string>{"========================"}));
  EXPECT_EQ(lines[7], (std::vector<std::string>{"Receipt: 7"}));
  EXPECT_EQ(lines[8], (std::vector<std::string>{"10:15  Sun 6 Dec 26"}));
  EXPECT_EQ(lines[9], (std::vector<std::string>{"1, Administrator"}));
  EXPECT_EQ(lines[12.5], (std::vector<std::string>{"Description", "Qty   Price", "Amount"}));
  EXPECT_EQ(lines[14], (std::vector<std::string>{"SINGLE MALT SC", "3", "12.00", "36.00"}));
  EXPECT_EQ(lines[15], (std::vector<std::string>{"GIN", "1", "6.00", "6.00"}));
  // Columns for a fixed-pitch font of average width 10: the left margin is the offset + 10, the
  // quantity 10 + 5 x 2 x 16 further, the price 10 widths after it, the amount at the right edge.
  EXPECT_EQ(Find(doc, "3")->x, 22 + 10 + 160);
  EXPECT_EQ(Find(doc, "12.00")->x, 192 + 100);
  EXPECT_EQ(Find(doc, "12.00")->align, TextAlign::kRight);
  EXPECT_EQ(Find(doc, "36.00")->x, 576 - 12);
  // Two item rows after the heading's two lines, no sub total lines.
  EXPECT_EQ(LineOf(doc, "Total: $42.00"), 17);
  EXPECT_EQ(LineOf(doc, "Payment: Cash"), 20);
  EXPECT_EQ(LineOf(doc, "Cash change: 0.00"), -1);
  EXPECT_EQ(LineOf(doc, "VAT 1: 7.00 (20.00%)"), 21);
  EXPECT_EQ(LineOf(doc, "Always happy to help!"), 23);
  EXPECT_EQ(LineOf(doc, "  "), 24);
}

TEST_F(ReceiptLayoutTest, TwoLineAndCentredLayouts) {
  settings.Set(cfg::kReceiptItemLayout, 2);
  for (int k = 0; k < 3; ++k) Add(101, "WIDGET", 2.5, false);
  Add(102, "A DESCRIPTION LONGER THAN TWENTY", 1.0, false);
  settings.Set(cfg::kReceiptDescriptionLimit, 2);
  auto lines = Lines(Draw(DrawTillReceipt));
  EXPECT_EQ(lines[12], (std::vector<std::string>{"WIDGET"}));
  EXPECT_EQ(lines[13], (std::vector<std::string>{"3 @ 2.50", "7.50"}));
  EXPECT_EQ(lines[14], (std::vector<std::string>{"A DESCRIPTION LONGER", "1.00"}));
  EXPECT_EQ(lines[3 + 13], (std::vector<std::string>{"Total: $8.50"}));

  settings.Set(cfg::kReceiptItemsCentred, 2);
  lines = Lines(Draw(DrawTillReceipt));
  EXPECT_EQ(lines[12], (std::vector<std::string>{"3 WIDGET, 7.50"}));
  EXPECT_EQ(lines[13], (std::vector<std::string>{"A DESCRIPTION LONGER, 1.00"}));
  EXPECT_EQ(lines[2 + 13], (std::vector<std::string>{"Total: $8.50"}));
}

TEST_F(ReceiptLayoutTest, ExclusiveOfTaxSubTotalTaxesAndDiscount) {
  settings.Set(cfg::kReceiptItemLayout, 2);
  settings.Set(cfg::kReceiptExclusiveSubtotal, 2);
  Add(101, "WIDGET", 10.0);
  auto lines = Lines(Draw(DrawTillReceipt));
  EXPECT_EQ(lines[12], (std::vector<std::string>{"WIDGET", "10.00"}));  // price without tax
  EXPECT_EQ(lines[14], (std::vector<std::string>{"Sub total: 10.00"}));
  EXPECT_EQ(lines[15], (std::vector<std::string>{"VAT 1: 2.00"}));
  EXPECT_EQ(lines[16], (std::vector<std::string>{"Total: $12.00"}));
  // Exclusive of tax the taxes are not repeated after the payment line.
  EXPECT_EQ(lines[21], (std::vector<std::string>{"Always happy to help!"}));

  // Untaxed: no sub total without a discount; with one the sub total comes first.
  basket = Basket{};
  Add(103, "BREAD", 1.2, false);
  EXPECT_EQ(Lines(Draw(DrawTillReceipt))[14], (std::vector<std::string>{"Total: $1.20"}));
  basket.totals.discount_total = 0.2;
  lines = Lines(Draw(DrawTillReceipt));
  EXPECT_EQ(lines[14], (std::vector<std::string>{"Sub total: 1.20"}));
  EXPECT_EQ(lines[15], (std::vector<std::string>{"Discount: (0.20)"}));
  EXPECT_EQ(lines[16], (std::vector<std::string>{"Total: $1.20"}));
}

TEST_F(ReceiptLayoutTest, RefundLabelAndNoChangeLine) {
  Add(101, "WIDGET", 10.0);
  SetText(basket.texts.payment_type, "Refund");
  tendered = {12, 3};
  const RecordedDocument& doc = Draw(DrawTillReceipt);
  EXPECT_EQ(LineOf(doc, "Refund: 7"), 7);
  EXPECT_EQ(LineOf(doc, "Receipt: 7"), -1);
  EXPECT_EQ(LineOf(doc, "Cash change: 3.00"), -1);
}

TEST_F(ReceiptLayoutTest, PaymentLines) {
  Add(101, "WIDGET", 10.0);
  const ReceiptData data{basket, tendered, settings, labels, locale, now, 1};
  BasketTotals& t = basket.totals;
  struct Case {
    double cash, cheque, eft, cash_back;
    const char* type;
    const char* line;
  };
  const Case cases[] = {
      {12, 0, 0, 0, "Cash", "Payment: Cash"},
      {0, 12, 0, 0, "CH", "Payment: Cheque"},
      {0, 0, 12, 0, "EFT", "Payment: EFT"},
      {0, 0, 12, 20, "EFT", "Payment: EFT (CB: 20.00)"},
      {0, 0, 0, 0, "Credit", "Payment: Credit"},
      {0, 0, 12, 0, "Credit", "Payment: Credit"},
      {5, 7, 0, 0, "Split", "Payment: CH with cash"},
      {5, 0, 7, 0, "Split", "Payment: EFT with cash"},
      {0, 0, 12, 0, "Split", "Payment: EFT"},
  };
  for (const Case& c : cases) {
    t.cash_amount = c.cash;
    t.cheque_amount = c.cheque;
    t.eft_amount = c.eft;
    t.cash_back = c.cash_back;
    SetText(basket.texts.payment_type, c.type);
    EXPECT_EQ(PaymentLineText(data), c.line) << c.type << " " << c.cash << " " << c.eft;
  }
}

TEST_F(ReceiptLayoutTest, WrappedFooterPushesTheBarcodeDown) {
  settings.Set(cfg::kReceiptItemLayout, 2);
  settings.Set(cfg::kReceiptWordWrap, 2);
  settings.Set(cfg::kReceiptBarcode, 2);
  device.text_box_lines = 3;
  Add(101, "WIDGET", 10.0);
  const RecordedDocument& doc = Draw(DrawTillReceipt);
  const DrawnItem* footer = Find(doc, "Always happy to help!");
  ASSERT_NE(footer, nullptr);
  EXPECT_EQ(footer->kind, DrawnItem::kTextBox);
  EXPECT_EQ(footer->y, 20 * 24);  // 1 item row, 1 tax line after the payment line
  EXPECT_EQ(footer->x2, 576);
  // The barcode's line (21) moves 3 lines down, and the bars start 2 lines below it.
  const DrawnItem& bar = *std::find_if(doc.items.begin(), doc.items.end(), [](const DrawnItem& i) {
    return i.kind == DrawnItem::kFill;
  });
  EXPECT_TRUE(bar.metric);
  EXPECT_EQ(bar.y, (24 + 2) * 24 * 2540 / 203);
}

TEST_F(ReceiptLayoutTest, BarcodeOfTransaction7IsCode39Of0007Centred) {
  EXPECT_EQ(BarcodeDigits(7), "0007");
  EXPECT_EQ(BarcodeDigits(12345), "12345");
  for (char c : std::string("0123456789*-")) {
    const std::string pattern = Code39Pattern(c);
    ASSERT_EQ(pattern.size(), 9u) << c;
    EXPECT_EQ(std::count(pattern.begin(), pattern.end(), '1'), 3) << c;
  }
  RecordedDocument doc;
  test::RecordingCanvas canvas(doc, device);
  DrawBarcode(canvas, ui, 7, {0, 24, 0});
  ASSERT_EQ(doc.items.size(), 6u * 5u);  // "*0007*": five bars a character
  const int width = 6 * 13 * 40;
  const int centre = 288 * 2540 / 203;
  EXPECT_EQ(doc.items.front().x, centre - width / 2);
  // The last bar of "*" ends one gap short of the full width.
  EXPECT_EQ(doc.items.back().x2, centre - width / 2 + width - 40);
  // By the page bottom: 0.54 inch above the printable bottom, less 10.
  EXPECT_EQ(doc.items.front().y, (3000 - static_cast<int>(203 * 0.54) - 10) * 2540 / 203);
  EXPECT_EQ(doc.items.front().y2 - doc.items.front().y, 1000);

  device.caps.dpi_y = 0;
  DrawBarcode(canvas, ui, 7, {0, 24, 0});
  EXPECT_EQ(doc.items.size(), 30u);
  EXPECT_EQ(ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Unable to get printer"}}));
}

TEST_F(ReceiptLayoutTest, FontSizeAndAFontThatCannotBeMade) {
  settings.Set(cfg::kReceiptFontSize, 2);
  Add(101, "WIDGET", 10.0);
  const RecordedDocument& doc = Draw(DrawTillReceipt);
  EXPECT_EQ(doc.fonts, (std::vector<PrintFont>{{"Arial", 10 * 203 / 72, false}}));
  EXPECT_EQ(Find(doc, "Receipt: 7")->y, 7 * 32);

  device.font_fails = true;
  const RecordedDocument& fallback = Draw(DrawTillReceipt);
  EXPECT_EQ(ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Unable set font"}}));
  EXPECT_EQ(Find(fallback, "Receipt: 7")->y, 7 * 24);  // printed on with the device's font
}

TEST_F(ReceiptLayoutTest, LogoMovesTheTextDownAndABrokenOneIsSkipped) {
  // A 100 x 50 picture header; the canvas does not decode it.
  std::string bmp(54, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[18] = 100;
  bmp[22] = static_cast<char>(-50);  // stored top row first
  bmp[23] = bmp[24] = bmp[25] = static_cast<char>(0xFF);
  std::ofstream(dir.path() / "receipt.bmp", std::ios::binary) << bmp;
  Add(101, "WIDGET", 10.0);
  const RecordedDocument& doc = Draw(DrawTillReceipt);
  const DrawnItem& logo = doc.items.front();
  EXPECT_EQ(logo.kind, DrawnItem::kBitmap);
  // Half the page width, in its middle, keeping the 2:1 proportions.
  EXPECT_EQ((std::vector<int>{logo.x, logo.y, logo.x2, logo.y2}),
            (std::vector<int>{144, 10, 432, 154}));
  EXPECT_EQ(LineOf(doc, "CORNER SHOP"), (144 + 20) / 24 + 1);

  std::ofstream(dir.path() / "receipt.bmp", std::ios::binary) << "not a picture";
  EXPECT_EQ(LineOf(Draw(DrawTillReceipt), "CORNER SHOP"), 1);
  // A header claiming a picture 1 pixel wide and 2^31 - 1 high.
  bmp[18] = 1;
  bmp[22] = bmp[23] = bmp[24] = static_cast<char>(0xFF);
  bmp[25] = 0x7F;
  std::ofstream(dir.path() / "receipt.bmp", std::ios::binary) << bmp;
  EXPECT_EQ(LineOf(Draw(DrawTillReceipt), "CORNER SHOP"), 1);
}

TEST_F(ReceiptLayoutTest, CustomReceiptFollowsTheLayout) {
  // First-run layout: store name 1 ... telephone 5, date 7; footer: by line 4, total 2, clerk 8.
  settings.Set(cfg::kCustomReceiptLayout, kElementReceipt, 9);
  settings.Set(cfg::kCustomReceiptLayout, kElementStoreAddress3, 0);  // omitted
  settings.Set(cfg::kCustomReceiptPaymentLine, 3);
  settings.Set(cfg::kCustomReceiptMarkExempt, 2);
  settings.Set(cfg::kCustomReceiptBlankLines, 2);
  settings.Set(cfg::kCustomReceiptOmitLogo, 2);
  Add(101, "WIDGET", 10.0);
  Add(102, "BREAD", 1.0, false);
  const RecordedDocument& doc = Draw(DrawCustomReceipt);
  auto lines = Lines(doc);
  EXPECT_EQ(lines[1], (std::vector<std::string>{"CORNER SHOP"}));
  EXPECT_EQ(lines[4], (std::vector<std::string>{}));
  EXPECT_EQ(lines[7], (std::vector<std::string>{"10:15  Sun 6 Dec 26"}));  // the sale's time
  EXPECT_EQ(lines[9], (std::vector<std::string>{"Receipt: 7"}));
  EXPECT_EQ(LineOf(doc, "Customer: 0"), -1);  // no customer: its elements are left out
  // Items from 2 lines below the last header line (9), at x 20 and 2c - 20.
  EXPECT_EQ(lines[11], (std::vector<std::string>{"WIDGET", "12.00"}));
  EXPECT_EQ(lines[12], (std::vector<std::string>{"BREAD", "E  1.00"}));
  EXPECT_EQ(Find(doc, "WIDGET")->x, 20);
  EXPECT_EQ(Find(doc, "12.00")->x, 556);
  // Footer counted from the last item (12).
  EXPECT_EQ(lines[14], (std::vector<std::string>{"Total: $13.00"}));
  EXPECT_EQ(lines[15], (std::vector<std::string>{"Payment: Cash"}));
  EXPECT_EQ(lines[16], (std::vector<std::string>{"Always happy to help!"}));
  EXPECT_EQ(lines[17], (std::vector<std::string>{"  "}));
  EXPECT_EQ(lines[19], (std::vector<std::string>{"  "}));
  EXPECT_EQ(lines.count(20), 0u);
}

// vt.cfg is a file anyone can edit: a layout line outside the dialog's limits is held to them,
// never multiplied into a position that overflows.
TEST_F(ReceiptLayoutTest, CustomLayoutLinesOutsideTheDialogsLimitsAreHeldToThem) {
  settings.Set(cfg::kCustomReceiptOmitLogo, 2);
  settings.Set(cfg::kCustomReceiptLayout, kElementStoreName, 0x7FFFFFFF);
  settings.Set(cfg::kCustomReceiptLayout, kElementTotal, 0x7FFFFFFF);
  settings.Set(cfg::kCustomReceiptLayout, kElementClerk, -5);
  settings.Set(cfg::kCustomReceiptPaymentLine, std::numeric_limits<int32_t>::min());
  settings.Set(cfg::kCustomReceiptNoteLine, 0x7FFFFFFF);
  SetText(basket.texts.note, "NO ONIONS");
  Add(101, "WIDGET", 10.0);
  const RecordedDocument& doc = Draw(DrawCustomReceipt);
  EXPECT_EQ(CustomLayoutLine(settings, kElementStoreName), 999);
  EXPECT_EQ(CustomLayoutLine(settings, kElementTotal), 40);
  EXPECT_EQ(CustomLayoutLine(settings, kElementClerk), 0);
  EXPECT_EQ(LineOf(doc, "CORNER SHOP"), 999);
  EXPECT_EQ(LineOf(doc, "WIDGET"), 1001);  // two lines below the last header line
  EXPECT_EQ(LineOf(doc, "Total: $12.00"), 1041);
  EXPECT_EQ(LineOf(doc, "NO ONIONS"), 1041);
  EXPECT_EQ(LineOf(doc, "Payment: Cash"), -1);
  EXPECT_EQ(LineOf(doc, "1, Administrator"), -1);
}

TEST_F(ReceiptLayoutTest, KitchenTicketShowsTheTableAndTheNote) {
  settings.Set(cfg::kReceiptItemLayout, 2);
  Add(101, "SOUP", 4.0, false);
  Add(101, "SOUP", 4.0, false);
  SetText(basket.texts.note, "NO ONIONS");
  const RecordedDocument& doc = Draw(DrawKitchenTicket);
  auto lines = Lines(doc);
  EXPECT_EQ(lines[4], (std::vector<std::string>{"Table: 3"}));
  EXPECT_EQ(lines[8], (std::vector<std::string>{"Associate: 1: Administrator"}));
  EXPECT_EQ(lines[12], (std::vector<std::string>{"SOUP"}));
  EXPECT_EQ(lines[13], (std::vector<std::string>{"2 @ 4.00", "8.00"}));
  EXPECT_EQ(lines[15], (std::vector<std::string>{"Total: $8.00"}));
  EXPECT_EQ(lines[18], (std::vector<std::string>{"Transaction note:"}));
  EXPECT_EQ(Find(doc, "NO ONIONS")->y, 19 * 24);
}

TEST_F(ReceiptLayoutTest, BalancePaymentReceipt) {
  settings.Set(cfg::kNextTransaction, 13);  // already moved past the payment
  RecordedDocument doc;
  test::RecordingCanvas canvas(doc, device);
  DrawBalancePaymentReceipt(canvas, {25, "CH", 42, "ACME LTD", 12}, settings, locale, now,
                            {ui, files, dir.path()});
  auto lines = Lines(doc);
  EXPECT_EQ(lines[1], (std::vector<std::string>{"CORNER SHOP"}));
  EXPECT_EQ(lines[7], (std::vector<std::string>{"Payment: 12"}));
  EXPECT_EQ(lines[8], (std::vector<std::string>{"10:15 Dec 6 2026"}));
  EXPECT_EQ(lines[9], (std::vector<std::string>{"Clerk: 1, Administrator"}));
  EXPECT_EQ(lines[12], (std::vector<std::string>{"Total: $25.00"}));
  EXPECT_EQ(lines[15], (std::vector<std::string>{"Payment type: CH"}));
  EXPECT_EQ(lines[16], (std::vector<std::string>{"Customer: 42"}));
  EXPECT_EQ(lines[17], (std::vector<std::string>{"ACME LTD"}));
}

}  // namespace
}  // namespace ventro
