#include "formats/settings_record.h"

#include <cstring>
#include <utility>

#include "base/format.h"

namespace ventro {
namespace {

// The blocks the first run clears: 100 i32, 60 i64, 100 i64 and the 80 i64 that end the record.
struct Block {
  size_t offset;
  size_t length;
};
constexpr Block kFirstRunZeroBlocks[] = {
    {3912, 100 * 4}, {4312, 60 * 8}, {13418, 100 * 8}, {14378, 80 * 8}};
static_assert(14378 + 80 * 8 == SettingsRecord::kSize);

constexpr const char* kDefaultCategoryCodes[SettingsRecord::kCategoryCount] = {
    "ALC", "BEE", "BOO", "CAN", "CAR", "COF", "DEL", "DRI", "DVD",
    "FRO", "FRU", "HAR", "MSC", "PAP", "POP", "TEA", "SWE", "WIN"};
constexpr int32_t kDefaultCustomInvoiceLayout[SettingsRecord::kCustomInvoiceElements] = {
    7, 8, 9, 0, 0, 11, 15, 18, 41, 48, 40, 30, 31, 0, 34, 16, 13, 49};
// Custom receipt layout defaults as (element, line); the other elements are 0.
constexpr std::pair<int, int32_t> kDefaultCustomReceiptLayout[] = {
    {0, 1}, {1, 2}, {2, 3}, {3, 4}, {5, 5}, {6, 7}, {7, 4}, {14, 2}, {15, 8}};

// Categories 0 to 8 are stored in one run and 9 to 17 in another.
template <class Element>
const cfg::Array<Element>& Run(int c, const cfg::Array<Element>& low,
                               const cfg::Array<Element>& high) {
  return c < low.count ? low : high;
}

}  // namespace

void SettingsRecord::ApplyFirstRunDefaults(const LocalTime& today) {
  for (const Block& block : kFirstRunZeroBlocks)
    std::memset(data() + block.offset, 0, block.length);
  for (int c = 0; c < kCategoryCount; ++c) SetCategoryCode(c, kDefaultCategoryCodes[c]);
  for (int band = 1; band <= kTermsBandCount; ++band) {
    Set(cfg::kTermsDiscount, band, band);
    Set(cfg::kTermsCredit, band, band);
  }
  Set(cfg::kMarker99, 99);
  Set(cfg::kFirstRunDayOfMonth, today.day);
  Set(cfg::kMarker1, 1);
  Set(cfg::kTax1Active, 2);
  Set(cfg::kTax1Rate, 2000);
  Set(cfg::kPermitInsufficientStock, 2);
  Set(cfg::kNextTransaction, 1);
  Set(cfg::kMarker2, 2);
  Set(cfg::kTaxName, 1, "VAT 1");
  Set(cfg::kTaxName, 2, "VAT 2");
  Set(cfg::kDefaultTillTotal, 100.0);
  for (const auto& [element, line] : kDefaultCustomReceiptLayout) {
    Set(cfg::kCustomReceiptLayout, element, line);
  }
  Set(cfg::kDrawerSequence, "27,112,0,25,250");
  Set(cfg::kClerkName, 1, "Administrator");
  Set(cfg::kClerkName, 2, "Manager");
  for (int n = 3; n <= kClerkCount; ++n) Set(cfg::kClerkName, n, StringPrintf("Clerk %d", n));
  for (int n = 1; n < kClerkCount; ++n) Set(cfg::kClerkPassword, n, "");
  Set(cfg::kReceiptFooter, "Always happy to help!");
  Date date{today.day, today.month, today.year};
  Set(cfg::kHistoryFrom, date);
  Set(cfg::kFirstRunDate, date);
  Set(cfg::kCurrentCategory, kFirstRunCategory);
  Set(cfg::kDrawerConnection, 2);
  Set(cfg::kReceiptLogo, 2);
  for (int e = 0; e < kCustomInvoiceElements; ++e) {
    Set(cfg::kCustomInvoiceLayout, e, kDefaultCustomInvoiceLayout[e]);
  }
  for (int k = 0; k < kCustomInvoiceOptionCount; ++k) Set(cfg::kCustomInvoiceOption, k, 1);
}

std::string SettingsRecord::CategoryCode(int c) const {
  if (c == kAllCategories) return "ALL";
  return Get(Run(c, cfg::kCategoryCodeLow, cfg::kCategoryCodeHigh), c);
}
void SettingsRecord::SetCategoryCode(int c, std::string_view code) {
  Set(Run(c, cfg::kCategoryCodeLow, cfg::kCategoryCodeHigh), c, code);
}

int32_t SettingsRecord::CategorySoldA(int c) const {
  return Get(Run(c, cfg::kCategorySoldALow, cfg::kCategorySoldAHigh), c);
}
void SettingsRecord::SetCategorySoldA(int c, int32_t value) {
  Set(Run(c, cfg::kCategorySoldALow, cfg::kCategorySoldAHigh), c, value);
}
int32_t SettingsRecord::CategorySoldB(int c) const {
  return Get(Run(c, cfg::kCategorySoldBLow, cfg::kCategorySoldBHigh), c);
}
void SettingsRecord::SetCategorySoldB(int c, int32_t value) {
  Set(Run(c, cfg::kCategorySoldBLow, cfg::kCategorySoldBHigh), c, value);
}

}  // namespace ventro
