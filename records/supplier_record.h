// One supplier as stored in suppliers.dat: a packed little-endian record of 1,094 bytes.
// Apart from the number every field is free text. Bytes no accessor names are carried
// unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.h"

namespace ventro {

class SupplierRecord {
 public:
  static constexpr size_t kSize = 1094;
  static constexpr int64_t kMaxNumber = 2'000'000'000'000'000;  // 2 * 10^15

  SupplierRecord() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  void Clear() { bytes_.fill(0); }

  // A slot whose number is below 1 is free (deleted or never used).
  bool IsDeleted() const { return number() < 1; }
  // Frees the slot by its number alone: the texts stay in the file.
  void MarkDeleted() { set_number(-1); }

  // 1 to 2 * 10^15 for a live supplier; below 1 for a free slot.
  int64_t number() const { return GetI64(bytes_.data() + 0); }
  void set_number(int64_t v) { PutI64(bytes_.data() + 0, v); }
  std::string name() const { return GetText(bytes_.data() + 8, 42); }
  void set_name(std::string_view v) { PutText(bytes_.data() + 8, 42, v); }
  // Three values shown by the item information view; never set here.
  int32_t reserved_number() const { return GetI32(bytes_.data() + 50); }
  void set_reserved_number(int32_t v) { PutI32(bytes_.data() + 50, v); }
  double reserved_value1() const { return GetF64(bytes_.data() + 58); }
  void set_reserved_value1(double v) { PutF64(bytes_.data() + 58, v); }
  double reserved_value2() const { return GetF64(bytes_.data() + 66); }
  void set_reserved_value2(double v) { PutF64(bytes_.data() + 66, v); }
  std::string road() const { return GetText(bytes_.data() + 74, 30); }
  void set_road(std::string_view v) { PutText(bytes_.data() + 74, 30, v); }
  std::string area() const { return GetText(bytes_.data() + 104, 30); }
  void set_area(std::string_view v) { PutText(bytes_.data() + 104, 30, v); }
  std::string town() const { return GetText(bytes_.data() + 134, 30); }
  void set_town(std::string_view v) { PutText(bytes_.data() + 134, 30, v); }
  std::string postcode() const { return GetText(bytes_.data() + 164, 10); }
  void set_postcode(std::string_view v) { PutText(bytes_.data() + 164, 10, v); }
  std::string telephone() const { return GetText(bytes_.data() + 174, 20); }
  void set_telephone(std::string_view v) { PutText(bytes_.data() + 174, 20, v); }
  std::string telephone_extension() const { return GetText(bytes_.data() + 194, 20); }
  void set_telephone_extension(std::string_view v) { PutText(bytes_.data() + 194, 20, v); }
  std::string telephone2() const { return GetText(bytes_.data() + 214, 20); }
  void set_telephone2(std::string_view v) { PutText(bytes_.data() + 214, 20, v); }
  std::string fax() const { return GetText(bytes_.data() + 234, 20); }
  void set_fax(std::string_view v) { PutText(bytes_.data() + 234, 20, v); }
  std::string contact() const { return GetText(bytes_.data() + 428, 60); }
  void set_contact(std::string_view v) { PutText(bytes_.data() + 428, 60, v); }
  std::string notes() const { return GetText(bytes_.data() + 488, 200); }
  void set_notes(std::string_view v) { PutText(bytes_.data() + 488, 200, v); }
  std::string comment() const { return GetText(bytes_.data() + 692, 30); }
  void set_comment(std::string_view v) { PutText(bytes_.data() + 692, 30, v); }
  std::string origination() const { return GetText(bytes_.data() + 722, 40); }
  void set_origination(std::string_view v) { PutText(bytes_.data() + 722, 40, v); }
  // Free text, not an amount.
  std::string credit_limit() const { return GetText(bytes_.data() + 762, 40); }
  void set_credit_limit(std::string_view v) { PutText(bytes_.data() + 762, 40, v); }
  std::string terms() const { return GetText(bytes_.data() + 802, 40); }
  void set_terms(std::string_view v) { PutText(bytes_.data() + 802, 40, v); }
  std::string comment2() const { return GetText(bytes_.data() + 902, 40); }
  void set_comment2(std::string_view v) { PutText(bytes_.data() + 902, 40, v); }
  std::string email() const { return GetText(bytes_.data() + 942, 40); }
  void set_email(std::string_view v) { PutText(bytes_.data() + 942, 40, v); }

 private:
  std::array<uint8_t, kSize> bytes_;
};

}  // namespace ventro
