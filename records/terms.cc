#include "records/terms.h"

#include "base/bytes.h"

namespace ventro {
namespace {

// Band t's credit period code is a 64-bit value at 4472 + 8t, its discount code a 32-bit
// value at 36 + 4t (bands 1 to 8).
constexpr size_t kCreditCodeBase = 4472;
constexpr size_t kDiscountCodeBase = 36;
constexpr int32_t kBands = 8;

constexpr const char* kCreditTexts[] = {"No credit, ", "10 days, ", "20 days, ",  "30 days, ",
                                        "60 days, ",   "90 days, ", "120 days, ", "180 days, "};
constexpr const char* kDiscountTexts[] = {"Nett",     "2% disc",  "5% disc",  "10% disc",
                                          "20% disc", "30% disc", "40% disc", "50% disc"};

}  // namespace

std::string TermsText(const SettingsRecord& settings, int32_t terms) {
  std::string text = kCreditTexts[0];
  if (terms < 1 || terms > kBands) return text;
  const uint8_t* data = settings.data();

  int64_t credit = GetI64(data + kCreditCodeBase + 8 * static_cast<size_t>(terms));
  // Only a code whose upper half is clear counts.
  if ((static_cast<uint64_t>(credit) >> 32) == 0 && credit >= 2 && credit <= 8) {
    text = kCreditTexts[credit - 1];
  }
  int32_t discount = GetI32(data + kDiscountCodeBase + 4 * static_cast<size_t>(terms));
  if (discount >= 1 && discount <= 8) text += kDiscountTexts[discount - 1];
  return text;
}

}  // namespace ventro
