// Where documents are printed and how often: the printer choice and the print dialog, the
// copies, failures of the printer, the printing after a payment and from the summary box,
// the kitchen command, and the "Receipts" page and "Custom receipt" dialog that set it up.
#include <gtest/gtest.h>

#include "devices_pty.h"
#include "print/after_commit.h"
#include "print/custom_receipt_dialog.h"
#include "print/receipt_printing.h"
#include "sale/tender.h"
#include "setup/config_receipts_page.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::Press;
using test::ShownMessage;

class PrintJobTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
    v().labels = LabelTable::Defaults(kEnglish);
    AddLine(101, "WIDGET", 10.25, 2.05);
  }

  // "kind printer" of every document started, in order.
  std::vector<std::string> Printed() const {
    std::vector<std::string> printed;
    for (const auto& doc : p.printer.documents) {
      EXPECT_EQ(doc->title, "VENTRO");
      EXPECT_TRUE(doc->ended);
      printed.push_back(doc->kind + (doc->printer.empty() ? "" : " " + doc->printer));
    }
    return printed;
  }
  bool DocumentShows(size_t document, const std::string& text) const {
    for (const auto& item : p.printer.documents.at(document)->items) {
      if (item.text == text) return true;
    }
    return false;
  }
  void PrintSummaryReceipt() {
    PrintReceipt(printing(), ReceiptKind::kTill, basket(), v().sale.basket_number, {12.30, 0},
                 PrintRoute::kSummary);
  }
};

TEST_F(PrintJobTest, NamedPrinterDefaultPrinterAndThePrintDialog) {
  // Without "Omit print confirm" and without a receipt printer, the dialog asks.
  v().settings.Set(cfg::kPrintConfirm, 1);
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.name, "Print");
    EXPECT_EQ(d.Field("printer").options,
              (std::vector<std::string>{"Default", "Receipt", "Kitchen", "PDF file"}));
    d.Field("printer").choice = 2;
    d.Field("copies").text = "2";
    return true;
  });
  PrintSummaryReceipt();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"receipt Kitchen", "receipt Kitchen"}));
  EXPECT_TRUE(DocumentShows(0, "Receipt: 0"));

  // Cancelled: nothing. Automatic printing takes the copies option, not the dialog's count.
  PrintSummaryReceipt();
  p.ui.dialog_answers.push_back(Press("OK", "copies", "5"));
  PrintReceipt(printing(), ReceiptKind::kTill, basket(), v().sale.basket_number, {},
               PrintRoute::kAutomatic, 3);
  EXPECT_EQ(Printed().size(), 2u + 3u);

  // A named receipt printer is used at once; "Omit print confirm" uses the default printer.
  p.printer.documents.clear();
  v().settings.Set(cfg::kReceiptPrinterName, "Receipt");
  PrintSummaryReceipt();
  v().settings.Set(cfg::kReceiptPrinterName, "");
  v().settings.Set(cfg::kPrintConfirm, 0);
  PrintSummaryReceipt();
  // The kitchen ticket never asks: its printer, or the default one.
  v().settings.Set(cfg::kPrintConfirm, 1);
  PrintKitchenTicket(printing(), basket(), v().sale.basket_number);
  v().settings.Set(cfg::kKitchenPrinterName, "Kitchen");
  PrintKitchenTicket(printing(), basket(), v().sale.basket_number);
  EXPECT_EQ(Printed(),
            (std::vector<std::string>{"receipt Receipt", "receipt", "kitchen", "kitchen Kitchen"}));
  EXPECT_EQ(p.ui.dialogs_run.size(), 3u);
}

TEST_F(PrintJobTest, PdfFileSavesOneCopyWhereTheUserChoseOrNothingWhenCancelled) {
  v().settings.Set(cfg::kPrintConfirm, 1);
  auto choose_pdf = [](Dialog& d) {
    d.Field("printer").choice = static_cast<int>(d.Field("printer").options.size()) - 1;
    d.Field("copies").text = "3";
    return true;
  };
  p.ui.dialog_answers.push_back(choose_pdf);
  p.ui.save_answers.push_back(Path("/somewhere/sale.pdf"));
  PrintSummaryReceipt();
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(p.printer.last().pdf_file, Path("/somewhere/sale.pdf"));
  EXPECT_EQ(p.printer.last().kind, "receipt");
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"Print", "SAVEFILE"}));

  // The file chooser cancelled: nothing printed anywhere.
  p.ui.dialog_answers.push_back(choose_pdf);
  p.ui.save_answers.push_back(std::nullopt);
  PrintSummaryReceipt();
  EXPECT_EQ(p.printer.documents.size(), 1u);
}

TEST_F(PrintJobTest, PrinterFailuresAreShown) {
  p.printer.unreachable = true;
  PrintReceipt(printing(), ReceiptKind::kTill, basket(), v().sale.basket_number, {},
               PrintRoute::kAutomatic, 3);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Unable to open printer"}}));

  p.ui.messages.clear();
  p.printer.unreachable = false;
  p.printer.device.release_fails = true;
  PrintReceipt(printing(), ReceiptKind::kTill, basket(), v().sale.basket_number, {},
               PrintRoute::kAutomatic, 2);
  EXPECT_EQ(Printed().size(), 2u);
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>(2, {"Problem", "Unable to release printer"})));
}

TEST_F(PrintJobTest, CopiesAreHeldToOneToNinetyNineAndADocumentToAThousandPages) {
  // The field holds two digits: anything longer is read as its first two.
  const std::pair<std::string, int> typed[] = {{"0", 1},   {"-3", 1},   {"", 1},    {"1", 1},
                                               {"99", 99}, {"100", 10}, {"999", 99}};
  for (const auto& [text, copies] : typed) {
    p.ui.dialog_answers.push_back(Press("OK", "copies", text));
    std::optional<PrintTarget> target = RunPrintDialog(p.ui, p.raw_printer);
    ASSERT_TRUE(target) << text;
    EXPECT_EQ(target->copies, copies) << text;
  }

  // A document that asks for a new page every time is cut off, and the next copy still prints.
  int drawn = 0;
  const DrawDocument endless = [&drawn](PrintCanvas&, DocumentPages& pages) {
    ++drawn;
    ++pages.page;
  };
  EXPECT_TRUE(PrintCopies(p.platform, PrintTarget{"Receipt", 2, {}}, "receipt", endless));
  ASSERT_EQ(p.printer.documents.size(), 2u);
  EXPECT_EQ(p.printer.documents[0]->pages, 1000);
  EXPECT_EQ(p.printer.documents[1]->pages, 1000);
  EXPECT_EQ(drawn, 2000);
}

TEST_F(PrintJobTest, TheCancelBoxStopsTheDocumentAfterThePageSentAndNoFurtherCopyStarts) {
  const DrawDocument three_pages = [](PrintCanvas&, DocumentPages& pages) {
    if (pages.page < 3) ++pages.page;
  };
  // Cancel pressed while page 1 prints: that page stays printed, pages 2 and 3 and the second
  // copy do not follow.
  p.ui.cancel_at_poll = 1;
  EXPECT_FALSE(PrintCopiesWithCancelBox(p.platform, PrintTarget{"", 2, {}}, "letter", three_pages));
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(p.printer.documents[0]->pages, 1);
  EXPECT_TRUE(p.printer.documents[0]->ended);
  EXPECT_EQ(p.ui.print_boxes_opened, 1);
  EXPECT_EQ(p.ui.print_boxes_closed, 1);
  EXPECT_TRUE(p.ui.messages.empty());

  // Left alone, the box is asked after every page of every copy and both copies print whole.
  p.printer.documents.clear();
  p.ui.cancel_at_poll = 0;
  EXPECT_TRUE(PrintCopiesWithCancelBox(p.platform, PrintTarget{"", 2, {}}, "letter", three_pages));
  ASSERT_EQ(p.printer.documents.size(), 2u);
  EXPECT_EQ(p.printer.documents[1]->pages, 3);
  EXPECT_EQ(p.ui.print_polls, 6);
  EXPECT_EQ(p.ui.print_boxes_closed, 2);

  // A printer that cannot be opened still closes the box; receipts never open one.
  p.printer.unreachable = true;
  EXPECT_FALSE(PrintCopiesWithCancelBox(p.platform, PrintTarget{"", 1, {}}, "letter", three_pages));
  EXPECT_EQ(p.ui.print_boxes_opened, 3);
  EXPECT_EQ(p.ui.print_boxes_closed, 3);
  p.printer.unreachable = false;
  PrintSummaryReceipt();
  EXPECT_EQ(p.ui.print_boxes_opened, 3);
}

TEST_F(PrintJobTest, DrawerThenSummaryBoxButtonsPrintTheSaleBeforeItIsCommitted) {
  v().settings.Set(cfg::kOpenDrawerAfterCommit, 1);
  v().settings.Set(cfg::kReceiptPrinterName, "TM-T88");
  v().settings.Set(cfg::kAutoReceipt, 1);    // till receipt
  v().settings.Set(cfg::kReceiptCopies, 1);  // 2 copies: the box presses its button twice
  v().settings.Set(cfg::kKitchenReceipt, 2);
  p.ui.dialog_answers.push_back([this](Dialog& d) {
    EXPECT_EQ(d.name, "TENBOX");
    EXPECT_EQ(d.actions, (std::vector<std::string>{"&Standard receipt", "&Invoice 1", "Invoice 2",
                                                   "Custom invoice", "&Custom receipt",
                                                   "Email document", "Delivery note"}));
    EXPECT_EQ(p.printer.documents.size(), 2u);  // pressed as it opened
    EXPECT_EQ(p.raw_printer.jobs.size(), 1u);   // the drawer opened first
    d.on_change(d, kCustomReceiptButton);
    d.on_change(d, kStandardReceiptButton);
    return true;
  });
  PayCheque(session());
  EXPECT_EQ(Printed(),
            (std::vector<std::string>{"receipt TM-T88", "receipt TM-T88", "custom-receipt TM-T88",
                                      "receipt TM-T88", "kitchen"}));
  EXPECT_TRUE(DocumentShows(0, "Receipt: 1"));
  EXPECT_TRUE(DocumentShows(0, "Payment: Cheque"));
  EXPECT_TRUE(DocumentShows(4, "Table: 1"));
  EXPECT_EQ(p.raw_printer.jobs.at(0).bytes, std::string("\x1b\x70\x00\x19\xfa", 5));
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 2);  // then committed
  EXPECT_TRUE(basket().empty());
}

TEST_F(PrintJobTest, WithoutTheSummaryBoxTheAutoReceiptPrintsItsCopiesAndTheCutterFires) {
  test::PseudoTerminal cutter;
  ASSERT_TRUE(cutter.ok());
  p.ports.MapPort("COM2", cutter.path());
  v().settings.Set(cfg::kNoSummaryBox, 1);
  v().settings.Set(cfg::kAutoReceipt, 4);  // custom receipt
  v().settings.Set(cfg::kReceiptCopies, 1);
  v().settings.Set(cfg::kCutterSequence, "27,105");
  v().settings.Set(cfg::kCutterPort, 1);
  PayCheque(session());
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{});
  EXPECT_EQ(Printed(), (std::vector<std::string>{"custom-receipt", "custom-receipt"}));
  EXPECT_EQ(cutter.Read(), "\x1b\x69\x1b\x69");

  // "None" prints nothing.
  p.printer.documents.clear();
  v().settings.Set(cfg::kAutoReceipt, 0);
  AddLine(101, "WIDGET", 10.25, 2.05);
  PayCheque(session());
  EXPECT_EQ(Printed(), std::vector<std::string>{});
}

TEST_F(PrintJobTest, KitchenCommandNeedsItems) {
  PrintBasketToKitchen(printing(), v().sale);
  EXPECT_EQ(Printed(), (std::vector<std::string>{"kitchen"}));
  v().sale.basket = Basket{};
  PrintBasketToKitchen(printing(), v().sale);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "No items"}}));
  EXPECT_EQ(Printed().size(), 1u);
}

TEST_F(PrintJobTest, ReceiptsPageListsThePrintersAndKeepsOneNoLongerListed) {
  SettingsRecord& s = v().settings;
  s.Set(cfg::kKitchenPrinterName, "Old bar printer");
  const ConfigPage page = ReceiptsConfigPage();
  const ConfigSheetContext context{p.ui, p.clock.now, &p.platform};
  Dialog d;
  page.build(context, s, d);
  EXPECT_EQ(d.Field("receipt_printer").options,
            (std::vector<std::string>{"Default", "Receipt", "Kitchen", "Old bar printer"}));
  EXPECT_EQ(d.Field("receipt_printer").choice, 0);
  EXPECT_EQ(d.Field("kitchen_printer").choice, 3);
  EXPECT_TRUE(d.Field("omit_confirm").checked);  // print confirm 0 after first run
  EXPECT_TRUE(d.Field("single_line").checked);   // layout 0

  d.Field("receipt_printer").choice = 1;
  d.Field("auto_receipt").choice = 4;
  d.Field("copies").choice = 2;
  d.Field("omit_confirm").checked = false;
  d.Field("single_line").checked = false;
  d.Field("font_size").choice = 3;
  d.Field("footer").text = std::string(300, 'F');
  page.apply(context, d, s);
  EXPECT_EQ(s.Get(cfg::kReceiptPrinterName), "Receipt");
  EXPECT_EQ(s.Get(cfg::kReceiptPrinterIndex), 1);
  EXPECT_EQ(s.Get(cfg::kKitchenPrinterName), "Old bar printer");
  EXPECT_EQ(s.Get(cfg::kAutoReceipt), 4);
  EXPECT_EQ(s.Get(cfg::kReceiptCopies), 2);
  EXPECT_EQ(s.Get(cfg::kPrintConfirm), 1);
  EXPECT_EQ(s.Get(cfg::kReceiptItemLayout), 2);
  EXPECT_EQ(s.Get(cfg::kReceiptFontSize), 3);
  EXPECT_EQ(s.Get(cfg::kReceiptFooter), std::string(252, 'F'));

  // A list that cannot be read: only the stored names are offered.
  p.raw_printer.reachable = false;
  Dialog again;
  page.build(context, s, again);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Unable to get printers"}}));
  EXPECT_EQ(again.Field("receipt_printer").options,
            (std::vector<std::string>{"Default", "Receipt", "Old bar printer"}));
  EXPECT_EQ(again.Field("receipt_printer").choice, 1);
}

TEST_F(PrintJobTest, CustomReceiptDialogStoresTheLayout) {
  SettingsRecord& s = v().settings;
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.name, "CUSTOM");
    EXPECT_EQ(d.Field("store_name").text, "1");
    EXPECT_EQ(d.Field("clerk").text, "8");
    EXPECT_TRUE(d.Field("logo").checked);
    d.Field("receipt").text = "9";
    d.Field("store_name").text = "0";
    d.Field("total").text = "41";  // beyond the footer's 40: kept
    d.Field("payment_type").text = "3";
    d.Field("address2").text = "12";
    d.Field("text1").text = "THANK YOU";
    d.Field("text1_line").text = "10";
    d.Field("items").choice = 0;  // excluding tax
    d.Field("logo").checked = false;
    d.Field("blank_lines").choice = 4;
    d.Field("cutter").text = "27,105";
    d.Field("cutter_port").choice = 8;
    return true;
  });
  RunCustomReceiptDialog(p.ui, v().settings, p.ports);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptLayout, 16), 9);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptLayout, 0), 0);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptLayout, 14), 2);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptPaymentLine), 3);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptCustomerLine, 2), 12);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptText, 1), "THANK YOU");
  EXPECT_EQ(s.Get(cfg::kCustomReceiptTextLine, 1), 10);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptExcludingTax), 2);
  EXPECT_NE(s.Get(cfg::kCustomReceiptOmitLogo), 0);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptBlankLines), 4);
  EXPECT_EQ(s.Get(cfg::kCutterSequence), "27,105");
  EXPECT_EQ(s.Get(cfg::kCutterPort), 8);

  // Cancel changes nothing.
  RunCustomReceiptDialog(p.ui, v().settings, p.ports);
  EXPECT_EQ(s.Get(cfg::kCustomReceiptLayout, 16), 9);
}

}  // namespace
}  // namespace ventro
