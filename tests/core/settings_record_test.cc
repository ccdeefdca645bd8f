// The settings record's layout: first-run defaults at their offsets, and every accessor
// reading and writing exactly its own bytes. Offsets here are written out independently of the
// accessors' own tables.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "base/bytes.h"
#include "formats/settings_record.h"

namespace ventro {
namespace {

constexpr uint8_t kBackground = 0xA5;

SettingsRecord Filled(uint8_t byte) {
  SettingsRecord s;
  std::memset(s.data(), byte, SettingsRecord::kSize);
  return s;
}

// The offsets outside [offset, offset + width) whose byte is no longer `byte`.
std::vector<size_t> ChangedOutside(const SettingsRecord& s, size_t offset, size_t width,
                                   uint8_t byte = kBackground) {
  std::vector<size_t> changed;
  for (size_t i = 0; i < SettingsRecord::kSize; ++i) {
    if ((i < offset || i >= offset + width) && s.data()[i] != byte) changed.push_back(i);
  }
  return changed;
}

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
}

// --- every accessor writes its own bytes and reads them back ---

enum class Kind { kI32, kI64, kF64 };

struct NumberCase {
  std::string name;
  size_t offset;
  Kind kind;
  std::function<void(SettingsRecord&, int64_t)> set;
  std::function<int64_t(const SettingsRecord&)> get;
};

template <typename T>
NumberCase Scalar(const char* name, size_t offset, cfg::Text get, cfg::Text set) {
  Kind kind = sizeof(T) == 4 ? Kind::kI32 : std::is_integral_v<T> ? Kind::kI64 : Kind::kF64;
  return {name, offset, kind,
          [set](SettingsRecord& s, int64_t v) { s.Set(set, static_cast<T>(v)); },
          [get](const SettingsRecord& s) { return static_cast<int64_t>(s.Get(get)); }};
}

template <typename T, typename Index>
NumberCase Indexed(std::string name, size_t offset, Index index,
                   T (SettingsRecord::*get)(Index) const, void (SettingsRecord::*set)(Index, T)) {
  Kind kind = sizeof(T) == 4 ? Kind::kI32 : std::is_integral_v<T> ? Kind::kI64 : Kind::kF64;
  return {
      std::move(name), offset, kind,
      [set, index](SettingsRecord& s, int64_t v) { s.Set(set, index, static_cast<T>(v)); },
      [get, index](const SettingsRecord& s) { return static_cast<int64_t>(s.Set(get, index)); }};
}

using R = SettingsRecord;

std::vector<NumberCase> NumberCases() {
  return {
      Scalar("receipt_printer_index", 36, &R::receipt_printer_index, &R::set_receipt_printer_index),
      Indexed("terms_discount(1)", 40, 1, &R::terms_discount, &R::set_terms_discount),
      Indexed("terms_discount(8)", 68, 8, &R::terms_discount, &R::set_terms_discount),
      Scalar("marker_99", 72, &R::marker_99, &R::set_marker_99),
      Scalar("first_run_day_of_month", 76, &R::first_run_day_of_month,
             &R::set_first_run_day_of_month),
      Scalar("tips_off", 3976, &R::tips_off, &R::set_tips_off),
      Indexed("category_sold_a(0)", 4232, 0, &R::category_sold_a, &R::set_category_sold_a),
      Indexed("category_sold_a(8)", 4264, 8, &R::category_sold_a, &R::set_category_sold_a),
      Indexed("category_sold_a(9)", 4036, 9, &R::category_sold_a, &R::set_category_sold_a),
      Indexed("category_sold_a(17)", 4068, 17, &R::category_sold_a, &R::set_category_sold_a),
      Indexed("category_sold_b(0)", 4272, 0, &R::category_sold_b, &R::set_category_sold_b),
      Indexed("category_sold_b(8)", 4304, 8, &R::category_sold_b, &R::set_category_sold_b),
      Indexed("category_sold_b(9)", 4076, 9, &R::category_sold_b, &R::set_category_sold_b),
      Indexed("category_sold_b(17)", 4108, 17, &R::category_sold_b, &R::set_category_sold_b),
      Indexed("option(0)", 4312, 0, &R::option, &R::set_option),
      Indexed("option(59)", 4784, 59, &R::option, &R::set_option),
      Scalar("kitchen_printer_index", 4320, &R::kitchen_printer_index,
             &R::set_kitchen_printer_index),
      Scalar("marker_1", 4336, &R::marker_1, &R::set_marker_1),
      Scalar("drawer_repeat", 4344, &R::drawer_repeat, &R::set_drawer_repeat),
      Scalar("drawer_open_character", 4360, &R::drawer_open_character,
             &R::set_drawer_open_character),
      Scalar("no_new_inventory_offer", 4368, &R::no_new_inventory_offer,
             &R::set_no_new_inventory_offer),
      Scalar("drawer_port", 4376, &R::drawer_port, &R::set_drawer_port),
      Scalar("print_confirm", 4384, &R::print_confirm, &R::set_print_confirm),
      Scalar("customers_added", 4392, &R::customers_added, &R::set_customers_added),
      Scalar("no_new_customer_offer", 4400, &R::no_new_customer_offer,
             &R::set_no_new_customer_offer),
      Scalar("no_summary_box", 4408, &R::no_summary_box, &R::set_no_summary_box),
      Scalar("listing_lines_per_page", 4424, &R::listing_lines_per_page,
             &R::set_listing_lines_per_page),
      Scalar("last_inventory_number", 4432, &R::last_inventory_number,
             &R::set_last_inventory_number),
      Scalar("last_customer_number", 4440, &R::last_customer_number, &R::set_last_customer_number),
      Scalar("open_drawer_after_commit", 4448, &R::open_drawer_after_commit,
             &R::set_open_drawer_after_commit),
      Scalar("customer_search_list", 4456, &R::customer_search_list, &R::set_customer_search_list),
      Scalar("listing_indent", 4464, &R::listing_indent, &R::set_listing_indent),
      Scalar("configuration_free", 4472, &R::configuration_free, &R::set_configuration_free),
      Indexed("terms_credit(1)", 4480, 1, &R::terms_credit, &R::set_terms_credit),
      Indexed("terms_credit(8)", 4536, 8, &R::terms_credit, &R::set_terms_credit),
      Scalar("tax1_active", 4544, &R::tax1_active, &R::set_tax1_active),
      Scalar("tax2_active", 4560, &R::tax2_active, &R::set_tax2_active),
      Scalar("tax1_rate", 4576, &R::tax1_rate, &R::set_tax1_rate),
      Scalar("permit_insufficient_stock", 4584, &R::permit_insufficient_stock,
             &R::set_permit_insufficient_stock),
      Scalar("tax2_rate", 4592, &R::tax2_rate, &R::set_tax2_rate),
      Scalar("tax2_compound", 4608, &R::tax2_compound, &R::set_tax2_compound),
      Scalar("inventory_search_list", 4632, &R::inventory_search_list,
             &R::set_inventory_search_list),
      Scalar("trade_prices", 4648, &R::trade_prices, &R::set_trade_prices),
      Scalar("trade_button_inhibited", 4656, &R::trade_button_inhibited,
             &R::set_trade_button_inhibited),
      Scalar("weight_button_inhibited", 4664, &R::weight_button_inhibited,
             &R::set_weight_button_inhibited),
      Scalar("discount_button_inhibited", 4680, &R::discount_button_inhibited,
             &R::set_discount_button_inhibited),
      Scalar("adjust_price_button_inhibited", 4688, &R::adjust_price_button_inhibited,
             &R::set_adjust_price_button_inhibited),
      Indexed("controlled_operation(delete inventory)", 4696, ControlledOp::kDeleteInventory,
              &R::controlled_operation, &R::set_controlled_operation),
      Indexed("controlled_operation(takings amendment)", 4768, ControlledOp::kTakingsAmendment,
              &R::controlled_operation, &R::set_controlled_operation),
      Indexed("controlled_operation(file reset)", 4776, ControlledOp::kFileReset,
              &R::controlled_operation, &R::set_controlled_operation),
      Scalar("next_transaction", 4792, &R::next_transaction, &R::set_next_transaction),
      Scalar("marker_2", 4796, &R::marker_2, &R::set_marker_2),
      Scalar("default_till_total", 4854, &R::default_till_total, &R::set_default_till_total),
      Indexed("custom_receipt_layout(0)", 5662, 0, &R::custom_receipt_layout,
              &R::set_custom_receipt_layout),
      Indexed("custom_receipt_layout(18)", 5734, 18, &R::custom_receipt_layout,
              &R::set_custom_receipt_layout),
      Scalar("signed_on_clerk", 6782, &R::signed_on_clerk, &R::set_signed_on_clerk),
      Scalar("trade_discount_percent", 11230, &R::trade_discount_percent,
             &R::set_trade_discount_percent),
      Indexed("clerk_availability(0)", 11814, 0, &R::clerk_availability,
              &R::set_clerk_availability),
      Indexed("clerk_availability(99)", 12210, 99, &R::clerk_availability,
              &R::set_clerk_availability),
      Scalar("auto_receipt", 12618, &R::auto_receipt, &R::set_auto_receipt),
      Scalar("sku1_selection", 12642, &R::sku1_selection, &R::set_sku1_selection),
      Scalar("reorder_alerts", 12650, &R::reorder_alerts, &R::set_reorder_alerts),
      Scalar("receipt_word_wrap", 12658, &R::receipt_word_wrap, &R::set_receipt_word_wrap),
      Scalar("receipt_description_limit", 12666, &R::receipt_description_limit,
             &R::set_receipt_description_limit),
      Scalar("discount_button_rate", 12678, &R::discount_button_rate, &R::set_discount_button_rate),
      Scalar("sounds_off", 12682, &R::sounds_off, &R::set_sounds_off),
      Scalar("omit_monthly_till_totals", 12686, &R::omit_monthly_till_totals,
             &R::set_omit_monthly_till_totals),
      Scalar("current_category", 12690, &R::current_category, &R::set_current_category),
      Scalar("start_category", 12694, &R::start_category, &R::set_start_category),
      Scalar("receipt_copies", 12698, &R::receipt_copies, &R::set_receipt_copies),
      Scalar("default_new_category", 12702, &R::default_new_category, &R::set_default_new_category),
      Scalar("trade_percentage_discount", 12706, &R::trade_percentage_discount,
             &R::set_trade_percentage_discount),
      Scalar("receipt_logo_page_width", 12710, &R::receipt_logo_page_width,
             &R::set_receipt_logo_page_width),
      Scalar("upload_overview", 12714, &R::upload_overview, &R::set_upload_overview),
      Scalar("upload_items_list", 12718, &R::upload_items_list, &R::set_upload_items_list),
      Scalar("upload_reorder_list", 12722, &R::upload_reorder_list, &R::set_upload_reorder_list),
      Scalar("discount_on_total", 12730, &R::discount_on_total, &R::set_discount_on_total),
      Scalar("report_menu_controlled", 12738, &R::report_menu_controlled,
             &R::set_report_menu_controlled),
      Scalar("activity_menu_controlled", 12742, &R::activity_menu_controlled,
             &R::set_activity_menu_controlled),
      Scalar("receipt_font_size", 12754, &R::receipt_font_size, &R::set_receipt_font_size),
      Scalar("pole_in_use", 13018, &R::pole_in_use, &R::set_pole_in_use),
      Scalar("pole_port", 13026, &R::pole_port, &R::set_pole_port),
      Scalar("pole_columns_line1", 13034, &R::pole_columns_line1, &R::set_pole_columns_line1),
      Scalar("pole_columns_line2", 13050, &R::pole_columns_line2, &R::set_pole_columns_line2),
      Scalar("drawer_connection", 13054, &R::drawer_connection, &R::set_drawer_connection),
      Scalar("tax1_threshold_only", 13098, &R::tax1_threshold_only, &R::set_tax1_threshold_only),
      Scalar("display_second_currency", 13102, &R::display_second_currency,
             &R::set_display_second_currency),
      Scalar("kitchen_receipt", 13106, &R::kitchen_receipt, &R::set_kitchen_receipt),
      Scalar("receipt_logo", 13110, &R::receipt_logo, &R::set_receipt_logo),
      Scalar("receipt_items_centred", 13114, &R::receipt_items_centred,
             &R::set_receipt_items_centred),
      Scalar("receipt_barcode", 13118, &R::receipt_barcode, &R::set_receipt_barcode),
      Scalar("custom_receipt_omit_logo", 13122, &R::custom_receipt_omit_logo,
             &R::set_custom_receipt_omit_logo),
      Scalar("custom_receipt_barcode", 13126, &R::custom_receipt_barcode,
             &R::set_custom_receipt_barcode),
      Scalar("custom_receipt_items_centred", 13130, &R::custom_receipt_items_centred,
             &R::set_custom_receipt_items_centred),
      Scalar("cart_description_only", 13134, &R::cart_description_only,
             &R::set_cart_description_only),
      Scalar("manual_drawer_inhibited", 13138, &R::manual_drawer_inhibited,
             &R::set_manual_drawer_inhibited),
      Scalar("non_inventory_taxable", 13142, &R::non_inventory_taxable,
             &R::set_non_inventory_taxable),
      Scalar("refunds_controlled", 13158, &R::refunds_controlled, &R::set_refunds_controlled),
      Scalar("language", 13162, &R::language, &R::set_language),
      Scalar("non_inventory_controlled", 13166, &R::non_inventory_controlled,
             &R::set_non_inventory_controlled),
      Scalar("cashback_controlled", 13170, &R::cashback_controlled, &R::set_cashback_controlled),
      Scalar("cost_price_hidden", 13174, &R::cost_price_hidden, &R::set_cost_price_hidden),
      Indexed("custom_invoice_layout(0)", 13178, 0, &R::custom_invoice_layout,
              &R::set_custom_invoice_layout),
      Indexed("custom_invoice_layout(17)", 13246, 17, &R::custom_invoice_layout,
              &R::set_custom_invoice_layout),
      Indexed("custom_invoice_option(0)", 13258, 0, &R::custom_invoice_option,
              &R::set_custom_invoice_option),
      Indexed("custom_invoice_option(2)", 13266, 2, &R::custom_invoice_option,
              &R::set_custom_invoice_option),
      Scalar("a4_omit_logo", 13270, &R::a4_omit_logo, &R::set_a4_omit_logo),
      Scalar("receipt_item_layout", 13278, &R::receipt_item_layout, &R::set_receipt_item_layout),
      Scalar("new_inventory_free", 13298, &R::new_inventory_free, &R::set_new_inventory_free),
      Scalar("inventory_received_free", 13302, &R::inventory_received_free,
             &R::set_inventory_received_free),
      Scalar("amend_inventory_free", 13306, &R::amend_inventory_free, &R::set_amend_inventory_free),
      Scalar("tax_setup_free", 13310, &R::tax_setup_free, &R::set_tax_setup_free),
      Scalar("pole_stop_bits", 13322, &R::pole_stop_bits, &R::set_pole_stop_bits),
      Scalar("pole_baud_rate", 13326, &R::pole_baud_rate, &R::set_pole_baud_rate),
      Scalar("pole_data_bits", 13330, &R::pole_data_bits, &R::set_pole_data_bits),
      Scalar("pole_parity", 13334, &R::pole_parity, &R::set_pole_parity),
      Indexed("custom_receipt_text_line(1)", 13338, 1, &R::custom_receipt_text_line,
              &R::set_custom_receipt_text_line),
      Indexed("custom_receipt_text_line(3)", 13346, 3, &R::custom_receipt_text_line,
              &R::set_custom_receipt_text_line),
      Scalar("custom_receipt_blank_lines", 13350, &R::custom_receipt_blank_lines,
             &R::set_custom_receipt_blank_lines),
      Scalar("cutter_port", 13354, &R::cutter_port, &R::set_cutter_port),
      Scalar("custom_receipt_second_currency", 13358, &R::custom_receipt_second_currency,
             &R::set_custom_receipt_second_currency),
      Scalar("custom_receipt_mark_exempt", 13362, &R::custom_receipt_mark_exempt,
             &R::set_custom_receipt_mark_exempt),
      Scalar("custom_receipt_payment_line", 13366, &R::custom_receipt_payment_line,
             &R::set_custom_receipt_payment_line),
      Scalar("custom_receipt_excluding_tax", 13370, &R::custom_receipt_excluding_tax,
             &R::set_custom_receipt_excluding_tax),
      Scalar("custom_receipt_note_line", 13374, &R::custom_receipt_note_line,
             &R::set_custom_receipt_note_line),
      Scalar("receipt_exclusive_subtotal", 13378, &R::receipt_exclusive_subtotal,
             &R::set_receipt_exclusive_subtotal),
      Scalar("button_tips_off", 13382, &R::button_tips_off, &R::set_button_tips_off),
      Scalar("default_tax_code", 13386, &R::default_tax_code, &R::set_default_tax_code),
      Indexed("custom_receipt_customer_line(1)", 13394, 1, &R::custom_receipt_customer_line,
              &R::set_custom_receipt_customer_line),
      Indexed("custom_receipt_customer_line(5)", 13410, 5, &R::custom_receipt_customer_line,
              &R::set_custom_receipt_customer_line),
      Scalar("tax1_threshold", 13418, &R::tax1_threshold, &R::set_tax1_threshold),
      Scalar("petty_cash_total", 13426, &R::petty_cash_total, &R::set_petty_cash_total),
      Scalar("cashback_total", 13442, &R::cashback_total, &R::set_cashback_total),
      Scalar("second_currency_rate", 13450, &R::second_currency_rate, &R::set_second_currency_rate),
      Scalar("eft_cashback", 13498, &R::eft_cashback, &R::set_eft_cashback),
      Scalar("takings_total", 14218, &R::takings_total, &R::set_takings_total),
      Indexed("refund_total(non taxable)", 14234, RefundTotal::kNonTaxable, &R::refund_total,
              &R::set_refund_total),
      Indexed("refund_total(grand total)", 14282, RefundTotal::kGrandTotal, &R::refund_total,
              &R::set_refund_total),
      Indexed("reserved_total(3)", 14314, 3, &R::reserved_total, &R::set_reserved_total),
      Scalar("refund_cost_total", 14394, &R::refund_cost_total, &R::set_refund_cost_total),
      Indexed("category_sales_value(0)", 14538, 0, &R::category_sales_value,
              &R::set_category_sales_value),
      Indexed("category_sales_value(17)", 14674, 17, &R::category_sales_value,
              &R::set_category_sales_value),
  };
}

TEST(SettingsRecordLayout, NumbersLandAtTheirOffsetsAndNowhereElse) {
  for (const NumberCase& c : NumberCases()) {
    SCOPED_TRACE(c.name);
    SettingsRecord s = Filled(kBackground);
    const uint8_t* at = s.data() + c.offset;
    size_t width = c.kind == Kind::kI32 ? 4 : 8;
    int64_t value = c.kind == Kind::kI32 ? 0x12345678 : 0x0102030405060708;
    if (c.kind == Kind::kF64) value = 123;
    c.set(s, value);
    switch (c.kind) {
      case Kind::kI32:
        EXPECT_EQ(GetI32(at), value);
        break;
      case Kind::kI64:
        EXPECT_EQ(GetI64(at), value);
        break;
      case Kind::kF64:
        EXPECT_EQ(GetF64(at), 123.0);
        break;
    }
    EXPECT_EQ(c.get(s), value);
    EXPECT_EQ(ChangedOutside(s, c.offset, width), std::vector<size_t>{});
  }
}

struct TextCase {
  std::string name;
  size_t offset;
  size_t width;
  std::function<void(SettingsRecord&, std::string_view)> set;
  std::function<std::string(const SettingsRecord&)> get;
};

template <typename Index>
TextCase IndexedText(std::string name, size_t offset, size_t width, Index index,
                     std::string (SettingsRecord::*get)(Index) const,
                     void (SettingsRecord::*set)(Index, std::string_view)) {
  return {std::move(name), offset, width,
          [set, index](SettingsRecord& s, std::string_view t) { s.Set(set, index, t); },
          [get, index](const SettingsRecord& s) { return s.Set(get, index); }};
}

TextCase Text(std::string name, size_t offset, size_t width, cfg::Text get, cfg::Text set) {
  return {std::move(name), offset, width,
          [set](SettingsRecord& s, std::string_view t) { s.Set(set, t); },
          [get](const SettingsRecord& s) { return s.Get(get); }};
}

std::vector<TextCase> TextCases() {
  return {
      Text("second_currency_symbol", 0, 4, &R::second_currency_symbol,
           &R::set_second_currency_symbol),
      IndexedText("heading_line(1)", 80, 80, 1, &R::heading_line, &R::set_heading_line),
      IndexedText("heading_line(6)", 480, 80, 6, &R::heading_line, &R::set_heading_line),
      IndexedText("heading_line(7)", 560, 80, 7, &R::heading_line, &R::set_heading_line),
      IndexedText("non_inventory_preset(1)", 2392, 80, 1, &R::non_inventory_preset,
                  &R::set_non_inventory_preset),
      IndexedText("non_inventory_preset(4)", 2632, 80, 4, &R::non_inventory_preset,
                  &R::set_non_inventory_preset),
      Text("currency_symbol", 4800, 5, &R::currency_symbol, &R::set_currency_symbol),
      IndexedText("tax_name(1)", 4841, 6, 1, &R::tax_name, &R::set_tax_name),
      IndexedText("tax_name(2)", 4847, 6, 2, &R::tax_name, &R::set_tax_name),
      IndexedText("custom_receipt_text(1)", 5462, 50, 1, &R::custom_receipt_text,
                  &R::set_custom_receipt_text),
      IndexedText("custom_receipt_text(3)", 5562, 50, 3, &R::custom_receipt_text,
                  &R::set_custom_receipt_text),
      Text("cutter_sequence", 5612, 50, &R::cutter_sequence, &R::set_cutter_sequence),
      IndexedText("pole_string(passive)", 5742, 32, PoleString::kPassiveText, &R::pole_string,
                  &R::set_pole_string),
      IndexedText("pole_string(line 2)", 5902, 32, PoleString::kCursorLine2, &R::pole_string,
                  &R::set_pole_string),
      Text("drawer_sequence", 6582, 32, &R::drawer_sequence, &R::set_drawer_sequence),
      IndexedText("clerk_name(1)", 7190, 30, 1, &R::clerk_name, &R::set_clerk_name),
      IndexedText("clerk_name(100)", 10160, 30, 100, &R::clerk_name, &R::set_clerk_name),
      IndexedText("clerk_password(1)", 10200, 10, 1, &R::clerk_password, &R::set_clerk_password),
      IndexedText("clerk_password(99)", 11180, 10, 99, &R::clerk_password, &R::set_clerk_password),
      Text("receipt_footer", 11310, 253, &R::receipt_footer, &R::set_receipt_footer),
  };
}

TEST(SettingsRecordLayout, TextsLandAtTheirOffsetsTerminatedAndCut) {
  for (const TextCase& c : TextCases()) {
    SCOPED_TRACE(c.name);
    SettingsRecord s = Filled(kBackground);
    std::string longest(c.width - 1, 'Q');
    c.set(s, longest + "overflow");
    EXPECT_EQ(GetText(s.data() + c.offset, c.width), longest);
    EXPECT_EQ(s.data()[c.offset + c.width - 1], 0);
    EXPECT_EQ(c.get(s), longest);
    EXPECT_EQ(ChangedOutside(s, c.offset, c.width), std::vector<size_t>{});
  }
}

TEST(SettingsRecordLayout, PrinterNamesStayBeforeTheNextField) {
  SettingsRecord s = Filled(kBackground);
  s.Set(cfg::kReceiptPrinterName, std::string(1000, 'P'));
  s.Set(cfg::kKitchenPrinterName, std::string(1000, 'K'));
  EXPECT_EQ(s.Get(cfg::kReceiptPrinterName).substr(0, 3), "PPP");
  EXPECT_EQ(s.data()[4862], 'P');
  EXPECT_EQ(s.data()[11564], 'K');
  EXPECT_EQ(s.data()[5462], kBackground);   // custom receipt text 1
  EXPECT_EQ(s.data()[11814], kBackground);  // clerk availability
}

TEST(SettingsRecordLayout, FixedCodesDatesAndStamps) {
  struct Code {
    int c;
    size_t offset;
  };
  for (Code code : {Code{0, 9}, Code{8, 33}, Code{9, 4814}, Code{17, 4838}}) {
    SettingsRecord s = Filled(kBackground);
    s.SetCategoryCode(code.c, "XYZ");
    EXPECT_EQ(GetFixed(s.data() + code.offset, 3), "XYZ") << code.c;
    EXPECT_EQ(ChangedOutside(s, code.offset, 3), std::vector<size_t>{}) << code.c;
  }

  SettingsRecord s = Filled(kBackground);
  s.Set(cfg::kLastStart, {1, 2, 3, 4, 2025});
  s.Set(cfg::kLastBackup, {5, 6, 7, 8, 2026});
  s.Set(cfg::kHistoryFrom, {9, 10, 2027});
  s.Set(cfg::kFirstRunDate, {11, 12, 2028});
  s.Set(cfg::kCurrencyTaken, 2);
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
  EXPECT_EQ(s.data()[4805], 2);
  EXPECT_EQ(s.Get(cfg::kLastBackup).year, 2026);
  EXPECT_EQ(s.Get(cfg::kHistoryFrom).month, 10);
}

TEST(SettingsRecordLayout, IndexesOutsideAFieldAreNeitherReadNorWritten) {
  SettingsRecord s = Filled(kBackground);
  s.Set(cfg::kHeadingLine, 0, "x");
  s.Set(cfg::kHeadingLine, 8, "x");
  s.Set(cfg::kClerkName, 0, "x");
  s.Set(cfg::kClerkName, 101, "x");
  s.Set(cfg::kClerkPassword, 0, "x");
  s.Set(cfg::kClerkPassword, 100, "x");
  s.Set(cfg::kTermsDiscount, 0, 1);
  s.Set(cfg::kTermsCredit, 9, 1);
  s.SetCategorySoldA(18, 1);
  s.Set(cfg::kCategorySalesValue, -1, 1);
  s.Set(cfg::kCustomReceiptLayout, 19, 1);
  s.Set(cfg::kCustomInvoiceLayout, 18, 1);
  s.Set(cfg::kOption, 60, 1);
  s.Set(cfg::kTaxName, 3, "x");
  EXPECT_EQ(ChangedOutside(s, 0, 0), std::vector<size_t>{});
  EXPECT_EQ(s.Get(cfg::kClerkName, 101), "");
  EXPECT_EQ(s.Get(cfg::kTermsCredit, 9), 0);
  EXPECT_EQ(s.Get(cfg::kOption, -1), 0);
}

}  // namespace
}  // namespace ventro
