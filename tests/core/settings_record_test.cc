// The settings record's layout: first-run defaults at their offsets written out here, and every
// field of the table reading and writing exactly its own bytes, with the table's offsets checked
// against the same offsets written out independently.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "base/bytes.h"
#include "formats/settings_record.h"
#include "layout_check.h"

namespace ventro {
namespace {

using test::ChangedOutside;
using test::FilledRecord;
using test::kBackground;

SettingsRecord Filled(uint8_t byte) { return FilledRecord<SettingsRecord>(byte); }

LocalTime Today() { return {2026, 12, 6, 9, 30, 0, 0}; }

TEST(SettingsRecordDefaults, WriteTheFirstRunValuesAtTheirOffsets) {
  SettingsRecord s;
  s.ApplyFirstRunDefaults(Today());
  const uint8_t* p = s.data();

  EXPECT_EQ(GetFixed(p + 9, 27), "ALCBEEBOOCANCARCOFDELDRIDVD");
  EXPECT_EQ(GetFixed(p + 4814, 27), "FROFRUHARMSCPAPPOPTEASWEWIN");
  for (int b = 1; b <= 8; ++b) {
    EXPECT_EQ(GetI32(p + 40 + 4 * (b - 1)), b) << "discount band " << b;
    EXPECT_EQ(GetI64(p + 4480 + 8 * (b - 1)), b) << "credit band " << b;
  }
  EXPECT_EQ(GetI32(p + 72), 99);
  EXPECT_EQ(GetI32(p + 76), 6);
  EXPECT_EQ(GetI64(p + 4336), 1);
  EXPECT_EQ(GetI64(p + 4544), 2);     // tax 1 active
  EXPECT_EQ(GetI64(p + 4560), 0);     // tax 2 inactive
  EXPECT_EQ(GetI64(p + 4576), 2000);  // tax 1 rate
  EXPECT_EQ(GetI64(p + 4584), 2);     // insufficient stock permitted
  EXPECT_EQ(GetI32(p + 4792), 1);     // next transaction
  EXPECT_EQ(GetI32(p + 4796), 2);
  EXPECT_EQ(GetText(p + 4841, 6), "VAT 1");
  EXPECT_EQ(GetText(p + 4847, 6), "VAT 2");
  EXPECT_EQ(GetF64(p + 4854), 100.0);
  EXPECT_EQ(GetText(p + 6582, 32), "27,112,0,25,250");
  EXPECT_EQ(GetText(p + 7190, 30), "Administrator");
  EXPECT_EQ(GetText(p + 7220, 30), "Manager");
  EXPECT_EQ(GetText(p + 7250, 30), "Clerk 3");
  EXPECT_EQ(GetText(p + 7190 + 30 * 99, 30), "Clerk 100");
  EXPECT_EQ(GetText(p + 11310, 253), "Always happy to help!");
  EXPECT_EQ(GetI32(p + 12594), 6);  // history from
  EXPECT_EQ(GetI32(p + 12598), 12);
  EXPECT_EQ(GetI32(p + 12602), 2026);
  EXPECT_EQ(GetI32(p + 12606), 6);  // first run
  EXPECT_EQ(GetI32(p + 12610), 12);
  EXPECT_EQ(GetI32(p + 12614), 2026);
  EXPECT_EQ(GetI32(p + 12690), 14);  // current category
  EXPECT_EQ(GetI32(p + 13054), 2);   // drawer through the receipt printer
  EXPECT_EQ(GetI32(p + 13110), 2);   // receipt logo

  const int32_t receipt_layout[19] = {1, 2, 3, 4, 0, 5, 7, 4, 0, 0, 0, 0, 0, 0, 2, 8, 0, 0, 0};
  for (int e = 0; e < 19; ++e) {
    EXPECT_EQ(GetI32(p + 5662 + 4 * e), receipt_layout[e]) << "receipt element " << e;
  }
  const int32_t invoice_layout[18] = {7,  8,  9,  0,  0, 11, 15, 18, 41,
                                      48, 40, 30, 31, 0, 34, 16, 13, 49};
  for (int e = 0; e < 18; ++e) {
    EXPECT_EQ(GetI32(p + 13178 + 4 * e), invoice_layout[e]) << "invoice element " << e;
  }
  for (int k = 0; k < 3; ++k) EXPECT_EQ(GetI32(p + 13258 + 4 * k), 1);
}

TEST(SettingsRecordDefaults, ClearTheFourBlocksAndLeaveStartUpFieldsAlone) {
  SettingsRecord s = Filled(0xFF);
  s.ApplyFirstRunDefaults(Today());
  const uint8_t* p = s.data();

  auto all_zero = [p](size_t from, size_t to, std::vector<size_t> skip) {
    for (size_t i = from; i < to; ++i) {
      bool skipped = false;
      for (size_t start : skip) skipped |= i >= start && i < start + 8;
      if (!skipped && p[i] != 0) return false;
    }
    return true;
  };
  EXPECT_TRUE(all_zero(3912, 4312, {}));
  std::vector<size_t> defaults_in_options = {4336, 4544, 4576, 4584};
  for (int b = 0; b < 8; ++b) defaults_in_options.push_back(4480 + 8 * b);
  EXPECT_TRUE(all_zero(4312, 4792, defaults_in_options));
  EXPECT_TRUE(all_zero(13418, 14218, {}));
  EXPECT_TRUE(all_zero(14378, SettingsRecord::kSize, {}));
  EXPECT_EQ(p[14377], 0xFF);  // the gap before the last block is not a block

  // Filled at start-up, not by the defaults.
  EXPECT_EQ(p[80], 0xFF);    // heading line 1
  EXPECT_EQ(p[4800], 0xFF);  // currency symbol
  EXPECT_EQ(p[4805], 0xFF);  // currency taken
  // Passwords are cleared for every clerk.
  for (int n = 1; n < 100; ++n) EXPECT_EQ(p[10190 + 10 * n], 0) << "password " << n;
}

TEST(SettingsRecord, CategoryCodesAndAll) {
  SettingsRecord s;
  s.ApplyFirstRunDefaults(Today());
  EXPECT_EQ(s.CategoryCode(0), "ALC");
  EXPECT_EQ(s.CategoryCode(8), "DVD");
  EXPECT_EQ(s.CategoryCode(9), "FRO");
  EXPECT_EQ(s.CategoryCode(17), "WIN");
  EXPECT_EQ(s.CategoryCode(18), "ALL");
  EXPECT_EQ(s.CategoryCode(19), "");
  EXPECT_EQ(s.CategoryCode(-1), "");
  s.SetCategoryCode(18, "XYZ");  // "ALL" is not stored anywhere
  EXPECT_EQ(s.CategoryCode(18), "ALL");
  SettingsRecord untouched = Filled(kBackground);
  untouched.SetCategoryCode(18, "XYZ");
  untouched.SetCategoryCode(-1, "XYZ");
  EXPECT_EQ(ChangedOutside(untouched, {0, 0}), std::vector<size_t>{});
}

TEST(SettingsRecord, CategorySoldCountersRunInTwoBlocks) {
  struct Place {
    int c;
    size_t a;
    size_t b;
  };
  for (Place place :
       {Place{0, 4232, 4272}, Place{8, 4264, 4304}, Place{9, 4036, 4076}, Place{17, 4068, 4108}}) {
    SettingsRecord s = Filled(kBackground);
    s.SetCategorySoldA(place.c, 0x11223344);
    s.SetCategorySoldB(place.c, 0x55667788);
    EXPECT_EQ(GetI32(s.data() + place.a), 0x11223344) << place.c;
    EXPECT_EQ(GetI32(s.data() + place.b), 0x55667788) << place.c;
    EXPECT_EQ(s.CategorySoldA(place.c), 0x11223344) << place.c;
    EXPECT_EQ(s.CategorySoldB(place.c), 0x55667788) << place.c;
  }
  SettingsRecord s = Filled(kBackground);
  s.SetCategorySoldA(18, 1);
  s.SetCategorySoldB(-1, 1);
  EXPECT_EQ(ChangedOutside(s, {0, 0}), std::vector<size_t>{});
  EXPECT_EQ(s.CategorySoldA(18), 0);
}

TEST(SettingsRecordLayout, EveryFieldReadsAndWritesOnlyItsOwnBytes) {
  test::CheckLayout<SettingsRecord>(cfg::kLayout);
}

// Where each field of the table starts and ends (the end of an array is the end of its last
// element), in the table's order.
TEST(SettingsRecordLayout, TheTableMatchesTheStoredOffsets) {
  const std::vector<std::pair<size_t, size_t>> expected = {
      {0, 4},         {9, 36},        {4814, 4841},   {36, 40},       {40, 72},
      {72, 76},       {76, 80},       {80, 640},      {2392, 2712},   {3912, 3932},
      {3952, 3972},   {3976, 3980},   {4036, 4072},   {4076, 4112},   {4232, 4268},
      {4272, 4308},   {4320, 4328},   {4336, 4344},   {4344, 4352},   {4360, 4368},
      {4368, 4376},   {4376, 4384},   {4384, 4392},   {4392, 4400},   {4400, 4408},
      {4408, 4416},   {4424, 4432},   {4432, 4440},   {4440, 4448},   {4448, 4456},
      {4456, 4464},   {4464, 4472},   {4472, 4480},   {4480, 4544},   {4544, 4552},
      {4560, 4568},   {4576, 4584},   {4584, 4592},   {4592, 4600},   {4608, 4616},
      {4632, 4640},   {4648, 4656},   {4656, 4664},   {4664, 4672},   {4680, 4688},
      {4688, 4696},   {4696, 4784},   {4792, 4796},   {4796, 4800},   {4800, 4805},
      {4805, 4806},   {4841, 4853},   {4854, 4862},   {4862, 5112},   {5462, 5612},
      {5612, 5662},   {5662, 5738},   {5742, 5934},   {6582, 6614},   {6782, 6790},
      {7190, 10190},  {10200, 11190}, {11230, 11238}, {11310, 11563}, {11564, 11814},
      {11814, 12214}, {12594, 12606}, {12606, 12618}, {12618, 12622}, {12642, 12646},
      {12650, 12654}, {12658, 12662}, {12666, 12670}, {12678, 12682}, {12682, 12686},
      {12686, 12690}, {12690, 12694}, {12694, 12698}, {12698, 12702}, {12702, 12706},
      {12706, 12710}, {12710, 12714}, {12714, 12718}, {12718, 12722}, {12722, 12726},
      {12730, 12734}, {12738, 12742}, {12742, 12746}, {12754, 12758}, {13018, 13022},
      {13026, 13030}, {13034, 13038}, {13050, 13054}, {13054, 13058}, {13098, 13102},
      {13102, 13106}, {13106, 13110}, {13110, 13114}, {13114, 13118}, {13118, 13122},
      {13122, 13126}, {13126, 13130}, {13130, 13134}, {13134, 13138}, {13138, 13142},
      {13142, 13146}, {13158, 13162}, {13162, 13166}, {13166, 13170}, {13170, 13174},
      {13174, 13178}, {13178, 13250}, {13258, 13270}, {13270, 13274}, {13278, 13282},
      {13298, 13302}, {13302, 13306}, {13306, 13310}, {13310, 13314}, {13322, 13326},
      {13326, 13330}, {13330, 13334}, {13334, 13338}, {13338, 13350}, {13350, 13354},
      {13354, 13358}, {13358, 13362}, {13362, 13366}, {13366, 13370}, {13370, 13374},
      {13374, 13378}, {13378, 13382}, {13382, 13386}, {13386, 13390}, {13394, 13414},
      {13418, 13426}, {13426, 13434}, {13442, 13450}, {13450, 13458}, {13498, 13506},
      {14218, 14226}, {14234, 14290}, {14290, 14322}, {14394, 14402}, {14538, 14682}};
  EXPECT_EQ(test::SpanList(cfg::kLayout), expected);
}

TEST(SettingsRecordLayout, StampsAndDatesKeepTheirPartsInOrder) {
  SettingsRecord s = Filled(kBackground);
  s.Set(cfg::kLastStart, {1, 2, 3, 4, 2025});
  s.Set(cfg::kLastBackup, {5, 6, 7, 8, 2026});
  s.Set(cfg::kHistoryFrom, {9, 10, 2027});
  s.Set(cfg::kFirstRunDate, {11, 12, 2028});
  const int32_t start[] = {1, 2, 3, 4, 2025};
  const int32_t backup[] = {5, 6, 7, 8, 2026};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(GetI32(s.data() + 3912 + 4 * i), start[i]);
    EXPECT_EQ(GetI32(s.data() + 3952 + 4 * i), backup[i]);
  }
  EXPECT_EQ(GetI32(s.data() + 12594), 9);
  EXPECT_EQ(GetI32(s.data() + 12598), 10);
  EXPECT_EQ(GetI32(s.data() + 12602), 2027);
  EXPECT_EQ(GetI32(s.data() + 12606), 11);
  EXPECT_EQ(GetI32(s.data() + 12614), 2028);
  EXPECT_EQ(s.Get(cfg::kLastBackup).year, 2026);
  EXPECT_EQ(s.Get(cfg::kHistoryFrom).month, 10);
}

TEST(SettingsRecordLayout, IndexesFollowTheirOwnNumbering) {
  SettingsRecord s = Filled(kBackground);
  s.Set(cfg::kClerkPassword, 1, "1");  // passwords are indexed by the clerk number
  s.Set(cfg::kClerkPassword, 99, "99");
  s.Set(cfg::kControlledOperation, ControlledOp::kFileReset, 2);
  s.Set(cfg::kRefundTotal, RefundTotal::kGrandTotal, 1.5);
  s.Set(cfg::kPoleString, PoleString::kCursorLine2, "27,2");
  EXPECT_EQ(GetText(s.data() + 10200, 10), "1");
  EXPECT_EQ(GetText(s.data() + 11180, 10), "99");
  EXPECT_EQ(GetI64(s.data() + 4776), 2);
  EXPECT_EQ(GetF64(s.data() + 14282), 1.5);
  EXPECT_EQ(GetText(s.data() + 5902, 32), "27,2");
  EXPECT_EQ(s.data()[10190], kBackground);  // slot 0 is unused
}

}  // namespace
}  // namespace ventro
