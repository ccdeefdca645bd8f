// The open sale: up to 400 lines, each one unit of one item, with the running totals beside
// them, and the sale screen's basket state (sixteen parked baskets, the list strings, the
// quick-select page).
//
// The field order of Basket is the order of the sales log record: the commit copies the
// header, the BasketTotals block and the BasketTexts block field by field. A Basket is a plain
// value; `Basket{}` is the empty basket and assignment copies it whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/customer_record.h"
#include "sale/line_tax.h"

namespace ventro {

inline constexpr int kMaxBasketLines = 400;
inline constexpr int kParkedBaskets = 16;
inline constexpr int kMaxQuickSelectSlots = 60;

// A zero-terminated Windows-1252 text in a field of N bytes, as in the stored records.
template <size_t N>
using FixedText = std::array<char, N>;

// The text up to the first NUL (all N bytes when there is none).
template <size_t N>
std::string TextOf(const FixedText<N>& field) {
  size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string(field.data(), length);
}

// Stores at most N - 1 bytes of `text` and zeroes the rest, so equal values compare equal.
template <size_t N>
void SetText(FixedText<N>& field, std::string_view text) {
  size_t length = text.size() < N ? text.size() : N - 1;
  for (size_t i = 0; i < N; ++i) field[i] = i < length ? text[i] : '\0';
}

template <typename T>
using PerLine = std::array<T, kMaxBasketLines>;

// The 23 doubles the sales log stores from the non-taxable total onward, in stored order.
struct BasketTotals {
  double non_taxable_total = 0;
  double taxable_total = 0;
  double net_total = 0;  // sum of the prices (sub total)
  double tax1_total = 0;
  double tax2_total = 0;
  double cost_total = 0;  // never rounded
  double grand_total = 0;
  double discount_total = 0;
  std::array<double, 5> reserved_totals{};
  double cash_back = 0;
  double cash_amount = 0;
  double eft_amount = 0;
  double reserved_loaded = 0;  // filled only when a stored transaction is loaded back
  double cheque_amount = 0;
  std::array<double, 2> reserved_payments{};
  double balance_before = 0;  // customer balance before a payment on credit
  double balance_after = 0;   // customer balance after a payment on credit
  double reserved_last = 0;

  bool operator==(const BasketTotals&) const = default;
};

// The text fields and the reserved values after them, in stored order; note is the last field.
struct BasketTexts {
  FixedText<20> sale_time{};  // "%02d:%02d"
  FixedText<20> sale_date{};
  FixedText<40> customer_name{};
  std::array<FixedText<30>, 5> customer_text{};
  FixedText<40> payment_type{};  // "Cash", "CH", "EFT", "Split", "Credit", "Refund"
  FixedText<40> reserved_text1{};
  FixedText<40> reserved_text2{};
  FixedText<40> reserved_text3{};
  FixedText<40> reserved_text4{};
  FixedText<40> reserved_text5{};
  FixedText<20> reserved_text6{};
  FixedText<40> reserved_text7{};
  FixedText<40> reserved_text8{};
  FixedText<80> reserved_text9{};
  FixedText<40> reserved_text10{};
  FixedText<40> reserved_text11{};
  int64_t reserved_number = 0;
  double reserved_double1 = 0;
  double reserved_double2 = 0;
  FixedText<80> note{};  // the transaction note

  bool operator==(const BasketTexts&) const = default;
};

struct Basket {
  // Header.
  int64_t transaction_number = 0;  // set when payment starts
  int64_t reserved_header = 0;
  int64_t customer_number = 0;     // 0 = no customer
  PerLine<int64_t> item_number{};  // 0 = not an inventory item
  int32_t clerk_number = 0;        // set when payment is taken
  int32_t line_count = 0;          // 0 to 400; lines 0 to line_count - 1 are valid
  PerLine<FixedText<40>> description{};

  // Per-line amounts.
  PerLine<double> non_taxable_amount{};  // the price of a tax code 0 line, else 0
  PerLine<double> taxable_amount{};      // the price of a taxed line, else 0
  PerLine<double> tax1{};
  PerLine<double> tax2{};
  PerLine<double> cost{};        // the item's cost price
  PerLine<double> discount{};    // 0 for every line rung up
  PerLine<double> line_total{};  // price + tax 1 + tax 2

  BasketTotals totals;
  BasketTexts texts;

  bool empty() const { return line_count == 0; }
  bool operator==(const Basket&) const = default;
};

// One quick-select button: an item number (0 = empty), its description and its picture file
// ("m<number>.bmp" or "STOCK<n>.bmp").
struct QuickSelectSlot {
  int64_t item_number = 0;
  FixedText<40> description{};
  FixedText<40> picture{};
};

// The page of quick-select buttons; the sale screen shows as many slots as its layout has room
// for (SaleScreen::quick_select_count), the rest stay empty.
using QuickSelectPage = std::array<QuickSelectSlot, kMaxQuickSelectSlots>;

// The sale screen's basket state for one run. The current quick-select category and the trade
// price option live in the settings record (they are saved with it); the flags here are
// per-run only.
struct SaleState {
  Basket basket;                     // the open sale
  std::vector<Basket> parked;        // kParkedBaskets images, slot n-1 = basket n
  int basket_number = 1;             // 1 to 16, also the table number
  std::vector<std::string> list;     // the basket list, one string per line
  int selected_line = -1;            // index into list, -1 = none
  QuickSelectPage quick_select;      // the page of quick-select buttons
  bool payment_in_progress = false;  // a tender dialog is open
  bool repeat_running = false;       // silences the item tone and pole display

  SaleState() : parked(kParkedBaskets) {}
};

// --- line arithmetic, shared by every way a line is added or removed ---

// One unit to be added as a basket line.
struct LineEntry {
  int64_t item_number = 0;  // 0 for a line that is not an inventory item
  std::string description;
  double price = 0;  // the net price; 0 for a free line
  double cost = 0;
  int tax_code = kTaxCodeNone;
  bool no_tax_rounding = false;
};

// How many lines of `basket` hold `item_number`.
int CountLinesOf(const Basket& basket, int64_t item_number);

// Fills the line after the last one and adds its amounts to the totals: a line priced 0 has no
// tax and adds only its cost. Gives the line's index, or -1 (nothing changed) when the basket
// already holds kMaxBasketLines lines.
int AppendLine(Basket& basket, const LineEntry& entry, const TaxRules& rules);

// Takes line `index` off the totals and moves the later lines up by one. Removing the last
// remaining line leaves an empty basket (customer and note included). An index outside the
// lines changes nothing.
void RemoveLine(Basket& basket, int index);

// Copies the customer's number, name and the five customer texts (road, area, town, postcode,
// telephone) into the sale.
void SetBasketCustomer(Basket& basket, const CustomerRecord& customer);

// List strings. A line just added shows the stock read before this sale; the strings rebuilt
// for a basket brought back from its slot have no stock figure. `hide_numbers`: the settings
// show descriptions only.
std::string AddedLineText(int64_t item_number, std::string_view description, int32_t stock,
                          double line_total, bool hide_numbers);
std::string RebuiltLineText(const Basket& basket, int index, bool hide_numbers);
// A line that is not an inventory item: "%s  %.2f".
std::string NonInventoryLineText(std::string_view description, double line_total);

}  // namespace ventro
