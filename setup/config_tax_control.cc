#include "setup/config_tax_control.h"

#include <cstdint>
#include <string>

#include "base/format.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr int64_t kMaxRate = 9999;
// Long enough that cutting a script's value never turns a refused rate into an accepted one.
constexpr size_t kRateLength = 10;
constexpr size_t kAmountLength = 16;

std::string ShownRate(int64_t rate) { return StringPrintf("%lld", static_cast<long long>(rate)); }

Dialog BuildDialog(const SettingsRecord& s) {
  Dialog d;
  d.name = "TAX CONTROL";
  d.title = "TAX CONTROL";
  d.Add(CheckField("tax1", "Tax 1", s.Get(cfg::kTax1Active) != 0));
  d.Add(NumberField("tax1_rate", "Tax 1 rate", ShownRate(s.Get(cfg::kTax1Rate)), kRateLength));
  d.Add(CheckField("tax2", "Tax 2", s.Get(cfg::kTax2Active) != 0));
  d.Add(NumberField("tax2_rate", "Tax 2 rate", ShownRate(s.Get(cfg::kTax2Rate)), kRateLength));
  d.Add(CheckField("compound", "On total + tax 1", s.Get(cfg::kTax2Compound) != 0));
  d.Add(CheckField("threshold_only", "Only apply to amounts over",
                   s.Get(cfg::kTax1ThresholdOnly) != 0));
  d.Add(TextField("threshold", "Amount", FormatAmount(s.Get(cfg::kTax1Threshold)), kAmountLength));
  d.Add(NoteField("rate_note", "The rate is entered as a value from 0 to 9999"));
  d.Add(NoteField("example_note", "For example, 10% is entered as 1000"));
  return d;
}

// A rate typed in the dialog: a whole number 0 to 9999, or nothing.
bool ReadRate(const Dialog& d, const std::string& key, int64_t& rate) {
  int64_t value = AtoI64(FieldText(d, key));
  if (value < 0 || value > kMaxRate) return false;
  rate = value;
  return true;
}

}  // namespace

void RunTaxControl(Ui& ui, SettingsRecord& settings) {
  Dialog d = BuildDialog(settings);
  if (!ui.RunDialog(d) || !d.Pressed("OK")) return;

  settings.Set(cfg::kTax1Active, OnOff(d.Field("tax1").checked));
  settings.Set(cfg::kTax2Active, OnOff(d.Field("tax2").checked));
  settings.Set(cfg::kTax2Compound, OnOff(d.Field("compound").checked));
  settings.Set(cfg::kTax1ThresholdOnly, OnOff(d.Field("threshold_only").checked));
  double threshold = AtoF(FieldText(d, "threshold"));
  if (threshold >= 0) settings.Set(cfg::kTax1Threshold, threshold);
  int64_t rate = 0;
  if (ReadRate(d, "tax1_rate", rate)) settings.Set(cfg::kTax1Rate, rate);
  if (ReadRate(d, "tax2_rate", rate)) settings.Set(cfg::kTax2Rate, rate);
}

}  // namespace ventro
