// Field offsets are checked against the stored layout with offsets written out here, so that
// a wrong offset or width in an accessor shows up as a wrong byte.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "formats/supplier_record.h"
#include "records/terms.h"

namespace ventro {
namespace {

constexpr uint8_t kFill = 0xAA;

template <typename Record>
struct TextCase {
  const char* name;
  size_t offset;
  size_t width;
  std::function<void(Record&, std::string_view)> set;
  std::function<std::string(const Record&)> get;
};

#define TEXT_CASE(R, field, offset, width)                                                        \
  TextCase<R> {                                                                                   \
#field, offset, width,                                                                        \
        [](R & r, std::string_view v) { r.set_##field(v); }, [](const R& r) { return r.field(); } \
  }

// Setting a text longer than its field stores width - 1 characters and a terminator at the
// field's offset and touches no byte outside the field.
template <typename Record>
void CheckTexts(const std::vector<TextCase<Record>>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Record record;
    std::memset(record.data(), kFill, Record::kSize);
    std::string text(c.width + 5, 'x');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('A' + i % 26);
    c.set(record, text);
    const uint8_t* bytes = record.data();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + c.offset), c.width - 1),
              text.substr(0, c.width - 1));
    EXPECT_EQ(bytes[c.offset + c.width - 1], 0);
    EXPECT_EQ(bytes[c.offset - 1], kFill);
    if (c.offset + c.width < Record::kSize) {
      EXPECT_EQ(bytes[c.offset + c.width], kFill);
    }
    EXPECT_EQ(c.get(record), text.substr(0, c.width - 1));
  }
}

template <typename T, typename Record>
T Raw(const Record& record, size_t offset) {
  T value;
  std::memcpy(&value, record.data() + offset, sizeof value);
  return value;
}

TEST(RecordsTest, InventoryTextFieldsSitAtTheirOffsets) {
  using R = InventoryRecord;
  CheckTexts<R>({TEXT_CASE(R, description, 8, 40), TEXT_CASE(R, sku1, 90, 40),
                 TEXT_CASE(R, sku2, 130, 40), TEXT_CASE(R, sku3, 170, 40),
                 TEXT_CASE(R, sku4, 210, 40), TEXT_CASE(R, format, 270, 20),
                 TEXT_CASE(R, category, 290, 20), TEXT_CASE(R, location, 350, 40),
                 TEXT_CASE(R, order_code, 550, 40), TEXT_CASE(R, date_added, 630, 20),
                 TEXT_CASE(R, website, 950, 40), TEXT_CASE(R, web_image, 990, 40),
                 TEXT_CASE(R, notes, 1858, 80), TEXT_CASE(R, last_used, 2049, 16),
                 TEXT_CASE(R, time_stamp, 2073, 16)});
}

TEST(RecordsTest, InventoryNumbersAndExtraSlotsSitAtTheirOffsets) {
  InventoryRecord r;
  static_assert(InventoryRecord::kSize == 2113);
  r.Set(inv::kNumber, 100'000'000'000'000'000);
  r.Set(inv::kQuantity, -3);
  r.Set(inv::kReorderQuantity, 4);
  r.Set(inv::kTax, 2);
  r.Set(inv::kLabelsToPrint, 6);
  r.Set(inv::kTotalSold, 714);
  r.Set(inv::kCostPrice, 1.25);
  r.Set(inv::kRetailPrice, 2.5);
  r.Set(inv::kWeight, 0.75);
  r.Set(inv::kStockPicture, 24);
  r.Set(inv::kOmitQuickSelect, 2);
  r.Set(inv::kOwnPicture, 1);
  r.Set(inv::kSaleOrReturn, 1);
  r.Set(inv::kDisplayCategory, 17);
  r.Set(inv::kKind, 2);
  r.Set(inv::kLastUsedNumber, -9);
  r.Set(inv::kReservedValue3, 3.5);
  EXPECT_EQ(Raw<int64_t>(r, 0), 100'000'000'000'000'000);
  EXPECT_EQ(Raw<int32_t>(r, 670), -3);
  EXPECT_EQ(Raw<int32_t>(r, 674), 4);
  EXPECT_EQ(Raw<int32_t>(r, 686), 2);
  EXPECT_EQ(Raw<int32_t>(r, 702), 6);
  EXPECT_EQ(Raw<int32_t>(r, 714), 714);
  EXPECT_EQ(Raw<double>(r, 814), 1.25);
  EXPECT_EQ(Raw<double>(r, 830), 2.5);
  EXPECT_EQ(Raw<double>(r, 918), 0.75);
  EXPECT_EQ(Raw<int32_t>(r, 1270), 24);
  EXPECT_EQ(Raw<int32_t>(r, 1286), 2);
  EXPECT_EQ(Raw<int32_t>(r, 1810), 1);
  EXPECT_EQ(Raw<int32_t>(r, 1814), 1);
  EXPECT_EQ(Raw<int32_t>(r, 2022), 17);
  EXPECT_EQ(Raw<int32_t>(r, 2037), 2);
  EXPECT_EQ(Raw<int64_t>(r, 2065), -9);
  EXPECT_EQ(Raw<double>(r, 2105), 3.5);

  // Bundle components: texts at 270, 1942, 1962, 590, 610, 650; price modes in extra slots
  // 0 to 5 (from 1290), quantities in 6 to 11.
  const size_t text_offsets[] = {270, 1942, 1962, 590, 610, 650};
  for (int k = 1; k <= 6; ++k) {
    r.SetComponent(k, std::to_string(1000 + k));
    r.Set(inv::kComponentPriceMode, k, k == 3 ? 2 : 0);
    r.Set(inv::kComponentQuantity, k, 10 * k);
    EXPECT_STREQ(reinterpret_cast<const char*>(r.data() + text_offsets[k - 1]),
                 std::to_string(1000 + k).c_str());
    EXPECT_EQ(Raw<int32_t>(r, 1290 + 4 * (k - 1)), k == 3 ? 2 : 0);
    EXPECT_EQ(Raw<int32_t>(r, 1314 + 4 * (k - 1)), 10 * k);
  }
  EXPECT_EQ(r.Get(inv::kFormat), "1001");  // component 1 shares the format field
  r.SetComponent(3, std::string(70, '9'));
  EXPECT_EQ(r.Component(3).size(), 59u);

  r.Set(inv::kOffer, InventoryRecord::kBuyTwoGetOneFree);
  EXPECT_EQ(Raw<int32_t>(r, 1338), 4);
}

TEST(RecordsTest, SellByCountsOnlyWithAYearOffset) {
  InventoryRecord r;
  r.Set(inv::kSellByDay, 12);
  r.Set(inv::kSellByMonth, 5);
  EXPECT_EQ(Raw<int32_t>(r, 1346), 12);
  EXPECT_EQ(Raw<int32_t>(r, 1350), 5);
  EXPECT_FALSE(r.HasSellBy());
  r.Set(inv::kSellByYearOffset, 69);
  EXPECT_EQ(Raw<int32_t>(r, 1354), 69);
  EXPECT_TRUE(r.HasSellBy());
  EXPECT_EQ(r.SellByYear(), 2080);
}

TEST(RecordsTest, DeletedMarkersAndAddedItemValues) {
  InventoryRecord item;
  item.Set(inv::kNumber, 5);
  item.Set(inv::kDescription, "WIDGET");
  item.Set(inv::kNotes, "kept");
  item.MarkDeleted();
  EXPECT_EQ(Raw<int64_t>(item, 0), -1);
  EXPECT_EQ(item.data()[8], 0);
  EXPECT_EQ(item.data()[9], 0);
  EXPECT_EQ(item.data()[10], 'D');  // the rest of the description stays
  EXPECT_EQ(item.Get(inv::kNotes), "kept");
  EXPECT_TRUE(item.IsDeleted());
  item.Set(inv::kNumber, 0);
  EXPECT_TRUE(item.IsDeleted());

  std::memset(item.data() + 2065, 0x55, 48);
  item.InitialiseAddedItem();
  EXPECT_EQ(Raw<int64_t>(item, 2065), 0);
  EXPECT_EQ(item.data()[2073], 0);
  EXPECT_EQ(item.data()[2073 + 5], ' ');
  EXPECT_EQ(item.data()[2073 + 6], 0);
  EXPECT_EQ(Raw<double>(item, 2089), 0.0);
  EXPECT_EQ(Raw<double>(item, 2097), 0.0);
  EXPECT_EQ(Raw<double>(item, 2105), 0.0);

  CustomerRecord customer;
  customer.Set(cust::kNumber, 9);
  customer.Set(cust::kName, "SMITH");
  customer.MarkDeleted();
  EXPECT_EQ(Raw<int64_t>(customer, 0), -1);
  EXPECT_EQ(customer.Get(cust::kName), "");
  EXPECT_EQ(customer.data()[10], 'I');

  SupplierRecord supplier;
  supplier.Set(supp::kNumber, 3);
  supplier.Set(supp::kName, "ACME");
  supplier.MarkDeleted();
  EXPECT_EQ(Raw<int64_t>(supplier, 0), -1);
  EXPECT_EQ(supplier.Get(supp::kName), "ACME");
}

TEST(RecordsTest, CustomerFieldsSitAtTheirOffsets) {
  using R = CustomerRecord;
  static_assert(R::kSize == 1242);
  CheckTexts<R>({TEXT_CASE(R, name, 8, 30),
                 TEXT_CASE(R, road, 38, 30),
                 TEXT_CASE(R, area, 68, 30),
                 TEXT_CASE(R, town, 98, 30),
                 TEXT_CASE(R, postcode, 128, 10),
                 TEXT_CASE(R, telephone, 138, 20),
                 TEXT_CASE(R, telephone_extension, 158, 20),
                 TEXT_CASE(R, telephone2, 178, 20),
                 TEXT_CASE(R, fax, 198, 20),
                 TEXT_CASE(R, shipping_address_1, 218, 60),
                 TEXT_CASE(R, shipping_address_2, 278, 30),
                 TEXT_CASE(R, shipping_address_3, 308, 30),
                 TEXT_CASE(R, shipping_address_4, 338, 30),
                 TEXT_CASE(R, shipping_address_5, 368, 10),
                 TEXT_CASE(R, name_prefix1, 378, 6),
                 TEXT_CASE(R, name_prefix2, 384, 8),
                 TEXT_CASE(R, contact, 392, 60),
                 TEXT_CASE(R, notes, 452, 200),
                 TEXT_CASE(R, comment, 676, 30),
                 TEXT_CASE(R, credit_card, 706, 40),
                 TEXT_CASE(R, credit_card2, 746, 40),
                 TEXT_CASE(R, credit_card_expiry, 826, 20),
                 TEXT_CASE(R, credit_card2_expiry, 846, 20),
                 TEXT_CASE(R, comment2, 1014, 40),
                 TEXT_CASE(R, email, 1054, 40),
                 TEXT_CASE(R, origination, 1114, 12),
                 TEXT_CASE(R, last_used, 1126, 16),
                 TEXT_CASE(R, last_payment, 1142, 16)});
  R r;
  r.set_group(2000);
  r.set_terms(8);
  r.set_last_transaction(77);
  r.set_total_purchases(10.5);
  r.set_balance(-2.25);
  r.set_credit_limit(2000.0);
  r.set_transactions(3);
  r.set_tax(1);
  r.set_reserved_flag(9);
  EXPECT_EQ(Raw<int32_t>(r, 652), 2000);
  EXPECT_EQ(Raw<int32_t>(r, 1006), 8);
  EXPECT_EQ(Raw<int32_t>(r, 1010), 77);
  EXPECT_EQ(Raw<double>(r, 1094), 10.5);
  EXPECT_EQ(Raw<double>(r, 1158), -2.25);
  EXPECT_EQ(Raw<double>(r, 1166), 2000.0);
  EXPECT_EQ(Raw<int32_t>(r, 1206), 3);
  EXPECT_EQ(Raw<int64_t>(r, 1210), 1);
  EXPECT_EQ(Raw<int32_t>(r, 1238), 9);
  r.InitialiseAddedCustomer();
  EXPECT_EQ(r.last_used(), "NEW");
  EXPECT_EQ(Raw<int32_t>(r, 1010), 0);
  EXPECT_EQ(Raw<int32_t>(r, 1238), 0);
}

TEST(RecordsTest, SupplierFieldsSitAtTheirOffsets) {
  using R = SupplierRecord;
  static_assert(R::kSize == 1094);
  CheckTexts<R>({TEXT_CASE(R, name, 8, 42), TEXT_CASE(R, road, 74, 30), TEXT_CASE(R, area, 104, 30),
                 TEXT_CASE(R, town, 134, 30), TEXT_CASE(R, postcode, 164, 10),
                 TEXT_CASE(R, telephone, 174, 20), TEXT_CASE(R, telephone_extension, 194, 20),
                 TEXT_CASE(R, telephone2, 214, 20), TEXT_CASE(R, fax, 234, 20),
                 TEXT_CASE(R, contact, 428, 60), TEXT_CASE(R, notes, 488, 200),
                 TEXT_CASE(R, comment, 692, 30), TEXT_CASE(R, origination, 722, 40),
                 TEXT_CASE(R, credit_limit, 762, 40), TEXT_CASE(R, terms, 802, 40),
                 TEXT_CASE(R, comment2, 902, 40), TEXT_CASE(R, email, 942, 40)});
  R r;
  r.set_reserved_number(50);
  r.set_reserved_value1(5.8);
  r.set_reserved_value2(6.6);
  EXPECT_EQ(Raw<int32_t>(r, 50), 50);
  EXPECT_EQ(Raw<double>(r, 58), 5.8);
  EXPECT_EQ(Raw<double>(r, 66), 6.6);
}

TEST(RecordsTest, TermsTextFromTheSettingsBands) {
  SettingsRecord settings;
  auto set_band = [&settings](int band, int64_t credit, int32_t discount) {
    std::memcpy(settings.data() + 4472 + 8 * band, &credit, 8);
    std::memcpy(settings.data() + 36 + 4 * band, &discount, 4);
  };
  set_band(1, 1, 2);
  set_band(2, 4, 3);
  set_band(3, 8, 8);
  set_band(4, 9, 0);
  set_band(5, (int64_t{1} << 32) | 5, 1);  // a code with its upper half set does not count
  EXPECT_EQ(TermsText(settings, 1), "No credit, 2% disc");
  EXPECT_EQ(TermsText(settings, 2), "30 days, 5% disc");
  EXPECT_EQ(TermsText(settings, 3), "180 days, 50% disc");
  EXPECT_EQ(TermsText(settings, 4), "No credit, ");
  EXPECT_EQ(TermsText(settings, 5), "No credit, Nett");
  // No band outside 1 to 8: the neighbouring settings are not read as terms.
  set_band(0, 3, 4);
  set_band(9, 3, 4);
  EXPECT_EQ(TermsText(settings, 0), "No credit, ");
  EXPECT_EQ(TermsText(settings, 9), "No credit, ");
  EXPECT_EQ(TermsText(settings, -100000), "No credit, ");
}

}  // namespace
}  // namespace ventro
