// Void, repeat, clear, the parked baskets, the note, the non-inventory sale, the quick-select
// page and the customer of the sale, on real files.
#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "basket_fixture.h"
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
  VoidSelectedLine(*v);
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
  VoidSelectedLine(*v);
  EXPECT_EQ(basket().line_count, 2);

  v->sale.selected_line = 1;
  VoidSelectedLine(*v);
  VoidSelectedLine(*v);
  EXPECT_EQ(basket().line_count, 0);
  EXPECT_TRUE(v->sale.list.empty());
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 0);
  VoidSelectedLine(*v);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No items"});
}

TEST_F(BasketCommandsTest, VoidingTheOnlyLineEmptiesTheWholeBasket) {
  Add(1);
  SetText(v->sale.basket.texts.note, "DELIVER");
  v->sale.basket.customer_number = 4;
  VoidSelectedLine(*v);
  EXPECT_EQ(basket().line_count, 0);
  EXPECT_EQ(basket().customer_number, 0);
  EXPECT_EQ(TextOf(basket().texts.note), "");
}

TEST_F(BasketCommandsTest, RepeatAddsTheLastItemAsOftenAsTyped) {
  v->sale.basket = Basket{};
  RepeatLastLine(*v);
  Add(2);
  v->screen.entry_text = "3";
  p.sound.played.clear();
  RepeatLastLine(*v);
  EXPECT_EQ(Items(), (std::vector<int64_t>{2, 2, 2, 2}));
  EXPECT_TRUE(v->screen.entry_text.empty());
  EXPECT_TRUE(p.sound.played.empty());  // a repeat is silent
  RepeatLastLine(*v);                   // nothing typed: once
  EXPECT_EQ(basket().line_count, 5);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No items"});
}

TEST_F(BasketCommandsTest, RepeatNeverPassesFourHundredLines) {
  v->settings.set_permit_insufficient_stock(2);
  for (int k = 0; k < 398; ++k) Add(1);
  v->screen.entry_text = "3";
  RepeatLastLine(*v);
  EXPECT_EQ(basket().line_count, 398);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Transaction limit 400 items"});
  v->screen.entry_text = "2";
  RepeatLastLine(*v);
  EXPECT_EQ(basket().line_count, 400);
}

TEST_F(BasketCommandsTest, RepeatRefusesALineThatIsNoInventoryItem) {
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("description").text = "GIFT WRAP";
    d.Field("price").text = "1.50";
    return true;
  });
  SellNonInventoryItem(*v);
  RepeatLastLine(*v);
  EXPECT_EQ(basket().line_count, 1);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Non inventory item"});
}

TEST_F(BasketCommandsTest, SwitchingAwayAndBackRestoresTheBasketExactly) {
  Add(1);
  Add(2);
  SetText(v->sale.basket.texts.note, "TABLE BY THE WINDOW");
  const Basket before = basket();
  SwitchBasket(*v, 1);  // the current basket: nothing happens
  EXPECT_EQ(basket().line_count, 2);
  EXPECT_EQ(v->sale.list.size(), 2u);

  SwitchBasket(*v, 5);
  EXPECT_EQ(v->sale.basket_number, 5);
  EXPECT_EQ(basket().line_count, 0);
  EXPECT_TRUE(v->sale.list.empty());
  Add(3);

  SwitchBasket(*v, 1);
  EXPECT_TRUE(basket() == before);
  // The rebuilt strings carry no stock figure.
  EXPECT_EQ(v->sale.list, (std::vector<std::string>{"1  APPLE  1.10", "2  BREAD  2.00"}));
  EXPECT_EQ(v->sale.selected_line, 1);
  SwitchBasket(*v, 5);
  EXPECT_EQ(Items(), std::vector<int64_t>{3});

  SwitchBasket(*v, 0);
  SwitchBasket(*v, 17);
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Basket not valid", "Basket not valid"}));
  EXPECT_EQ(v->sale.basket_number, 5);
}

TEST_F(BasketCommandsTest, TheBasketDialogMarksTheCurrentBasketAndSwitches) {
  std::vector<std::string> buttons;
  p.ui.dialog_answers.push_back([&buttons](Dialog& d) {
    buttons = d.buttons;
    d.pressed = "16";
    return true;
  });
  DispatchCommand(*v, 2467);
  EXPECT_EQ(buttons.front(), ">1<");
  EXPECT_EQ(buttons[15], "16");
  EXPECT_EQ(v->sale.basket_number, 16);
}

TEST_F(BasketCommandsTest, ClearEmptiesTheBasketWithTheVoidTone) {
  Add(1);
  v->settings.set_sounds_off(1);
  p.sound.played.clear();
  ClearBasket(*v);
  EXPECT_EQ(basket().line_count, 0);
  EXPECT_TRUE(v->sale.list.empty());
  EXPECT_TRUE(p.sound.played.empty());  // sounds off
  v->settings.set_sounds_off(0);
  Add(1);
  ClearBasket(*v);
  EXPECT_EQ(p.sound.played.back(), SoundId::kVoid);
}

TEST_F(BasketCommandsTest, TheNoteIsStoredOnOk) {
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.name, "NOTEBOX");
    d.Field("note").text = "COLLECT FRIDAY";
    return true;
  });
  DispatchCommand(*v, 1081);
  EXPECT_EQ(TextOf(basket().texts.note), "COLLECT FRIDAY");
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Transaction note", "Added"}}));
}

TEST_F(BasketCommandsTest, ANonInventorySaleIsTaxedLikeAnyLineWhenTaxable) {
  v->settings.set_non_inventory_preset(2, "FLOWERS");
  v->settings.set_non_inventory_taxable(2);
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_TRUE(d.Field("taxable").checked);
    d.Field("category").choice = 1;
    d.on_change(d, "category");
    d.on_change(d, "20.00");
    return true;
  });
  DispatchCommand(*v, 2408);
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("description").text = "POSTAGE";
    d.Field("price").text = "3.456";
    d.Field("taxable").checked = false;
    return true;
  });
  DispatchCommand(*v, 2408);

  EXPECT_EQ(Items(), (std::vector<int64_t>{0, 0}));
  EXPECT_EQ(v->sale.list, (std::vector<std::string>{"FLOWERS  22.00", "POSTAGE  3.46"}));
  EXPECT_DOUBLE_EQ(basket().tax1[0], 2.00);
  EXPECT_DOUBLE_EQ(basket().non_taxable_amount[1], 3.46);
  EXPECT_DOUBLE_EQ(basket().totals.net_total, 23.46);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 25.46);
  EXPECT_DOUBLE_EQ(basket().totals.cost_total, 0);
}

TEST_F(BasketCommandsTest, ANonInventorySaleNeedsADescriptionAndAPrice) {
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("price").text = "5";
    return true;
  });
  p.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("price").text, "5");  // reopened with the values given
    d.Field("description").text = "REPAIR";
    d.Field("price").text = "0";
    return true;
  });
  DispatchCommand(*v, 2408);  // the third opening is cancelled
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Please enter a description", "Please enter a price"}));
  EXPECT_EQ(basket().line_count, 0);
}

TEST_F(BasketCommandsTest, TheTotalsPanelShowsTheColumnOnlyWithLines) {
  auto names = [this] {
    std::vector<std::string> out;
    for (const auto& figure : PaintTotalsPanel(*v)) out.push_back(figure.name + "=" + figure.text);
    return out;
  };
  EXPECT_EQ(names(), (std::vector<std::string>{"lines=0", "transaction=Transaction: 1"}));
  Add(1);
  Add(2);
  v->sale.basket.totals.discount_total = 0.25;
  v->settings.set_trade_prices(2);
  v->settings.set_display_second_currency(2);
  v->settings.set_second_currency_symbol("E");
  v->settings.set_second_currency_rate(2.0);
  EXPECT_EQ(names(), (std::vector<std::string>{
                         "lines=2", "transaction=Transaction: 1", "trade=Trade", "taxable=1.00",
                         "non_taxable=2.00", "net=3.00", "tax1=0.10", "tax2=0.00",
                         "discount=(0.25)", "grand=3.10", "second_currency=E6.20"}));
}

class QuickSelectTest : public BasketTest {
 protected:
  QuickSelectTest() {
    v->screen.quick_select_count = 14;
    std::vector<InventoryRecord> items;
    // Items 1 to 40 in category 3, every fourth one in category 5; slot order is not number
    // order, so the page follows the index.
    for (int64_t n = 40; n >= 1; --n) {
      InventoryRecord item = Item(n, "ITEM " + std::to_string(n), 1.00, 9);
      item.set_display_category(n % 4 == 0 ? 5 : 3);
      if (n == 2) item.set_omit_quick_select(2);
      if (n == 3) item.set_own_picture(1);
      items.push_back(item);
    }
    WriteInventory(items);
  }
  std::vector<int64_t> Page() const {
    std::vector<int64_t> numbers;
    for (size_t k = 0; k < 14; ++k) numbers.push_back(v->sale.quick_select[k].item_number);
    return numbers;
  }
};

TEST_F(QuickSelectTest, CategoriesFillThePageInNumberOrderAndPageBothWays) {
  DispatchCommand(*v, 2503);
  EXPECT_EQ(v->settings.current_category(), 3);
  EXPECT_EQ(Page(), (std::vector<int64_t>{1, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 19}));
  EXPECT_EQ(TextOf(v->sale.quick_select[1].picture), "m3.bmp");
  EXPECT_EQ(TextOf(v->sale.quick_select[2].picture), "STOCK1.bmp");
  EXPECT_EQ(TextOf(v->sale.quick_select[0].description), "ITEM 1");

  DispatchCommand(*v, 2456);
  EXPECT_EQ(Page(), (std::vector<int64_t>{21, 22, 23, 25, 26, 27, 29, 30, 31, 33, 34, 35, 37, 38}));
  DispatchCommand(*v, 2456);
  EXPECT_EQ(Page(), (std::vector<int64_t>{39, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  DispatchCommand(*v, 2456);  // the last slot is empty: nothing to page to
  EXPECT_EQ(Page()[0], 39);

  DispatchCommand(*v, 2453);
  EXPECT_EQ(Page(), (std::vector<int64_t>{21, 22, 23, 25, 26, 27, 29, 30, 31, 33, 34, 35, 37, 38}));
  DispatchCommand(*v, 2456);
  DispatchCommand(*v, 2453);
  DispatchCommand(*v, 2453);
  EXPECT_EQ(Page(), (std::vector<int64_t>{1, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 19}));
  DispatchCommand(*v, 2453);  // nothing before the first item: the page stays
  EXPECT_EQ(Page()[0], 1);

  DispatchCommand(*v, 2504);  // category 4 is empty
  EXPECT_EQ(Page(), std::vector<int64_t>(14, 0));
  DispatchCommand(*v, 2454);  // "ALL"
  EXPECT_EQ(Page()[1], 3);
  EXPECT_EQ(Page()[13], 15);
}

TEST_F(QuickSelectTest, PagingBackFromAShortRunKeepsAFullPage) {
  auto shown = [this](size_t count) {
    std::vector<int64_t> page = Page();
    page.resize(count);
    return page;
  };
  v->screen.quick_select_count = 3;
  DispatchCommand(*v, 2505);  // category 5 holds 4, 8, ..., 40
  DispatchCommand(*v, 2456);
  EXPECT_EQ(shown(3), (std::vector<int64_t>{16, 20, 24}));
  // The window grows to four buttons; three items lie before the page: they come first and
  // the page is topped up from the one it showed.
  v->screen.quick_select_count = 4;
  DispatchCommand(*v, 2453);
  EXPECT_EQ(shown(4), (std::vector<int64_t>{4, 8, 12, 16}));
  DispatchCommand(*v, 2456);
  DispatchCommand(*v, 2456);
  DispatchCommand(*v, 2456);  // nothing after 40: the page stays
  EXPECT_EQ(shown(4), (std::vector<int64_t>{36, 40, 0, 0}));
}

TEST_F(QuickSelectTest, PressingASlotSellsItsItemUnlessAPaymentIsRunning) {
  DispatchCommand(*v, 2503);
  DispatchCommand(*v, 2701);
  EXPECT_EQ(basket().item_number[0], 3);
  v->sale.payment_in_progress = true;
  DispatchCommand(*v, 2700);
  v->sale.payment_in_progress = false;
  DispatchCommand(*v, 2759);  // beyond the page shown
  EXPECT_EQ(basket().line_count, 1);
  std::filesystem::remove(dir.path() / "inventory.dat");
  DispatchCommand(*v, 2505);
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Fatal error", "Data file: inventory.dat, not present."}}));
}

}  // namespace
}  // namespace ventro
