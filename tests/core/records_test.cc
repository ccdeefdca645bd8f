// The record layouts: every field of each table reads and writes exactly its own bytes, the
// tables' offsets match offsets written out here, and the fields with logic (bundle components,
// sell-by date, deleted slots, new records) behave as stored.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "formats/supplier_record.h"
#include "layout_check.h"
#include "records/terms.h"

namespace ventro {
namespace {

using Spans = std::vector<std::pair<size_t, size_t>>;

template <typename T, typename Record>
T Raw(const Record& record, size_t offset) {
  T value;
  std::memcpy(&value, record.data() + offset, sizeof value);
  return value;
}

TEST(RecordsTest, FieldKitFindsOverlapsAndOverruns) {
  static_assert(FitsWithoutOverlap(std::array<ByteSpan, 2>{{{0, 4}, {4, 8}}}, 12));
  static_assert(!FitsWithoutOverlap(std::array<ByteSpan, 2>{{{4, 8}, {0, 5}}}, 12));
  static_assert(!FitsWithoutOverlap(std::array<ByteSpan, 1>{{{8, 8}}}, 12));
  static_assert(!FitsWithoutOverlap(std::array<ByteSpan, 1>{{{0, 0}}}, 12));
  // An array's span ends with its last element.
  static_assert(FieldArray<cfg::I32>{{40}, 4, 8, 1}.span().end() == 72);
  static_assert(FieldArray<cfg::Text>{{10200, 10}, 10, 99, 1}.At(99).offset == 11180);
}

TEST(RecordsTest, InventoryFieldsReadAndWriteOnlyTheirOwnBytes) {
  static_assert(InventoryRecord::kSize == 2113);
  test::CheckLayout<InventoryRecord>(inv::kLayout);
  const Spans expected = {{0, 8},       {8, 48},      {90, 130},    {130, 170},   {170, 210},
                          {210, 250},   {270, 290},   {290, 310},   {350, 390},   {550, 590},
                          {630, 650},   {670, 674},   {674, 678},   {678, 682},   {682, 686},
                          {686, 690},   {690, 694},   {694, 698},   {698, 702},   {702, 706},
                          {714, 718},   {814, 822},   {822, 830},   {830, 838},   {910, 918},
                          {918, 926},   {950, 990},   {990, 1030},  {1270, 1274}, {1274, 1278},
                          {1278, 1282}, {1282, 1286}, {1286, 1290}, {1290, 1314}, {1314, 1338},
                          {1338, 1342}, {1346, 1350}, {1350, 1354}, {1354, 1358}, {1810, 1814},
                          {1814, 1818}, {1858, 1938}, {2022, 2026}, {2037, 2041}, {2049, 2065},
                          {2065, 2073}, {2073, 2089}, {2089, 2097}, {2097, 2105}, {2105, 2113},
                          {1942, 1962}, {1962, 2022}, {590, 610},   {610, 630},   {650, 670}};
  EXPECT_EQ(test::SpanList(inv::kLayout), expected);
}

TEST(RecordsTest, CustomerFieldsReadAndWriteOnlyTheirOwnBytes) {
  static_assert(CustomerRecord::kSize == 1242);
  test::CheckLayout<CustomerRecord>(cust::kLayout);
  const Spans expected = {{0, 8},       {8, 38},      {38, 68},     {68, 98},     {98, 128},
                          {128, 138},   {138, 158},   {158, 178},   {178, 198},   {198, 218},
                          {218, 278},   {278, 308},   {308, 338},   {338, 368},   {368, 378},
                          {378, 384},   {384, 392},   {392, 452},   {452, 652},   {652, 656},
                          {676, 706},   {706, 746},   {746, 786},   {826, 846},   {846, 866},
                          {1006, 1010}, {1010, 1014}, {1014, 1054}, {1054, 1094}, {1094, 1102},
                          {1114, 1126}, {1126, 1142}, {1142, 1158}, {1158, 1166}, {1166, 1174},
                          {1206, 1210}, {1210, 1218}, {1238, 1242}};
  EXPECT_EQ(test::SpanList(cust::kLayout), expected);
}

TEST(RecordsTest, SupplierFieldsReadAndWriteOnlyTheirOwnBytes) {
  static_assert(SupplierRecord::kSize == 1094);
  test::CheckLayout<SupplierRecord>(supp::kLayout);
  const Spans expected = {{0, 8},     {8, 50},    {50, 54},   {58, 66},   {66, 74},   {74, 104},
                          {104, 134}, {134, 164}, {164, 174}, {174, 194}, {194, 214}, {214, 234},
                          {234, 254}, {428, 488}, {488, 688}, {692, 722}, {722, 762}, {762, 802},
                          {802, 842}, {902, 942}, {942, 982}};
  EXPECT_EQ(test::SpanList(supp::kLayout), expected);
}

TEST(RecordsTest, BundleComponentsAndOffer) {
  InventoryRecord r;
  // Texts at 270, 1942, 1962, 590, 610, 650; price modes in extra slots 0 to 5 (from 1290),
  // quantities in 6 to 11.
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

TEST(RecordsTest, AddedCustomerStartsAsNew) {
  CustomerRecord r;
  std::memset(r.data(), 0x55, CustomerRecord::kSize);
  r.InitialiseAddedCustomer();
  EXPECT_EQ(r.Get(cust::kLastUsed), "NEW");
  EXPECT_EQ(r.Get(cust::kLastPayment), "");
  EXPECT_EQ(Raw<int32_t>(r, 1010), 0);
  EXPECT_EQ(Raw<int32_t>(r, 1238), 0);
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
