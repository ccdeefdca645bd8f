// One customer account as stored in customer.dat: a packed little-endian record of 1,242
// bytes. Accessors read and write the fields in place; bytes no accessor names are carried
// unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.h"

namespace ventro {

class CustomerRecord {
 public:
  static constexpr size_t kSize = 1242;
  static constexpr int64_t kMaxNumber = 100'000'000'000'000'000;  // 10^17

  CustomerRecord() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  void Clear() { bytes_.fill(0); }

  // A slot whose number is below 1 is free (deleted or never used).
  bool IsDeleted() const { return number() < 1; }
  // Frees the slot: number -1 and an empty name; the other bytes stay.
  void MarkDeleted();

  // The account values a newly added customer starts with: never bought ("NEW"), no payment,
  // no transaction.
  void InitialiseAddedCustomer();

  // 1 to 10^17 for a live customer; below 1 for a free slot.
  int64_t number() const { return GetI64(bytes_.data() + 0); }
  void set_number(int64_t v) { PutI64(bytes_.data() + 0, v); }
  std::string name() const { return GetText(bytes_.data() + 8, 30); }
  void set_name(std::string_view v) { PutText(bytes_.data() + 8, 30, v); }
  std::string road() const { return GetText(bytes_.data() + 38, 30); }
  void set_road(std::string_view v) { PutText(bytes_.data() + 38, 30, v); }
  std::string area() const { return GetText(bytes_.data() + 68, 30); }
  void set_area(std::string_view v) { PutText(bytes_.data() + 68, 30, v); }
  std::string town() const { return GetText(bytes_.data() + 98, 30); }
  void set_town(std::string_view v) { PutText(bytes_.data() + 98, 30, v); }
  std::string postcode() const { return GetText(bytes_.data() + 128, 10); }
  void set_postcode(std::string_view v) { PutText(bytes_.data() + 128, 10, v); }
  std::string telephone() const { return GetText(bytes_.data() + 138, 20); }
  void set_telephone(std::string_view v) { PutText(bytes_.data() + 138, 20, v); }
  std::string telephone_extension() const { return GetText(bytes_.data() + 158, 20); }
  void set_telephone_extension(std::string_view v) { PutText(bytes_.data() + 158, 20, v); }
  std::string telephone2() const { return GetText(bytes_.data() + 178, 20); }
  void set_telephone2(std::string_view v) { PutText(bytes_.data() + 178, 20, v); }
  std::string fax() const { return GetText(bytes_.data() + 198, 20); }
  void set_fax(std::string_view v) { PutText(bytes_.data() + 198, 20, v); }
  // Shipping name, road, area, town and post code.
  std::string shipping_address_1() const { return GetText(bytes_.data() + 218, 60); }
  void set_shipping_address_1(std::string_view v) { PutText(bytes_.data() + 218, 60, v); }
  std::string shipping_address_2() const { return GetText(bytes_.data() + 278, 30); }
  void set_shipping_address_2(std::string_view v) { PutText(bytes_.data() + 278, 30, v); }
  std::string shipping_address_3() const { return GetText(bytes_.data() + 308, 30); }
  void set_shipping_address_3(std::string_view v) { PutText(bytes_.data() + 308, 30, v); }
  std::string shipping_address_4() const { return GetText(bytes_.data() + 338, 30); }
  void set_shipping_address_4(std::string_view v) { PutText(bytes_.data() + 338, 30, v); }
  std::string shipping_address_5() const { return GetText(bytes_.data() + 368, 10); }
  void set_shipping_address_5(std::string_view v) { PutText(bytes_.data() + 368, 10, v); }
  // Printed before the name in address lines.
  std::string name_prefix1() const { return GetText(bytes_.data() + 378, 6); }
  void set_name_prefix1(std::string_view v) { PutText(bytes_.data() + 378, 6, v); }
  std::string name_prefix2() const { return GetText(bytes_.data() + 384, 8); }
  void set_name_prefix2(std::string_view v) { PutText(bytes_.data() + 384, 8, v); }
  std::string contact() const { return GetText(bytes_.data() + 392, 60); }
  void set_contact(std::string_view v) { PutText(bytes_.data() + 392, 60, v); }
  std::string notes() const { return GetText(bytes_.data() + 452, 200); }
  void set_notes(std::string_view v) { PutText(bytes_.data() + 452, 200, v); }
  // 1 to 2000 (the form calls it the category).
  int32_t group() const { return GetI32(bytes_.data() + 652); }
  void set_group(int32_t v) { PutI32(bytes_.data() + 652, v); }
  std::string comment() const { return GetText(bytes_.data() + 676, 30); }
  void set_comment(std::string_view v) { PutText(bytes_.data() + 676, 30, v); }
  std::string credit_card() const { return GetText(bytes_.data() + 706, 40); }
  void set_credit_card(std::string_view v) { PutText(bytes_.data() + 706, 40, v); }
  std::string credit_card2() const { return GetText(bytes_.data() + 746, 40); }
  void set_credit_card2(std::string_view v) { PutText(bytes_.data() + 746, 40, v); }
  std::string credit_card_expiry() const { return GetText(bytes_.data() + 826, 20); }
  void set_credit_card_expiry(std::string_view v) { PutText(bytes_.data() + 826, 20, v); }
  std::string credit_card2_expiry() const { return GetText(bytes_.data() + 846, 20); }
  void set_credit_card2_expiry(std::string_view v) { PutText(bytes_.data() + 846, 20, v); }
  // Entry of the settings' terms tables, 1 to 8 (see TermsText).
  int32_t terms() const { return GetI32(bytes_.data() + 1006); }
  void set_terms(int32_t v) { PutI32(bytes_.data() + 1006, v); }
  int32_t last_transaction() const { return GetI32(bytes_.data() + 1010); }
  void set_last_transaction(int32_t v) { PutI32(bytes_.data() + 1010, v); }
  std::string comment2() const { return GetText(bytes_.data() + 1014, 40); }
  void set_comment2(std::string_view v) { PutText(bytes_.data() + 1014, 40, v); }
  std::string email() const { return GetText(bytes_.data() + 1054, 40); }
  void set_email(std::string_view v) { PutText(bytes_.data() + 1054, 40, v); }
  double total_purchases() const { return GetF64(bytes_.data() + 1094); }
  void set_total_purchases(double v) { PutF64(bytes_.data() + 1094, v); }
  std::string origination() const { return GetText(bytes_.data() + 1114, 12); }
  void set_origination(std::string_view v) { PutText(bytes_.data() + 1114, 12, v); }
  // "hh:mmDD/MM/YYYY" of the last sale, or "NEW".
  std::string last_used() const { return GetText(bytes_.data() + 1126, 16); }
  void set_last_used(std::string_view v) { PutText(bytes_.data() + 1126, 16, v); }
  std::string last_payment() const { return GetText(bytes_.data() + 1142, 16); }
  void set_last_payment(std::string_view v) { PutText(bytes_.data() + 1142, 16, v); }
  // Positive: the customer owes the shop.
  double balance() const { return GetF64(bytes_.data() + 1158); }
  void set_balance(double v) { PutF64(bytes_.data() + 1158, v); }
  double credit_limit() const { return GetF64(bytes_.data() + 1166); }
  void set_credit_limit(double v) { PutF64(bytes_.data() + 1166, v); }
  int32_t transactions() const { return GetI32(bytes_.data() + 1206); }
  void set_transactions(int32_t v) { PutI32(bytes_.data() + 1206, v); }
  int64_t tax() const { return GetI64(bytes_.data() + 1210); }
  void set_tax(int64_t v) { PutI64(bytes_.data() + 1210, v); }
  int32_t reserved_flag() const { return GetI32(bytes_.data() + 1238); }
  void set_reserved_flag(int32_t v) { PutI32(bytes_.data() + 1238, v); }

 private:
  std::array<uint8_t, kSize> bytes_;
};

}  // namespace ventro
