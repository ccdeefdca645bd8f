#include "setup/config_general_page.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "base/format.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

// Start points are accepted from 1 up to (not including) this.
constexpr int64_t kStartPointLimit = 10'000'000'000'000'000;
// Long enough that cutting a script's value never turns a refused number into an accepted one.
constexpr size_t kStartPointLength = 20;
constexpr size_t kAmountLength = 16;
constexpr size_t kTaxNameLength = 5;
constexpr size_t kCategoryCodeLength = 3;
constexpr size_t kCurrencySymbolLength = 3;
constexpr int kMaxDiscountRate = 80;
// The new-inventory category list shows this entry while none has been chosen.
constexpr int kShownNewCategory = 14;
// The history-from year list never offers more years than this.
constexpr int kMaxHistoryYears = 200;

constexpr int kTaxCodeCount = 4;

std::vector<std::string> TaxCodes() { return {"Non taxable", "Tax 1 and 2", "Tax 1", "Tax 2"}; }

std::string CategoryKey(int c) { return StringPrintf("category%d", c + 1); }

std::vector<std::string> CategoryCodes(const SettingsRecord& settings, bool with_all) {
  std::vector<std::string> codes;
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c)
    codes.push_back(settings.CategoryCode(c));
  if (with_all) codes.push_back(settings.CategoryCode(SettingsRecord::kAllCategories));
  return codes;
}

// The next available start point as shown: the stored last number + 1.
std::string ShownStartPoint(int64_t last) {
  if (last < std::numeric_limits<int64_t>::max()) ++last;
  return StringPrintf("%lld", static_cast<long long>(last));
}

// A start point typed in the page, stored as value - 1; false when out of bounds.
bool ReadStartPoint(const Dialog& dialog, const std::string& key, int64_t& last) {
  int64_t value = AtoI64(FieldText(dialog, key));
  if (value < 1 || value >= kStartPointLimit) return false;
  last = value - 1;
  return true;
}

// A rate shown with the digits it needs, so that applying the page again stores the same
// value: "1.25" rather than "1.2500000000".
std::string ShownRate(double rate) {
  std::string text = FormatFixed(rate, 10);
  size_t end = text.find_last_not_of('0');
  if (end != std::string::npos && text[end] == '.') --end;
  return text.substr(0, end + 1);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The first year the history-from list offers: the first-run year, or this year when the
// stored one is unusable; at most kMaxHistoryYears years back.
int FirstHistoryYear(const SettingsRecord& settings, const LocalTime& today) {
  int first = settings.Get(cfg::kFirstRunDate).year;
  if (first < 1 || first > today.year) first = today.year;
  return std::max(first, today.year - kMaxHistoryYears + 1);
}

// The new-inventory list entry shown for the stored choice + 1.
int ShownNewCategory(int32_t stored) {
  if (stored == 0) return kShownNewCategory;
  return stored >= 1 && stored <= SettingsRecord::kCategoryCount ? stored - 1 : -1;
}

DialogField Check(const char* key, const char* label, bool checked, const char* group = "") {
  DialogField field = CheckField(key, label, checked);
  field.group = group;
  return field;
}

void Build(const ConfigSheetContext& context, const SettingsRecord& s, Dialog& d) {
  d.Add(NumberField("inventory_start", "Inventory next available start point",
                    ShownStartPoint(s.Get(cfg::kLastInventoryNumber)), kStartPointLength));
  d.Add(NumberField("customer_start", "Customer next available start point ",
                    ShownStartPoint(s.Get(cfg::kLastCustomerNumber)), kStartPointLength));

  int start = s.Get(cfg::kStartCategory);
  d.Add(ChoiceField("display_category", "Default display button category", CategoryCodes(s, true),
                    start >= 1 && start <= SettingsRecord::kCategoryCount + 1 ? start - 1 : -1));
  d.Add(ChoiceField("new_category", "Default new inventory category", CategoryCodes(s, false),
                    ShownNewCategory(s.Get(cfg::kDefaultNewCategory))));

  d.Add(TextField("till_total", "Default start of day till total",
                  FormatAmount(s.Get(cfg::kDefaultTillTotal)), kAmountLength));
  d.Add(TextField("tax1_name", "Tax 1 description", s.Get(cfg::kTaxName, 1), kTaxNameLength));
  d.Add(TextField("tax2_name", "Tax 2 description", s.Get(cfg::kTaxName, 2), kTaxNameLength));
  d.Add(NoteField("tax_name_note", "To 5 characters"));
  int tax_code = s.Get(cfg::kDefaultTaxCode);
  d.Add(ChoiceField("tax_code", "Default inventory tax code", TaxCodes(),
                    tax_code >= 0 && tax_code < kTaxCodeCount ? tax_code : -1));
  int rate = s.Get(cfg::kDiscountButtonRate);
  d.Add(ChoiceField("discount_rate", "Default rate for discount button",
                    NumberList(0, kMaxDiscountRate),
                    rate >= 0 && rate <= kMaxDiscountRate ? rate : -1));

  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    DialogField code = TextField(CategoryKey(c), StringPrintf("%d", c + 1), s.CategoryCode(c),
                                 kCategoryCodeLength);
    code.group = "Categories (3 characters)";
    d.Add(std::move(code));
  }

  const LocalTime& today = context.today;
  int first_year = FirstHistoryYear(s, today);
  Date from = s.Get(cfg::kHistoryFrom);
  DialogField day = ChoiceField("history_day", "Day", NumberList(1, 31),
                                from.day >= 1 && from.day <= 31 ? from.day - 1 : -1);
  DialogField month = ChoiceField("history_month", "Month", NumberList(1, 12),
                                  from.month >= 1 && from.month <= 12 ? from.month - 1 : -1);
  DialogField year =
      ChoiceField("history_year", "Year", NumberList(first_year, today.year),
                  from.year >= first_year && from.year <= today.year ? from.year - first_year : -1);
  for (DialogField* field : {&day, &month, &year}) {
    field->group = "History from:";
    d.Add(std::move(*field));
  }

  d.Add(Check("summary_box",
              "Display summary box after each transaction (with receipt and invoice print "
              "buttons).",
              s.Get(cfg::kNoSummaryBox) == 0));
  d.Add(Check("customer_list",
              "Display customer searches as a list rather than individual matches.",
              s.Get(cfg::kCustomerSearchList) != 0));
  d.Add(Check("inventory_list",
              "Display inventory description searches as a list rather than individual "
              "matches.",
              s.Get(cfg::kInventorySearchList) != 0));
  d.Add(Check("permit_insufficient", "Permit transaction if stock level is insufficient.",
              s.Get(cfg::kPermitInsufficientStock) != 0));
  d.Add(Check("omit_monthly", "Omit monthly till totals from overview printout",
              s.Get(cfg::kOmitMonthlyTillTotals) != 0));
  d.Add(TextField("currency_symbol", "Currency symbol", s.Get(cfg::kCurrencySymbol),
                  kCurrencySymbolLength));

  d.Add(Check("second_currency", "Display second currency", s.Get(cfg::kDisplaySecondCurrency) != 0,
              "Second currency"));
  DialogField symbol = TextField("second_symbol", "Currency symbol",
                                 s.Get(cfg::kSecondCurrencySymbol), kCurrencySymbolLength);
  symbol.group = "Second currency";
  d.Add(std::move(symbol));
  DialogField conversion = TextField("second_rate", "Conversion rate",
                                     ShownRate(s.Get(cfg::kSecondCurrencyRate)), kAmountLength);
  conversion.group = "Second currency";
  d.Add(std::move(conversion));

  d.Add(Check("description_only",
              "Display cart items with just description (default is barcode and description).",
              s.Get(cfg::kCartDescriptionOnly) != 0));
  d.Add(Check("sku1_selection",
              "Use SKU 1 for cart item selection (default is the number field). Ensure unique.",
              s.Get(cfg::kSku1Selection) != 0));
  d.Add(Check("trade_percentage", "Use percentage discount for trade sales",
              s.Get(cfg::kTradePercentageDiscount) != 0));
  d.Add(TextField("trade_discount", "Discount (say 5 or 5.62)",
                  FormatAmount(s.Get(cfg::kTradeDiscountPercent)), kAmountLength));
  d.Add(Check("discount_on_total", "Apply discounts on total amount not nett",
              s.Get(cfg::kDiscountOnTotal) != 0));
  d.Add(Check("reorder_alerts", "Display reorder alerts during sale",
              s.Get(cfg::kReorderAlerts) != 0));
  d.Add(Check("no_inventory_offer", "Do not offer on new inventory box",
              s.Get(cfg::kNoNewInventoryOffer) != 0));
  d.Add(Check("no_customer_offer", "Do not offer on new customer box",
              s.Get(cfg::kNoNewCustomerOffer) != 0));
}

void ApplyHistoryFrom(const ConfigSheetContext& context, const Dialog& d, SettingsRecord& s) {
  const LocalTime& today = context.today;
  int first_year = FirstHistoryYear(s, today);
  int day = FieldChoice(d, "history_day", 31);
  int month = FieldChoice(d, "history_month", 12);
  int year = FieldChoice(d, "history_year", today.year - first_year + 1);
  if (day < 0 || month < 0 || year < 0) return;
  Date from{day + 1, month + 1, first_year + year};
  // A day the month does not have (31 April) would start every history list at a date that
  // does not exist; it is refused like a date after today.
  if (from.day > DaysInMonth(from.month, from.year)) return;
  if (std::tie(from.year, from.month, from.day) > std::tie(today.year, today.month, today.day)) {
    return;
  }
  s.Set(cfg::kHistoryFrom, from);
}

void Apply(const ConfigSheetContext& context, const Dialog& d, SettingsRecord& s) {
  int64_t last = 0;
  if (ReadStartPoint(d, "inventory_start", last)) s.Set(cfg::kLastInventoryNumber, last);
  if (ReadStartPoint(d, "customer_start", last)) s.Set(cfg::kLastCustomerNumber, last);

  int start = FieldChoice(d, "display_category", SettingsRecord::kCategoryCount + 1);
  if (start >= 0) s.Set(cfg::kStartCategory, start + 1);
  int fresh = FieldChoice(d, "new_category", SettingsRecord::kCategoryCount);
  if (fresh >= 0) s.Set(cfg::kDefaultNewCategory, fresh + 1);

  double till = AtoF(FieldText(d, "till_total"));
  if (till >= 0) s.Set(cfg::kDefaultTillTotal, till);
  s.Set(cfg::kTaxName, 1, FieldText(d, "tax1_name"));
  s.Set(cfg::kTaxName, 2, FieldText(d, "tax2_name"));
  int tax_code = FieldChoice(d, "tax_code", kTaxCodeCount);
  if (tax_code >= 0) s.Set(cfg::kDefaultTaxCode, tax_code);
  int rate = FieldChoice(d, "discount_rate", kMaxDiscountRate + 1);
  if (rate >= 0) s.Set(cfg::kDiscountButtonRate, rate);

  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    std::string code = FieldText(d, CategoryKey(c));
    if (code.size() >= kCategoryCodeLength) s.SetCategoryCode(c, code.substr(0, 3));
  }
  ApplyHistoryFrom(context, d, s);

  auto checked = [&d](const char* key) { return d.Field(key).checked; };
  s.Set(cfg::kNoSummaryBox, checked("summary_box") ? 0 : 1);
  s.Set(cfg::kCustomerSearchList, checked("customer_list") ? 1 : 0);
  s.Set(cfg::kInventorySearchList, checked("inventory_list") ? 1 : 0);
  s.Set(cfg::kPermitInsufficientStock, OnOff(checked("permit_insufficient")));
  s.Set(cfg::kOmitMonthlyTillTotals, OnOff(checked("omit_monthly")));
  s.Set(cfg::kCurrencySymbol, FieldText(d, "currency_symbol"));

  s.Set(cfg::kDisplaySecondCurrency, OnOff(checked("second_currency")));
  if (checked("second_currency")) {
    s.Set(cfg::kSecondCurrencySymbol, FieldText(d, "second_symbol"));
    s.Set(cfg::kSecondCurrencyRate, AtoF(FieldText(d, "second_rate")));
  }

  s.Set(cfg::kCartDescriptionOnly, OnOff(checked("description_only")));
  s.Set(cfg::kSku1Selection, OnOff(checked("sku1_selection")));
  s.Set(cfg::kTradePercentageDiscount, OnOff(checked("trade_percentage")));
  double discount = AtoF(FieldText(d, "trade_discount"));
  if (discount >= 0 && discount <= 100) s.Set(cfg::kTradeDiscountPercent, discount);
  s.Set(cfg::kDiscountOnTotal, OnOff(checked("discount_on_total")));
  s.Set(cfg::kReorderAlerts, OnOff(checked("reorder_alerts")));
  s.Set(cfg::kNoNewInventoryOffer, checked("no_inventory_offer") ? 1 : 0);
  s.Set(cfg::kNoNewCustomerOffer, checked("no_customer_offer") ? 1 : 0);
}

}  // namespace

ConfigPage GeneralConfigPage() { return {"General", Build, Apply, nullptr}; }

}  // namespace ventro
