// The totals panel of the sale screen as data: what it shows, in the order it shows it. The
// Qt window draws it; the script driver prints it for `dump basket`.
#pragma once

#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "sale/basket.h"

namespace ventro {

struct SaleSession;

enum class PanelColour {
  kStatus,  // the line count, transaction number and mode words
  kGrey,    // the totals column (RGB 100,100,100)
  kDark,    // the grand total and second currency (RGB 20,20,20)
};

struct PanelFigure {
  std::string name;  // a stable key: "lines", "transaction", "grand", ...
  std::string text;  // as shown
  PanelColour colour = PanelColour::kStatus;
};

// The panel's content: "lines" (the line count), "transaction" ("Transaction: %d" with the
// next transaction number), "trade" ("Trade") while trade prices are on, "barcode" while
// barcode entry is on (the window shows a picture for it); with lines in the basket, the
// right-aligned column "taxable", "non_taxable", "net", "tax1", "tax2", "discount" ("(%.2f)",
// only when not 0), "grand", and "second_currency" (symbol and grand total converted) when the
// second currency is shown and its rate is above 0.
std::vector<PanelFigure> PaintTotalsPanel(const SettingsRecord& settings, const Basket& basket);

// After the basket changed: the screen is shown again, the pole display follows when in use,
// and the item tone sounds unless sounds are off or a repeat is running.
void RefreshTotals(SaleSession& session);

// The pole display's messages for the basket: the total, the last line rung up, the idle text.
// Each is called only while the settings have the pole display in use.
void PoleShowTotals(SaleSession& session);
void PoleShowLastItem(SaleSession& session);
void PoleShowIdleText(SaleSession& session);

}  // namespace ventro
