// The item summaries over day logs in a temporary data folder: which lines count, how they
// merge and order, the days covered, the CSV file and the printed pages; and the one-pass
// summary against a plain rendering of the line-by-line walk on generated days.
#include "reports/item_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "reports/item_summary_window.h"
#include "sales_log_fixture.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::LoggedLine;
using test::LoggedTransaction;

std::vector<std::string> Lines(const ItemSummary& summary) {
  std::vector<std::string> lines;
  for (const SummaryEntry& entry : summary.entries()) lines.push_back(SummaryLine(entry));
  return lines;
}

class ItemSummaryTest : public testing::Test {
 protected:
  void Log(const LoggedTransaction& t) { test::LogTransaction(dir_.path(), day_, t); }
  ItemSummary Summarise(const ItemFilters& filters = {}) {
    return SummariseItems(files_, dir_.path(), day_, day_, filters);
  }

  const Date day_{5, 3, 2026};
  test::TempDir dir_;
  StdFiles files_;
};

LoggedLine Sale(int64_t item, double taxable, double tax = 0, int64_t category = 2) {
  LoggedLine line;
  line.item = item;
  line.taxable = taxable;
  line.tax1 = tax;
  line.category = category;
  line.description = item == 0 ? "MISC" : "ITEM " + std::to_string(item);
  line.cost = taxable / 2;
  return line;
}

TEST_F(ItemSummaryTest, MergesAnItemsSalesAndKeepsRefundsAndNonInventoryLinesApart) {
  Log({1, "Cash", 1, {Sale(12, 10.00, 1.00), Sale(0, 3.00, 0, 18)}});
  Log({2, "EFT", 1, {Sale(7, 4.00), Sale(12, 10.00, 1.00)}});
  Log({3, "Cash", 1, {Sale(12, 10.00, 1.00), Sale(0, 3.00, 0, 18)}});
  Log({4, "Refund", 1, {Sale(12, 10.00, 1.00)}});
  test::LogBalancePayment(dir_.path(), day_, 5, 80.00);

  ItemSummary kept = Summarise();
  EXPECT_EQ(Lines(kept), (std::vector<std::string>{"12, ITEM 12, 2, 15.00, 30.00, 3.00, 33.00, 3",
                                                   "0, MISC, 18, 1.50, 3.00, 0.00, 3.00, 1",
                                                   "7, ITEM 7, 2, 2.00, 4.00, 0.00, 4.00, 1",
                                                   "0, MISC, 18, 1.50, 3.00, 0.00, 3.00, 1"}));
  EXPECT_EQ(SummaryTotalsLine(kept), "Items: 6, Cost: 20.00, Retail: 40.00");

  ItemFilters with_refunds;
  with_refunds.exclude_refunds = false;
  ItemSummary refunded = Summarise(with_refunds);
  EXPECT_EQ(Lines(refunded).back(), "Refund: 12, ITEM 12, 2, -5.00, -10.00, -1.00, -11.00, 1");
  EXPECT_EQ(SummaryTotalsLine(refunded), "Items: 7, Cost: 15.00, Retail: 30.00");

  ItemFilters non_inventory;
  non_inventory.category = 19;
  EXPECT_EQ(Lines(Summarise(non_inventory)),
            (std::vector<std::string>{"0, MISC, 18, 1.50, 3.00, 0.00, 3.00, 1",
                                      "0, MISC, 18, 1.50, 3.00, 0.00, 3.00, 1"}));

  ItemFilters no_cash;
  no_cash.exclude_cash = true;
  EXPECT_EQ(SummaryTotalsLine(Summarise(no_cash)), "Items: 2, Cost: 7.00, Retail: 14.00");
}

TEST_F(ItemSummaryTest, CountsATransactionWrittenTwiceOnce) {
  Log({1, "Cash", 1, {Sale(12, 10.00)}});
  SalesLogRecord again;
  again.set_transaction_number(1);
  again.set_payment_type("Cash");
  test::AppendBytes(DayLogFolder(dir_.path(), 2026, 3, 5) / "saleslog.dat", again.data(),
                    SalesLogRecord::kSize);
  EXPECT_EQ(Lines(Summarise()),
            (std::vector<std::string>{"12, ITEM 12, 2, 5.00, 10.00, 0.00, 10.00, 1"}));
}

TEST(ItemSummaryDays, CoversTheWeekAcrossLeapDaysAndTheYearEnd) {
  SummaryDays leap = CoveredDays(SummarySpan::kWeek, {27, 2, 2024}, {});
  EXPECT_EQ(leap.last.day, 4);
  EXPECT_EQ(leap.last.month, 3);
  EXPECT_EQ(leap.title, "Item report   Week from day 27 month 2 2024");
  SummaryDays year_end = CoveredDays(SummarySpan::kWeek, {29, 12, 2025}, {});
  EXPECT_EQ((std::array{year_end.last.day, year_end.last.month, year_end.last.year}),
            (std::array{4, 1, 2026}));
  SummaryDays month = CoveredDays(SummarySpan::kMonth, {17, 2, 2100}, {});
  EXPECT_EQ(month.first.day, 1);
  EXPECT_EQ(month.last.day, 29);
  EXPECT_EQ(month.title, "Item report   Month 2 2100");
}

TEST_F(ItemSummaryTest, ThePeriodWalksEveryDayAndAnEndBeforeTheStartNone) {
  test::LogTransaction(dir_.path(), {28, 2, 2024}, {1, "Cash", 1, {Sale(12, 1.00)}});
  test::LogTransaction(dir_.path(), {29, 2, 2024}, {1, "Cash", 1, {Sale(12, 2.00)}});
  test::LogTransaction(dir_.path(), {1, 3, 2024}, {1, "Cash", 1, {Sale(12, 4.00)}});
  test::LogTransaction(dir_.path(), {5, 3, 2024}, {1, "Cash", 1, {Sale(12, 8.00)}});
  SummaryDays week = CoveredDays(SummarySpan::kWeek, {27, 2, 2024}, {});
  ItemSummary summary = SummariseItems(files_, dir_.path(), week.first, week.last, {});
  EXPECT_EQ(SummaryTotalsLine(summary), "Items: 3, Cost: 3.50, Retail: 7.00");
  EXPECT_TRUE(
      SummariseItems(files_, dir_.path(), {5, 3, 2024}, {1, 3, 2024}, {}).entries().empty());
}

// The walk as first described: every line of a kept transaction read by searching the whole
// items log, each entry merged with every later one, then an exchange sort on the count.
std::vector<SummaryEntry> PlainWalk(const std::string& sales, const std::string& items) {
  std::vector<SummaryEntry> all;
  SalesLogRecord record;
  ItemsLogRecord line;
  for (size_t r = 0; r < sales.size() / SalesLogRecord::kSize; ++r) {
    std::memcpy(record.data(), sales.data() + r * SalesLogRecord::kSize, SalesLogRecord::kSize);
    const std::string type = record.payment_type();
    if (type[0] == 'P' || type[0] == 'R') continue;
    for (size_t i = 0; i < items.size() / ItemsLogRecord::kSize; ++i) {
      std::memcpy(line.data(), items.data() + i * ItemsLogRecord::kSize, ItemsLogRecord::kSize);
      if (line.transaction_number() != record.transaction_number()) continue;
      SummaryEntry entry;
      entry.item = line.item_number();
      entry.description = line.description();
      entry.category = line.category();
      entry.taxable = line.taxable_amount();
      entry.tax1 = line.tax1();
      entry.cost = line.cost();
      entry.total = line.line_total();
      all.push_back(entry);
    }
  }
  std::vector<bool> gone(all.size());
  for (size_t i = 0; i < all.size(); ++i) {
    if (gone[i] || all[i].item == 0) continue;
    for (size_t j = i + 1; j < all.size(); ++j) {
      if (gone[j] || all[j].item != all[i].item) continue;
      ++all[i].count;
      all[i].taxable += all[j].taxable;
      all[i].tax1 += all[j].tax1;
      all[i].cost += all[j].cost;
      all[i].total += all[j].total;
      gone[j] = true;
    }
  }
  std::vector<SummaryEntry> kept;
  for (size_t i = 0; i < all.size(); ++i) {
    if (!gone[i]) kept.push_back(all[i]);
  }
  for (size_t i = 0; i < kept.size(); ++i) {
    for (size_t j = i + 1; j < kept.size(); ++j) {
      if (kept[j].count > kept[i].count) std::swap(kept[i], kept[j]);
    }
  }
  return kept;
}

TEST_F(ItemSummaryTest, OnePassAgreesWithThePlainWalkOnGeneratedDays) {
  std::mt19937 random(15);
  for (int64_t t = 1; t <= 300; ++t) {
    if (random() % 10 == 0) {
      test::LogBalancePayment(dir_.path(), day_, t, 20.00);
      continue;
    }
    LoggedTransaction sale{t, random() % 8 == 0 ? "Refund" : "Cash", 1, {}};
    const int lines = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < lines; ++k) {
      const int64_t item = random() % 6 == 0 ? 0 : 1 + static_cast<int64_t>(random() % 40);
      sale.lines.push_back(
          Sale(item, 0.25 * static_cast<double>(1 + random() % 40), 0.10, item == 0 ? 18 : 2));
    }
    Log(sale);
  }
  const Path folder = DayLogFolder(dir_.path(), 2026, 3, 5);
  std::vector<SummaryEntry> plain =
      PlainWalk(*files_.ReadAll(folder / "saleslog.dat"), *files_.ReadAll(folder / "itemslog.dat"));
  std::vector<std::string> expected;
  for (const SummaryEntry& entry : plain) expected.push_back(SummaryLine(entry));
  ItemSummary summary = Summarise();
  std::vector<std::string> ours = Lines(summary);
  ASSERT_EQ(ours.size(), expected.size());
  // Counts fall in the same order; lines of equal count in any order.
  for (size_t i = 0; i < plain.size(); ++i) EXPECT_EQ(summary.entries()[i].count, plain[i].count);
  std::sort(ours.begin(), ours.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ours, expected);
}

class ItemSummaryFlowTest : public ItemSummaryTest {
 protected:
  ItemSummaryFlowTest() {
    settings_.Set(cfg::kHeadingLine, 1, "CORNER SHOP");
    t_.clock.Set(2026, 3, 5);
  }
  // The daily dialog as it opens (today), then the summary with `press` pressed.
  void Run(const std::string& press) {
    t_.ui.dialog_answers.push_back([](Dialog&) { return true; });
    t_.ui.dialog_answers.push_back([=](Dialog& d) {
      d.on_change(d, press);
      return true;
    });
    RunItemSummary(desk_, SummarySpan::kDay);
  }

  test::TestPlatform t_;
  SettingsRecord settings_;
  ReportDesk desk_{t_.platform, settings_, dir_.path()};
};

TEST_F(ItemSummaryFlowTest, SavesTheCsvFileByteForByte) {
  Log({1, "Cash", 1, {Sale(12, 10.00, 1.00), Sale(12, 10.00, 1.00), Sale(7, 4.00)}});
  const Path file = dir_.path() / "items.txt";
  t_.ui.save_answers.push_back(file);
  Run("Save as CSV text file");
  EXPECT_EQ(*files_.ReadAll(file),
            "12, ITEM 12, 2, 10.00, 20.00, 2.00, 22.00, 2\r\n"
            "7, ITEM 7, 2, 2.00, 4.00, 0.00, 4.00, 1\r\n"
            "Items: 3, Cost: 12.00, Retail: 24.00");
  EXPECT_EQ(t_.ui.messages.back().title, "File save");
  EXPECT_EQ(t_.ui.messages.back().text, "Complete");

  t_.ui.save_answers.push_back(dir_.path() / "missing" / "items.txt");
  Run("Save as CSV text file");
  EXPECT_EQ(t_.ui.messages.back().text, "Unable to locate directory.");
}

TEST_F(ItemSummaryFlowTest, PrintsPagesWithTheirHeadingsAndTheTotalsLast) {
  // The device's own font: lines 24 high on a page 3000 high, so 113 lines from line 2.
  LoggedTransaction big{1, "Cash", 1, {}};
  for (int64_t item = 1; item <= 120; ++item) big.lines.push_back(Sale(item, 1.00));
  Log(big);
  Run("Print");
  ASSERT_EQ(t_.printer.documents.size(), 1u);
  const test::RecordedDocument& doc = t_.printer.last();
  EXPECT_EQ(doc.kind, "item-summary");
  EXPECT_EQ(doc.pages, 2);
  EXPECT_EQ(doc.items.front().text, "CORNER SHOP Daily item list: Thu 5 Mar 26  page: 1");
  EXPECT_EQ(doc.items[1].y, 2 * 24);
  auto second = std::find_if(doc.items.begin(), doc.items.end(),
                             [](const test::DrawnItem& item) { return item.page == 2; });
  ASSERT_NE(second, doc.items.end());
  EXPECT_EQ(second->text, "CORNER SHOP Daily item list, page: 2");
  EXPECT_EQ(doc.items.back().text, "Items: 120, Cost: 60.00, Retail: 120.00");
}

}  // namespace
}  // namespace ventro
