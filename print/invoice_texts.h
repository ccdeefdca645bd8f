// The words of the invoices that depend on the customer and the document: the payment terms in
// the two forms the documents use, the balance lines of a credit sale and the heading lines
// each document places.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "sale/basket.h"

namespace ventro {

// The second invoice's terms: the discount word ("Nett" ... "50% disc") and the credit period
// (", 10 days" ... ", 180 days"), e.g. "5% disc, 30 days". A band outside 1 to 8 or a code
// outside its table gives no word; "No credit" adds no days.
std::string DiscountFirstTerms(const SettingsRecord& settings, int32_t terms);

// The custom invoice's and delivery note's terms: "Nett, " ... "50% disc, " followed by "10
// days" ... "180 days", e.g. "5% disc, 30 days"; the same rules for codes outside the tables.
std::string DiscountCommaTerms(const SettingsRecord& settings, int32_t terms);

// "Previous balance: %.2f" and "Balance: %.2f" of a credit sale; nothing for other sales.
std::vector<std::string> BalanceLines(const Basket& basket);

// A store heading line (element 0 the store name, 1 to 4 the address, 5 the telephone) and the
// line it is printed on.
struct HeadingPlace {
  int element = 0;
  int line = 0;
};

// The custom invoice's six heading lines from the settings, those set to 0 left out.
std::vector<HeadingPlace> CustomInvoiceHeadings(const SettingsRecord& settings);

// The heading line a stored line number may name; larger ones are held here so a damaged
// settings file cannot push text off any page.
inline constexpr int kMaxHeadingLine = 60;

}  // namespace ventro
