#include "app/screen_layout.h"

#include <algorithm>

namespace ventro {
namespace {

constexpr int kQuickSelectWidth = 200;
constexpr int kQuickSelectHeight = 50;
constexpr int kQuickSelectColumnStep = 202;
constexpr int kQuickSelectRowStep = 52;

ScreenRect Between(int left, int top, int right, int bottom) {
  return {left, top, right - left, bottom - top};
}

void AddScreenButtons(std::vector<ButtonPlace>& buttons, int band) {
  buttons.push_back({2442, {195, band + 27, 52, 52}});
  buttons.push_back({2459, {254, band + 27, 52, 52}});
  constexpr int kColumns[] = {18, 89, 160, 232};
  constexpr int kRows[3][4] = {
      {2426, 2427, 2408, 2428},
      {2415, 2425, 2410, 2413},
      {2417, 1081, 2458, 1008},
  };
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      buttons.push_back({kRows[row][column], {kColumns[column], band + 96 + 58 * row, 56, 56}});
    }
  }
}

void AddKeypad(std::vector<ButtonPlace>& buttons, int band) {
  // Telephone order: 1 2 3 at the top, then CA 0 CE.
  constexpr int kRows[4][3] = {
      {kKeypadFirst + 1, kKeypadFirst + 2, kKeypadFirst + 3},
      {kKeypadFirst + 4, kKeypadFirst + 5, kKeypadFirst + 6},
      {kKeypadFirst + 7, kKeypadFirst + 8, kKeypadFirst + 9},
      {kKeypadFirst + 10, kKeypadFirst, kKeypadFirst + 11},
  };
  constexpr int kColumns[] = {318, 376, 434};
  constexpr int kRowY[] = {25, 82, 139, 196};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      buttons.push_back({kRows[row][column], {kColumns[column], band + kRowY[row], 54, 54}});
    }
  }
}

void AddCategoryButtons(std::vector<ButtonPlace>& buttons, int width, int band) {
  for (int i = 0; i < 9; ++i) {
    buttons.push_back({kCategoryButtonFirst + i, {width / 2, band + 34 + 60 * i, 48, 48}});
  }
  for (int i = 0; i < 9; ++i) {
    buttons.push_back({kCategoryButtonFirst + 9 + i, {width / 2 + 60, band + 34 + 60 * i, 48, 48}});
  }
  buttons.push_back({kCategoryButtonFirst + 18, {width / 2 + 30, band + 574, 48, 48}});
}

void AddQuickSelect(SaleScreenLayout& layout, int width, int height, int band) {
  layout.quick_select_rows = (height - 10 - band - 270) / kQuickSelectRowStep;
  layout.quick_select_columns = (width / 2 - 36) / kQuickSelectColumnStep;
  layout.quick_select_count = std::clamp(layout.quick_select_rows * layout.quick_select_columns,
                                         kQuickSelectMinimum, kQuickSelectSlots);
  // A window too short for one row still places its buttons (one per column) instead of
  // dividing by zero.
  const int rows = std::max(layout.quick_select_rows, 1);
  for (int k = 0; k < layout.quick_select_count; ++k) {
    const int column = k / rows;
    const int row = k % rows;
    layout.buttons.push_back(
        {kQuickSelectFirst + k,
         {31 + kQuickSelectColumnStep * column, band + 274 + kQuickSelectRowStep * row,
          kQuickSelectWidth, kQuickSelectHeight}});
  }
}

void AddScrollAndShortcuts(SaleScreenLayout& layout, int width, int band) {
  const int columns = layout.quick_select_columns;
  if (columns < 3) {
    const int x = columns * kQuickSelectColumnStep + 31;
    layout.buttons.push_back({kCategoryBackButton, {x, band + 276, 50, 54}});
    layout.buttons.push_back({kCategoryForwardButton, {x, band + 328, 50, 54}});
    return;
  }
  layout.buttons.push_back({kCategoryBackButton, {width / 2 - 85, band + 90, 54, 54}});
  layout.buttons.push_back({kCategoryForwardButton, {width / 2 - 85, band + 150, 54, 54}});
  layout.scroll_frame =
      ScreenFrame{Between(width / 2 - 100, band + 72, width / 2 - 20, band + 216), 30};

  // The shortcut panel sits between the keypad and the scroll buttons, one column of four
  // once there is room for it and a second column once there is room for both.
  constexpr int kRowY[] = {28, 85, 142, 200};
  const int room = width / 2 - 518;
  for (int column = 0; column < 2; ++column) {
    if (room <= (column == 0 ? 300 : 400)) break;
    for (int row = 0; row < 4; ++row) {
      layout.buttons.push_back({kShortcutFirst + 4 * column + row,
                                {column == 0 ? 508 : 644, band + kRowY[row], 120, 50}});
    }
  }
}

}  // namespace

const ScreenRect* SaleScreenLayout::Find(int id) const {
  for (const ButtonPlace& place : buttons) {
    if (place.id == id) return &place.rect;
  }
  return nullptr;
}

SaleScreenLayout LayOutSaleScreen(int width, int height, int band) {
  SaleScreenLayout layout;
  const int half = width / 2;
  layout.entry_box = {10, band + 54, 172, 22};
  layout.basket_list = {half + 130, band + 65, half - 148, (height - band) - 325};
  layout.basket_status = Between(half + 130, band + 16, width - 28, band + 60);
  // Below the list, right of the 92-pixel basket-table and kitchen-print buttons.
  layout.totals = Between(half + 240, layout.basket_list.bottom() + 10, width - 28, height - 20);

  AddScreenButtons(layout.buttons, band);
  AddKeypad(layout.buttons, band);
  AddQuickSelect(layout, width, height, band);
  AddScrollAndShortcuts(layout, width, band);
  AddCategoryButtons(layout.buttons, width, band);
  layout.buttons.push_back({kBasketTableButton, {half + 136, height - 210, 92, 92}});
  layout.buttons.push_back({kKitchenPrintButton, {half + 136, height - 110, 92, 92}});

  layout.basket_frame = {Between(half + 120, band + 10, width - 18, height - 10), 10};
  layout.quick_select_frame = {Between(20, band + 270, half - 16, height - 10), 20};
  return layout;
}

}  // namespace ventro
