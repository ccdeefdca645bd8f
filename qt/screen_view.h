// What the sale screen shows, as texts ready to draw. The host reads it from the core after
// every command and whenever the core reports a change; tests make one by hand.
#pragma once

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringList>

namespace ventro {

// One quick-select slot: item 0 is an empty slot.
struct QuickSelectView {
  int64_t item = 0;
  QString description;
  QString picture;  // the picture file's full path; empty when there is none
};

// One line of the totals column.
struct TotalsLine {
  QString label;
  QString amount;
  bool grand = false;  // the grand total and what follows it, drawn darker and larger
};

struct ScreenView {
  QString entry_text;
  QStringList basket_lines;
  int selected_line = -1;
  int basket_number = 1;  // 1 to 16, the table number

  int current_category = 0;                   // 0 to 17, or 18 for every category
  QStringList category_codes;                 // the codes of categories 0 to 17
  std::vector<QuickSelectView> quick_select;  // the page, slot 0 first

  QString line_count = QStringLiteral("0");
  QString transaction;             // "Transaction: N"
  bool trade = false;              // trade prices are in use
  bool barcode_mode = false;       // entries are matched against the barcode
  std::vector<TotalsLine> totals;  // empty while the basket has no lines

  bool tips_off = false;       // no tooltips on the screen buttons
  bool discount_open = false;  // the entry box's keys are ignored while set
};

}  // namespace ventro
