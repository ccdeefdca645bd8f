// One stock item as stored in inventory.dat: a packed little-endian record of 2,113 bytes.
// The fields below are read and written in place with InventoryRecord::Get and Set; bytes no
// field names (the reserved ranges) are carried unchanged, so a record read and written back
// keeps them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "base/record_field.h"

namespace ventro {

class InventoryRecord;

// The fields of the inventory record, by offset.
namespace inv {
using I32 = Field<int32_t, InventoryRecord>;
using I64 = Field<int64_t, InventoryRecord>;
using F64 = Field<double, InventoryRecord>;
using Text = StoredText<InventoryRecord>;

inline constexpr I64 kNumber{0};  // 1 to 10^17 for a live item; below 1 for a free slot
inline constexpr Text kDescription{8, 40};
inline constexpr Text kSku1{90, 40};
inline constexpr Text kSku2{130, 40};
inline constexpr Text kSku3{170, 40};
inline constexpr Text kSku4{210, 40};
inline constexpr Text kFormat{270, 20};  // ordinary items; a bundle keeps component 1 here
inline constexpr Text kCategory{290, 20};
inline constexpr Text kLocation{350, 40};
inline constexpr Text kOrderCode{550, 40};
inline constexpr Text kDateAdded{630, 20};  // "DD/MM/YYYY"
inline constexpr I32 kQuantity{670};
inline constexpr I32 kReorderQuantity{674};
inline constexpr I32 kMinimumOrder{678};
inline constexpr I32 kOrderQuantity{682};
inline constexpr I32 kTax{686};  // 0 none, 1 tax 1 and 2, 2 tax 1, 3 tax 2
inline constexpr I32 kDeliveryLead{690};
inline constexpr I32 kOnOrder{694};
inline constexpr I32 kCommitted{698};
inline constexpr I32 kLabelsToPrint{702};
inline constexpr I32 kTotalSold{714};
inline constexpr F64 kCostPrice{814};
inline constexpr F64 kTradePrice{822};
inline constexpr F64 kRetailPrice{830};
inline constexpr F64 kDelivery{910};
inline constexpr F64 kWeight{918};
inline constexpr Text kWebsite{950, 40};
inline constexpr Text kWebImage{990, 40};
inline constexpr I32 kStockPicture{1270};  // 1 to 24: the shared picture "STOCK%d.bmp"
inline constexpr I32 kNoTaxRounding{1274};
inline constexpr I32 kSpecialOrder{1278};
inline constexpr I32 kAgeWarning{1282};       // 0 none, else the minimum age
inline constexpr I32 kOmitQuickSelect{1286};  // 2: not offered on the quick-select buttons
// The 40 extra slots from 1290 seen one by one; the named slots follow.
inline constexpr FieldArray<I32> kExtra{{1290}, 4, 40};
// Bundle component 1 to 6: price mode (slots 0 to 5) and quantity 1 to 50 (slots 6 to 11).
inline constexpr FieldArray<I32> kComponentPriceMode{{1290}, 4, 6, 1};
inline constexpr FieldArray<I32> kComponentQuantity{{1314}, 4, 6, 1};
inline constexpr I32 kOffer{1338};  // slot 12: kNoOffer, kBuyOneGetOneFree, kBuyTwoGetOneFree
// Sell-by date (slots 14 to 16); the year is 2011 + offset.
inline constexpr I32 kSellByDay{1346};
inline constexpr I32 kSellByMonth{1350};
inline constexpr I32 kSellByYearOffset{1354};
inline constexpr I32 kOwnPicture{1810};  // 1: the item has its own picture "m<number>.bmp"
inline constexpr I32 kSaleOrReturn{1814};
inline constexpr Text kNotes{1858, 80};
inline constexpr I32 kDisplayCategory{2022};  // 0 to 17
inline constexpr I32 kKind{2037};             // kBundleKind for a bundle
inline constexpr Text kLastUsed{2049, 16};    // last-sold stamp "hh:mmDD/MM/YYYY"; empty until sold
inline constexpr I64 kLastUsedNumber{2065};
inline constexpr Text kTimeStamp{2073, 16};
inline constexpr F64 kReservedValue1{2089};
inline constexpr F64 kReservedValue2{2097};
inline constexpr F64 kReservedValue3{2105};
// The places of the bundle component texts 1 to 6 (the item number as decimal text, empty for
// no component). Component 1 shares its place with kFormat.
inline constexpr Text kComponentText[] = {kFormat,   {1942, 20}, {1962, 60},
                                          {590, 20}, {610, 20},  {650, 20}};

// Every field but the kExtra view and component 1, for the layout check and the layout test.
inline constexpr auto kLayout = std::tuple(
    kNumber, kDescription, kSku1, kSku2, kSku3, kSku4, kFormat, kCategory, kLocation, kOrderCode,
    kDateAdded, kQuantity, kReorderQuantity, kMinimumOrder, kOrderQuantity, kTax, kDeliveryLead,
    kOnOrder, kCommitted, kLabelsToPrint, kTotalSold, kCostPrice, kTradePrice, kRetailPrice,
    kDelivery, kWeight, kWebsite, kWebImage, kStockPicture, kNoTaxRounding, kSpecialOrder,
    kAgeWarning, kOmitQuickSelect, kComponentPriceMode, kComponentQuantity, kOffer, kSellByDay,
    kSellByMonth, kSellByYearOffset, kOwnPicture, kSaleOrReturn, kNotes, kDisplayCategory, kKind,
    kLastUsed, kLastUsedNumber, kTimeStamp, kReservedValue1, kReservedValue2, kReservedValue3,
    kComponentText[1], kComponentText[2], kComponentText[3], kComponentText[4], kComponentText[5]);
}  // namespace inv

class InventoryRecord : public FixedRecord<InventoryRecord, 2113> {
 public:
  static constexpr int64_t kMaxNumber = 100'000'000'000'000'000;  // 10^17
  static constexpr int32_t kBundleKind = 2;
  static constexpr int kComponents = 6;
  static constexpr int kExtraSlots = 40;
  // Offer values (extra slot 12).
  static constexpr int32_t kNoOffer = 0;
  static constexpr int32_t kBuyOneGetOneFree = 2;
  static constexpr int32_t kBuyTwoGetOneFree = 4;
  // Component price mode that gives the component free.
  static constexpr int32_t kComponentFree = 2;

  // A slot whose number is below 1 is free (deleted or never used).
  bool IsDeleted() const { return Get(inv::kNumber) < 1; }
  // Frees the slot: number -1 and an empty description; the other bytes stay.
  void MarkDeleted();
  bool IsBundle() const { return Get(inv::kKind) == kBundleKind; }

  // The values a newly added item or bundle starts with beyond its form fields.
  void InitialiseAddedItem();

  // Bundle component text k, 1 to 6 (see inv::kComponentText); other k read empty.
  std::string Component(int k) const;
  void SetComponent(int k, std::string_view item_number);

  // The sell-by date counts as set only when the year offset is above 0, whatever the day and
  // month slots hold.
  bool HasSellBy() const { return Get(inv::kSellByYearOffset) > 0; }
  int32_t SellByYear() const { return 2011 + Get(inv::kSellByYearOffset); }
};

static_assert(FitsWithoutOverlap(SpansOf(inv::kLayout), InventoryRecord::kSize));

}  // namespace ventro
