#include "print/invoice_texts.h"

#include <algorithm>

#include "base/bytes.h"
#include "base/format.h"

namespace ventro {
namespace {

// Band t's credit period code is a 64-bit value at 4472 + 8t, its discount code a 32-bit value
// at 36 + 4t (bands 1 to 8), as the customer screens read them.
constexpr size_t kCreditCodeBase = 4472;
constexpr size_t kDiscountCodeBase = 36;
constexpr int32_t kBands = 8;
constexpr int kHeadingLines = 6;

constexpr const char* kDiscountWords[] = {"Nett",     "2% disc",  "5% disc",  "10% disc",
                                          "20% disc", "30% disc", "40% disc", "50% disc"};
// Credit codes 2 to 8; code 1 is "No credit".
constexpr const char* kDays[] = {"10 days", "20 days",  "30 days", "60 days",
                                 "90 days", "120 days", "180 days"};

struct TermsWords {
  std::string discount;  // empty for a code outside the table
  std::string days;      // empty for "No credit" and codes outside the table
};

TermsWords WordsOf(const SettingsRecord& settings, int32_t terms) {
  TermsWords words;
  if (terms < 1 || terms > kBands) return words;
  const uint8_t* data = settings.data();
  const int32_t discount = GetI32(data + kDiscountCodeBase + 4 * static_cast<size_t>(terms));
  if (discount >= 1 && discount <= 8) words.discount = kDiscountWords[discount - 1];
  const int64_t credit = GetI64(data + kCreditCodeBase + 8 * static_cast<size_t>(terms));
  if ((static_cast<uint64_t>(credit) >> 32) == 0 && credit >= 2 && credit <= 8) {
    words.days = kDays[credit - 2];
  }
  return words;
}

}  // namespace

std::string DiscountFirstTerms(const SettingsRecord& settings, int32_t terms) {
  const TermsWords words = WordsOf(settings, terms);
  if (words.days.empty()) return words.discount;
  return words.discount + ", " + words.days;
}

std::string DiscountCommaTerms(const SettingsRecord& settings, int32_t terms) {
  const TermsWords words = WordsOf(settings, terms);
  if (words.discount.empty()) return words.days;
  return words.discount + ", " + words.days;
}

std::vector<std::string> BalanceLines(const Basket& basket) {
  if (TextOf(basket.texts.payment_type) != "Credit" || basket.customer_number == 0) return {};
  return {"Previous balance: " + FormatAmount(basket.totals.balance_before),
          "Balance: " + FormatAmount(basket.totals.balance_after)};
}

std::vector<HeadingPlace> CustomInvoiceHeadings(const SettingsRecord& settings) {
  std::vector<HeadingPlace> places;
  for (int element = 0; element < kHeadingLines; ++element) {
    const int line = settings.Get(cfg::kCustomInvoiceLayout, element);
    if (line > 0) places.push_back({element, std::min(line, kMaxHeadingLine)});
  }
  return places;
}

}  // namespace ventro
