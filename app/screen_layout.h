// Where every control of the sale screen goes for a client area of a given size: a pure
// function of the width, the height and the height of the toolbar band at the top, shared by
// the window and the tests so that the geometry is decided in one place.
#pragma once

#include <optional>
#include <vector>

namespace ventro {

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// A painted rounded frame; `corner` is the width of the corner's ellipse.
struct ScreenFrame {
  ScreenRect rect;
  int corner = 0;
  friend bool operator==(const ScreenFrame&, const ScreenFrame&) = default;
};

// A button (by the command number it sends) and its place.
struct ButtonPlace {
  int id = 0;
  ScreenRect rect;
};

// The control numbers of the sale screen's button groups.
inline constexpr int kKeypadFirst = 2430;  // "0" to "9", then "CA" (2440) and "CE" (2441)
inline constexpr int kKeypadCount = 12;
inline constexpr int kCategoryButtonFirst = 2500;  // categories 0 to 17, then "ALL"
inline constexpr int kCategoryButtonCount = 19;
inline constexpr int kQuickSelectFirst = 2700;
inline constexpr int kQuickSelectSlots = 60;
inline constexpr int kQuickSelectMinimum = 14;
inline constexpr int kShortcutFirst = 2761;
inline constexpr int kShortcutCount = 8;
inline constexpr int kCategoryBackButton = 2453;
inline constexpr int kCategoryForwardButton = 2456;
inline constexpr int kBasketTableButton = 2467;
inline constexpr int kKitchenPrintButton = 2466;

// The eighteen picture buttons of the sale screen, in the order of the layout's rows: add
// item, cash, the three rows of four, the two category scroll buttons, basket table and
// kitchen print.
inline constexpr int kScreenButtonIds[] = {2442, 2459, 2426, 2427, 2408, 2428, 2415, 2425, 2410,
                                           2413, 2417, 1081, 2458, 1008, 2453, 2456, 2466, 2467};

struct SaleScreenLayout {
  ScreenRect entry_box;
  ScreenRect basket_list;
  // The status line above the basket list (line count, transaction number, trade, barcode).
  ScreenRect basket_status;
  // The column of basket totals below the basket list, beside the basket-table buttons.
  ScreenRect totals;

  // Every button that is shown, with its place; a button not listed is hidden.
  std::vector<ButtonPlace> buttons;

  int quick_select_rows = 0;
  int quick_select_columns = 0;
  int quick_select_count = 0;  // kQuickSelectMinimum to kQuickSelectSlots

  // Painted under the controls: the basket area (pen width 2), the quick-select area and, with
  // three or more quick-select columns, the frame around the category scroll buttons.
  ScreenFrame basket_frame;
  ScreenFrame quick_select_frame;
  std::optional<ScreenFrame> scroll_frame;

  // The place of button `id`, or nullptr when it is hidden.
  const ScreenRect* Find(int id) const;
};

// The layout of a client area `width` x `height` whose top `band` pixels hold the toolbar.
// Any size gives a layout (a tiny window overlaps its controls rather than failing).
SaleScreenLayout LayOutSaleScreen(int width, int height, int band);

}  // namespace ventro
