// Finding committed transactions again: the search through the year indexes and day logs, the
// lists to pick from, the "Transaction" dialog with "Next", and the reprints. The day logs are
// written here byte by byte at their stored offsets, independently of the code that reads them.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "print/receipt_elements.h"
#include "sale/transaction_lookup.h"
#include "sale/transaction_lookup_lists.h"
#include "script_run.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::PutAt;
using test::PutTextAt;

struct LoggedSale {
  LoggedSale(int64_t n, int line_count = 1, double discount_total = 0, int64_t customer_number = 0,
             std::string name = "", std::string payment_type = "Cash")
      : number(n),
        lines(line_count),
        discount(discount_total),
        customer(customer_number),
        customer_name(std::move(name)),
        payment(std::move(payment_type)) {}
  int64_t number;
  int lines;
  double discount;
  int64_t customer;
  std::string customer_name;
  std::string payment;
};

class LookupTest : public test::SaleTest {
 protected:
  LookupTest() {
    v().settings.Set(cfg::kHistoryFrom, Date{1, 1, 2026});
    v().settings.Set(cfg::kReceiptPrinterName, "Receipt");
  }

  static void Append(const Path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
  }
  Path Day(int year, int month, int day) {
    return dir.path() / std::to_string(year) / std::to_string(month) / std::to_string(day);
  }
  void Index(int year, int month, int day, int32_t number) {
    const Path path = dir.path() / std::to_string(year) / "base.dat";
    if (!std::filesystem::exists(path)) Append(path, std::string(4, '\0'));
    std::string record(12, '\0');
    PutAt<int32_t>(record, 0, number);
    PutAt<int32_t>(record, 4, day);
    PutAt<int32_t>(record, 8, month);
    Append(path, record);
  }
  void SalesRecord(int year, int month, int day, const LoggedSale& sale) {
    std::string record(1050, '\0');
    PutAt<int64_t>(record, 0, sale.number);
    PutAt<int64_t>(record, 16, sale.customer);
    PutAt<int32_t>(record, 24, 1);
    PutAt<int32_t>(record, 28, sale.lines);
    PutAt<double>(record, 48, sale.lines * 2.0);                  // sub total
    PutAt<double>(record, 80, sale.lines * 2.0 - sale.discount);  // grand total
    PutAt<double>(record, 88, sale.discount);
    PutAt<double>(record, 144, sale.lines * 2.0 - sale.discount);  // cash
    PutTextAt(record, 216, "10:15");
    PutTextAt(record, 236, "Sun 6 Dec 26");
    PutTextAt(record, 256, sale.customer_name);
    PutTextAt(record, 446, sale.payment);
    Append(Day(year, month, day) / "saleslog.dat", record);
  }
  void ItemRecords(int year, int month, int day, int64_t number, int count,
                   const std::string& description = "ITEM") {
    for (int k = 0; k < count; ++k) {
      std::string record(132, '\0');
      PutAt<int64_t>(record, 0, number);
      PutAt<int64_t>(record, 24, 100 + k);
      PutTextAt(record, 32, description + " " + std::to_string(k + 1));
      PutAt<double>(record, 120, 2.0);
      Append(Day(year, month, day) / "itemslog.dat", record);
    }
  }
  // A whole transaction as a commit leaves it.
  void Log(int year, int month, int day, const LoggedSale& sale) {
    Index(year, month, day, static_cast<int32_t>(sale.number));
    SalesRecord(year, month, day, sale);
    ItemRecords(year, month, day, sale.number, sale.lines);
  }

  void Find(TransactionLookup how = TransactionLookup::kFind) { FindTransaction(printing(), how); }

  // The dialog's answer: runs `body` on the dialog as shown, then closes with OK.
  void OnTransactionDialog(std::function<void(Dialog&)> body) {
    p.ui.dialog_answers.push_back([body](Dialog& dialog) {
      EXPECT_EQ(dialog.name, "MULTDIAL");
      body(dialog);
      return true;
    });
  }
  static void Press(Dialog& dialog, const std::string& action) { dialog.on_change(dialog, action); }
  static std::string Shown(const Dialog& dialog, const std::string& key) {
    return dialog.Field(key).text;
  }
};

// --- Finding by number ---

TEST_F(LookupTest, FindShowsTheTransactionAndNextStopsAtTheEndOfTheList) {
  for (int64_t n = 1; n <= 5; ++n) Log(2026, 12, 6, {n, static_cast<int>(n)});
  p.ui.edit_answers.push_back("3");
  std::vector<std::string> seen;
  OnTransactionDialog([&](Dialog& d) {
    seen.push_back(Shown(d, "transaction"));
    EXPECT_EQ(Shown(d, "total"), "6.00");
    EXPECT_EQ(Shown(d, "type"), "Cash sale");
    EXPECT_EQ(Shown(d, "clerk"), "1: " + v().settings.Get(cfg::kClerkName, 1));
    EXPECT_EQ(Shown(d, "items"), "3");
    EXPECT_EQ(Shown(d, "customer"), "N/A");
    EXPECT_EQ(Shown(d, "time"), "10:15");
    EXPECT_EQ(
        d.Field("inventory").options,
        (std::vector<std::string>{"100 ITEM 1  2.00", "101 ITEM 2  2.00", "102 ITEM 3  2.00"}));
    EXPECT_EQ(d.Field("inventory").choice, 0);
    for (int k = 0; k < 3; ++k) {
      Press(d, "Next");
      seen.push_back(Shown(d, "transaction"));
    }
    EXPECT_EQ(d.Field("inventory").options.size(), 5u);
  });
  Find();
  EXPECT_EQ(seen, (std::vector<std::string>{"3", "4", "5", "5"}));
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Problem", "End of list."}}));
}

TEST_F(LookupTest, PromptAnswersOutsideTheRangeEndTheCommandQuietly) {
  Log(2026, 12, 6, {1});
  for (const char* answer : {"0", "200000001", "ABC"}) {
    p.ui.edit_answers.push_back(answer);
    Find();
  }
  Find();  // cancelled
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>(4, "EDITBOX"));
}

TEST_F(LookupTest, TheYearBeforeTheHistoryStartIsFoundOnlyForAnAccount) {
  Log(2025, 6, 30, {7});
  Log(2001, 3, 1, {2});
  p.ui.edit_answers.push_back("7");
  Find();
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Finished", "No match found"}}));

  std::optional<FoundTransaction> found =
      FindTransactionRecord(p.ui, p.files, v().settings, dir.path(), p.clock.now, int64_t{7});
  ASSERT_TRUE(found);
  EXPECT_EQ(found->day, (TransactionDay{2025, 6, 30}));
  EXPECT_EQ(found->sales.transaction_number(), 7);
  EXPECT_EQ(found->items_log, Day(2025, 6, 30) / "itemslog.dat");
  // Before 2002 not even an account's look-up searches.
  EXPECT_FALSE(
      FindTransactionRecord(p.ui, p.files, v().settings, dir.path(), p.clock.now, int64_t{2}));
}

TEST_F(LookupTest, AnIndexEntryWithoutItsRecordsIsToldAsSuch) {
  Index(2026, 12, 6, 4);  // the sales log of the day is missing
  Log(2026, 12, 7, {8});
  Index(2026, 12, 7, 9);  // indexed, but no sales record
  for (const char* number : {"4", "9", "10"}) {
    p.ui.edit_answers.push_back(number);
    Find();
  }
  EXPECT_EQ(p.ui.messages,
            (std::vector<test::ShownMessage>{{"Problem", "Unable to open sales log."},
                                             {"Finished", "No match found"},
                                             {"Finished", "No match found"}}));
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>(3, "EDITBOX"));
}

// --- What the dialog shows ---

TEST_F(LookupTest, ANumberLoggedTwiceInADayShowsOnlyTheFirstSalesLines) {
  Index(2026, 12, 6, 7);
  SalesRecord(2026, 12, 6, {7, 2});
  ItemRecords(2026, 12, 6, 7, 2, "FIRST");
  SalesRecord(2026, 12, 6, {7, 3});
  ItemRecords(2026, 12, 6, 7, 3, "SECOND");
  p.ui.edit_answers.push_back("7");
  OnTransactionDialog([&](Dialog& d) {
    EXPECT_EQ(Shown(d, "items"), "2");
    EXPECT_EQ(d.Field("inventory").options,
              (std::vector<std::string>{"100 FIRST 1  2.00", "101 FIRST 2  2.00"}));
  });
  Find();
}

TEST_F(LookupTest, ASaleWithoutLinesOrCustomerShowsNotApplicable) {
  Log(2026, 12, 6, {1, 0});
  Log(2026, 12, 6, {2, 1, 0, 12, "SMITH", "Split"});
  Log(2026, 12, 6, {3, 1, 0, 0, "", "Refund"});
  p.ui.edit_answers.push_back("1");
  OnTransactionDialog([&](Dialog& d) {
    EXPECT_EQ(Shown(d, "items"), "N/A");
    EXPECT_EQ(Shown(d, "customer"), "N/A");
    EXPECT_TRUE(d.Field("inventory").options.empty());
    EXPECT_EQ(d.Field("inventory").choice, -1);
    Press(d, "Next");
    EXPECT_EQ(Shown(d, "customer"), "12, SMITH");
    EXPECT_EQ(Shown(d, "type"), "Split");
    EXPECT_EQ(Shown(d, "split"), "Cash: 2.00  CH: 0.00  EFT: 0.00");
    Press(d, "Next");
    EXPECT_EQ(Shown(d, "type"), "Refund");
    EXPECT_EQ(Shown(d, "split"), "");
  });
  Find();
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(LookupTest, TheOpenSaleIsOnTheScreenAgainAfterTheDialog) {
  Log(2026, 12, 6, {1, 2, 0, 12, "SMITH"});
  WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
  AddLine(101, "WIDGET", 10.00, 2.00, 0, 1.50);
  v().sale.basket.customer_number = 44;
  const Basket open = basket();
  const std::vector<std::string> list = v().sale.list;
  p.ui.edit_answers.push_back("1");
  OnTransactionDialog([&](Dialog& d) {
    Press(d, "Custom receipt");
    EXPECT_EQ(basket(), open);
  });
  Find();
  EXPECT_EQ(basket(), open);
  EXPECT_EQ(v().sale.list, list);
}

// --- Reprints ---

TEST_F(LookupTest, ReceiptsReprintTheTransactionShownWithItsCustomer) {
  Log(2026, 12, 6, {1, 1});
  Log(2026, 12, 6, {2, 2, 0, 12, "SMITH"});
  v().settings.Set(cfg::kCustomReceiptLayout, kElementCustomerName, 3);
  p.ui.edit_answers.push_back("1");
  OnTransactionDialog([&](Dialog& d) {
    Press(d, "Till receipt");
    Press(d, "Next");
    Press(d, "Custom receipt");
  });
  Find();
  ASSERT_EQ(p.printer.documents.size(), 2u);
  EXPECT_EQ(p.printer.documents[0]->kind, "receipt");
  EXPECT_EQ(p.printer.documents[0]->printer, "Receipt");
  EXPECT_EQ(p.printer.documents[1]->kind, "custom-receipt");
  auto drew = [](const test::RecordedDocument& document, const std::string& text) {
    for (const test::DrawnItem& item : document.items) {
      if (item.text.find(text) != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_TRUE(drew(*p.printer.documents[0], "ITEM 1"));
  EXPECT_TRUE(drew(*p.printer.documents[1], "SMITH"));
  EXPECT_TRUE(drew(*p.printer.documents[1], "ITEM 2"));
  EXPECT_FALSE(drew(*p.printer.documents[0], "SMITH"));
}

TEST_F(LookupTest, TheInvoiceIsShownGreyedAndPrintsNothing) {
  Log(2026, 12, 6, {1, 1});
  p.ui.edit_answers.push_back("1");
  OnTransactionDialog([&](Dialog& d) {
    EXPECT_TRUE(d.Greyed("Invoice"));
    EXPECT_FALSE(d.Greyed("Till receipt"));
    Press(d, "Invoice");
  });
  Find();
  EXPECT_TRUE(p.printer.documents.empty());
  EXPECT_EQ(p.ui.greyed_presses, std::vector<std::string>{"Invoice"});
}

TEST_F(LookupTest, ReprintLastShowsTheTransactionBeforeTheNextNumber) {
  Log(2026, 12, 6, {1});
  Log(2026, 12, 6, {2});
  v().settings.Set(cfg::kNextTransaction, 3);
  std::string shown;
  OnTransactionDialog([&](Dialog& d) { shown = Shown(d, "transaction"); });
  Find(TransactionLookup::kReprintLast);
  EXPECT_EQ(shown, "2");
  EXPECT_TRUE(p.ui.dialogs_run == std::vector<std::string>{"MULTDIAL"});
}

// --- Lists ---

TEST_F(LookupTest, TheDayListOffersThatDayAndItsChoiceOpensTheTransaction) {
  Log(2026, 11, 6, {1});
  Log(2026, 12, 6, {2});
  Log(2026, 12, 7, {3});
  Log(2026, 12, 6, {4});
  p.ui.edit_answers = {"6", "12", "2026"};
  std::vector<std::string> offered;
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    EXPECT_EQ(d.name, "819");
    EXPECT_EQ(d.title, "Please select:");
    offered = d.Field("choice").options;
    EXPECT_EQ(d.Field("choice").choice, -1);
    d.Field("choice").choice = 1;
    return true;
  });
  std::string shown;
  OnTransactionDialog([&](Dialog& d) { shown = Shown(d, "transaction"); });
  Find(TransactionLookup::kDay);
  EXPECT_EQ(offered, (std::vector<std::string>{"2 on day 6 of month 12, 2026",
                                               "4 on day 6 of month 12, 2026"}));
  EXPECT_EQ(shown, "4");
}

TEST_F(LookupTest, AnEmptyNumberListsTheHistoryFromItsStartDay) {
  v().settings.Set(cfg::kHistoryFrom, Date{15, 3, 2025});
  Log(2025, 3, 14, {1});
  Log(2025, 3, 15, {2});
  Log(2026, 1, 2, {3});
  p.ui.edit_answers.push_back("");
  std::vector<std::string> offered;
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    offered = d.Field("choice").options;
    return false;
  });
  Find();
  EXPECT_EQ(offered, (std::vector<std::string>{"2 on day 15 of month 3, 2025",
                                               "3 on day 2 of month 1, 2026"}));
}

TEST_F(LookupTest, TheDiscountedListWalksTheTwentyNinthOfFebruary) {
  p.clock.Set(2024, 3, 2);
  v().settings.Set(cfg::kHistoryFrom, Date{27, 2, 2024});
  Log(2024, 2, 28, {1, 1, 0.50});
  Log(2024, 2, 29, {2, 1});
  Log(2024, 2, 29, {3, 1, 0.25});
  Log(2024, 3, 1, {4, 1});
  Log(2024, 3, 2, {5, 1, 1.00});
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    EXPECT_EQ(d.Field("choice").options, (std::vector<std::string>{"1 on day 28 of month 2, 2024",
                                                                   "3 on day 29 of month 2, 2024",
                                                                   "5 on day 2 of month 3, 2024"}));
    EXPECT_EQ(d.Field("choice").choice, 2);  // the last
    d.Field("choice").choice = 0;
    return true;
  });
  std::vector<std::string> seen;
  OnTransactionDialog([&](Dialog& d) {
    seen.push_back(Shown(d, "transaction"));
    for (int k = 0; k < 3; ++k) {
      Press(d, "Next");
      seen.push_back(Shown(d, "transaction"));
    }
  });
  Find(TransactionLookup::kDiscounted);
  // "Next" passes the sales without a discount.
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "3", "5", "5"}));
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"End of list."});
}

TEST_F(LookupTest, AListPastThirtyOneThousandEntriesIsRefused) {
  std::string index(4, '\0');
  for (int32_t n = 1; n <= 31000; ++n) {
    std::string record(12, '\0');
    PutAt<int32_t>(record, 0, n);
    PutAt<int32_t>(record, 4, 6);
    PutAt<int32_t>(record, 8, 12);
    index += record;
  }
  Append(dir.path() / "2026" / "base.dat", index);
  p.ui.edit_answers = {"2026", "2026"};
  std::size_t offered = 0;
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    offered = d.Field("choice").options.size();
    return false;
  });
  Find(TransactionLookup::kYear);
  EXPECT_EQ(offered, 31000u);

  Index(2026, 12, 6, 31001);
  Find(TransactionLookup::kYear);
  EXPECT_EQ(p.ui.messages,
            (std::vector<test::ShownMessage>{{"Problem, too many transactions",
                                              "Reduce the history on the Configuration menu"}}));
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"EDITBOX", "819", "EDITBOX"}));
}

// --- Reading each file once ---

// Counts the openings for reading of each file name (a whole-file read opens the file once).
class CountingFiles : public StdFiles {
 public:
  std::map<std::string, int> reads;
  std::unique_ptr<File> Open(const Path& path, OpenMode mode) override {
    if (mode == OpenMode::kRead) {
      ++reads[path.parent_path().filename().string() + "/" + path.filename().string()];
    }
    return StdFiles::Open(path, mode);
  }
};

TEST_F(LookupTest, SteppingReadsTheIndexesOnceAndEachDaysLogsOnce) {
  for (int64_t n = 1; n <= 3; ++n) Log(2026, 12, 5, {n});
  for (int64_t n = 4; n <= 6; ++n) Log(2026, 12, 6, {n});
  Log(2025, 1, 1, {99});
  CountingFiles files;
  TransactionSearch search(files, dir.path(), 2025, 2026);
  for (int64_t n = 1; n <= 6; ++n) {
    SearchOutcome outcome = search.Find(n);
    ASSERT_EQ(outcome.result, SearchResult::kFound);
    EXPECT_EQ(outcome.found.sales.transaction_number(), n);
    ASSERT_TRUE(search.Items(outcome.found));
    EXPECT_EQ(search.Items(outcome.found)->size(), 1u);
  }
  EXPECT_EQ(search.Find(7).result, SearchResult::kNotIndexed);
  EXPECT_EQ(files.reads, (std::map<std::string, int>{{"2025/base.dat", 1},
                                                     {"2026/base.dat", 1},
                                                     {"5/saleslog.dat", 1},
                                                     {"5/itemslog.dat", 1},
                                                     {"6/saleslog.dat", 1},
                                                     {"6/itemslog.dat", 1}}));
}

TEST_F(LookupTest, NumbersOutOfOrderAreFoundAtTheirFirstEntry) {
  Log(2026, 1, 2, {5});
  Log(2026, 1, 3, {2});
  Log(2026, 1, 4, {5});
  StdFiles files;
  TransactionSearch search(files, dir.path(), 2026, 2026);
  EXPECT_EQ(search.FindDay(5), (TransactionDay{2026, 1, 2}));
  EXPECT_EQ(search.FindDay(2), (TransactionDay{2026, 1, 3}));
  EXPECT_FALSE(search.FindDay(3));
}

// --- Scripted ---

TEST(LookupScriptTest, ASaleFoundReprintedAndTheOpenSaleKept) {
  test::TempDir dir;
  test::ScriptRun run = test::RunScript(
      dir.path(),
      std::string(test::kScriptSignOn) +
          "type 9\nkey Enter\nanswer CASHBOX \"Exact amount\"\nanswer TENBOX OK\ncommand 2459\n"
          "type 13\nkey Enter\n"
          "answer EDITBOX text=1\nanswer Print printer=Default OK\n"
          "answer MULTDIAL \"Till receipt\" Invoice Next OK\ncommand 3033\n"
          "dump basket\n",
      test::kScriptClock);
  EXPECT_EQ(run.status, 0) << run.transcript;
  const std::string& t = run.transcript;
  EXPECT_NE(t.find("dialog MULTDIAL title=\"Transaction\" transaction=\"1\" total=\"8.99\" "
                   "payment=\"Cash\""),
            std::string::npos)
      << t;
  EXPECT_NE(t.find("inventory=\"9 Paperback novel  8.99\""), std::string::npos) << t;
  EXPECT_NE(t.find("printed receipt"), std::string::npos) << t;
  EXPECT_NE(t.find(" (Invoice greyed, not pressed) Next OK"), std::string::npos) << t;
  EXPECT_NE(t.find("message \"Problem\" \"End of list.\" OK"), std::string::npos) << t;
  EXPECT_NE(t.find("line \"13  Baked beans 415g"), std::string::npos) << t;
}

}  // namespace
}  // namespace ventro
