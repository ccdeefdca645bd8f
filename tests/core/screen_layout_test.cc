#include <set>

#include <gtest/gtest.h>

#include "app/screen_layout.h"

namespace ventro {
namespace {

constexpr int kBand = 40;

int CountInRange(const SaleScreenLayout& layout, int first, int count) {
  int shown = 0;
  for (int id = first; id < first + count; ++id) shown += layout.Find(id) != nullptr;
  return shown;
}

TEST(ScreenLayoutTest, StartSizePlacesEveryFixedControl) {
  const SaleScreenLayout layout = LayOutSaleScreen(1024, 746, kBand);

  EXPECT_EQ(layout.entry_box, (ScreenRect{10, 94, 172, 22}));
  EXPECT_EQ(*layout.Find(2442), (ScreenRect{195, 67, 52, 52}));
  EXPECT_EQ(*layout.Find(2459), (ScreenRect{254, 67, 52, 52}));
  EXPECT_EQ(*layout.Find(2426), (ScreenRect{18, 136, 56, 56}));
  EXPECT_EQ(*layout.Find(2413), (ScreenRect{232, 194, 56, 56}));
  EXPECT_EQ(*layout.Find(1008), (ScreenRect{232, 252, 56, 56}));
  // Keypad: 1 2 3 on top, CA 0 CE at the bottom.
  EXPECT_EQ(*layout.Find(2431), (ScreenRect{318, 65, 54, 54}));
  EXPECT_EQ(*layout.Find(2439), (ScreenRect{434, 179, 54, 54}));
  EXPECT_EQ(*layout.Find(2440), (ScreenRect{318, 236, 54, 54}));
  EXPECT_EQ(*layout.Find(2430), (ScreenRect{376, 236, 54, 54}));
  EXPECT_EQ(*layout.Find(2441), (ScreenRect{434, 236, 54, 54}));

  EXPECT_EQ(layout.basket_list, (ScreenRect{642, 105, 364, 381}));
  EXPECT_EQ(*layout.Find(2500), (ScreenRect{512, 74, 48, 48}));
  EXPECT_EQ(*layout.Find(2508), (ScreenRect{512, 554, 48, 48}));
  EXPECT_EQ(*layout.Find(2509), (ScreenRect{572, 74, 48, 48}));
  EXPECT_EQ(*layout.Find(2518), (ScreenRect{542, 614, 48, 48}));
  EXPECT_EQ(*layout.Find(2467), (ScreenRect{648, 536, 92, 92}));
  EXPECT_EQ(*layout.Find(2466), (ScreenRect{648, 636, 92, 92}));

  EXPECT_EQ(layout.basket_frame, (ScreenFrame{{632, 50, 374, 686}, 10}));
  EXPECT_EQ(layout.quick_select_frame, (ScreenFrame{{20, 310, 476, 426}, 20}));

  // Every control appears once; the status line and totals sit inside the basket frame
  // without covering the list or the basket-table buttons.
  std::set<int> ids;
  for (const ButtonPlace& place : layout.buttons) EXPECT_TRUE(ids.insert(place.id).second);
  for (const ScreenRect& inner : {layout.basket_status, layout.totals}) {
    EXPECT_GE(inner.x, layout.basket_frame.rect.x);
    EXPECT_LE(inner.right(), layout.basket_frame.rect.right());
    EXPECT_LE(inner.bottom(), layout.basket_frame.rect.bottom());
  }
  EXPECT_LE(layout.basket_status.bottom(), layout.basket_list.y);
  EXPECT_GE(layout.totals.y, layout.basket_list.bottom());
  EXPECT_GE(layout.totals.x, layout.Find(2467)->right());
}

TEST(ScreenLayoutTest, StartSizeHasTwoQuickSelectColumnsWithScrollButtonsBesideThem) {
  const SaleScreenLayout layout = LayOutSaleScreen(1024, 746, kBand);
  EXPECT_EQ(layout.quick_select_rows, 8);
  EXPECT_EQ(layout.quick_select_columns, 2);
  EXPECT_EQ(layout.quick_select_count, 16);
  EXPECT_EQ(CountInRange(layout, kQuickSelectFirst, kQuickSelectSlots), 16);
  // Filled down the columns.
  EXPECT_EQ(*layout.Find(2700), (ScreenRect{31, 314, 200, 50}));
  EXPECT_EQ(*layout.Find(2707), (ScreenRect{31, 678, 200, 50}));
  EXPECT_EQ(*layout.Find(2708), (ScreenRect{233, 314, 200, 50}));

  EXPECT_EQ(*layout.Find(2453), (ScreenRect{435, 316, 50, 54}));
  EXPECT_EQ(*layout.Find(2456), (ScreenRect{435, 368, 50, 54}));
  EXPECT_FALSE(layout.scroll_frame);
  EXPECT_EQ(CountInRange(layout, kShortcutFirst, kShortcutCount), 0);
}

TEST(ScreenLayoutTest, QuickSelectCountIsClampedToFourteenAndSixty) {
  // Three rows of two columns would be six: fourteen are still shown, the extra ones continuing
  // the column order.
  const SaleScreenLayout low = LayOutSaleScreen(1024, 10 + kBand + 270 + 3 * 52, kBand);
  EXPECT_EQ(low.quick_select_rows, 3);
  EXPECT_EQ(low.quick_select_columns, 2);
  EXPECT_EQ(low.quick_select_count, 14);
  EXPECT_EQ(CountInRange(low, kQuickSelectFirst, kQuickSelectSlots), 14);
  EXPECT_EQ(*low.Find(2713), (ScreenRect{31 + 4 * 202, kBand + 274 + 52, 200, 50}));

  const SaleScreenLayout high = LayOutSaleScreen(2560, 1440, kBand);
  EXPECT_EQ(high.quick_select_rows * high.quick_select_columns, 21 * 6);
  EXPECT_EQ(high.quick_select_count, 60);
  EXPECT_TRUE(high.Find(2759));
}

TEST(ScreenLayoutTest, TinyWindowStillLaysOutWithoutRows) {
  const SaleScreenLayout layout = LayOutSaleScreen(200, 100, kBand);
  EXPECT_LE(layout.quick_select_rows, 0);
  EXPECT_EQ(layout.quick_select_count, 14);
  EXPECT_EQ(layout.Find(2713)->x, 31 + 13 * 202);
}

TEST(ScreenLayoutTest, LargeWindowMovesScrollButtonsAndShowsTheShortcutPanel) {
  const SaleScreenLayout layout = LayOutSaleScreen(1920, 1080, kBand);
  EXPECT_EQ(layout.quick_select_rows, 14);
  EXPECT_EQ(layout.quick_select_columns, 4);
  EXPECT_EQ(layout.quick_select_count, 56);
  EXPECT_EQ(*layout.Find(2755), (ScreenRect{637, kBand + 274 + 13 * 52, 200, 50}));

  EXPECT_EQ(*layout.Find(2453), (ScreenRect{875, 130, 54, 54}));
  EXPECT_EQ(*layout.Find(2456), (ScreenRect{875, 190, 54, 54}));
  EXPECT_EQ(layout.scroll_frame, (ScreenFrame{{860, 112, 80, 144}, 30}));
  EXPECT_EQ(*layout.Find(2761), (ScreenRect{508, 68, 120, 50}));
  EXPECT_EQ(*layout.Find(2764), (ScreenRect{508, 240, 120, 50}));
  EXPECT_EQ(*layout.Find(2765), (ScreenRect{644, 68, 120, 50}));
  EXPECT_EQ(*layout.Find(2768), (ScreenRect{644, 240, 120, 50}));
  EXPECT_EQ(*layout.Find(2518), (ScreenRect{990, 614, 48, 48}));
}

TEST(ScreenLayoutTest, ShortcutColumnsNeedMoreThanThreeAndFourHundredPixels) {
  struct Case {
    int width;
    int shown;
  };
  // Half the width less 518: 300, 301, 400, 401. Three columns fit from 1284 on.
  for (const Case& c :
       {Case{1284, 0}, Case{1636, 0}, Case{1638, 4}, Case{1836, 4}, Case{1838, 8}}) {
    const SaleScreenLayout layout = LayOutSaleScreen(c.width, 900, kBand);
    EXPECT_GE(layout.quick_select_columns, 3) << c.width;
    EXPECT_TRUE(layout.scroll_frame) << c.width;
    EXPECT_EQ(CountInRange(layout, kShortcutFirst, kShortcutCount), c.shown) << c.width;
  }
  EXPECT_TRUE(LayOutSaleScreen(1838, 900, kBand).Find(2765));
  EXPECT_FALSE(LayOutSaleScreen(1836, 900, kBand).Find(2765));
}

}  // namespace
}  // namespace ventro
