// A sale is on the disk before the clerk is told, is numbered once whatever an earlier run left
// behind, and a damaged settings file stops the start instead of being read as zeroes.
#include <gtest/gtest.h>

#include "app/start_up.h"
#include "formats/supplier_record.h"
#include "recording_host.h"
#include "sale/commit.h"
#include "sale/tender.h"
#include "store/journal.h"
#include "store/settings_file.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::Press;

class DurableSaleTest : public test::SaleTest {
 protected:
  test::RecordingHost host;
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
    WriteCustomers({{1, "SMITH", "1 HIGH ST"}});
    SupplierRecord deleted;
    deleted.Set(supp::kNumber, -1);
    std::ofstream(Data("suppliers.dat"), std::ios::binary)
        << std::string_view(reinterpret_cast<const char*>(deleted.data()), SupplierRecord::kSize);
    ASSERT_TRUE(SaveSettingsFile(p.files, Data("vt.cfg"), v().settings));
  }
  void SellOne() {
    AddLine(101, "WIDGET", 10.00);
    StampBasket(session());
    SetText(basket().texts.payment_type, "Cash");
    ASSERT_TRUE(CommitTransaction(session()));
  }
  // A new run on the same data folder.
  int Start() {
    next_ = std::make_unique<Ventro>(p.platform, host, StartOptions{dir.path(), dir.path()});
    return Opendata(*next_);
  }
  std::unique_ptr<Ventro> next_;
};

TEST_F(DurableSaleTest, TheSaleIsOnTheDiskBeforeTheSummaryOrTheDrawer) {
  std::string logged_when_shown;
  p.ui.dialog_answers.push_back(Press("Exact amount"));
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    EXPECT_EQ(d.name, "TENBOX");
    logged_when_shown = Read("2026/12/6/saleslog.dat");
    EXPECT_EQ(basket().line_count, 1);  // still there for the receipt buttons
    return true;
  });
  AddLine(101, "WIDGET", 10.00);
  PayCash(session());
  ASSERT_EQ(logged_when_shown.size(), 1050u);
  EXPECT_EQ(GetAt<int64_t>(logged_when_shown, 0), 1);
  EXPECT_TRUE(basket().empty());
  EXPECT_FALSE(Exists("journal.dat"));
}

TEST_F(DurableSaleTest, ARefusedSaleNeverReachesTheSummaryOrTheDrawer) {
  p.files.unwritable = {"saleslog.dat"};
  p.ui.dialog_answers.push_back(Press("Exact amount"));
  AddLine(101, "WIDGET", 10.00);
  PayCash(session());
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"CASHBOX"});
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Not able to write to saleslog.dat"});
  EXPECT_EQ(basket().line_count, 1);
  EXPECT_EQ(Read("2026/base.dat").size(), 4u);  // made with its header, no record
}

TEST_F(DurableSaleTest, AReadOnlyFolderSaysItCannotWriteAndKeepsTheBasket) {
  SellOne();
  p.files.unwritable = {"journal.dat",  "inventory.dat", "base.dat",
                        "saleslog.dat", "itemslog.dat",  "vt.cfg"};
  AddLine(101, "WIDGET", 10.00);
  StampBasket(session());
  SetText(basket().texts.payment_type, "Cash");
  EXPECT_FALSE(CommitTransaction(session()));
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_TRUE(p.ui.messages[0].text.starts_with("Not able to write to ")) << p.ui.messages[0].text;
  EXPECT_EQ(basket().line_count, 1);
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 2);
}

TEST_F(DurableSaleTest, AFullDiskRefusesTheSaleAtTheJournalWithNothingChanged) {
  SellOne();
  const std::string inventory = Read("inventory.dat"), sales = Read("2026/12/6/saleslog.dat");
  p.files.failing = {"journal.dat"};
  AddLine(101, "WIDGET", 10.00);
  StampBasket(session());
  EXPECT_FALSE(CommitTransaction(session()));
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Not able to write to journal.dat"});
  EXPECT_EQ(Read("inventory.dat"), inventory);
  EXPECT_EQ(Read("2026/12/6/saleslog.dat"), sales);
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 2);
  EXPECT_FALSE(Exists("journal.dat"));
}

TEST_F(DurableSaleTest, AnOlderSettingsFileNeverNumbersASaleTwice) {
  const std::string first_settings = Read("vt.cfg");
  SellOne();
  SellOne();
  SellOne();
  // A restored settings file (or a lost save) still says 1.
  std::filesystem::remove(Data("vt.cfg"));
  std::ofstream(Data("vt.cfg"), std::ios::binary) << first_settings;
  ASSERT_EQ(Start(), 1);
  EXPECT_EQ(next_->settings.Get(cfg::kNextTransaction), 4);

  // The year index alone counts too (a day whose sales log is gone).
  std::filesystem::remove(Data("2026/12/6/saleslog.dat"));
  ASSERT_EQ(Start(), 1);
  EXPECT_EQ(next_->settings.Get(cfg::kNextTransaction), 4);
}

TEST_F(DurableSaleTest, ASaleLeftInTheJournalIsCompletedAtTheNextStart) {
  // As if the run ended after the journal was flushed and before any file received it.
  const std::string settings = Read("vt.cfg"), inventory = Read("inventory.dat");
  SellOne();
  FileChange change;
  change.Append(Data("2026/base.dat"), 4, Read("2026/base.dat").substr(4));
  change.Append(Data("2026/12/6/saleslog.dat"), 0, Read("2026/12/6/saleslog.dat"));
  change.Append(Data("2026/12/6/itemslog.dat"), 0, Read("2026/12/6/itemslog.dat"));
  change.Replace(Data("inventory.dat"), Read("inventory.dat"));
  change.Replace(Data("vt.cfg"), Read("vt.cfg"));
  const std::string sold_inventory = Read("inventory.dat"), sold_settings = Read("vt.cfg");
  std::ofstream(Data("journal.dat"), std::ios::binary) << *EncodeJournal(change, dir.path());
  std::ofstream(Data("vt.cfg"), std::ios::binary | std::ios::trunc) << settings;
  std::ofstream(Data("inventory.dat"), std::ios::binary | std::ios::trunc) << inventory;
  std::filesystem::resize_file(Data("2026/12/6/saleslog.dat"), 0);

  ASSERT_EQ(Start(), 1);
  EXPECT_EQ(Read("vt.cfg"), sold_settings);
  EXPECT_EQ(Read("inventory.dat"), sold_inventory);
  EXPECT_EQ(Read("2026/12/6/saleslog.dat").size(), 1050u);
  EXPECT_EQ(next_->settings.Get(cfg::kNextTransaction), 2);
  EXPECT_FALSE(Exists("journal.dat"));
}

TEST_F(DurableSaleTest, ASettingsFileOfAnyOtherSizeStopsTheStartWritingNothing) {
  const std::string settings = Read("vt.cfg");
  for (size_t size : {size_t{0}, size_t{100}, settings.size() - 1, settings.size() + 1}) {
    std::string damaged = settings;
    damaged.resize(size, 'x');
    std::ofstream(Data("vt.cfg"), std::ios::binary | std::ios::trunc) << damaged;
    p.ui.messages.clear();
    next_ = std::make_unique<Ventro>(p.platform, host, StartOptions{dir.path(), dir.path()});
    EXPECT_FALSE(StartSaleScreen(*next_));
    Shutdown(*next_);
    EXPECT_EQ(
        p.ui.messages,
        (std::vector<test::ShownMessage>{{"Fatal error", "Data file vt.cfg corrupt in Opendata."}}))
        << size;
    EXPECT_EQ(Read("vt.cfg"), damaged);
    EXPECT_FALSE(Exists("2026/12/6.txt"));
  }
}

}  // namespace
}  // namespace ventro
