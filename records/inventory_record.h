// One stock item as stored in inventory.dat: a packed little-endian record of 2,113 bytes.
// Accessors read and write the fields in place; bytes no accessor names (the reserved
// ranges) are carried unchanged, so a record read and written back keeps them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.h"

namespace ventro {

class InventoryRecord {
 public:
  static constexpr size_t kSize = 2113;
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

  InventoryRecord() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  void Clear() { bytes_.fill(0); }

  // A slot whose number is below 1 is free (deleted or never used).
  bool IsDeleted() const { return number() < 1; }
  // Frees the slot: number -1 and an empty description; the other bytes stay.
  void MarkDeleted();
  bool IsBundle() const { return kind() == kBundleKind; }

  // The values a newly added item or bundle starts with beyond its form fields.
  void InitialiseAddedItem();

  // 1 to 10^17 for a live item; below 1 for a free slot.
  int64_t number() const { return GetI64(bytes_.data() + 0); }
  void set_number(int64_t v) { PutI64(bytes_.data() + 0, v); }
  std::string description() const { return GetText(bytes_.data() + 8, 40); }
  void set_description(std::string_view v) { PutText(bytes_.data() + 8, 40, v); }
  std::string sku1() const { return GetText(bytes_.data() + 90, 40); }
  void set_sku1(std::string_view v) { PutText(bytes_.data() + 90, 40, v); }
  std::string sku2() const { return GetText(bytes_.data() + 130, 40); }
  void set_sku2(std::string_view v) { PutText(bytes_.data() + 130, 40, v); }
  std::string sku3() const { return GetText(bytes_.data() + 170, 40); }
  void set_sku3(std::string_view v) { PutText(bytes_.data() + 170, 40, v); }
  std::string sku4() const { return GetText(bytes_.data() + 210, 40); }
  void set_sku4(std::string_view v) { PutText(bytes_.data() + 210, 40, v); }
  // Ordinary items only; a bundle keeps its first component here.
  std::string format() const { return GetText(bytes_.data() + 270, 20); }
  void set_format(std::string_view v) { PutText(bytes_.data() + 270, 20, v); }
  std::string category() const { return GetText(bytes_.data() + 290, 20); }
  void set_category(std::string_view v) { PutText(bytes_.data() + 290, 20, v); }
  std::string location() const { return GetText(bytes_.data() + 350, 40); }
  void set_location(std::string_view v) { PutText(bytes_.data() + 350, 40, v); }
  std::string order_code() const { return GetText(bytes_.data() + 550, 40); }
  void set_order_code(std::string_view v) { PutText(bytes_.data() + 550, 40, v); }
  // "DD/MM/YYYY".
  std::string date_added() const { return GetText(bytes_.data() + 630, 20); }
  void set_date_added(std::string_view v) { PutText(bytes_.data() + 630, 20, v); }
  int32_t quantity() const { return GetI32(bytes_.data() + 670); }
  void set_quantity(int32_t v) { PutI32(bytes_.data() + 670, v); }
  int32_t reorder_quantity() const { return GetI32(bytes_.data() + 674); }
  void set_reorder_quantity(int32_t v) { PutI32(bytes_.data() + 674, v); }
  int32_t minimum_order() const { return GetI32(bytes_.data() + 678); }
  void set_minimum_order(int32_t v) { PutI32(bytes_.data() + 678, v); }
  int32_t order_quantity() const { return GetI32(bytes_.data() + 682); }
  void set_order_quantity(int32_t v) { PutI32(bytes_.data() + 682, v); }
  // 0 none, 1 tax 1 and 2, 2 tax 1, 3 tax 2.
  int32_t tax() const { return GetI32(bytes_.data() + 686); }
  void set_tax(int32_t v) { PutI32(bytes_.data() + 686, v); }
  int32_t delivery_lead() const { return GetI32(bytes_.data() + 690); }
  void set_delivery_lead(int32_t v) { PutI32(bytes_.data() + 690, v); }
  int32_t on_order() const { return GetI32(bytes_.data() + 694); }
  void set_on_order(int32_t v) { PutI32(bytes_.data() + 694, v); }
  int32_t committed() const { return GetI32(bytes_.data() + 698); }
  void set_committed(int32_t v) { PutI32(bytes_.data() + 698, v); }
  int32_t labels_to_print() const { return GetI32(bytes_.data() + 702); }
  void set_labels_to_print(int32_t v) { PutI32(bytes_.data() + 702, v); }
  int32_t total_sold() const { return GetI32(bytes_.data() + 714); }
  void set_total_sold(int32_t v) { PutI32(bytes_.data() + 714, v); }
  double cost_price() const { return GetF64(bytes_.data() + 814); }
  void set_cost_price(double v) { PutF64(bytes_.data() + 814, v); }
  double trade_price() const { return GetF64(bytes_.data() + 822); }
  void set_trade_price(double v) { PutF64(bytes_.data() + 822, v); }
  double retail_price() const { return GetF64(bytes_.data() + 830); }
  void set_retail_price(double v) { PutF64(bytes_.data() + 830, v); }
  double delivery() const { return GetF64(bytes_.data() + 910); }
  void set_delivery(double v) { PutF64(bytes_.data() + 910, v); }
  double weight() const { return GetF64(bytes_.data() + 918); }
  void set_weight(double v) { PutF64(bytes_.data() + 918, v); }
  std::string website() const { return GetText(bytes_.data() + 950, 40); }
  void set_website(std::string_view v) { PutText(bytes_.data() + 950, 40, v); }
  std::string web_image() const { return GetText(bytes_.data() + 990, 40); }
  void set_web_image(std::string_view v) { PutText(bytes_.data() + 990, 40, v); }
  // 1 to 24: the shared picture "STOCK%d.bmp".
  int32_t stock_picture() const { return GetI32(bytes_.data() + 1270); }
  void set_stock_picture(int32_t v) { PutI32(bytes_.data() + 1270, v); }
  int32_t no_tax_rounding() const { return GetI32(bytes_.data() + 1274); }
  void set_no_tax_rounding(int32_t v) { PutI32(bytes_.data() + 1274, v); }
  int32_t special_order() const { return GetI32(bytes_.data() + 1278); }
  void set_special_order(int32_t v) { PutI32(bytes_.data() + 1278, v); }
  // 0 none, else the minimum age.
  int32_t age_warning() const { return GetI32(bytes_.data() + 1282); }
  void set_age_warning(int32_t v) { PutI32(bytes_.data() + 1282, v); }
  // 2: not offered on the quick-select buttons.
  int32_t omit_quick_select() const { return GetI32(bytes_.data() + 1286); }
  void set_omit_quick_select(int32_t v) { PutI32(bytes_.data() + 1286, v); }
  // 1: the item has its own picture "m<number>.bmp".
  int32_t own_picture() const { return GetI32(bytes_.data() + 1810); }
  void set_own_picture(int32_t v) { PutI32(bytes_.data() + 1810, v); }
  int32_t sale_or_return() const { return GetI32(bytes_.data() + 1814); }
  void set_sale_or_return(int32_t v) { PutI32(bytes_.data() + 1814, v); }
  std::string notes() const { return GetText(bytes_.data() + 1858, 80); }
  void set_notes(std::string_view v) { PutText(bytes_.data() + 1858, 80, v); }
  // 0 to 17.
  int32_t display_category() const { return GetI32(bytes_.data() + 2022); }
  void set_display_category(int32_t v) { PutI32(bytes_.data() + 2022, v); }
  // kBundleKind for a bundle; anything else is an ordinary item.
  int32_t kind() const { return GetI32(bytes_.data() + 2037); }
  void set_kind(int32_t v) { PutI32(bytes_.data() + 2037, v); }
  // Last-sold stamp "hh:mmDD/MM/YYYY"; empty until first sold.
  std::string last_used() const { return GetText(bytes_.data() + 2049, 16); }
  void set_last_used(std::string_view v) { PutText(bytes_.data() + 2049, 16, v); }
  int64_t last_used_number() const { return GetI64(bytes_.data() + 2065); }
  void set_last_used_number(int64_t v) { PutI64(bytes_.data() + 2065, v); }
  std::string time_stamp() const { return GetText(bytes_.data() + 2073, 16); }
  void set_time_stamp(std::string_view v) { PutText(bytes_.data() + 2073, 16, v); }
  double reserved_value1() const { return GetF64(bytes_.data() + 2089); }
  void set_reserved_value1(double v) { PutF64(bytes_.data() + 2089, v); }
  double reserved_value2() const { return GetF64(bytes_.data() + 2097); }
  void set_reserved_value2(double v) { PutF64(bytes_.data() + 2097, v); }
  double reserved_value3() const { return GetF64(bytes_.data() + 2105); }
  void set_reserved_value3(double v) { PutF64(bytes_.data() + 2105, v); }

  // Extra slot j, 0 to 39.
  int32_t extra(int j) const {
    return j >= 0 && j < 40 ? GetI32(bytes_.data() + kExtraOffset + 4 * j) : 0;
  }
  void set_extra(int j, int32_t v) {
    if (j >= 0 && j < 40) PutI32(bytes_.data() + kExtraOffset + 4 * j, v);
  }

  // Bundle component k, 1 to 6: the component's item number as decimal text (empty: no
  // component in this place), its price mode and its quantity (1 to 50).
  std::string component(int k) const;
  void set_component(int k, std::string_view item_number);
  int32_t component_price_mode(int k) const { return extra(k - 1); }
  void set_component_price_mode(int k, int32_t v) { set_extra(k - 1, v); }
  int32_t component_quantity(int k) const { return extra(5 + k); }
  void set_component_quantity(int k, int32_t v) { set_extra(5 + k, v); }

  // Ordinary items: kNoOffer, kBuyOneGetOneFree or kBuyTwoGetOneFree.
  int32_t offer() const { return extra(12); }
  void set_offer(int32_t v) { set_extra(12, v); }

  // Sell-by date. It counts as set only when the year offset is above 0, whatever the day and
  // month slots hold; the year is 2011 + offset.
  bool HasSellBy() const { return sell_by_year_offset() > 0; }
  int32_t sell_by_day() const { return extra(14); }
  void set_sell_by_day(int32_t v) { set_extra(14, v); }
  int32_t sell_by_month() const { return extra(15); }
  void set_sell_by_month(int32_t v) { set_extra(15, v); }
  int32_t sell_by_year_offset() const { return extra(16); }
  void set_sell_by_year_offset(int32_t v) { set_extra(16, v); }
  int32_t sell_by_year() const { return 2011 + sell_by_year_offset(); }

 private:
  static constexpr size_t kExtraOffset = 1290;
  std::array<uint8_t, kSize> bytes_;
};

}  // namespace ventro
