// The full-page documents of a sale drawn on a recording A4 printer: the standard invoice and
// its page break, the other documents' terms and balances, the quotation, the summary box's
// buttons and "Auto receipt", the "Invoices" dialog, and the order confirmation mail link.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/clock_text.h"
#include "print/after_commit.h"
#include "print/invoice_layout_dialog.h"
#include "print/invoice_printing.h"
#include "print/invoice_texts.h"
#include "print/order_mail.h"
#include "sale/tender.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::DrawnItem;
using test::Press;

class InvoiceTest : public test::SaleTest {
 protected:
  void SetUp() override {
    // A4 at 600 dots per inch with a 100-unit body line.
    p.printer.device.caps = {4960, 7016, 600, 600, 100, 100};
    p.printer.device.metrics = {90, 10, 40, false};
    v().labels = LabelTable::Defaults(kEnglish);
    v().settings.Set(cfg::kPrintConfirm, 0);  // straight to the default printer
    v().settings.Set(cfg::kHeadingLine, 1, "TEA & CAKES");
    basket().transaction_number = 41;
    basket().clerk_number = 1;
  }

  void Print(InvoiceKind kind, int32_t terms = 0) {
    PrintInvoice(printing(), kind, basket(), terms, PrintRoute::kSummary);
  }
  const test::RecordedDocument& Doc(size_t k = 0) const { return *p.printer.documents.at(k); }

  // The texts drawn on `page` (0: every page), in order.
  std::vector<std::string> Texts(const test::RecordedDocument& doc, int page = 0) const {
    std::vector<std::string> texts;
    for (const DrawnItem& item : doc.items) {
      if (item.kind == DrawnItem::kText && (page == 0 || item.page == page)) {
        texts.push_back(item.text);
      }
    }
    return texts;
  }
  bool Shows(const test::RecordedDocument& doc, const std::string& text, int page = 0) const {
    const std::vector<std::string> texts = Texts(doc, page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
  bool Told(const std::string& title, const std::string& text) const {
    const test::ShownMessage message{title, text};
    return std::find(p.ui.messages.begin(), p.ui.messages.end(), message) != p.ui.messages.end();
  }
  const DrawnItem* Find(const test::RecordedDocument& doc, const std::string& text) const {
    for (const DrawnItem& item : doc.items) {
      if (item.kind == DrawnItem::kText && item.text == text) return &item;
    }
    return nullptr;
  }
};

TEST_F(InvoiceTest, StandardInvoiceWithoutCustomerFoldsLinesAndEndsWithTotals) {
  AddLine(101, "WIDGET", 2.50, 0.50);
  AddLine(101, "WIDGET", 2.50, 0.50);
  AddLine(101, "WIDGET", 2.50, 0.50);
  AddLine(0, "DELIVERY", 4.00, 0, 0, 0, false);
  SetText(basket().texts.note, "LEAVE AT BACK DOOR");
  Print(InvoiceKind::kStandard);
  ASSERT_EQ(p.printer.documents.size(), 1u);
  const auto& doc = Doc();
  EXPECT_EQ(doc.kind, "invoice");
  EXPECT_EQ(doc.pages, 1);
  EXPECT_TRUE(p.ui.messages.empty());
  // Title font, body font and bold font, in that order.
  ASSERT_GE(doc.fonts.size(), 3u);
  EXPECT_EQ(doc.fonts[0], (PrintFont{"Arial", 75, false}));
  EXPECT_EQ(doc.fonts[1], (PrintFont{"Arial", 150, true}));
  EXPECT_EQ(doc.fonts.back(), (PrintFont{"Arial", 75, true}));

  EXPECT_TRUE(Shows(doc, "TEA & CAKES"));
  EXPECT_TRUE(Shows(doc, "INVOICE"));
  EXPECT_TRUE(Shows(doc, "Order Number: 41"));
  EXPECT_TRUE(Shows(doc, "Customer code: N/A"));
  for (const char* caption : {"NAME:", "ADDRESS:", "TELEPHONE:", "Not Applicable"}) {
    EXPECT_TRUE(Shows(doc, caption)) << caption;
  }
  // Three widgets on two rows: the description, then "3 @ 2.50" with 7.50 on that row.
  const DrawnItem* widget = Find(doc, "WIDGET");
  const DrawnItem* each = Find(doc, "3 @ 2.50");
  const DrawnItem* amount = Find(doc, "7.50");
  ASSERT_TRUE(widget && each && amount);
  EXPECT_EQ(widget->y, 21 * 100);
  EXPECT_EQ(each->y, 22 * 100);
  EXPECT_EQ(amount->y, each->y);
  EXPECT_EQ(amount->align, TextAlign::kRight);
  EXPECT_TRUE(Shows(doc, "101"));
  // The untaxed line takes one row, with no product code.
  const DrawnItem* delivery = Find(doc, "DELIVERY");
  ASSERT_TRUE(delivery);
  EXPECT_EQ(delivery->y, 23 * 100);
  EXPECT_TRUE(Shows(doc, "4.00"));
  // Sub total, the totals block and the grand total with the currency.
  const std::string currency = v().settings.Get(cfg::kCurrencySymbol);
  EXPECT_TRUE(Shows(doc, "SUBTOTAL: " + currency + "11.50"));
  EXPECT_TRUE(Shows(doc, "TOTAL: " + currency + "13.00"));
  EXPECT_TRUE(Shows(doc, "NOTES"));
  EXPECT_TRUE(Shows(doc, "LEAVE AT BACK DOOR"));
  EXPECT_TRUE(Shows(doc, "4"));  // basket lines
  // The barcode of the transaction in metric units near the page bottom.
  EXPECT_TRUE(std::any_of(doc.items.begin(), doc.items.end(), [](const DrawnItem& i) {
    return i.kind == DrawnItem::kFill && i.metric;
  }));
}

TEST_F(InvoiceTest, LongBasketBreaksPagesWithoutLosingOrRepeatingLines) {
  for (int k = 1; k <= 70; ++k) AddLine(1000 + k, "ITEM " + std::to_string(k), 1.00);
  Print(InvoiceKind::kStandard);
  const auto& doc = Doc();
  ASSERT_GE(doc.pages, 3);
  // Every line exactly once, in order.
  std::vector<std::string> rows;
  for (const std::string& text : Texts(doc)) {
    if (text.rfind("ITEM ", 0) == 0) rows.push_back(text);
  }
  ASSERT_EQ(rows.size(), 70u);
  for (int k = 1; k <= 70; ++k) EXPECT_EQ(rows[k - 1], "ITEM " + std::to_string(k));
  // Totals on the last page only; the frame and heading on every page.
  for (int page = 1; page <= doc.pages; ++page) {
    EXPECT_TRUE(Shows(doc, "INVOICE", page));
    EXPECT_EQ(Shows(doc, "NOTES", page), page == doc.pages) << page;
  }
  // No row reaches into the bottom reserve.
  for (const DrawnItem& item : doc.items) {
    if (item.kind == DrawnItem::kText && item.text.rfind("ITEM ", 0) == 0) {
      EXPECT_LT(item.y, 7016 - 100 - 600 - 1000);
    }
  }
}

TEST_F(InvoiceTest, PrinterWithoutDetailsUsesTheA4DefaultsAndAZeroHighLogoIsSkipped) {
  p.printer.device.metrics = {0, 0, 0, false};
  p.printer.device.caps = {0, 0, 0, 0, 0, 0};
  // A letter.bmp claiming no height.
  std::string bmp(54, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[14] = 40;
  bmp[18] = 10;
  std::ofstream(Data("letter.bmp"), std::ios::binary) << bmp;
  AddLine(101, "WIDGET", 2.50);
  Print(InvoiceKind::kStandard);
  EXPECT_TRUE(Told("Problem", "Printer detail unavailable, using defaults"));
  const auto& doc = Doc();
  EXPECT_TRUE(std::none_of(doc.items.begin(), doc.items.end(),
                           [](const DrawnItem& i) { return i.kind == DrawnItem::kBitmap; }));
  // The defaults: line height 100, right edge 2W - ox - 60 with ox a quarter inch.
  const DrawnItem* amount = Find(doc, "2.50");
  ASSERT_TRUE(amount);
  EXPECT_EQ(amount->x, 2 * 2480 - 150 - 60);
  EXPECT_EQ(amount->y, 21 * 100);
}

TEST_F(InvoiceTest, AWideLogoEndsBeforeTheAddressAndTheBandsAreLightGrey) {
  // A letter.bmp four times wider than high.
  std::string bmp(54, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[14] = 40;
  bmp[18] = static_cast<char>(600 % 256);
  bmp[19] = static_cast<char>(600 / 256);
  bmp[22] = static_cast<char>(150);
  std::ofstream(Data("letter.bmp"), std::ios::binary) << bmp;
  AddLine(101, "WIDGET", 2.50);
  Print(InvoiceKind::kStandard);
  const auto& doc = Doc();
  const auto logo = std::find_if(doc.items.begin(), doc.items.end(),
                                 [](const DrawnItem& i) { return i.kind == DrawnItem::kBitmap; });
  ASSERT_NE(logo, doc.items.end());
  const DrawnItem* address = Find(doc, "NAME:");
  ASSERT_TRUE(address);
  EXPECT_LT(logo->x2, address->x);
  // Kept in proportion: a quarter as high as wide.
  EXPECT_NEAR((logo->x2 - logo->x) / 4.0, logo->y2 - logo->y, 1);

  // The signature band, the sub total's band and the totals band, each filled RGB 230.
  const auto shades = std::count_if(doc.items.begin(), doc.items.end(), [](const DrawnItem& i) {
    return i.kind == DrawnItem::kShade && i.level == 230;
  });
  EXPECT_EQ(shades, 3);
}

TEST_F(InvoiceTest, TermsAndBalancesOfTheOtherDocuments) {
  // Band 3: 5 % discount, 30 days.
  v().settings.Set(cfg::kTermsDiscount, 3, 3);
  v().settings.Set(cfg::kTermsCredit, 3, 4);
  basket().customer_number = 7;
  SetText(basket().texts.customer_name, "ANNE SMITH");
  SetText(basket().texts.customer_text[4], "0113 496 0000");
  SetText(basket().texts.payment_type, "Credit");
  basket().totals.balance_before = 20;
  basket().totals.balance_after = 22.5;
  AddLine(101, "WIDGET", 2.50);

  EXPECT_EQ(DiscountFirstTerms(v().settings, 3), "5% disc, 30 days");
  EXPECT_EQ(DiscountCommaTerms(v().settings, 3), "5% disc, 30 days");
  // Codes outside the tables print no word; "No credit" adds no days.
  v().settings.Set(cfg::kTermsDiscount, 4, 9);
  v().settings.Set(cfg::kTermsCredit, 4, 1);
  EXPECT_EQ(DiscountFirstTerms(v().settings, 4), "");
  EXPECT_EQ(DiscountFirstTerms(v().settings, 0), "");
  EXPECT_EQ(DiscountFirstTerms(v().settings, 9), "");
  v().settings.Set(cfg::kTermsDiscount, 4, 1);
  EXPECT_EQ(DiscountFirstTerms(v().settings, 4), "Nett");

  Print(InvoiceKind::kSecond, 3);
  Print(InvoiceKind::kCustom, 3);
  Print(InvoiceKind::kDeliveryNote, 3);
  ASSERT_EQ(p.printer.documents.size(), 3u);
  EXPECT_EQ(Doc(0).kind, "invoice-2");
  EXPECT_TRUE(Shows(Doc(0), "Terms: 5% disc, 30 days"));
  EXPECT_FALSE(Shows(Doc(0), "Balance: 22.50"));
  EXPECT_TRUE(Shows(Doc(0), "Customer code: 7"));
  EXPECT_TRUE(Shows(Doc(0), "ANNE SMITH"));

  EXPECT_EQ(Doc(1).kind, "custom-invoice");
  EXPECT_TRUE(Shows(Doc(1), "5% disc, 30 days"));
  EXPECT_TRUE(Shows(Doc(1), "Previous balance: 20.00"));
  EXPECT_TRUE(Shows(Doc(1), "Balance: 22.50"));
  // The custom invoice's heading lines come from its layout: the store name on line 7.
  const auto name_rows =
      std::count_if(Doc(1).items.begin(), Doc(1).items.end(),
                    [](const DrawnItem& i) { return i.text == "TEA & CAKES" && i.y == 700; });
  EXPECT_EQ(name_rows, 1);

  EXPECT_EQ(Doc(2).kind, "delivery-note");
  for (const char* text : {"Delivery Note", "Shortages must be", "notified within 3 days",
                           "Transaction reference: 41", "Balance: 22.50", "1"}) {
    EXPECT_TRUE(Shows(Doc(2), text)) << text;
  }
  EXPECT_FALSE(Shows(Doc(2), "2.50"));  // no prices on a delivery note

  // A cash sale has no balance lines; the second invoice says "Not applicable" without a
  // customer.
  SetText(basket().texts.payment_type, "Cash");
  EXPECT_TRUE(BalanceLines(basket()).empty());
  basket().customer_number = 0;
  Print(InvoiceKind::kSecond);
  EXPECT_TRUE(Shows(Doc(3), "Not applicable"));
}

TEST_F(InvoiceTest, QuotationOfTheOpenBasketAlwaysAsksForThePrinter) {
  PrintQuotation(printing(), basket());
  EXPECT_TRUE(Told("Problem", "No items"));
  EXPECT_TRUE(p.printer.documents.empty());

  v().settings.Set(cfg::kNextTransaction, 57);
  AddLine(101, "WIDGET", 2.50);
  basket().transaction_number = 0;
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.name, "Print");
    d.pressed = "OK";
    return true;
  });
  PrintQuotation(printing(), basket());
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(Doc().kind, "quotation");
  EXPECT_TRUE(Shows(Doc(), "Quotation"));
  EXPECT_TRUE(Shows(Doc(), "Reference: 57"));
  EXPECT_TRUE(Shows(Doc(), "09:30 " + DisplayDate(p.locale, 6, 12, 2026, p.clock.now)));
  EXPECT_EQ(p.ui.print_boxes_opened, 1);
  EXPECT_EQ(basket().transaction_number, 0);  // the open sale is left as it was

  // Cancelled: nothing.
  p.ui.dialog_answers.push_back(Press("Cancel"));
  PrintQuotation(printing(), basket());
  EXPECT_EQ(p.printer.documents.size(), 1u);
}

TEST_F(InvoiceTest, SummaryBoxButtonsAndAutoReceiptInvoices) {
  WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
  AddLine(101, "WIDGET", 10.25, 2.05);
  v().settings.Set(cfg::kReceiptPrinterName, "TM-T88");  // never used for page documents
  v().settings.Set(cfg::kAutoReceipt, 2);                // standard invoice
  v().settings.Set(cfg::kReceiptCopies, 1);              // pressed twice
  p.ui.dialog_answers.push_back([this](Dialog& d) {
    EXPECT_EQ(d.name, "TENBOX");
    EXPECT_EQ(d.actions, (std::vector<std::string>{"&Standard receipt", "&Invoice 1", "Invoice 2",
                                                   "Custom invoice", "&Custom receipt",
                                                   "Email document", "Delivery note"}));
    EXPECT_EQ(p.printer.documents.size(), 2u);
    d.on_change(d, kInvoice2Button);
    d.on_change(d, kDeliveryNoteButton);
    d.on_change(d, kEmailDocumentButton);
    return true;
  });
  PayCheque(session());
  ASSERT_EQ(p.printer.documents.size(), 4u);
  EXPECT_EQ(Doc(0).kind, "invoice");
  EXPECT_EQ(Doc(0).printer, "");
  EXPECT_EQ(Doc(1).kind, "invoice");
  EXPECT_EQ(Doc(2).kind, "invoice-2");
  EXPECT_EQ(Doc(3).kind, "delivery-note");
  ASSERT_EQ(p.shell.opened.size(), 1u);
  EXPECT_EQ(
      p.shell.opened[0].rfind("mailto:?subject=TEA%20%26%20CAKES%20Order%20Confirmation&body=", 0),
      0u);

  // With the box off: the custom invoice at once, in as many copies, with the dialog's printer
  // when print confirm is on.
  p.printer.documents.clear();
  v().settings.Set(cfg::kNoSummaryBox, 1);
  v().settings.Set(cfg::kAutoReceipt, 3);
  v().settings.Set(cfg::kPrintConfirm, 1);
  AddLine(101, "WIDGET", 10.25, 2.05);
  p.ui.dialog_answers.push_back(Press("OK", "copies", "9"));
  PayCheque(session());
  ASSERT_EQ(p.printer.documents.size(), 2u);
  EXPECT_EQ(Doc(0).kind, "custom-invoice");
  EXPECT_EQ(Doc(1).kind, "custom-invoice");
}

TEST_F(InvoiceTest, InvoicesDialogSetsTheSixHeadingLines) {
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.name, "INVOICES");
    EXPECT_EQ(d.Field("store_name").text, "7");
    EXPECT_EQ(d.Field("store_telephone").text, "11");
    d.Field("store_name").text = "2";
    d.Field("store_address1").text = "0";
    d.Field("store_address2").text = "99";  // out of range: kept
    d.Field("store_address3").text = "x";   // not a number: kept
    return Press("OK")(d);
  });
  RunInvoiceLayoutDialog(p.ui, v().settings);
  EXPECT_EQ(v().settings.Get(cfg::kCustomInvoiceLayout, 0), 2);
  EXPECT_EQ(v().settings.Get(cfg::kCustomInvoiceLayout, 1), 0);
  EXPECT_EQ(v().settings.Get(cfg::kCustomInvoiceLayout, 2), 9);
  EXPECT_EQ(v().settings.Get(cfg::kCustomInvoiceLayout, 3), 0);
  const std::vector<HeadingPlace> places = CustomInvoiceHeadings(v().settings);
  ASSERT_EQ(places.size(), 3u);  // store name, address 2 and telephone
  EXPECT_EQ(places[0].line, 2);
  EXPECT_EQ(places[2].element, 5);
}

TEST_F(InvoiceTest, OrderMailLinkByteForByte) {
  SettingsRecord& s = v().settings;
  s.Set(cfg::kHeadingLine, 1, "Tea & Cakes");
  s.Set(cfg::kHeadingLine, 2, "1 High St");
  s.Set(cfg::kHeadingLine, 3, "Leeds?");
  s.Set(cfg::kHeadingLine, 4, "");
  s.Set(cfg::kHeadingLine, 5, "");
  s.Set(cfg::kClerkName, 1, "Jo=Ann");
  basket().totals.grand_total = 12.3;
  const std::string body =
      "&body=Tea%20%26%20Cakes%0D%0A1%20High%20St%0D%0ALeeds%3F%0D%0A%0D%0A%0D%0A%0D%0A"
      "Order%20reference%3A%2041%0D%0ADate%3A%2009%3A30%20Dec%206%202026%0D%0A"
      "Associate%3A%201%2C%20Jo%3DAnn%0D%0ATotal%20%3A%2012.30%0D%0A%0D%0A"
      "Thank%20you%20for%20your%20purchase.%20Please%20find%20your%20invoice%20attached."
      "%0D%0AIf%20you%20have%20any%20further%20questions%20please%20let%20us%20know."
      "%0D%0AKind%20Regards";
  EXPECT_EQ(OrderMailLink(s, basket(), "", p.locale, p.clock.now),
            "mailto:?subject=Tea%20%26%20Cakes%20Order%20Confirmation" + body);
  // An address with "?" and "&" stays one address.
  EXPECT_EQ(
      OrderMailLink(s, basket(), "a&b?c@shop.example", p.locale, p.clock.now),
      "mailto:a%26b%3Fc@shop.example?subject=Tea%20%26%20Cakes%20Order%20Confirmation" + body);
}

}  // namespace
}  // namespace ventro
