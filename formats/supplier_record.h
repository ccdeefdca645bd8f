// One supplier as stored in suppliers.dat: a packed little-endian record of 1,094 bytes.
// Apart from the number every field is free text. The fields below are read and written in
// place with SupplierRecord::Get and Set; bytes no field names are carried unchanged.
#pragma once

#include <cstdint>
#include <tuple>

#include "base/record_field.h"

namespace ventro {

class SupplierRecord;

// The fields of the supplier record, by offset.
namespace supp {
using I32 = Field<int32_t, SupplierRecord>;
using I64 = Field<int64_t, SupplierRecord>;
using F64 = Field<double, SupplierRecord>;
using Text = StoredText<SupplierRecord>;

inline constexpr I64 kNumber{0};  // 1 to 2 * 10^15 when live
inline constexpr Text kName{8, 42};
// Three values shown by the item information view; never set here.
inline constexpr I32 kReservedNumber{50};
inline constexpr F64 kReservedValue1{58};
inline constexpr F64 kReservedValue2{66};
inline constexpr Text kRoad{74, 30};
inline constexpr Text kArea{104, 30};
inline constexpr Text kTown{134, 30};
inline constexpr Text kPostcode{164, 10};
inline constexpr Text kTelephone{174, 20};
inline constexpr Text kTelephoneExtension{194, 20};
inline constexpr Text kTelephone2{214, 20};
inline constexpr Text kFax{234, 20};
inline constexpr Text kContact{428, 60};
inline constexpr Text kNotes{488, 200};
inline constexpr Text kComment{692, 30};
inline constexpr Text kOrigination{722, 40};
inline constexpr Text kCreditLimit{762, 40};  // free text, not an amount
inline constexpr Text kTerms{802, 40};
inline constexpr Text kComment2{902, 40};
inline constexpr Text kEmail{942, 40};

// Every field, for the layout check and the layout test.
inline constexpr auto kLayout =
    std::tuple(kNumber, kName, kReservedNumber, kReservedValue1, kReservedValue2, kRoad, kArea,
               kTown, kPostcode, kTelephone, kTelephoneExtension, kTelephone2, kFax, kContact,
               kNotes, kComment, kOrigination, kCreditLimit, kTerms, kComment2, kEmail);
}  // namespace supp

class SupplierRecord : public FixedRecord<SupplierRecord, 1094> {
 public:
  static constexpr int64_t kMaxNumber = 2'000'000'000'000'000;  // 2 * 10^15

  // A slot whose number is below 1 is free (deleted or never used).
  bool IsDeleted() const { return Get(supp::kNumber) < 1; }
  // Frees the slot by its number alone: the texts stay in the file.
  void MarkDeleted() { Set(supp::kNumber, -1); }
};

static_assert(FitsWithoutOverlap(SpansOf(supp::kLayout), SupplierRecord::kSize));

}  // namespace ventro
