// The settings record: every setting, counter and operator datum of the program in one block
// of 15,018 bytes, stored byte for byte as vt.cfg. Accessors read and write the fields in
// place; bytes no accessor names are carried unchanged.
//
// Flags marked 2/0 are stored as 2 for on and 0 for off (any non-zero value reads as on);
// flags marked 1/0 are stored as 1 and 0. Accessors return and take the stored value as it
// is, so that a value written by an older file survives a load and save unchanged. An index
// outside a field's range reads as 0 (or empty) and is not written.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace ventro {

// Minute, hour, day, month and year of a start, stop or backup.
struct TimeStamp {
  int32_t minute = 0;
  int32_t hour = 0;
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;
};

struct Date {
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;
};

// The stored value of a 2/0 flag.
constexpr int32_t OnOff(bool on) { return on ? 2 : 0; }

// The operations the administrator can leave free (2) or put under control (0), in the order
// they are stored.
enum class ControlledOp {
  kDeleteInventory,
  kDeleteCustomer,
  kPruneCustomers,
  kCustomerBalance,
  kActivitySummary,
  kTakings,
  kPrintTakings,
  kPurgeTakings,
  kPurgeLogFiles,
  kTakingsAmendment,
  kFileReset,
};
inline constexpr int kControlledOpCount = 11;

// The six texts and code lists of the pole display, in the order they are stored.
enum class PoleString {
  kPassiveText,
  kPrinterOn,
  kPrinterOff,
  kClearDisplay,
  kCursorLine1,
  kCursorLine2,
};
inline constexpr int kPoleStringCount = 6;

// The running refund totals, in the order they are stored.
enum class RefundTotal { kNonTaxable, kTaxable, kNet, kTax1, kTax2, kDiscount, kGrandTotal };
inline constexpr int kRefundTotalCount = 7;

class SettingsRecord {
 public:
  static constexpr size_t kSize = 15018;
  static constexpr int kCategoryCount = 18;          // display categories 0 to 17
  static constexpr int kAllCategories = 18;          // the quick-select "ALL" category
  static constexpr int kHeadingLineCount = 7;        // heading lines 1 to 7
  static constexpr int kHeadingLineMaxLength = 40;   // what the heading dialog accepts
  static constexpr int kPresetCount = 4;             // non-inventory presets 1 to 4
  static constexpr int kPresetMaxLength = 12;        // what the presets dialog accepts
  static constexpr int kTermsBandCount = 8;          // terms bands 1 to 8
  static constexpr int kClerkCount = 100;            // clerk names 1 to 100
  static constexpr int kClerkPasswordMaxLength = 8;  // digits
  static constexpr int kCustomReceiptTextCount = 3;  // custom receipt texts 1 to 3
  static constexpr int kCustomReceiptElements = 19;  // custom receipt layout elements 0 to 18
  static constexpr int kCustomInvoiceElements = 18;  // custom invoice layout elements 0 to 17
  static constexpr int kCustomInvoiceOptionCount = 3;
  static constexpr int kCustomerLineCount = 5;  // customer address 1 to 4, telephone
  static constexpr int kOptionCount = 60;       // the i64 option block
  static constexpr int kReservedTotalCount = 4;

  SettingsRecord() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  std::string_view view() const {
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
  }

  // First run: zeroes the counter blocks and writes every first-run default, with `today` as
  // the first-run and history-from dates. Fields that the start-up fills (the heading lines,
  // the currency symbol and its taken flag) are left as they are; the last-start time lies in
  // a zeroed block. Meant for a fresh (zero) record: other fields whose default is zero or
  // empty are not written.
  void ApplyFirstRunDefaults(const LocalTime& today);

  // --- fields (offsets are fixed by the file layout) ---

  // Second-currency symbol printed before converted amounts, up to 3 characters.
  std::string second_currency_symbol() const;
  void set_second_currency_symbol(std::string_view symbol);

  // Category code of category c, 0 to 17 (three characters); 18 gives "ALL".
  std::string category_code(int c) const;
  void set_category_code(int c, std::string_view code);

  // Receipt printer as an index in the printer list (0 = default printer).
  int32_t receipt_printer_index() const;
  void set_receipt_printer_index(int32_t value);

  // Terms band 1 to 8: discount choice 1 Nett, 2 = 2%, 3 = 5%, 4 = 10%, 5 = 20%, 6 = 30%,
  // 7 = 40%, 8 = 50%.
  int32_t terms_discount(int band) const;
  void set_terms_discount(int band, int32_t value);

  // Layout markers written at first run (99, 1 and 2); nothing reads them.
  int32_t marker_99() const;
  void set_marker_99(int32_t value);
  int64_t marker_1() const;
  void set_marker_1(int64_t value);
  int32_t marker_2() const;
  void set_marker_2(int32_t value);

  // Day of the month of the first run.
  int32_t first_run_day_of_month() const;
  void set_first_run_day_of_month(int32_t value);

  // Store print heading line k, 1 to 7: site name, road, area, state or county, zip or
  // postcode, telephone (at most 40 characters each), and line 7 set only at start-up.
  std::string heading_line(int k) const;
  void set_heading_line(int k, std::string_view text);

  // Non-inventory preset category k, 1 to 4, at most 12 characters.
  std::string non_inventory_preset(int k) const;
  void set_non_inventory_preset(int k, std::string_view text);

  // Last start or stop, and last file backup.
  TimeStamp last_start() const;
  void set_last_start(const TimeStamp& stamp);
  TimeStamp last_backup() const;
  void set_last_backup(const TimeStamp& stamp);

  // Non-zero: no "TIP OF THE DAY" at start-up.
  int32_t tips_off() const;
  void set_tips_off(int32_t value);

  // Sold-item counters A and B of category c, 0 to 17.
  int32_t category_sold_a(int c) const;
  void set_category_sold_a(int c, int32_t value);
  int32_t category_sold_b(int c) const;
  void set_category_sold_b(int c, int32_t value);

  // Element e (0 to 59) of the i64 option block; the named i64 fields below are its elements.
  int64_t option(int e) const;
  void set_option(int e, int64_t value);

  // Kitchen printer as an index in the printer list (0 = default printer).
  int64_t kitchen_printer_index() const;
  void set_kitchen_printer_index(int64_t value);

  // Till drawer on a direct connection: repeat count 1 to 10, open character 0 to 255, port
  // 0 to 7 COM1 to COM8, 8 LPT1, 9 LPT2.
  int64_t drawer_repeat() const;
  void set_drawer_repeat(int64_t value);
  int64_t drawer_open_character() const;
  void set_drawer_open_character(int64_t value);
  int64_t drawer_port() const;
  void set_drawer_port(int64_t value);

  // 1/0: the "new inventory" and "new customer" offers are not made.
  int64_t no_new_inventory_offer() const;
  void set_no_new_inventory_offer(int64_t value);
  int64_t no_new_customer_offer() const;
  void set_no_new_customer_offer(int64_t value);

  // 1 = ask before printing, 0 = "Omit print confirm".
  int64_t print_confirm() const;
  void set_print_confirm(int64_t value);

  // Raised by 1 after each customer added.
  int64_t customers_added() const;
  void set_customers_added(int64_t value);

  // 1 = no summary box after a transaction: the automatic receipt is printed at once.
  int64_t no_summary_box() const;
  void set_no_summary_box(int64_t value);

  // Listing lines per page (0 = device font unchanged) and indent in characters 0 to 40.
  int64_t listing_lines_per_page() const;
  void set_listing_lines_per_page(int64_t value);
  int64_t listing_indent() const;
  void set_listing_indent(int64_t value);

  // Last inventory and customer numbers used (next available start point - 1).
  int64_t last_inventory_number() const;
  void set_last_inventory_number(int64_t value);
  int64_t last_customer_number() const;
  void set_last_customer_number(int64_t value);

  // Open the till drawer after each commit when above 0.
  int64_t open_drawer_after_commit() const;
  void set_open_drawer_after_commit(int64_t value);

  // 1/0: customer searches, and inventory description searches, shown as a list.
  int64_t customer_search_list() const;
  void set_customer_search_list(int64_t value);
  int64_t inventory_search_list() const;
  void set_inventory_search_list(int64_t value);

  // The configuration menu: 0 controlled, 2 free.
  int64_t configuration_free() const;
  void set_configuration_free(int64_t value);

  // Terms band 1 to 8: credit period choice 1 No credit, 2 = 10, 3 = 20, 4 = 30, 5 = 60,
  // 6 = 90, 7 = 120, 8 = 180 days.
  int64_t terms_credit(int band) const;
  void set_terms_credit(int band, int64_t value);

  // 2/0: tax 1 and tax 2 active.
  int64_t tax1_active() const;
  void set_tax1_active(int64_t value);
  int64_t tax2_active() const;
  void set_tax2_active(int64_t value);

  // Tax rates in hundredths of a percent, 0 to 9999 (1000 = 10%).
  int64_t tax1_rate() const;
  void set_tax1_rate(int64_t value);
  int64_t tax2_rate() const;
  void set_tax2_rate(int64_t value);

  // 2/0: a transaction is permitted when the stock level is insufficient.
  int64_t permit_insufficient_stock() const;
  void set_permit_insufficient_stock(int64_t value);

  // 2/0: tax 2 on total + tax 1 (compounded).
  int64_t tax2_compound() const;
  void set_tax2_compound(int64_t value);

  // 2/0: sale at trade prices.
  int64_t trade_prices() const;
  void set_trade_prices(int64_t value);

  // 2/0: sale-screen buttons inhibited for restricted clerks.
  int64_t trade_button_inhibited() const;
  void set_trade_button_inhibited(int64_t value);
  int64_t weight_button_inhibited() const;
  void set_weight_button_inhibited(int64_t value);
  int64_t discount_button_inhibited() const;
  void set_discount_button_inhibited(int64_t value);
  int64_t adjust_price_button_inhibited() const;
  void set_adjust_price_button_inhibited(int64_t value);

  // Controlled operation: 0 controlled, 2 free.
  int64_t controlled_operation(ControlledOp op) const;
  void set_controlled_operation(ControlledOp op, int64_t value);

  // Next transaction number, 1 to 200,000,000.
  int32_t next_transaction() const;
  void set_next_transaction(int32_t value);

  // Currency symbol printed before amounts (up to 4 characters), and 2 once it has been taken
  // from the system locale.
  std::string currency_symbol() const;
  void set_currency_symbol(std::string_view symbol);
  uint8_t currency_taken() const;
  void set_currency_taken(uint8_t value);

  // Tax name n, 1 or 2, up to 5 characters.
  std::string tax_name(int n) const;
  void set_tax_name(int n, std::string_view text);

  // Default start-of-day till total.
  double default_till_total() const;
  void set_default_till_total(double value);

  // Receipt and kitchen printer names (empty = default printer).
  std::string receipt_printer_name() const;
  void set_receipt_printer_name(std::string_view name);
  std::string kitchen_printer_name() const;
  void set_kitchen_printer_name(std::string_view name);

  // Custom receipt text k, 1 to 3, up to 49 characters.
  std::string custom_receipt_text(int k) const;
  void set_custom_receipt_text(int k, std::string_view text);

  // Custom receipt cutter control sequence (decimal codes separated by commas).
  std::string cutter_sequence() const;
  void set_cutter_sequence(std::string_view codes);

  // Custom receipt layout: line number of element 0 to 18 (0 = omitted).
  int32_t custom_receipt_layout(int element) const;
  void set_custom_receipt_layout(int element, int32_t line);

  // Pole display texts and code lists, up to 31 characters each.
  std::string pole_string(PoleString which) const;
  void set_pole_string(PoleString which, std::string_view text);

  // Drawer control sequence sent through the receipt printer (decimal codes and commas).
  std::string drawer_sequence() const;
  void set_drawer_sequence(std::string_view codes);

  // Signed-on clerk number (1 Administrator, 2 Manager).
  int64_t signed_on_clerk() const;
  void set_signed_on_clerk(int64_t value);

  // Clerk n, 1 to 100, up to 29 characters.
  std::string clerk_name(int n) const;
  void set_clerk_name(int n, std::string_view text);

  // Password of clerk n, 1 to 99: digits, up to 8.
  std::string clerk_password(int n) const;
  void set_clerk_password(int n, std::string_view text);

  // Trade discount percentage, 0 to 100.
  double trade_discount_percent() const;
  void set_trade_discount_percent(double value);

  // Receipt footer, up to 252 characters.
  std::string receipt_footer() const;
  void set_receipt_footer(std::string_view text);

  // Availability of clerk n, 0 to 99: 0 available, 2 not available.
  int32_t clerk_availability(int n) const;
  void set_clerk_availability(int n, int32_t value);

  // History-from date (never after today; its year starts the report period lists) and the
  // first-run date (its year starts the history-from year list).
  Date history_from() const;
  void set_history_from(const Date& date);
  Date first_run_date() const;
  void set_first_run_date(const Date& date);

  // Automatic receipt after commit: 0 none, 1 till receipt, 2 standard invoice, 3 custom
  // invoice, 4 custom receipt.
  int32_t auto_receipt() const;
  void set_auto_receipt(int32_t value);

  // 2/0: the cart entry is matched against the SKU 1 (barcode) field.
  int32_t sku1_selection() const;
  void set_sku1_selection(int32_t value);

  // 2/0: reorder alerts during sale.
  int32_t reorder_alerts() const;
  void set_reorder_alerts(int32_t value);

  // 2/0: receipt footer word wrap, and item descriptions limited to 20 characters.
  int32_t receipt_word_wrap() const;
  void set_receipt_word_wrap(int32_t value);
  int32_t receipt_description_limit() const;
  void set_receipt_description_limit(int32_t value);

  // Default rate of the discount button, a whole percentage 0 to 80 (0 = none).
  int32_t discount_button_rate() const;
  void set_discount_button_rate(int32_t value);

  // Non-zero: no sounds.
  int32_t sounds_off() const;
  void set_sounds_off(int32_t value);

  // 2/0: monthly till totals omitted from the overview printout.
  int32_t omit_monthly_till_totals() const;
  void set_omit_monthly_till_totals(int32_t value);

  // Current quick-select category 0 to 18 (18 = all), and the category at start + 1 (0 keeps
  // the current one).
  int32_t current_category() const;
  void set_current_category(int32_t value);
  int32_t start_category() const;
  void set_start_category(int32_t value);

  // Receipt copies: 0 = 1, 1 = 2, 2 = 3.
  int32_t receipt_copies() const;
  void set_receipt_copies(int32_t value);

  // Default category of new inventory + 1 (0 = none chosen).
  int32_t default_new_category() const;
  void set_default_new_category(int32_t value);

  // 2/0: trade price is retail less the trade discount percentage.
  int32_t trade_percentage_discount() const;
  void set_trade_percentage_discount(int32_t value);

  // 2/0: receipt logo printed to page width (else half width).
  int32_t receipt_logo_page_width() const;
  void set_receipt_logo_page_width(int32_t value);

  // 2/0: head-office upload of the daily overview, daily items list and reorder list.
  int32_t upload_overview() const;
  void set_upload_overview(int32_t value);
  int32_t upload_items_list() const;
  void set_upload_items_list(int32_t value);
  int32_t upload_reorder_list() const;
  void set_upload_reorder_list(int32_t value);

  // 2/0: discounts applied on the total amount, not the nett.
  int32_t discount_on_total() const;
  void set_discount_on_total(int32_t value);

  // 2/0: report menu and activity menu controlled.
  int32_t report_menu_controlled() const;
  void set_report_menu_controlled(int32_t value);
  int32_t activity_menu_controlled() const;
  void set_activity_menu_controlled(int32_t value);

  // Receipt font size: 0 printer default, 1 = 9, 2 = 10, 3 = 11, 4 = 12 points.
  int32_t receipt_font_size() const;
  void set_receipt_font_size(int32_t value);

  // Pole display: in use (non-zero), port 0 to 7 = COM1 to COM8, columns of lines 1 and 2.
  int32_t pole_in_use() const;
  void set_pole_in_use(int32_t value);
  int32_t pole_port() const;
  void set_pole_port(int32_t value);
  int32_t pole_columns_line1() const;
  void set_pole_columns_line1(int32_t value);
  int32_t pole_columns_line2() const;
  void set_pole_columns_line2(int32_t value);

  // Drawer connection: 0 direct, 2 through the receipt printer.
  int32_t drawer_connection() const;
  void set_drawer_connection(int32_t value);

  // 2/0: tax 1 only on amounts over the threshold.
  int32_t tax1_threshold_only() const;
  void set_tax1_threshold_only(int32_t value);

  // 2/0: display the second currency.
  int32_t display_second_currency() const;
  void set_display_second_currency(int32_t value);

  // 2/0: extra receipt to the kitchen printer.
  int32_t kitchen_receipt() const;
  void set_kitchen_receipt(int32_t value);

  // 2/0 till receipt options: logo (receipt.bmp), items centred, barcode.
  int32_t receipt_logo() const;
  void set_receipt_logo(int32_t value);
  int32_t receipt_items_centred() const;
  void set_receipt_items_centred(int32_t value);
  int32_t receipt_barcode() const;
  void set_receipt_barcode(int32_t value);

  // Custom receipt options: logo omitted (non-zero), barcode, items centred.
  int32_t custom_receipt_omit_logo() const;
  void set_custom_receipt_omit_logo(int32_t value);
  int32_t custom_receipt_barcode() const;
  void set_custom_receipt_barcode(int32_t value);
  int32_t custom_receipt_items_centred() const;
  void set_custom_receipt_items_centred(int32_t value);

  // 2/0: basket lines show the description only (no item number).
  int32_t cart_description_only() const;
  void set_cart_description_only(int32_t value);

  // 2/0: manual till open inhibited for restricted clerks.
  int32_t manual_drawer_inhibited() const;
  void set_manual_drawer_inhibited(int32_t value);

  // 2/0: a non-inventory sale is taxable by default.
  int32_t non_inventory_taxable() const;
  void set_non_inventory_taxable(int32_t value);

  // 2/0: refunds controlled.
  int32_t refunds_controlled() const;
  void set_refunds_controlled(int32_t value);

  // Label language: 0 English, 1 Italiano, 2 Espanol, 3 Nederlands.
  int32_t language() const;
  void set_language(int32_t value);

  // 2/0: non-inventory sale and cash back controlled.
  int32_t non_inventory_controlled() const;
  void set_non_inventory_controlled(int32_t value);
  int32_t cashback_controlled() const;
  void set_cashback_controlled(int32_t value);

  // 2/0: cost price hidden from clerks 3 and above.
  int32_t cost_price_hidden() const;
  void set_cost_price_hidden(int32_t value);

  // Custom invoice layout: line number of element 0 to 17; and its options 0 to 2.
  int32_t custom_invoice_layout(int element) const;
  void set_custom_invoice_layout(int element, int32_t line);
  int32_t custom_invoice_option(int k) const;
  void set_custom_invoice_option(int k, int32_t value);

  // A4 documents: letter.bmp logo omitted when non-zero.
  int32_t a4_omit_logo() const;
  void set_a4_omit_logo(int32_t value);

  // Receipt item layout: 0 one line with heading, 2 two lines.
  int32_t receipt_item_layout() const;
  void set_receipt_item_layout(int32_t value);

  // Operations under control: 0 controlled, 2 free.
  int32_t new_inventory_free() const;
  void set_new_inventory_free(int32_t value);
  int32_t inventory_received_free() const;
  void set_inventory_received_free(int32_t value);
  int32_t amend_inventory_free() const;
  void set_amend_inventory_free(int32_t value);
  int32_t tax_setup_free() const;
  void set_tax_setup_free(int32_t value);

  // Pole serial settings: stop bits (0 = 1, 1 = 1.5, 2 = 2), baud rate index, data bits
  // index, parity (0 none, 1 even, 2 odd).
  int32_t pole_stop_bits() const;
  void set_pole_stop_bits(int32_t value);
  int32_t pole_baud_rate() const;
  void set_pole_baud_rate(int32_t value);
  int32_t pole_data_bits() const;
  void set_pole_data_bits(int32_t value);
  int32_t pole_parity() const;
  void set_pole_parity(int32_t value);

  // Custom receipt layout: line of text k, 1 to 3.
  int32_t custom_receipt_text_line(int k) const;
  void set_custom_receipt_text_line(int k, int32_t line);

  // Custom receipt: blank lines at the end.
  int32_t custom_receipt_blank_lines() const;
  void set_custom_receipt_blank_lines(int32_t value);

  // Custom receipt cutter port: 0 to 7 COM1 to COM8, 8 LPT1, 9 LPT2.
  int32_t cutter_port() const;
  void set_cutter_port(int32_t value);

  // Custom receipt: second currency, tax-exempt items marked "E".
  int32_t custom_receipt_second_currency() const;
  void set_custom_receipt_second_currency(int32_t value);
  int32_t custom_receipt_mark_exempt() const;
  void set_custom_receipt_mark_exempt(int32_t value);

  // Custom receipt layout: line of the payment type.
  int32_t custom_receipt_payment_line() const;
  void set_custom_receipt_payment_line(int32_t line);

  // Custom receipt: items excluding tax when 2.
  int32_t custom_receipt_excluding_tax() const;
  void set_custom_receipt_excluding_tax(int32_t value);

  // Custom receipt layout: line of the transaction note (0 = omitted).
  int32_t custom_receipt_note_line() const;
  void set_custom_receipt_note_line(int32_t line);

  // 2/0: receipt items exclusive of tax with subtotal.
  int32_t receipt_exclusive_subtotal() const;
  void set_receipt_exclusive_subtotal(int32_t value);

  // Non-zero: no tool tips on the screen buttons.
  int32_t button_tips_off() const;
  void set_button_tips_off(int32_t value);

  // Default inventory tax code: 0 non taxable, 1 tax 1 and 2, 2 tax 1, 3 tax 2.
  int32_t default_tax_code() const;
  void set_default_tax_code(int32_t value);

  // Custom receipt layout: line of customer address 1 to 4 (k 1 to 4) and telephone (k 5).
  int32_t custom_receipt_customer_line(int k) const;
  void set_custom_receipt_customer_line(int k, int32_t line);

  // Tax 1 threshold amount.
  double tax1_threshold() const;
  void set_tax1_threshold(double value);

  // Running totals of petty cash and of cash back given.
  double petty_cash_total() const;
  void set_petty_cash_total(double value);
  double cashback_total() const;
  void set_cashback_total(double value);

  // Second-currency conversion rate.
  double second_currency_rate() const;
  void set_second_currency_rate(double value);

  // Cash back offered on EFT when non-zero.
  double eft_cashback() const;
  void set_eft_cashback(double value);

  // Running takings total (every committed sale not paid on credit).
  double takings_total() const;
  void set_takings_total(double value);

  // Running refund totals.
  double refund_total(RefundTotal which) const;
  void set_refund_total(RefundTotal which, double value);

  // Four reserved doubles, always 0.
  double reserved_total(int k) const;
  void set_reserved_total(int k, double value);

  // Running refund cost total.
  double refund_cost_total() const;
  void set_refund_cost_total(double value);

  // Sales value of category c, 0 to 17.
  double category_sales_value(int c) const;
  void set_category_sales_value(int c, double value);

 private:
  int32_t I32(size_t offset) const;
  void SetI32(size_t offset, int32_t value);
  int64_t I64(size_t offset) const;
  void SetI64(size_t offset, int64_t value);
  double F64(size_t offset) const;
  void SetF64(size_t offset, double value);
  std::string Text(size_t offset, size_t width) const;
  void SetText(size_t offset, size_t width, std::string_view text);

  std::array<uint8_t, kSize> bytes_;
};

}  // namespace ventro
