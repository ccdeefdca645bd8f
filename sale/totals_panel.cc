#include "sale/totals_panel.h"

#include "base/format.h"
#include "devices/pole_display.h"
#include "sale/sale_session.h"

namespace ventro {

std::vector<PanelFigure> PaintTotalsPanel(const SettingsRecord& settings, const Basket& basket) {
  const BasketTotals& totals = basket.totals;
  std::vector<PanelFigure> panel;
  panel.push_back({"lines", StringPrintf("%d", basket.line_count), PanelColour::kStatus});
  panel.push_back({"transaction",
                   StringPrintf("Transaction: %d", settings.Get(cfg::kNextTransaction)),
                   PanelColour::kStatus});
  if (settings.Get(cfg::kTradePrices) == 2)
    panel.push_back({"trade", "Trade", PanelColour::kStatus});
  if (settings.Get(cfg::kSku1Selection) == 2)
    panel.push_back({"barcode", "Barcode", PanelColour::kStatus});
  if (basket.line_count == 0) return panel;

  auto grey = [&panel](const char* name, double amount) {
    panel.push_back({name, FormatAmount(amount), PanelColour::kGrey});
  };
  grey("taxable", totals.taxable_total);
  grey("non_taxable", totals.non_taxable_total);
  grey("net", totals.net_total);
  grey("tax1", totals.tax1_total);
  grey("tax2", totals.tax2_total);
  if (totals.discount_total != 0) {
    panel.push_back(
        {"discount", "(" + FormatAmount(totals.discount_total) + ")", PanelColour::kGrey});
  }
  panel.push_back({"grand", FormatAmount(totals.grand_total), PanelColour::kDark});
  const double rate = settings.Get(cfg::kSecondCurrencyRate);
  if (settings.Get(cfg::kDisplaySecondCurrency) == 2 && rate > 0) {
    panel.push_back(
        {"second_currency",
         settings.Get(cfg::kSecondCurrencySymbol) + FormatAmount(totals.grand_total * rate),
         PanelColour::kDark});
  }
  return panel;
}

void RefreshTotals(SaleSession& session) {
  session.window.ScreenChanged();
  if (session.settings.Get(cfg::kPoleInUse) != 0) PoleShowTotals(session);
  if (session.settings.Get(cfg::kSoundsOff) == 0 && !session.sale.repeat_running) {
    session.platform.sound.Play(SoundId::kDone);
  }
}

void PoleShowTotals(SaleSession& session) {
  ShowPoleTotal(session.platform, session.settings, session.sale.basket.totals.grand_total);
}

void PoleShowLastItem(SaleSession& session) {
  const Basket& basket = session.sale.basket;
  if (basket.line_count == 0) return;
  const auto last = static_cast<size_t>(basket.line_count - 1);
  ShowPoleLastItem(session.platform, session.settings, TextOf(basket.description[last]),
                   basket.line_total[last]);
}

void PoleShowIdleText(SaleSession& session) {
  ShowPolePassiveText(session.platform, session.settings);
}

}  // namespace ventro
