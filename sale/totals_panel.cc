#include "sale/totals_panel.h"

#include "app/ventro.h"
#include "base/format.h"
#include "devices/pole_display.h"

namespace ventro {

std::vector<PanelFigure> PaintTotalsPanel(const Ventro& ventro) {
  const SettingsRecord& settings = ventro.settings;
  const Basket& basket = ventro.sale.basket;
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

void RefreshTotals(Ventro& ventro) {
  ventro.host.ScreenChanged();
  if (ventro.settings.Get(cfg::kPoleInUse) != 0) PoleShowTotals(ventro);
  if (ventro.settings.Get(cfg::kSoundsOff) == 0 && !ventro.sale.repeat_running) {
    ventro.platform.sound.Play(SoundId::kDone);
  }
}

void PoleShowTotals(Ventro& ventro) {
  ShowPoleTotal(ventro.platform, ventro.settings, ventro.sale.basket.totals.grand_total);
}

void PoleShowLastItem(Ventro& ventro) {
  const Basket& basket = ventro.sale.basket;
  if (basket.line_count == 0) return;
  const auto last = static_cast<size_t>(basket.line_count - 1);
  ShowPoleLastItem(ventro.platform, ventro.settings, TextOf(basket.description[last]),
                   basket.line_total[last]);
}

void PoleShowIdleText(Ventro& ventro) { ShowPolePassiveText(ventro.platform, ventro.settings); }

}  // namespace ventro
