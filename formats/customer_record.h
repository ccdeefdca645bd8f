// One customer account as stored in customer.dat: a packed little-endian record of 1,242
// bytes. The fields below are read and written in place with CustomerRecord::Get and Set;
// bytes no field names are carried unchanged.
#pragma once

#include <cstdint>
#include <tuple>

#include "base/record_field.h"

namespace ventro {

class CustomerRecord;

// The fields of the customer record, by offset.
namespace cust {
using I32 = Field<int32_t, CustomerRecord>;
using I64 = Field<int64_t, CustomerRecord>;
using F64 = Field<double, CustomerRecord>;
using Text = StoredText<CustomerRecord>;

inline constexpr I64 kNumber{0};  // 1 to 10^17 for a live customer; below 1 for a free slot
inline constexpr Text kName{8, 30};
inline constexpr Text kRoad{38, 30};
inline constexpr Text kArea{68, 30};
inline constexpr Text kTown{98, 30};
inline constexpr Text kPostcode{128, 10};
inline constexpr Text kTelephone{138, 20};
inline constexpr Text kTelephoneExtension{158, 20};
inline constexpr Text kTelephone2{178, 20};
inline constexpr Text kFax{198, 20};
// Shipping name, road, area, town and post code.
inline constexpr Text kShippingAddress1{218, 60};
inline constexpr Text kShippingAddress2{278, 30};
inline constexpr Text kShippingAddress3{308, 30};
inline constexpr Text kShippingAddress4{338, 30};
inline constexpr Text kShippingAddress5{368, 10};
// Printed before the name in address lines.
inline constexpr Text kNamePrefix1{378, 6};
inline constexpr Text kNamePrefix2{384, 8};
inline constexpr Text kContact{392, 60};
inline constexpr Text kNotes{452, 200};
inline constexpr I32 kGroup{652};  // 1 to 2000 (the form calls it the category)
inline constexpr Text kComment{676, 30};
inline constexpr Text kCreditCard{706, 40};
inline constexpr Text kCreditCard2{746, 40};
inline constexpr Text kCreditCardExpiry{826, 20};
inline constexpr Text kCreditCard2Expiry{846, 20};
inline constexpr I32 kTerms{1006};  // entry of the settings' terms tables, 1 to 8 (TermsText)
inline constexpr I32 kLastTransaction{1010};
inline constexpr Text kComment2{1014, 40};
inline constexpr Text kEmail{1054, 40};
inline constexpr F64 kTotalPurchases{1094};
inline constexpr Text kOrigination{1114, 12};
inline constexpr Text kLastUsed{1126, 16};  // "hh:mmDD/MM/YYYY" of the last sale, or "NEW"
inline constexpr Text kLastPayment{1142, 16};
inline constexpr F64 kBalance{1158};  // positive: the customer owes the shop
inline constexpr F64 kCreditLimit{1166};
inline constexpr I32 kTransactions{1206};
inline constexpr I64 kTax{1210};
inline constexpr I32 kReservedFlag{1238};

// Every field, for the layout check and the layout test.
inline constexpr auto kLayout =
    std::tuple(kNumber, kName, kRoad, kArea, kTown, kPostcode, kTelephone, kTelephoneExtension,
               kTelephone2, kFax, kShippingAddress1, kShippingAddress2, kShippingAddress3,
               kShippingAddress4, kShippingAddress5, kNamePrefix1, kNamePrefix2, kContact, kNotes,
               kGroup, kComment, kCreditCard, kCreditCard2, kCreditCardExpiry, kCreditCard2Expiry,
               kTerms, kLastTransaction, kComment2, kEmail, kTotalPurchases, kOrigination,
               kLastUsed, kLastPayment, kBalance, kCreditLimit, kTransactions, kTax, kReservedFlag);
}  // namespace cust

class CustomerRecord : public FixedRecord<CustomerRecord, 1242> {
 public:
  static constexpr int64_t kMaxNumber = 100'000'000'000'000'000;  // 10^17

  // A slot whose number is below 1 is free (deleted or never used).
  bool IsDeleted() const { return Get(cust::kNumber) < 1; }
  // Frees the slot: number -1 and an empty name; the other bytes stay.
  void MarkDeleted();

  // The account values a newly added customer starts with: never bought ("NEW"), no payment,
  // no transaction.
  void InitialiseAddedCustomer();
};

static_assert(FitsWithoutOverlap(SpansOf(cust::kLayout), CustomerRecord::kSize));

}  // namespace ventro
