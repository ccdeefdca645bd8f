#include "setup/config_terms_page.h"

#include <string>
#include <vector>

#include "base/format.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr int kChoiceCount = 8;

std::vector<std::string> Discounts() { return {"Nett", "2", "5", "10", "20", "30", "40", "50"}; }
std::vector<std::string> Periods() {
  return {"No credit", "10", "20", "30", "60", "90", "120", "180"};
}

std::string DiscountKey(int band) { return StringPrintf("band%d_discount", band); }
std::string PeriodKey(int band) { return StringPrintf("band%d_period", band); }

// Bands store choice + 1; anything outside 1 to 8 is shown with no selection.
int Shown(int64_t stored) {
  return stored >= 1 && stored <= kChoiceCount ? static_cast<int>(stored) - 1 : -1;
}

void Build(const ConfigSheetContext&, const SettingsRecord& s, Dialog& d) {
  for (int band = 1; band <= SettingsRecord::kTermsBandCount; ++band) {
    std::string group = StringPrintf("Band %d", band);
    DialogField discount = ChoiceField(DiscountKey(band), "Discount", Discounts(),
                                       Shown(s.Get(cfg::kTermsDiscount, band)));
    discount.group = group;
    d.Add(std::move(discount));
    DialogField period =
        ChoiceField(PeriodKey(band), "Period", Periods(), Shown(s.Get(cfg::kTermsCredit, band)));
    period.group = group;
    d.Add(std::move(period));
  }
  d.Add(NoteField("terms_note", "The terms are displayed with customer information on invoices."));
  d.Add(NoteField("band_note", "The customer is allocated to a specific band."));
}

void Apply(const ConfigSheetContext&, const Dialog& d, SettingsRecord& s) {
  for (int band = 1; band <= SettingsRecord::kTermsBandCount; ++band) {
    int discount = FieldChoice(d, DiscountKey(band), kChoiceCount);
    if (discount >= 0) s.Set(cfg::kTermsDiscount, band, discount + 1);
    int period = FieldChoice(d, PeriodKey(band), kChoiceCount);
    if (period >= 0) s.Set(cfg::kTermsCredit, band, period + 1);
  }
}

}  // namespace

ConfigPage TermsConfigPage() { return {"Terms", Build, Apply, nullptr}; }

}  // namespace ventro
