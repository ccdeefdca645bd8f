// Void, repeat, clear, the parked baskets, the note, the non-inventory sale, the quick-select
// page and the customer of the sale, on real files.
#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "app/ventro.h"
#include "basket_fixture.h"
#include "recording_host.h"
#include "sale/basket_commands.h"
#include "sale/non_inventory.h"
#include "sale/quick_select.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

using test::BasketTest;
using test::ShownMessage;

class BasketCommandsTest : public BasketTest {
 protected:
  BasketCommandsTest() {
    SetTax(1000, 0);
    WriteInventory({Item(1, "APPLE", 1.00, 99, kTaxCodeBoth), Item(2, "BREAD", 2.00, 99),
                    Item(3, "CHEESE", 3.00, 99, kTaxCodeBoth)});
  }
  std::vector<int64_t> Items() const {
    return {basket().item_number.begin(), basket().item_number.begin() + basket().line_count};
  }
};

TEST_F(BasketCommandsTest, VoidingTheMiddleLineKeepsTheOthersInOrderAndTheirTotals) {
  Add(1);
  Add(2);
  Add(3);
  v->sale.selected_line = 1;
  p.sound.played.clear();
  VoidSelectedLine(session());
  EXPECT_EQ(Items(), (std::vector<int64_t>{1, 3}));
  EXPECT_EQ(v->sale.list,
            (std::vector<std::string>{"1  APPLE (99)  1.10", "3  CHEESE (99)  3.30"}));
  EXPECT_EQ(v->sale.selected_line, 1);
  const BasketTotals& t = basket().totals;
  EXPECT_DOUBLE_EQ(t.non_taxable_total, 0);
  EXPECT_DOUBLE_EQ(t.taxable_total, 4.00);
  EXPECT_DOUBLE_EQ(t.net_total, 4.00);
  EXPECT_DOUBLE_EQ(t.tax1_total, 0.40);
  EXPECT_DOUBLE_EQ(t.grand_total, 4.40);
  EXPECT_DOUBLE_EQ(t.cost_total, 2.00);
  EXPECT_EQ(p.sound.played, (std::vector<SoundId>{SoundId::kDone, SoundId::kVoid}));

  // Without a selected line nothing is touched.
  v->sale.selected_line = -1;
  VoidSelectedLine(session());
  EXPECT_EQ(basket().line_count, 2);

  // Voiding the only line empties the whole basket, customer included.
  v->sale.basket.customer_number = 4;
  v->sale.selected_line = 1;
  VoidSelectedLine(session());
  VoidSelectedLine(session());
  EXPECT_EQ(basket().line_count, 0);
  EXPECT_EQ(basket().customer_number, 0);
  EXPECT_TRUE(v->sale.list.empty());
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 0);
  VoidSelectedLine(session());
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No items"});
}

TEST_F(BasketCommandsTest, RepeatAddsTheLastItemAsOftenAsTyped) {
  v->sale.basket = Basket{};
  RepeatLastLine(session());
  Add(2);
  v->screen.entry_text = "3";
  p.sound.played.clear();
  RepeatLastLine(session());
  EXPECT_EQ(Items(), (std::vector<int64_t>{2, 2, 2, 2}));
  EXPECT_TRUE(v->screen.entry_text.empty());
  EXPECT_TRUE(p.sound.played.empty());  // a repeat is silent
  RepeatLastLine(session());            // nothing typed: once
  EXPECT_EQ(basket().line_count, 5);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No items"});
}

TEST_F(BasketCommandsTest, RepeatNeverPassesFourHundredLines) {
  v->settings.Set(cfg::kPermitInsufficientStock, 2);
  for (int k = 0; k < 398; ++k) Add(1);
  v->screen.entry_text = "3";
  RepeatLastLine(session());
  EXPECT_EQ(basket().line_count, 398);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Transaction limit 400 items"});
  v->screen.entry_text = "2";
  RepeatLastLine(session());
  EXPECT_EQ(basket().line_count, 400);
}

TEST_F(BasketCommandsTest, SwitchingAwayAndBackRestoresTheBasketExactly) {
  Add(1);
  Add(2);
  SetText(v->sale.basket.texts.note, "TABLE BY THE WINDOW");
  const Basket before = basket();
  SwitchBasket(session(), 1);  // the current basket: nothing happens
  EXPECT_EQ(basket().line_count, 2);
  EXPECT_EQ(v->sale.list.size(), 2u);

  SwitchBasket(session(), 5);
  EXPECT_EQ(v->sale.basket_number, 5);
  EXPECT_EQ(basket().line_count, 0);
  EXPECT_TRUE(v->sale.list.empty());
  Add(3);

  SwitchBasket(session(), 1);
  EXPECT_TRUE(basket() == before);
  // The rebuilt strings carry no stock figure.
  EXPECT_EQ(v->sale.list, (std::vector<std::string>{"1  APPLE  1.10", "2  BREAD  2.00"}));
  EXPECT_EQ(v->sale.selected_line, 1);
  SwitchBasket(session(), 5);
  EXPECT_EQ(Items(), std::vector<int64_t>{3});

  SwitchBasket(session(), 0);
  SwitchBasket(session(), 17);
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Basket not valid", "Basket not valid"}));
  EXPECT_EQ(v->sale.basket_number, 5);
}

TEST_F(BasketCommandsTest, ANonInventorySaleIsTaxedLikeAnyLineWhenTaxable) {
  v->settings.Set(cfg::kNonInventoryPreset, 2, "FLOWERS");
  v->settings.Set(cfg::kNonInventoryTaxable, 2);
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_TRUE(d.Field("taxable").checked);
    d.Field("category").choice = 1;
    d.on_change(d, "category");
    d.on_change(d, "20.00");
    return true;
  });
  SellNonInventoryItem(session());
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("description").text = "POSTAGE";
    d.Field("price").text = "3.456";
    d.Field("taxable").checked = false;
    return true;
  });
  SellNonInventoryItem(session());

  EXPECT_EQ(Items(), (std::vector<int64_t>{0, 0}));
  EXPECT_EQ(v->sale.list, (std::vector<std::string>{"FLOWERS  22.00", "POSTAGE  3.46"}));
  EXPECT_DOUBLE_EQ(basket().tax1[0], 2.00);
  EXPECT_DOUBLE_EQ(basket().non_taxable_amount[1], 3.46);
  EXPECT_DOUBLE_EQ(basket().totals.net_total, 23.46);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 25.46);
  EXPECT_DOUBLE_EQ(basket().totals.cost_total, 0);
  RepeatLastLine(session());
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Non inventory item"});
}

// The quick-select buttons through their command numbers, on the whole program.
class QuickSelectTest : public ::testing::Test {
 protected:
  QuickSelectTest()
      : v(std::make_unique<Ventro>(p.platform, host, StartOptions{dir.path(), dir.path()})) {
    v->settings.Set(cfg::kNextTransaction, 1);
    v->screen.quick_select_count = 14;
    std::vector<InventoryRecord> items;
    // Items 1 to 40 in category 3, every fourth one in category 5; slot order is not number
    // order, so the page follows the index.
    for (int64_t n = 40; n >= 1; --n) {
      InventoryRecord item = test::TestItem(n, "ITEM " + std::to_string(n), 1.00, 9);
      item.Set(inv::kDisplayCategory, n % 4 == 0 ? 5 : 3);
      if (n == 2) item.Set(inv::kOmitQuickSelect, 2);
      if (n == 3) item.Set(inv::kOwnPicture, 1);
      items.push_back(item);
    }
    EXPECT_TRUE(p.files.WriteWhole(dir.path() / "inventory.dat", test::InventoryBytes(items)));
    EXPECT_EQ(v->inventory.Load(p.files, dir.path()), LoadStatus::kOk);
  }
  const Basket& basket() const { return v->sale.basket; }
  std::vector<int64_t> Page() const {
    std::vector<int64_t> numbers;
    for (size_t k = 0; k < 14; ++k) numbers.push_back(v->sale.quick_select[k].item_number);
    return numbers;
  }

  test::TestPlatform p;
  test::TempDir dir;
  test::RecordingHost host;
  std::unique_ptr<Ventro> v;
};

TEST_F(QuickSelectTest, CategoriesFillThePageInNumberOrderAndPageBothWays) {
  DispatchCommand(*v, 2503);
  EXPECT_EQ(v->settings.Get(cfg::kCurrentCategory), 3);
  EXPECT_EQ(Page(), (std::vector<int64_t>{1, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 19}));
  EXPECT_EQ(TextOf(v->sale.quick_select[1].picture), "m3.bmp");
  EXPECT_EQ(TextOf(v->sale.quick_select[2].picture), "STOCK1.bmp");

  DispatchCommand(*v, ToInt(Command::kQuickSelectForward));
  EXPECT_EQ(Page(), (std::vector<int64_t>{21, 22, 23, 25, 26, 27, 29, 30, 31, 33, 34, 35, 37, 38}));
  DispatchCommand(*v, ToInt(Command::kQuickSelectForward));
  EXPECT_EQ(Page(), (std::vector<int64_t>{39, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  DispatchCommand(
      *v, ToInt(Command::kQuickSelectForward));  // the last slot is empty: nothing to page to
  EXPECT_EQ(Page()[0], 39);

  DispatchCommand(*v, ToInt(Command::kQuickSelectBack));
  DispatchCommand(*v, ToInt(Command::kQuickSelectBack));
  EXPECT_EQ(Page(), (std::vector<int64_t>{1, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 19}));
  DispatchCommand(
      *v, ToInt(Command::kQuickSelectBack));  // nothing before the first item: the page stays
  EXPECT_EQ(Page()[0], 1);

  DispatchCommand(*v, 2504);  // category 4 is empty
  EXPECT_EQ(Page(), std::vector<int64_t>(14, 0));
  DispatchCommand(*v, ToInt(Command::kEveryCategory));  // "ALL"
  EXPECT_EQ(Page()[1], 3);
  EXPECT_EQ(Page()[13], 15);
}

TEST_F(QuickSelectTest, PressingASlotSellsItsItemUnlessAPaymentIsRunning) {
  DispatchCommand(*v, 2503);
  DispatchCommand(*v, 2701);
  EXPECT_EQ(basket().item_number[0], 3);
  v->sale.payment_in_progress = true;
  DispatchCommand(*v, ToInt(Command::kQuickSelectFirst));
  v->sale.payment_in_progress = false;
  DispatchCommand(*v, ToInt(Command::kQuickSelectLast));  // beyond the page shown
  EXPECT_EQ(basket().line_count, 1);
  std::filesystem::remove(dir.path() / "inventory.dat");
  DispatchCommand(*v, 2505);
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Fatal error", "Data file: inventory.dat, not present."}}));
}

}  // namespace
}  // namespace ventro
