// The listings over item, customer and supplier files written by the test: which records each
// list holds and in what order, the prompts' refusals, the list window and the printed pages.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "listings/list_print.h"
#include "listings/list_rows.h"
#include "listings/listing_commands.h"
#include "test_platform.h"

namespace ventro {
namespace {

using FillItem = std::function<void(InventoryRecord&)>;
using FillCustomer = std::function<void(CustomerRecord&)>;

FillItem Item(int64_t number, const char* description, int stock = 5, int category = 0) {
  return [=](InventoryRecord& r) {
    r.Set(inv::kNumber, number);
    r.Set(inv::kDescription, description);
    r.Set(inv::kQuantity, stock);
    r.Set(inv::kDisplayCategory, category);
    r.Set(inv::kRetailPrice, 2.0);
    r.Set(inv::kCostPrice, 1.0);
  };
}

FillItem With(FillItem base, std::function<void(InventoryRecord&)> more) {
  return [=](InventoryRecord& r) {
    base(r);
    more(r);
  };
}

FillCustomer Customer(int64_t number, const char* name, double balance = 0,
                      const char* last_used = "NEW") {
  return [=](CustomerRecord& r) {
    r.Set(cust::kNumber, number);
    r.Set(cust::kName, name);
    r.Set(cust::kRoad, "1 HIGH ST");
    r.Set(cust::kBalance, balance);
    r.Set(cust::kLastUsed, last_used);
  };
}

class ListingsTest : public testing::Test {
 protected:
  template <typename Record, typename Fill>
  void Write(const char* name, MasterFile& file, const std::vector<Fill>& fills) {
    std::string bytes;
    for (const Fill& fill : fills) {
      Record record;
      fill(record);
      bytes.append(reinterpret_cast<const char*>(record.data()), Record::kSize);
    }
    std::ofstream(dir_.path() / name, std::ios::binary) << bytes;
    ASSERT_EQ(file.Load(t_.files, dir_.path()), LoadStatus::kOk);
  }
  void WriteItems(const std::vector<FillItem>& fills) {
    Write<InventoryRecord>("inventory.dat", inventory_, fills);
  }
  void WriteCustomers(const std::vector<FillCustomer>& fills) {
    Write<CustomerRecord>("customer.dat", customers_, fills);
  }

  // The numbers of the records a selection holds, in its order.
  std::vector<int64_t> Numbers(const MasterFile& file, const Selection& selection) {
    std::vector<int64_t> numbers;
    for (int64_t slot : selection.slots) {
      std::vector<uint8_t> record(file.record_size());
      EXPECT_TRUE(file.ReadAt(t_.files, slot, record.data()));
      int64_t number = 0;
      std::memcpy(&number, record.data(), sizeof number);
      numbers.push_back(number);
    }
    return numbers;
  }
  std::vector<int64_t> Items(ItemList list, const std::function<void(ItemQuery&)>& set = {}) {
    ItemQuery query;
    query.list = list;
    if (set) set(query);
    Selection selection;
    EXPECT_TRUE(SelectItems(t_.files, inventory_, query, selection).ok());
    return Numbers(inventory_, selection);
  }
  std::vector<int64_t> Customers(CustomerList list,
                                 const std::function<void(CustomerQuery&)>& set = {}) {
    CustomerQuery query;
    query.list = list;
    if (set) set(query);
    Selection selection;
    EXPECT_TRUE(SelectCustomers(t_.files, customers_, query, selection).ok());
    return Numbers(customers_, selection);
  }

  // The text of the list window the next list opens, after pressing `action` in it.
  void AnswerWindow(std::string* text, const char* action = nullptr) {
    t_.ui.dialog_answers.push_back([=](Dialog& d) {
      if (text) *text = d.Field("heading").text + "\n" + d.Field("list").text;
      if (action) d.on_change(d, action);
      return true;
    });
  }

  test::TestPlatform t_;
  test::TempDir dir_;
  SettingsRecord settings_;
  MasterFile inventory_{MasterKind::kInventory};
  MasterFile customers_{MasterKind::kCustomer};
  MasterFile suppliers_{MasterKind::kSupplier};
  ListingDesk desk_{t_.platform, settings_, inventory_, customers_, suppliers_};
};

using V = std::vector<int64_t>;

CustomerQuery Query(CustomerList list) {
  CustomerQuery query;
  query.list = list;
  return query;
}

TEST_F(ListingsTest, ItemListsSelectAndOrderLiveItems) {
  const auto bundle = [](InventoryRecord& r) { r.Set(inv::kKind, InventoryRecord::kBundleKind); };
  WriteItems({Item(30, "apple", 4, 2), Item(-1, "GONE", 9, 2), Item(10, "Zebra", 0, 2),
              With(Item(20, "BANANA", 3, 5), bundle),
              With(Item(40, "Avocado", 1, 2),
                   [](InventoryRecord& r) { r.Set(inv::kLocation, "SHELF 2   "); })});
  EXPECT_EQ(Items(ItemList::kFromNumber, [](auto& q) { q.from_number = 20; }), (V{20, 30, 40}));
  // First characters in either case, then in description order without regard to case.
  EXPECT_EQ(Items(ItemList::kAlphabetical,
                  [](auto& q) {
                    q.first = 'a';
                    q.last = 'B';
                  }),
            (V{30, 40, 20}));
  EXPECT_EQ(Items(ItemList::kCategory, [](auto& q) { q.category = 2; }), (V{10, 30, 40}));
  // Stock 0 and the bundle stay out; the deleted slot's stock never counts.
  EXPECT_EQ(Items(ItemList::kInStock), (V{30, 40}));
  // The stored location's trailing blanks do not matter, nor the typed ones.
  EXPECT_EQ(Items(ItemList::kLocation, [](auto& q) { q.location = "shelf 2 "; }), (V{40}));
  EXPECT_EQ(Items(ItemList::kLocation, [](auto& q) { q.location = "SHELF"; }), V{});
  EXPECT_EQ(Items(ItemList::kCustom,
                  [](auto& q) { q.categories = {false, false, false, false, false, true}; }),
            (V{20}));
}

TEST_F(ListingsTest, RankedAndCostItemLists) {
  auto sold = [](int64_t number, int units, int category) {
    return With(Item(number, "ITEM", 1, category),
                [=](InventoryRecord& r) { r.Set(inv::kTotalSold, units); });
  };
  std::vector<FillItem> items = {sold(1, 5, 1), sold(2, 50, 3), sold(3, 5, 3), sold(4, 0, 3),
                                 With(Item(5, "LOSS", 3), [](InventoryRecord& r) {
                                   r.Set(inv::kCostPrice, 2.5);
                                   r.Set(inv::kRetailPrice, 2.49);
                                 })};
  for (int n = 100; n < 205; ++n) items.push_back(sold(n, 1, 7));
  WriteItems(items);
  // Largest first, equal sales by number, nothing unsold, at most the top hundred.
  EXPECT_EQ(Items(ItemList::kTopSellers, [](auto& q) { q.category = 3; }), (V{2, 3}));
  const V all = Items(ItemList::kTopSellers, [](auto& q) { q.category = -1; });
  ASSERT_EQ(all.size(), kTopSellerCount);
  EXPECT_EQ((V{all[0], all[1], all[2], all[3], all.back()}), (V{2, 1, 3, 100, 196}));
  EXPECT_EQ(Items(ItemList::kBelowCost), (V{5}));

  // The list with the stock's value is every item from the index; its value is added up from
  // the rows as each copy prints them, so the file is read once a copy.
  EXPECT_EQ(Items(ItemList::kWithCost).size(), items.size());
  settings_.Set(cfg::kPrintConfirm, 1);
  t_.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("copies").text = "2";
    return true;
  });
  RunItemList(desk_, ItemList::kWithCost, ListOutput::kPrint);
  ASSERT_EQ(t_.printer.documents.size(), 2u);
  for (const auto& document : t_.printer.documents) {
    const std::vector<test::DrawnItem>& drawn = document->items;
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(drawn[drawn.size() - 2].text, "Stock value at cost: 116.50");  // 109 x 1 + 3 x 2.5
    EXPECT_EQ(drawn.back().text, "Stock value at retail: 225.47");           // 109 x 2 + 3 x 2.49
  }
}

TEST_F(ListingsTest, CustomerListsSelectOrderAndTotal) {
  WriteCustomers({Customer(3, "brown", 25.5, "10:0001/03/2026"), Customer(-1, "GONE", 99),
                  Customer(1, "ADAMS", -4.25, "09:1528/02/2026"), Customer(2, "Baker", 100, "NEW"),
                  Customer(4, "CLARK")});
  EXPECT_EQ(Customers(CustomerList::kFromNumber, [](auto& q) { q.from_number = 2; }), (V{2, 3, 4}));
  EXPECT_EQ(Customers(CustomerList::kAlphabetical,
                      [](auto& q) {
                        q.first = 'b';
                        q.last = 'b';
                      }),
            (V{2, 3}));
  EXPECT_EQ(Customers(CustomerList::kAddress, [](auto& q) { q.address = "1 high st"; }),
            (V{1, 2, 3, 4}));
  // A negative balance is a debt of the shop: a debtor line, never an outstanding balance.
  Selection debtors;
  ASSERT_TRUE(SelectCustomers(t_.files, customers_, Query(CustomerList::kDebtors), debtors).ok());
  EXPECT_EQ(Numbers(customers_, debtors), (V{1, 2, 3}));
  EXPECT_DOUBLE_EQ(debtors.balances, 121.25);
  Selection outstanding;
  ASSERT_TRUE(
      SelectCustomers(t_.files, customers_, Query(CustomerList::kOutstanding), outstanding).ok());
  EXPECT_EQ(Numbers(customers_, outstanding), (V{2, 3}));
  EXPECT_DOUBLE_EQ(outstanding.balances, 125.5);
  // Inactive since 1 March: the sale on the 1st counts as activity; "NEW" never traded.
  EXPECT_EQ(Customers(CustomerList::kInactive, [](auto& q) { q.since = 20260301; }), (V{1, 2, 4}));
  EXPECT_EQ(StampDate("10:0001/03/2026"), 20260301);
  EXPECT_EQ(StampDate("NEW"), 0);
}

TEST_F(ListingsTest, PromptsRefuseBadEntriesAndEmptyLists) {
  WriteItems({Item(1, "ONE", 0)});
  for (const char* typed : {"", "12A", "-3"}) {
    t_.ui.edit_answers.push_back(typed);
    RunItemList(desk_, ItemList::kFromNumber, ListOutput::kScreen);
  }
  t_.ui.edit_answers.push_back("0");
  RunItemList(desk_, ItemList::kFromNumber, ListOutput::kScreen);
  t_.ui.edit_answers.push_back("100000000000000001");
  RunItemList(desk_, ItemList::kFromNumber, ListOutput::kPrint);
  RunItemList(desk_, ItemList::kInStock, ListOutput::kScreen);
  t_.ui.edit_answers.push_back(std::string(29, 'X'));
  RunCustomerList(desk_, CustomerList::kAddress, ListOutput::kScreen);
  std::vector<std::string> shown;
  for (const test::ShownMessage& m : t_.ui.messages) shown.push_back(m.title + ": " + m.text);
  EXPECT_EQ(shown, (std::vector<std::string>{"Problem: Invalid entry", "Problem: Invalid entry",
                                             "Problem: Invalid entry", "Problem: Outside range",
                                             "Problem: Outside range", "Finished: No match found",
                                             "Problem: Limit 28 characters"}));
  EXPECT_TRUE(t_.printer.documents.empty());
}

TEST_F(ListingsTest, ListWindowShowsRowsCountAndHidesCostFromClerk) {
  WriteItems({With(Item(7, "LOSS LEADER", 3, 1), [](InventoryRecord& r) {
    r.Set(inv::kCostPrice, 3.0);
    r.Set(inv::kLocation, "BAY 4");
  })});
  settings_.SetCategoryCode(1, "FRU");
  std::string shown;
  AnswerWindow(&shown);
  RunItemList(desk_, ItemList::kBelowCost, ListOutput::kScreen);
  EXPECT_EQ(t_.ui.dialogs_run.back(), kListWindowName);
  EXPECT_NE(shown.find("1 items"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Cost"), std::string::npos);
  EXPECT_NE(shown.find("3.00"), std::string::npos);
  EXPECT_NE(shown.find("FRU"), std::string::npos);

  settings_.Set(cfg::kSignedOnClerk, 5);
  settings_.Set(cfg::kCostPriceHidden, 2);
  AnswerWindow(&shown);
  RunItemList(desk_, ItemList::kBelowCost, ListOutput::kScreen);
  EXPECT_EQ(shown.find("Cost"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("3.00"), std::string::npos);
  // The printed stock value leaves the cost out as well.
  RunItemList(desk_, ItemList::kWithCost, ListOutput::kPrint);
  ASSERT_EQ(t_.printer.documents.size(), 1u);
  for (const test::DrawnItem& item : t_.printer.documents[0]->items) {
    EXPECT_EQ(item.text.find("at cost"), std::string::npos) << item.text;
    EXPECT_NE(item.text, "Cost");
  }
  EXPECT_EQ(t_.printer.documents[0]->items.back().text, "Stock value at retail: 6.00");
}

// A list of `count` rows of one cell each, "ROW <n>".
// Rows read a window of records at a time give the same cells, in any order of slots: rising
// (read ahead), falling and repeated (a record at a time), across a window's end, and an empty
// record for a slot past the end of the file.
TEST_F(ListingsTest, RowsReadAheadGiveEachSlotsOwnRecord) {
  std::vector<FillItem> items;
  for (int n = 1; n <= 1200; ++n) items.push_back(Item(n, "ITEM", n % 7));
  WriteItems(items);
  const ListLayout layout = ItemLayout(settings_, false);
  auto number_of = [](const std::vector<std::string>& cells) { return cells.at(0); };
  std::vector<int64_t> slots;
  for (int64_t slot = 0; slot < 1200; slot += 2) slots.push_back(slot);   // rising, gaps
  for (int64_t slot = 1199; slot >= 1100; --slot) slots.push_back(slot);  // falling
  slots.insert(slots.end(), {5, 5, 700, 5, 5000});
  RecordRows rows(t_.files, inventory_, slots, layout.cells);
  for (size_t i = 0; i + 1 < slots.size(); ++i) {
    ASSERT_EQ(number_of(rows.Row(static_cast<int64_t>(i))), std::to_string(slots[i] + 1)) << i;
  }
  EXPECT_EQ(rows.Row(static_cast<int64_t>(slots.size()) - 1),
            layout.cells(std::vector<uint8_t>(InventoryRecord::kSize, 0).data()));
}

class CountedRows : public RowSource {
 public:
  explicit CountedRows(int64_t count) : count_(count) {}
  int64_t Count() const override { return count_; }
  std::vector<std::string> Row(int64_t index) override {
    ++reads;
    return {"ROW " + std::to_string(index + 1)};
  }
  int reads = 0;

 private:
  int64_t count_;
};

class PrintedListTest : public testing::Test {
 protected:
  // Prints the list of `rows` and gives the texts drawn, "page:y:x:text".
  const test::RecordedDocument& Print(RowSource& rows, std::vector<std::string> totals = {}) {
    PrintedList list{"CORNER SHOP",
                     "Inventory list",
                     "Thu 5 Mar 26",
                     {{"Item", 8, false}},
                     &rows,
                     std::move(totals),
                     lines_per_page,
                     indent,
                     {}};
    PrintTarget target;
    EXPECT_TRUE(PrintCopies(t_.platform, target, "listing",
                            [&](PrintCanvas& c, DocumentPages& p) { DrawListPage(c, p, list); }));
    return *t_.printer.documents.back();
  }

  test::TestPlatform t_;
  int64_t lines_per_page = 0;
  int64_t indent = 0;
};

TEST_F(PrintedListTest, PagesBreakUnderTheirHeadingAndTotalsNeverStandAlone) {
  // The device's own font is 24 high on a 3000 high page: 125 lines, 122 rows under the
  // heading, the column line and a blank line.
  CountedRows full(122);
  const test::RecordedDocument& one = Print(full);
  EXPECT_EQ(one.pages, 1);
  EXPECT_EQ(one.items[0].text, "CORNER SHOP   Inventory list   Thu 5 Mar 26   Page 1");
  EXPECT_EQ(one.items[1].text, "Item");
  EXPECT_EQ(one.items[2].text, "ROW 1");
  EXPECT_EQ(one.items[2].y, 3 * 24);
  EXPECT_EQ(one.items.back().y, 124 * 24);

  // The same full page with totals: they go over to a page of their own, under its heading.
  const test::RecordedDocument& totals = Print(full, {"Total balances: 1.00"});
  ASSERT_EQ(totals.pages, 2);
  EXPECT_EQ(totals.items.back().text, "Total balances: 1.00");
  EXPECT_EQ(totals.items.back().page, 2);
  EXPECT_EQ(totals.items.back().y, 3 * 24);
  EXPECT_EQ(totals.items[totals.items.size() - 3].text,
            "CORNER SHOP   Inventory list   Thu 5 Mar 26   Page 2");

  CountedRows more(123);
  const test::RecordedDocument& two = Print(more);
  ASSERT_EQ(two.pages, 2);
  EXPECT_EQ(two.items.back().text, "ROW 123");
  EXPECT_EQ(two.items.back().page, 2);
  EXPECT_EQ(more.reads, 123);  // each row read once, on its own page

  CountedRows none(0);
  const test::RecordedDocument& empty = Print(none, {"Total balances: 0.00"});
  EXPECT_EQ(empty.pages, 1);
  EXPECT_EQ(empty.items.back().y, 3 * 24);
}

TEST_F(PrintedListTest, ListingFontAndIndentShapeThePage) {
  lines_per_page = 100;  // 3000 / 100: a font 30 high, 32 with its leading
  indent = 4;            // four average characters of 12
  CountedRows rows(200);
  const test::RecordedDocument& doc = Print(rows);
  ASSERT_FALSE(doc.fonts.empty());
  EXPECT_EQ(doc.fonts[0].height, 30);
  EXPECT_EQ(doc.items[2].x, 48);
  EXPECT_EQ(doc.items[0].x, 48);
  // 3000 / 32 = 93 lines, 90 rows a page.
  EXPECT_EQ(doc.pages, 3);
  EXPECT_EQ(doc.items[2 + 90].text, "CORNER SHOP   Inventory list   Thu 5 Mar 26   Page 2");
}

}  // namespace
}  // namespace ventro
