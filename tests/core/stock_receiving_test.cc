// Booking goods in (808, ininvent.dat) and the "Inventory received" report, on real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "basket_fixture.h"
#include "formats/incoming_record.h"
#include "inventory/received_report.h"
#include "inventory/received_report_print.h"
#include "inventory/stock_receiving.h"
#include "script_run.h"

namespace ventro {
namespace {

using test::ShownMessage;

class ReceivingTest : public test::BasketTest {
 protected:
  void SetUp() override {
    InventoryRecord beans = Item(13, "BAKED BEANS", 0.85, 10);
    beans.Set(inv::kOnOrder, 3);
    beans.Set(inv::kSku1, "5000157024671");
    InventoryRecord tea = Item(20, "TEA BAGS", 2.10, 4);
    tea.Set(inv::kOnOrder, 10);
    WriteInventory({beans, tea});
  }

  // Answers 808 with `quantity` received, closed with `button`.
  void AnswerReceive(const std::string& quantity, const std::string& button = "OK",
                     int sell_by_day = -1) {
    p.ui.dialog_answers.push_back([=, this](Dialog& d) {
      d.Field("received").text = quantity;
      if (d.on_change) d.on_change(d, "received");
      shown.push_back(d);
      if (sell_by_day >= 0) d.Field("sell_by_day").choice = sell_by_day;
      d.pressed = button;
      return true;
    });
  }
  void Receive(const std::string& typed, const std::string& quantity,
               const std::string& button = "OK") {
    p.ui.edit_answers.push_back(typed);
    AnswerReceive(quantity, button);
    ReceiveInventory(session());
  }

  InventoryRecord Stored(int64_t position) {
    InventoryRecord item;
    EXPECT_TRUE(v->inventory.ReadAt(p.files, position, item.data()));
    return item;
  }
  std::string Bytes(const Path& relative) {
    return p.files.ReadAll(dir.path() / relative).value_or("<missing>");
  }
  std::string TodayLog() { return Bytes("2026/12/6/ininvent.dat"); }
  std::string InventoryFile() { return Bytes("inventory.dat"); }

  std::vector<Dialog> shown;
};

TEST_F(ReceivingTest, AReceiptRaisesStockLowersOnOrderAndLogsOneRecord) {
  Receive("13", "5");
  EXPECT_EQ(shown.at(0).Field("held").text, "10");
  EXPECT_EQ(shown.at(0).Field("total").text, "15");
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Updated quantity", "15"}}));
  InventoryRecord beans = Stored(0);
  EXPECT_EQ(beans.Get(inv::kQuantity), 15);
  EXPECT_EQ(beans.Get(inv::kOnOrder), 0);  // 5 against 3 on order: not below 0
  EXPECT_EQ(TodayLog(), (IncomingRecord{13, 5}.Bytes()));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "journal.dat"));

  Receive("20", "5");
  EXPECT_EQ(Stored(1).Get(inv::kOnOrder), 5);  // 10 on order less 5
  EXPECT_EQ(TodayLog(), (IncomingRecord{13, 5}.Bytes() + IncomingRecord{20, 5}.Bytes()));
}

TEST_F(ReceivingTest, TheSellByListsAreStoredAsTheirPositions) {
  p.ui.edit_answers.push_back("13");
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("received").text = "1";
    d.Field("sell_by_day").choice = 14;
    d.Field("sell_by_month").choice = 3;
    d.Field("sell_by_year").choice = 16;  // 2027
    return true;
  });
  ReceiveInventory(session());
  InventoryRecord beans = Stored(0);
  EXPECT_EQ(beans.Get(inv::kSellByDay), 14);
  EXPECT_EQ(beans.Get(inv::kSellByMonth), 3);
  EXPECT_EQ(beans.SellByYear(), 2027);
}

TEST_F(ReceivingTest, ZeroNegativeAndOverflowingQuantitiesChangeNothing) {
  const std::string before = InventoryFile();
  for (const std::string quantity : {"0", "-1", "2147483638", "99999999999999999999"}) {
    p.ui.messages.clear();
    Receive("13", quantity);
    EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Invalid quantity"}}))
        << quantity;
  }
  EXPECT_EQ(InventoryFile(), before);
  EXPECT_EQ(TodayLog(), "<missing>");

  // The largest total the record holds is taken.
  Receive("13", "2147483637");
  EXPECT_EQ(Stored(0).Get(inv::kQuantity), std::numeric_limits<int32_t>::max());
}

TEST_F(ReceivingTest, TwoReceiptsOfOneItemAppendTwoRecords) {
  Receive("13", "2", "Next");
  // "Next" starts again at the prompt.
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"EDITBOX", "808", "EDITBOX"}));
  Receive("13", "3");
  EXPECT_EQ(TodayLog(), (IncomingRecord{13, 2}.Bytes() + IncomingRecord{13, 3}.Bytes()));
  EXPECT_EQ(Stored(0).Get(inv::kQuantity), 15);
}

TEST_F(ReceivingTest, ALogThatCannotBeOpenedLeavesEveryFileAsItWas) {
  const std::string before = InventoryFile();
  p.files.unwritable.insert("ininvent.dat");
  Receive("13", "5");
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Unable to open incoming log."}}));
  EXPECT_EQ(InventoryFile(), before);
  EXPECT_EQ(v->inventory.item().Get(inv::kQuantity), 10);
}

TEST_F(ReceivingTest, AFailedWriteOfTheItemKeepsTheLogUnchangedToo) {
  Receive("13", "1");
  const std::string log = TodayLog();
  const std::string before = InventoryFile();
  p.files.failing.insert("inventory.dat");
  p.ui.messages.clear();
  Receive("13", "5");
  EXPECT_EQ(p.ui.messages.at(0).text, "Not able to write to inventory.dat");
  EXPECT_EQ(TodayLog(), log);
  EXPECT_EQ(InventoryFile(), before);
}

TEST_F(ReceivingTest, AnItemIsFoundByNumberDescriptionOrSku1) {
  // A description chosen from the list.
  p.ui.edit_answers.push_back("TEA");
  p.ui.list_answers.push_back(0);
  AnswerReceive("1");
  ReceiveInventory(session());
  EXPECT_EQ(Stored(1).Get(inv::kQuantity), 5);

  // SKU 1: "No" passes an item by, "Yes" takes it.
  p.ui.edit_answers.push_back("157");
  p.ui.message_answers.push_back(Answer::kYes);
  AnswerReceive("2");
  ReceiveInventoryBySku(session());
  EXPECT_EQ(Stored(0).Get(inv::kQuantity), 12);
  EXPECT_EQ(p.ui.messages.at(p.ui.messages.size() - 2),
            (ShownMessage{"Search: No to continue", "13, BAKED BEANS"}));

  // Cancel takes the item as well; passing every item by ends with "No match found".
  p.ui.edit_answers.push_back("157");
  p.ui.message_answers.push_back(Answer::kCancel);
  AnswerReceive("1");
  ReceiveInventoryBySku(session());
  EXPECT_EQ(Stored(0).Get(inv::kQuantity), 13);

  p.ui.messages.clear();
  p.ui.edit_answers.push_back("157");
  p.ui.message_answers.push_back(Answer::kNo);
  ReceiveInventoryBySku(session());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Finished", "No match found"}));

  // An empty text or a cancelled prompt ends without a search.
  p.ui.messages.clear();
  p.ui.edit_answers.push_back("");
  ReceiveInventoryBySku(session());
  ReceiveInventoryBySku(session());
  EXPECT_TRUE(p.ui.messages.empty());

  p.ui.messages.clear();
  p.ui.edit_answers.push_back("99");
  ReceiveInventory(session());
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Finished", "No match found"}}));
}

// --- the report ---

class ReceivedReportTest : public ReceivingTest {
 protected:
  void Log(int year, int month, int day, const std::vector<IncomingRecord>& records) {
    const Path folder =
        dir.path() / std::to_string(year) / std::to_string(month) / std::to_string(day);
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / "ininvent.dat", std::ios::binary | std::ios::app);
    for (const IncomingRecord& record : records) out << record.Bytes();
  }
  std::vector<std::string> Lines(ReportDate from, ReportDate to) {
    std::vector<std::string> lines;
    for (const ReceivedEntry& entry :
         CollectReceipts(p.files, dir.path(), v->inventory, from, to)) {
      lines.push_back(ReceivedLine(entry));
    }
    return lines;
  }
};

TEST_F(ReceivedReportTest, TheReportRunsAcrossAYearEndDayByDay) {
  Log(2026, 12, 30, {{13, 5}});
  Log(2026, 12, 31, {{20, 1}, {0, 9}, {-1, 9}});
  Log(2027, 1, 1, {{13, 2}});
  Log(2027, 1, 3, {{20, 7}});
  EXPECT_EQ(Lines({31, 12, 2026}, {2, 1, 2027}),
            (std::vector<std::string>{"31/12/2026         20 TEA BAGS        Quantity: 1",
                                      "01/01/2027         13 BAKED BEANS        Quantity: 2"}));
}

TEST_F(ReceivedReportTest, AnEndBeforeTheStartGivesAnEmptyReport) {
  Log(2026, 12, 6, {{13, 5}});
  EXPECT_TRUE(Lines({7, 12, 2026}, {5, 12, 2026}).empty());
  EXPECT_TRUE(Lines({6, 12, 2026}, {6, 12, 1999}).empty());  // outside the years taken
  EXPECT_EQ(Lines({6, 12, 2026}, {6, 12, 2026}).size(), 1u);
}

TEST_F(ReceivedReportTest, ThirtyFirstOfAprilEndsAtTheThirtieth) {
  Log(2026, 4, 30, {{13, 1}});
  Log(2026, 5, 1, {{13, 2}});
  EXPECT_EQ(Lines({1, 4, 2026}, {31, 4, 2026}),
            (std::vector<std::string>{"30/04/2026         13 BAKED BEANS        Quantity: 1"}));
  // As a start it begins with 1 May.
  EXPECT_EQ(Lines({31, 4, 2026}, {1, 5, 2026}).size(), 1u);
  Log(2028, 2, 29, {{13, 3}});
  EXPECT_EQ(Lines({29, 2, 2028}, {29, 2, 2028}).size(), 1u);
}

TEST_F(ReceivedReportTest, ADeletedItemIsListedWithAnEmptyDescription) {
  Log(2026, 12, 6, {{20, 4}});
  v->inventory.Delete(20);
  EXPECT_EQ(Lines({6, 12, 2026}, {6, 12, 2026}),
            (std::vector<std::string>{"06/12/2026         20         Quantity: 4"}));
}

TEST_F(ReceivedReportTest, TheWindowShowsThePeriodAndPrintsPages) {
  std::vector<IncomingRecord> many(150, IncomingRecord{13, 1});
  Log(2026, 12, 6, many);
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("start_day").text = "1";
    return true;
  });
  std::string title;
  size_t lines = 0;
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    title = d.title;
    const std::string& text = d.Field("report").text;
    lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    d.on_change(d, "Print");
    return true;
  });
  ShowReceivedReport(session().printing(), v->inventory);
  EXPECT_EQ(title, " Inventory received:  1/12/2026 to  6/12/2026");
  EXPECT_EQ(lines, 150u);
  const test::RecordedDocument& printed = p.printer.last();
  EXPECT_EQ(printed.kind, "received-report");
  ASSERT_GT(printed.pages, 1);
  int headings = 0;
  for (const test::DrawnItem& item : printed.items) {
    if (item.text.find("Inventory received, page: ") != std::string::npos) ++headings;
  }
  EXPECT_EQ(headings, printed.pages);

  // A date outside the ranges shows nothing.
  p.ui.dialogs_run.clear();
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("end_month").text = "13";
    return true;
  });
  ShowReceivedReport(session().printing(), v->inventory);
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"SALE4BOX"});
}

// The dialogs as a script answers them: a receipt, a refused one, a bundle and the report.
TEST(ReceivingScriptTest, ScriptsReceiveAddABundleAndShowTheReport) {
  test::TempDir home;
  const test::ScriptRun run = test::RunScript(
      home.path(),
      std::string(test::kScriptSignOn) +
          "answer EDITBOX text=1\n"
          "answer 808 received=5 OK\n"
          "answer EDITBOX text=2\n"
          "answer 808 received=-1 OK\n"
          "answer EDITBOX text=3\n"
          "answer BUNDLE number=900 description=\"SPIRITS DEAL\" Select1 quantity1=2 OK\n"
          "answer SALE4BOX start_day=1 OK\n"
          "answer SALE2BOX OK\n"
          "answer EDITBOX text=900\n"
          "answer BUNDLE Cancel\n"
          "command 3046\ncommand 3046\ncommand 3050\ncommand 3042\ncommand 1050\n",
      test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("message \"Updated quantity\" \"17\" OK"), std::string::npos);
  EXPECT_NE(run.transcript.find("message \"Problem\" \"Invalid quantity\" OK"), std::string::npos);
  EXPECT_NE(run.transcript.find("report=\"06/12/2026         1 Single malt Scotch whisky 70cl"
                                "        Quantity: 5\""),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(run.transcript.find("Bundle may not"), std::string::npos);
  // Amend on a bundle opens the bundle form.
  EXPECT_NE(run.transcript.find("dialog BUNDLE title=\"Amend bundle\""), std::string::npos)
      << run.transcript;
}

}  // namespace
}  // namespace ventro
