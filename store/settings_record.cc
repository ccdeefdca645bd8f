#include "store/settings_record.h"

#include <cstring>
#include <utility>

#include "base/bytes.h"
#include "base/format.h"

namespace ventro {
namespace {

// Offsets of the single-valued numeric fields.
constexpr size_t kReceiptPrinterIndex = 36;
constexpr size_t kMarker99 = 72;
constexpr size_t kFirstRunDayOfMonth = 76;
constexpr size_t kTipsOff = 3976;
constexpr size_t kKitchenPrinterIndex = 4320;
constexpr size_t kMarker1 = 4336;
constexpr size_t kDrawerRepeat = 4344;
constexpr size_t kDrawerOpenCharacter = 4360;
constexpr size_t kNoNewInventoryOffer = 4368;
constexpr size_t kDrawerPort = 4376;
constexpr size_t kPrintConfirm = 4384;
constexpr size_t kCustomersAdded = 4392;
constexpr size_t kNoNewCustomerOffer = 4400;
constexpr size_t kNoSummaryBox = 4408;
constexpr size_t kListingLinesPerPage = 4424;
constexpr size_t kLastInventoryNumber = 4432;
constexpr size_t kLastCustomerNumber = 4440;
constexpr size_t kOpenDrawerAfterCommit = 4448;
constexpr size_t kCustomerSearchList = 4456;
constexpr size_t kListingIndent = 4464;
constexpr size_t kConfigurationFree = 4472;
constexpr size_t kTax1Active = 4544;
constexpr size_t kTax2Active = 4560;
constexpr size_t kTax1Rate = 4576;
constexpr size_t kPermitInsufficientStock = 4584;
constexpr size_t kTax2Rate = 4592;
constexpr size_t kTax2Compound = 4608;
constexpr size_t kInventorySearchList = 4632;
constexpr size_t kTradePrices = 4648;
constexpr size_t kTradeButtonInhibited = 4656;
constexpr size_t kWeightButtonInhibited = 4664;
constexpr size_t kDiscountButtonInhibited = 4680;
constexpr size_t kAdjustPriceButtonInhibited = 4688;
constexpr size_t kNextTransaction = 4792;
constexpr size_t kMarker2 = 4796;
constexpr size_t kDefaultTillTotal = 4854;
constexpr size_t kSignedOnClerk = 6782;
constexpr size_t kTradeDiscountPercent = 11230;
constexpr size_t kAutoReceipt = 12618;
constexpr size_t kSku1Selection = 12642;
constexpr size_t kReorderAlerts = 12650;
constexpr size_t kReceiptWordWrap = 12658;
constexpr size_t kReceiptDescriptionLimit = 12666;
constexpr size_t kDiscountButtonRate = 12678;
constexpr size_t kSoundsOff = 12682;
constexpr size_t kOmitMonthlyTillTotals = 12686;
constexpr size_t kCurrentCategory = 12690;
constexpr size_t kStartCategory = 12694;
constexpr size_t kReceiptCopies = 12698;
constexpr size_t kDefaultNewCategory = 12702;
constexpr size_t kTradePercentageDiscount = 12706;
constexpr size_t kReceiptLogoPageWidth = 12710;
constexpr size_t kUploadOverview = 12714;
constexpr size_t kUploadItemsList = 12718;
constexpr size_t kUploadReorderList = 12722;
constexpr size_t kDiscountOnTotal = 12730;
constexpr size_t kReportMenuControlled = 12738;
constexpr size_t kActivityMenuControlled = 12742;
constexpr size_t kReceiptFontSize = 12754;
constexpr size_t kPoleInUse = 13018;
constexpr size_t kPolePort = 13026;
constexpr size_t kPoleColumnsLine1 = 13034;
constexpr size_t kPoleColumnsLine2 = 13050;
constexpr size_t kDrawerConnection = 13054;
constexpr size_t kTax1ThresholdOnly = 13098;
constexpr size_t kDisplaySecondCurrency = 13102;
constexpr size_t kKitchenReceipt = 13106;
constexpr size_t kReceiptLogo = 13110;
constexpr size_t kReceiptItemsCentred = 13114;
constexpr size_t kReceiptBarcode = 13118;
constexpr size_t kCustomReceiptOmitLogo = 13122;
constexpr size_t kCustomReceiptBarcode = 13126;
constexpr size_t kCustomReceiptItemsCentred = 13130;
constexpr size_t kCartDescriptionOnly = 13134;
constexpr size_t kManualDrawerInhibited = 13138;
constexpr size_t kNonInventoryTaxable = 13142;
constexpr size_t kRefundsControlled = 13158;
constexpr size_t kLanguage = 13162;
constexpr size_t kNonInventoryControlled = 13166;
constexpr size_t kCashbackControlled = 13170;
constexpr size_t kCostPriceHidden = 13174;
constexpr size_t kA4OmitLogo = 13270;
constexpr size_t kReceiptItemLayout = 13278;
constexpr size_t kNewInventoryFree = 13298;
constexpr size_t kInventoryReceivedFree = 13302;
constexpr size_t kAmendInventoryFree = 13306;
constexpr size_t kTaxSetupFree = 13310;
constexpr size_t kPoleStopBits = 13322;
constexpr size_t kPoleBaudRate = 13326;
constexpr size_t kPoleDataBits = 13330;
constexpr size_t kPoleParity = 13334;
constexpr size_t kCustomReceiptBlankLines = 13350;
constexpr size_t kCutterPort = 13354;
constexpr size_t kCustomReceiptSecondCurrency = 13358;
constexpr size_t kCustomReceiptMarkExempt = 13362;
constexpr size_t kCustomReceiptPaymentLine = 13366;
constexpr size_t kCustomReceiptExcludingTax = 13370;
constexpr size_t kCustomReceiptNoteLine = 13374;
constexpr size_t kReceiptExclusiveSubtotal = 13378;
constexpr size_t kButtonTipsOff = 13382;
constexpr size_t kDefaultTaxCode = 13386;
constexpr size_t kTax1Threshold = 13418;
constexpr size_t kPettyCashTotal = 13426;
constexpr size_t kCashbackTotal = 13442;
constexpr size_t kSecondCurrencyRate = 13450;
constexpr size_t kEftCashback = 13498;
constexpr size_t kTakingsTotal = 14218;
constexpr size_t kRefundCostTotal = 14394;

// Offsets and widths of the texts, dates and arrays.
constexpr size_t kSecondCurrencySymbol = 0, kSecondCurrencySymbolWidth = 4;
constexpr size_t kCategoryCodesLow = 9;      // categories 0 to 8
constexpr size_t kCategoryCodesHigh = 4814;  // categories 9 to 17
constexpr size_t kCategoryCodeWidth = 3;
constexpr size_t kTermsDiscount = 40;
constexpr size_t kHeadingLines = 80, kHeadingLineWidth = 80;
constexpr size_t kNonInventoryPresets = 2392, kPresetWidth = 80;
constexpr size_t kLastStart = 3912;
constexpr size_t kLastBackup = 3952;
constexpr size_t kSoldALow = 4232, kSoldAHigh = 4036;
constexpr size_t kSoldBLow = 4272, kSoldBHigh = 4076;
constexpr size_t kOptions = 4312;
constexpr size_t kTermsCredit = 4480;
constexpr size_t kControlledOperations = 4696;
constexpr size_t kCurrencySymbol = 4800, kCurrencySymbolWidth = 5;
constexpr size_t kCurrencyTaken = 4805;
constexpr size_t kTaxNames = 4841, kTaxNameWidth = 6;
constexpr size_t kReceiptPrinterName = 4862;
constexpr size_t kKitchenPrinterName = 11564;
constexpr size_t kPrinterNameWidth = 250;
constexpr size_t kCustomReceiptTexts = 5462, kCustomReceiptTextWidth = 50;
constexpr size_t kCutterSequence = 5612, kCutterSequenceWidth = 50;
constexpr size_t kCustomReceiptLayout = 5662;
constexpr size_t kPoleStrings = 5742, kPoleStringWidth = 32;
constexpr size_t kDrawerSequence = 6582, kDrawerSequenceWidth = 32;
constexpr size_t kClerkNames = 7190, kClerkNameWidth = 30;
constexpr size_t kClerkPasswords = 10190, kClerkPasswordWidth = 10;
constexpr size_t kReceiptFooter = 11310, kReceiptFooterWidth = 253;
constexpr size_t kClerkAvailability = 11814;
constexpr size_t kHistoryFrom = 12594;
constexpr size_t kFirstRunDate = 12606;
constexpr size_t kCustomInvoiceLayout = 13178;
constexpr size_t kCustomInvoiceOptions = 13258;
constexpr size_t kCustomReceiptTextLines = 13338;
constexpr size_t kCustomReceiptCustomerLines = 13394;
constexpr size_t kRefundTotals = 14234;
constexpr size_t kReservedTotals = 14290;
constexpr size_t kCategorySalesValues = 14538;

// The blocks the first run clears: 100 i32, 60 i64, 100 i64 and the 80 i64 that end the record.
struct Block {
  size_t offset;
  size_t length;
};
constexpr Block kFirstRunZeroBlocks[] = {
    {3912, 100 * 4}, {4312, 60 * 8}, {13418, 100 * 8}, {14378, 80 * 8}};
static_assert(14378 + 80 * 8 == SettingsRecord::kSize);

constexpr const char* kDefaultCategoryCodes[SettingsRecord::kCategoryCount] = {
    "ALC", "BEE", "BOO", "CAN", "CAR", "COF", "DEL", "DRI", "DVD",
    "FRO", "FRU", "HAR", "MSC", "PAP", "POP", "TEA", "SWE", "WIN"};
constexpr int32_t kDefaultCustomInvoiceLayout[SettingsRecord::kCustomInvoiceElements] = {
    7, 8, 9, 0, 0, 11, 15, 18, 41, 48, 40, 30, 31, 0, 34, 16, 13, 49};
// Custom receipt layout defaults as (element, line); the other elements are 0.
constexpr std::pair<int, int32_t> kDefaultCustomReceiptLayout[] = {
    {0, 1}, {1, 2}, {2, 3}, {3, 4}, {5, 5}, {6, 7}, {7, 4}, {14, 2}, {15, 8}};

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

size_t CategoryCodeOffset(int c) {
  return c < 9 ? kCategoryCodesLow + kCategoryCodeWidth * c
               : kCategoryCodesHigh + kCategoryCodeWidth * (c - 9);
}

}  // namespace

int32_t SettingsRecord::I32(size_t offset) const { return GetI32(&bytes_[offset]); }
void SettingsRecord::SetI32(size_t offset, int32_t value) { PutI32(&bytes_[offset], value); }
int64_t SettingsRecord::I64(size_t offset) const { return GetI64(&bytes_[offset]); }
void SettingsRecord::SetI64(size_t offset, int64_t value) { PutI64(&bytes_[offset], value); }
double SettingsRecord::F64(size_t offset) const { return GetF64(&bytes_[offset]); }
void SettingsRecord::SetF64(size_t offset, double value) { PutF64(&bytes_[offset], value); }
std::string SettingsRecord::Text(size_t offset, size_t width) const {
  return GetText(&bytes_[offset], width);
}
void SettingsRecord::SetText(size_t offset, size_t width, std::string_view text) {
  PutText(&bytes_[offset], width, text);
}

void SettingsRecord::ApplyFirstRunDefaults(const LocalTime& today) {
  for (const Block& block : kFirstRunZeroBlocks) {
    std::memset(&bytes_[block.offset], 0, block.length);
  }
  for (int c = 0; c < kCategoryCount; ++c) set_category_code(c, kDefaultCategoryCodes[c]);
  for (int band = 1; band <= kTermsBandCount; ++band) {
    set_terms_discount(band, band);
    set_terms_credit(band, band);
  }
  set_marker_99(99);
  set_first_run_day_of_month(today.day);
  set_marker_1(1);
  set_tax1_active(2);
  set_tax1_rate(2000);
  set_permit_insufficient_stock(2);
  set_next_transaction(1);
  set_marker_2(2);
  set_tax_name(1, "VAT 1");
  set_tax_name(2, "VAT 2");
  set_default_till_total(100.0);
  for (const auto& [element, line] : kDefaultCustomReceiptLayout) {
    set_custom_receipt_layout(element, line);
  }
  set_drawer_sequence("27,112,0,25,250");
  set_clerk_name(1, "Administrator");
  set_clerk_name(2, "Manager");
  for (int n = 3; n <= kClerkCount; ++n) set_clerk_name(n, StringPrintf("Clerk %d", n));
  for (int n = 1; n < kClerkCount; ++n) set_clerk_password(n, "");
  set_receipt_footer("Always happy to help!");
  Date date{today.day, today.month, today.year};
  set_history_from(date);
  set_first_run_date(date);
  set_current_category(14);
  set_drawer_connection(2);
  set_receipt_logo(2);
  for (int e = 0; e < kCustomInvoiceElements; ++e) {
    set_custom_invoice_layout(e, kDefaultCustomInvoiceLayout[e]);
  }
  for (int k = 0; k < kCustomInvoiceOptionCount; ++k) set_custom_invoice_option(k, 1);
}

// --- texts, dates and arrays ---

std::string SettingsRecord::second_currency_symbol() const {
  return Text(kSecondCurrencySymbol, kSecondCurrencySymbolWidth);
}
void SettingsRecord::set_second_currency_symbol(std::string_view symbol) {
  SetText(kSecondCurrencySymbol, kSecondCurrencySymbolWidth, symbol);
}

std::string SettingsRecord::category_code(int c) const {
  if (c == kAllCategories) return "ALL";
  if (!InRange(c, 0, kCategoryCount - 1)) return "";
  // Codes have no terminator; a code shorter than three characters was padded with zeros.
  return GetText(&bytes_[CategoryCodeOffset(c)], kCategoryCodeWidth);
}
void SettingsRecord::set_category_code(int c, std::string_view code) {
  if (!InRange(c, 0, kCategoryCount - 1)) return;
  PutFixed(&bytes_[CategoryCodeOffset(c)], kCategoryCodeWidth, code);
}

int32_t SettingsRecord::terms_discount(int band) const {
  return InRange(band, 1, kTermsBandCount) ? I32(kTermsDiscount + 4 * (band - 1)) : 0;
}
void SettingsRecord::set_terms_discount(int band, int32_t value) {
  if (InRange(band, 1, kTermsBandCount)) SetI32(kTermsDiscount + 4 * (band - 1), value);
}

std::string SettingsRecord::heading_line(int k) const {
  if (!InRange(k, 1, kHeadingLineCount)) return "";
  return Text(kHeadingLines + kHeadingLineWidth * (k - 1), kHeadingLineWidth);
}
void SettingsRecord::set_heading_line(int k, std::string_view text) {
  if (!InRange(k, 1, kHeadingLineCount)) return;
  SetText(kHeadingLines + kHeadingLineWidth * (k - 1), kHeadingLineWidth, text);
}

std::string SettingsRecord::non_inventory_preset(int k) const {
  if (!InRange(k, 1, kPresetCount)) return "";
  return Text(kNonInventoryPresets + kPresetWidth * (k - 1), kPresetWidth);
}
void SettingsRecord::set_non_inventory_preset(int k, std::string_view text) {
  if (!InRange(k, 1, kPresetCount)) return;
  SetText(kNonInventoryPresets + kPresetWidth * (k - 1), kPresetWidth, text);
}

namespace {
TimeStamp GetStamp(const uint8_t* p) {
  return {GetI32(p), GetI32(p + 4), GetI32(p + 8), GetI32(p + 12), GetI32(p + 16)};
}
void PutStamp(uint8_t* p, const TimeStamp& stamp) {
  PutI32(p, stamp.minute);
  PutI32(p + 4, stamp.hour);
  PutI32(p + 8, stamp.day);
  PutI32(p + 12, stamp.month);
  PutI32(p + 16, stamp.year);
}
Date GetDate(const uint8_t* p) { return {GetI32(p), GetI32(p + 4), GetI32(p + 8)}; }
void PutDate(uint8_t* p, const Date& date) {
  PutI32(p, date.day);
  PutI32(p + 4, date.month);
  PutI32(p + 8, date.year);
}
}  // namespace

TimeStamp SettingsRecord::last_start() const { return GetStamp(&bytes_[kLastStart]); }
void SettingsRecord::set_last_start(const TimeStamp& stamp) {
  PutStamp(&bytes_[kLastStart], stamp);
}
TimeStamp SettingsRecord::last_backup() const { return GetStamp(&bytes_[kLastBackup]); }
void SettingsRecord::set_last_backup(const TimeStamp& stamp) {
  PutStamp(&bytes_[kLastBackup], stamp);
}

int32_t SettingsRecord::category_sold_a(int c) const {
  if (!InRange(c, 0, kCategoryCount - 1)) return 0;
  return I32(c < 9 ? kSoldALow + 4 * c : kSoldAHigh + 4 * (c - 9));
}
void SettingsRecord::set_category_sold_a(int c, int32_t value) {
  if (!InRange(c, 0, kCategoryCount - 1)) return;
  SetI32(c < 9 ? kSoldALow + 4 * c : kSoldAHigh + 4 * (c - 9), value);
}
int32_t SettingsRecord::category_sold_b(int c) const {
  if (!InRange(c, 0, kCategoryCount - 1)) return 0;
  return I32(c < 9 ? kSoldBLow + 4 * c : kSoldBHigh + 4 * (c - 9));
}
void SettingsRecord::set_category_sold_b(int c, int32_t value) {
  if (!InRange(c, 0, kCategoryCount - 1)) return;
  SetI32(c < 9 ? kSoldBLow + 4 * c : kSoldBHigh + 4 * (c - 9), value);
}

int64_t SettingsRecord::option(int e) const {
  return InRange(e, 0, kOptionCount - 1) ? I64(kOptions + 8 * e) : 0;
}
void SettingsRecord::set_option(int e, int64_t value) {
  if (InRange(e, 0, kOptionCount - 1)) SetI64(kOptions + 8 * e, value);
}

int64_t SettingsRecord::terms_credit(int band) const {
  return InRange(band, 1, kTermsBandCount) ? I64(kTermsCredit + 8 * (band - 1)) : 0;
}
void SettingsRecord::set_terms_credit(int band, int64_t value) {
  if (InRange(band, 1, kTermsBandCount)) SetI64(kTermsCredit + 8 * (band - 1), value);
}

int64_t SettingsRecord::controlled_operation(ControlledOp op) const {
  int i = static_cast<int>(op);
  return InRange(i, 0, kControlledOpCount - 1) ? I64(kControlledOperations + 8 * i) : 0;
}
void SettingsRecord::set_controlled_operation(ControlledOp op, int64_t value) {
  int i = static_cast<int>(op);
  if (InRange(i, 0, kControlledOpCount - 1)) SetI64(kControlledOperations + 8 * i, value);
}

std::string SettingsRecord::currency_symbol() const {
  return Text(kCurrencySymbol, kCurrencySymbolWidth);
}
void SettingsRecord::set_currency_symbol(std::string_view symbol) {
  SetText(kCurrencySymbol, kCurrencySymbolWidth, symbol);
}
uint8_t SettingsRecord::currency_taken() const { return bytes_[kCurrencyTaken]; }
void SettingsRecord::set_currency_taken(uint8_t value) { bytes_[kCurrencyTaken] = value; }

std::string SettingsRecord::tax_name(int n) const {
  if (!InRange(n, 1, 2)) return "";
  return Text(kTaxNames + kTaxNameWidth * (n - 1), kTaxNameWidth);
}
void SettingsRecord::set_tax_name(int n, std::string_view text) {
  if (InRange(n, 1, 2)) SetText(kTaxNames + kTaxNameWidth * (n - 1), kTaxNameWidth, text);
}

std::string SettingsRecord::receipt_printer_name() const {
  return Text(kReceiptPrinterName, kPrinterNameWidth);
}
void SettingsRecord::set_receipt_printer_name(std::string_view name) {
  SetText(kReceiptPrinterName, kPrinterNameWidth, name);
}
std::string SettingsRecord::kitchen_printer_name() const {
  return Text(kKitchenPrinterName, kPrinterNameWidth);
}
void SettingsRecord::set_kitchen_printer_name(std::string_view name) {
  SetText(kKitchenPrinterName, kPrinterNameWidth, name);
}

std::string SettingsRecord::custom_receipt_text(int k) const {
  if (!InRange(k, 1, kCustomReceiptTextCount)) return "";
  return Text(kCustomReceiptTexts + kCustomReceiptTextWidth * (k - 1), kCustomReceiptTextWidth);
}
void SettingsRecord::set_custom_receipt_text(int k, std::string_view text) {
  if (!InRange(k, 1, kCustomReceiptTextCount)) return;
  SetText(kCustomReceiptTexts + kCustomReceiptTextWidth * (k - 1), kCustomReceiptTextWidth, text);
}

std::string SettingsRecord::cutter_sequence() const {
  return Text(kCutterSequence, kCutterSequenceWidth);
}
void SettingsRecord::set_cutter_sequence(std::string_view codes) {
  SetText(kCutterSequence, kCutterSequenceWidth, codes);
}

int32_t SettingsRecord::custom_receipt_layout(int element) const {
  if (!InRange(element, 0, kCustomReceiptElements - 1)) return 0;
  return I32(kCustomReceiptLayout + 4 * element);
}
void SettingsRecord::set_custom_receipt_layout(int element, int32_t line) {
  if (InRange(element, 0, kCustomReceiptElements - 1)) {
    SetI32(kCustomReceiptLayout + 4 * element, line);
  }
}

std::string SettingsRecord::pole_string(PoleString which) const {
  int i = static_cast<int>(which);
  if (!InRange(i, 0, kPoleStringCount - 1)) return "";
  return Text(kPoleStrings + kPoleStringWidth * i, kPoleStringWidth);
}
void SettingsRecord::set_pole_string(PoleString which, std::string_view text) {
  int i = static_cast<int>(which);
  if (InRange(i, 0, kPoleStringCount - 1)) {
    SetText(kPoleStrings + kPoleStringWidth * i, kPoleStringWidth, text);
  }
}

std::string SettingsRecord::drawer_sequence() const {
  return Text(kDrawerSequence, kDrawerSequenceWidth);
}
void SettingsRecord::set_drawer_sequence(std::string_view codes) {
  SetText(kDrawerSequence, kDrawerSequenceWidth, codes);
}

std::string SettingsRecord::clerk_name(int n) const {
  if (!InRange(n, 1, kClerkCount)) return "";
  return Text(kClerkNames + kClerkNameWidth * (n - 1), kClerkNameWidth);
}
void SettingsRecord::set_clerk_name(int n, std::string_view text) {
  if (InRange(n, 1, kClerkCount))
    SetText(kClerkNames + kClerkNameWidth * (n - 1), kClerkNameWidth, text);
}

// Passwords are indexed by the clerk number itself; slot 0 is unused and clerk 100 has none.
std::string SettingsRecord::clerk_password(int n) const {
  if (!InRange(n, 1, kClerkCount - 1)) return "";
  return Text(kClerkPasswords + kClerkPasswordWidth * n, kClerkPasswordWidth);
}
void SettingsRecord::set_clerk_password(int n, std::string_view text) {
  if (!InRange(n, 1, kClerkCount - 1)) return;
  SetText(kClerkPasswords + kClerkPasswordWidth * n, kClerkPasswordWidth, text);
}

std::string SettingsRecord::receipt_footer() const {
  return Text(kReceiptFooter, kReceiptFooterWidth);
}
void SettingsRecord::set_receipt_footer(std::string_view text) {
  SetText(kReceiptFooter, kReceiptFooterWidth, text);
}

int32_t SettingsRecord::clerk_availability(int n) const {
  return InRange(n, 0, kClerkCount - 1) ? I32(kClerkAvailability + 4 * n) : 0;
}
void SettingsRecord::set_clerk_availability(int n, int32_t value) {
  if (InRange(n, 0, kClerkCount - 1)) SetI32(kClerkAvailability + 4 * n, value);
}

Date SettingsRecord::history_from() const { return GetDate(&bytes_[kHistoryFrom]); }
void SettingsRecord::set_history_from(const Date& date) { PutDate(&bytes_[kHistoryFrom], date); }
Date SettingsRecord::first_run_date() const { return GetDate(&bytes_[kFirstRunDate]); }
void SettingsRecord::set_first_run_date(const Date& date) { PutDate(&bytes_[kFirstRunDate], date); }

int32_t SettingsRecord::custom_invoice_layout(int element) const {
  if (!InRange(element, 0, kCustomInvoiceElements - 1)) return 0;
  return I32(kCustomInvoiceLayout + 4 * element);
}
void SettingsRecord::set_custom_invoice_layout(int element, int32_t line) {
  if (InRange(element, 0, kCustomInvoiceElements - 1)) {
    SetI32(kCustomInvoiceLayout + 4 * element, line);
  }
}
int32_t SettingsRecord::custom_invoice_option(int k) const {
  return InRange(k, 0, kCustomInvoiceOptionCount - 1) ? I32(kCustomInvoiceOptions + 4 * k) : 0;
}
void SettingsRecord::set_custom_invoice_option(int k, int32_t value) {
  if (InRange(k, 0, kCustomInvoiceOptionCount - 1)) SetI32(kCustomInvoiceOptions + 4 * k, value);
}

int32_t SettingsRecord::custom_receipt_text_line(int k) const {
  if (!InRange(k, 1, kCustomReceiptTextCount)) return 0;
  return I32(kCustomReceiptTextLines + 4 * (k - 1));
}
void SettingsRecord::set_custom_receipt_text_line(int k, int32_t line) {
  if (InRange(k, 1, kCustomReceiptTextCount)) SetI32(kCustomReceiptTextLines + 4 * (k - 1), line);
}

int32_t SettingsRecord::custom_receipt_customer_line(int k) const {
  if (!InRange(k, 1, kCustomerLineCount)) return 0;
  return I32(kCustomReceiptCustomerLines + 4 * (k - 1));
}
void SettingsRecord::set_custom_receipt_customer_line(int k, int32_t line) {
  if (InRange(k, 1, kCustomerLineCount)) SetI32(kCustomReceiptCustomerLines + 4 * (k - 1), line);
}

double SettingsRecord::refund_total(RefundTotal which) const {
  int i = static_cast<int>(which);
  return InRange(i, 0, kRefundTotalCount - 1) ? F64(kRefundTotals + 8 * i) : 0.0;
}
void SettingsRecord::set_refund_total(RefundTotal which, double value) {
  int i = static_cast<int>(which);
  if (InRange(i, 0, kRefundTotalCount - 1)) SetF64(kRefundTotals + 8 * i, value);
}

double SettingsRecord::reserved_total(int k) const {
  return InRange(k, 0, kReservedTotalCount - 1) ? F64(kReservedTotals + 8 * k) : 0.0;
}
void SettingsRecord::set_reserved_total(int k, double value) {
  if (InRange(k, 0, kReservedTotalCount - 1)) SetF64(kReservedTotals + 8 * k, value);
}

double SettingsRecord::category_sales_value(int c) const {
  return InRange(c, 0, kCategoryCount - 1) ? F64(kCategorySalesValues + 8 * c) : 0.0;
}
void SettingsRecord::set_category_sales_value(int c, double value) {
  if (InRange(c, 0, kCategoryCount - 1)) SetF64(kCategorySalesValues + 8 * c, value);
}

// --- single-valued numbers ---

int32_t SettingsRecord::receipt_printer_index() const { return I32(kReceiptPrinterIndex); }
void SettingsRecord::set_receipt_printer_index(int32_t value) {
  SetI32(kReceiptPrinterIndex, value);
}
int32_t SettingsRecord::marker_99() const { return I32(kMarker99); }
void SettingsRecord::set_marker_99(int32_t value) { SetI32(kMarker99, value); }
int32_t SettingsRecord::first_run_day_of_month() const { return I32(kFirstRunDayOfMonth); }
void SettingsRecord::set_first_run_day_of_month(int32_t value) {
  SetI32(kFirstRunDayOfMonth, value);
}
int32_t SettingsRecord::tips_off() const { return I32(kTipsOff); }
void SettingsRecord::set_tips_off(int32_t value) { SetI32(kTipsOff, value); }
int64_t SettingsRecord::kitchen_printer_index() const { return I64(kKitchenPrinterIndex); }
void SettingsRecord::set_kitchen_printer_index(int64_t value) {
  SetI64(kKitchenPrinterIndex, value);
}
int64_t SettingsRecord::marker_1() const { return I64(kMarker1); }
void SettingsRecord::set_marker_1(int64_t value) { SetI64(kMarker1, value); }
int64_t SettingsRecord::drawer_repeat() const { return I64(kDrawerRepeat); }
void SettingsRecord::set_drawer_repeat(int64_t value) { SetI64(kDrawerRepeat, value); }
int64_t SettingsRecord::drawer_open_character() const { return I64(kDrawerOpenCharacter); }
void SettingsRecord::set_drawer_open_character(int64_t value) {
  SetI64(kDrawerOpenCharacter, value);
}
int64_t SettingsRecord::no_new_inventory_offer() const { return I64(kNoNewInventoryOffer); }
void SettingsRecord::set_no_new_inventory_offer(int64_t value) {
  SetI64(kNoNewInventoryOffer, value);
}
int64_t SettingsRecord::drawer_port() const { return I64(kDrawerPort); }
void SettingsRecord::set_drawer_port(int64_t value) { SetI64(kDrawerPort, value); }
int64_t SettingsRecord::print_confirm() const { return I64(kPrintConfirm); }
void SettingsRecord::set_print_confirm(int64_t value) { SetI64(kPrintConfirm, value); }
int64_t SettingsRecord::customers_added() const { return I64(kCustomersAdded); }
void SettingsRecord::set_customers_added(int64_t value) { SetI64(kCustomersAdded, value); }
int64_t SettingsRecord::no_new_customer_offer() const { return I64(kNoNewCustomerOffer); }
void SettingsRecord::set_no_new_customer_offer(int64_t value) {
  SetI64(kNoNewCustomerOffer, value);
}
int64_t SettingsRecord::no_summary_box() const { return I64(kNoSummaryBox); }
void SettingsRecord::set_no_summary_box(int64_t value) { SetI64(kNoSummaryBox, value); }
int64_t SettingsRecord::listing_lines_per_page() const { return I64(kListingLinesPerPage); }
void SettingsRecord::set_listing_lines_per_page(int64_t value) {
  SetI64(kListingLinesPerPage, value);
}
int64_t SettingsRecord::last_inventory_number() const { return I64(kLastInventoryNumber); }
void SettingsRecord::set_last_inventory_number(int64_t value) {
  SetI64(kLastInventoryNumber, value);
}
int64_t SettingsRecord::last_customer_number() const { return I64(kLastCustomerNumber); }
void SettingsRecord::set_last_customer_number(int64_t value) { SetI64(kLastCustomerNumber, value); }
int64_t SettingsRecord::open_drawer_after_commit() const { return I64(kOpenDrawerAfterCommit); }
void SettingsRecord::set_open_drawer_after_commit(int64_t value) {
  SetI64(kOpenDrawerAfterCommit, value);
}
int64_t SettingsRecord::customer_search_list() const { return I64(kCustomerSearchList); }
void SettingsRecord::set_customer_search_list(int64_t value) { SetI64(kCustomerSearchList, value); }
int64_t SettingsRecord::listing_indent() const { return I64(kListingIndent); }
void SettingsRecord::set_listing_indent(int64_t value) { SetI64(kListingIndent, value); }
int64_t SettingsRecord::configuration_free() const { return I64(kConfigurationFree); }
void SettingsRecord::set_configuration_free(int64_t value) { SetI64(kConfigurationFree, value); }
int64_t SettingsRecord::tax1_active() const { return I64(kTax1Active); }
void SettingsRecord::set_tax1_active(int64_t value) { SetI64(kTax1Active, value); }
int64_t SettingsRecord::tax2_active() const { return I64(kTax2Active); }
void SettingsRecord::set_tax2_active(int64_t value) { SetI64(kTax2Active, value); }
int64_t SettingsRecord::tax1_rate() const { return I64(kTax1Rate); }
void SettingsRecord::set_tax1_rate(int64_t value) { SetI64(kTax1Rate, value); }
int64_t SettingsRecord::permit_insufficient_stock() const { return I64(kPermitInsufficientStock); }
void SettingsRecord::set_permit_insufficient_stock(int64_t value) {
  SetI64(kPermitInsufficientStock, value);
}
int64_t SettingsRecord::tax2_rate() const { return I64(kTax2Rate); }
void SettingsRecord::set_tax2_rate(int64_t value) { SetI64(kTax2Rate, value); }
int64_t SettingsRecord::tax2_compound() const { return I64(kTax2Compound); }
void SettingsRecord::set_tax2_compound(int64_t value) { SetI64(kTax2Compound, value); }
int64_t SettingsRecord::inventory_search_list() const { return I64(kInventorySearchList); }
void SettingsRecord::set_inventory_search_list(int64_t value) {
  SetI64(kInventorySearchList, value);
}
int64_t SettingsRecord::trade_prices() const { return I64(kTradePrices); }
void SettingsRecord::set_trade_prices(int64_t value) { SetI64(kTradePrices, value); }
int64_t SettingsRecord::trade_button_inhibited() const { return I64(kTradeButtonInhibited); }
void SettingsRecord::set_trade_button_inhibited(int64_t value) {
  SetI64(kTradeButtonInhibited, value);
}
int64_t SettingsRecord::weight_button_inhibited() const { return I64(kWeightButtonInhibited); }
void SettingsRecord::set_weight_button_inhibited(int64_t value) {
  SetI64(kWeightButtonInhibited, value);
}
int64_t SettingsRecord::discount_button_inhibited() const { return I64(kDiscountButtonInhibited); }
void SettingsRecord::set_discount_button_inhibited(int64_t value) {
  SetI64(kDiscountButtonInhibited, value);
}
int64_t SettingsRecord::adjust_price_button_inhibited() const {
  return I64(kAdjustPriceButtonInhibited);
}
void SettingsRecord::set_adjust_price_button_inhibited(int64_t value) {
  SetI64(kAdjustPriceButtonInhibited, value);
}
int32_t SettingsRecord::next_transaction() const { return I32(kNextTransaction); }
void SettingsRecord::set_next_transaction(int32_t value) { SetI32(kNextTransaction, value); }
int32_t SettingsRecord::marker_2() const { return I32(kMarker2); }
void SettingsRecord::set_marker_2(int32_t value) { SetI32(kMarker2, value); }
double SettingsRecord::default_till_total() const { return F64(kDefaultTillTotal); }
void SettingsRecord::set_default_till_total(double value) { SetF64(kDefaultTillTotal, value); }
int64_t SettingsRecord::signed_on_clerk() const { return I64(kSignedOnClerk); }
void SettingsRecord::set_signed_on_clerk(int64_t value) { SetI64(kSignedOnClerk, value); }
double SettingsRecord::trade_discount_percent() const { return F64(kTradeDiscountPercent); }
void SettingsRecord::set_trade_discount_percent(double value) {
  SetF64(kTradeDiscountPercent, value);
}
int32_t SettingsRecord::auto_receipt() const { return I32(kAutoReceipt); }
void SettingsRecord::set_auto_receipt(int32_t value) { SetI32(kAutoReceipt, value); }
int32_t SettingsRecord::sku1_selection() const { return I32(kSku1Selection); }
void SettingsRecord::set_sku1_selection(int32_t value) { SetI32(kSku1Selection, value); }
int32_t SettingsRecord::reorder_alerts() const { return I32(kReorderAlerts); }
void SettingsRecord::set_reorder_alerts(int32_t value) { SetI32(kReorderAlerts, value); }
int32_t SettingsRecord::receipt_word_wrap() const { return I32(kReceiptWordWrap); }
void SettingsRecord::set_receipt_word_wrap(int32_t value) { SetI32(kReceiptWordWrap, value); }
int32_t SettingsRecord::receipt_description_limit() const { return I32(kReceiptDescriptionLimit); }
void SettingsRecord::set_receipt_description_limit(int32_t value) {
  SetI32(kReceiptDescriptionLimit, value);
}
int32_t SettingsRecord::discount_button_rate() const { return I32(kDiscountButtonRate); }
void SettingsRecord::set_discount_button_rate(int32_t value) { SetI32(kDiscountButtonRate, value); }
int32_t SettingsRecord::sounds_off() const { return I32(kSoundsOff); }
void SettingsRecord::set_sounds_off(int32_t value) { SetI32(kSoundsOff, value); }
int32_t SettingsRecord::omit_monthly_till_totals() const { return I32(kOmitMonthlyTillTotals); }
void SettingsRecord::set_omit_monthly_till_totals(int32_t value) {
  SetI32(kOmitMonthlyTillTotals, value);
}
int32_t SettingsRecord::current_category() const { return I32(kCurrentCategory); }
void SettingsRecord::set_current_category(int32_t value) { SetI32(kCurrentCategory, value); }
int32_t SettingsRecord::start_category() const { return I32(kStartCategory); }
void SettingsRecord::set_start_category(int32_t value) { SetI32(kStartCategory, value); }
int32_t SettingsRecord::receipt_copies() const { return I32(kReceiptCopies); }
void SettingsRecord::set_receipt_copies(int32_t value) { SetI32(kReceiptCopies, value); }
int32_t SettingsRecord::default_new_category() const { return I32(kDefaultNewCategory); }
void SettingsRecord::set_default_new_category(int32_t value) { SetI32(kDefaultNewCategory, value); }
int32_t SettingsRecord::trade_percentage_discount() const { return I32(kTradePercentageDiscount); }
void SettingsRecord::set_trade_percentage_discount(int32_t value) {
  SetI32(kTradePercentageDiscount, value);
}
int32_t SettingsRecord::receipt_logo_page_width() const { return I32(kReceiptLogoPageWidth); }
void SettingsRecord::set_receipt_logo_page_width(int32_t value) {
  SetI32(kReceiptLogoPageWidth, value);
}
int32_t SettingsRecord::upload_overview() const { return I32(kUploadOverview); }
void SettingsRecord::set_upload_overview(int32_t value) { SetI32(kUploadOverview, value); }
int32_t SettingsRecord::upload_items_list() const { return I32(kUploadItemsList); }
void SettingsRecord::set_upload_items_list(int32_t value) { SetI32(kUploadItemsList, value); }
int32_t SettingsRecord::upload_reorder_list() const { return I32(kUploadReorderList); }
void SettingsRecord::set_upload_reorder_list(int32_t value) { SetI32(kUploadReorderList, value); }
int32_t SettingsRecord::discount_on_total() const { return I32(kDiscountOnTotal); }
void SettingsRecord::set_discount_on_total(int32_t value) { SetI32(kDiscountOnTotal, value); }
int32_t SettingsRecord::report_menu_controlled() const { return I32(kReportMenuControlled); }
void SettingsRecord::set_report_menu_controlled(int32_t value) {
  SetI32(kReportMenuControlled, value);
}
int32_t SettingsRecord::activity_menu_controlled() const { return I32(kActivityMenuControlled); }
void SettingsRecord::set_activity_menu_controlled(int32_t value) {
  SetI32(kActivityMenuControlled, value);
}
int32_t SettingsRecord::receipt_font_size() const { return I32(kReceiptFontSize); }
void SettingsRecord::set_receipt_font_size(int32_t value) { SetI32(kReceiptFontSize, value); }
int32_t SettingsRecord::pole_in_use() const { return I32(kPoleInUse); }
void SettingsRecord::set_pole_in_use(int32_t value) { SetI32(kPoleInUse, value); }
int32_t SettingsRecord::pole_port() const { return I32(kPolePort); }
void SettingsRecord::set_pole_port(int32_t value) { SetI32(kPolePort, value); }
int32_t SettingsRecord::pole_columns_line1() const { return I32(kPoleColumnsLine1); }
void SettingsRecord::set_pole_columns_line1(int32_t value) { SetI32(kPoleColumnsLine1, value); }
int32_t SettingsRecord::pole_columns_line2() const { return I32(kPoleColumnsLine2); }
void SettingsRecord::set_pole_columns_line2(int32_t value) { SetI32(kPoleColumnsLine2, value); }
int32_t SettingsRecord::drawer_connection() const { return I32(kDrawerConnection); }
void SettingsRecord::set_drawer_connection(int32_t value) { SetI32(kDrawerConnection, value); }
int32_t SettingsRecord::tax1_threshold_only() const { return I32(kTax1ThresholdOnly); }
void SettingsRecord::set_tax1_threshold_only(int32_t value) { SetI32(kTax1ThresholdOnly, value); }
int32_t SettingsRecord::display_second_currency() const { return I32(kDisplaySecondCurrency); }
void SettingsRecord::set_display_second_currency(int32_t value) {
  SetI32(kDisplaySecondCurrency, value);
}
int32_t SettingsRecord::kitchen_receipt() const { return I32(kKitchenReceipt); }
void SettingsRecord::set_kitchen_receipt(int32_t value) { SetI32(kKitchenReceipt, value); }
int32_t SettingsRecord::receipt_logo() const { return I32(kReceiptLogo); }
void SettingsRecord::set_receipt_logo(int32_t value) { SetI32(kReceiptLogo, value); }
int32_t SettingsRecord::receipt_items_centred() const { return I32(kReceiptItemsCentred); }
void SettingsRecord::set_receipt_items_centred(int32_t value) {
  SetI32(kReceiptItemsCentred, value);
}
int32_t SettingsRecord::receipt_barcode() const { return I32(kReceiptBarcode); }
void SettingsRecord::set_receipt_barcode(int32_t value) { SetI32(kReceiptBarcode, value); }
int32_t SettingsRecord::custom_receipt_omit_logo() const { return I32(kCustomReceiptOmitLogo); }
void SettingsRecord::set_custom_receipt_omit_logo(int32_t value) {
  SetI32(kCustomReceiptOmitLogo, value);
}
int32_t SettingsRecord::custom_receipt_barcode() const { return I32(kCustomReceiptBarcode); }
void SettingsRecord::set_custom_receipt_barcode(int32_t value) {
  SetI32(kCustomReceiptBarcode, value);
}
int32_t SettingsRecord::custom_receipt_items_centred() const {
  return I32(kCustomReceiptItemsCentred);
}
void SettingsRecord::set_custom_receipt_items_centred(int32_t value) {
  SetI32(kCustomReceiptItemsCentred, value);
}
int32_t SettingsRecord::cart_description_only() const { return I32(kCartDescriptionOnly); }
void SettingsRecord::set_cart_description_only(int32_t value) {
  SetI32(kCartDescriptionOnly, value);
}
int32_t SettingsRecord::manual_drawer_inhibited() const { return I32(kManualDrawerInhibited); }
void SettingsRecord::set_manual_drawer_inhibited(int32_t value) {
  SetI32(kManualDrawerInhibited, value);
}
int32_t SettingsRecord::non_inventory_taxable() const { return I32(kNonInventoryTaxable); }
void SettingsRecord::set_non_inventory_taxable(int32_t value) {
  SetI32(kNonInventoryTaxable, value);
}
int32_t SettingsRecord::refunds_controlled() const { return I32(kRefundsControlled); }
void SettingsRecord::set_refunds_controlled(int32_t value) { SetI32(kRefundsControlled, value); }
int32_t SettingsRecord::language() const { return I32(kLanguage); }
void SettingsRecord::set_language(int32_t value) { SetI32(kLanguage, value); }
int32_t SettingsRecord::non_inventory_controlled() const { return I32(kNonInventoryControlled); }
void SettingsRecord::set_non_inventory_controlled(int32_t value) {
  SetI32(kNonInventoryControlled, value);
}
int32_t SettingsRecord::cashback_controlled() const { return I32(kCashbackControlled); }
void SettingsRecord::set_cashback_controlled(int32_t value) { SetI32(kCashbackControlled, value); }
int32_t SettingsRecord::cost_price_hidden() const { return I32(kCostPriceHidden); }
void SettingsRecord::set_cost_price_hidden(int32_t value) { SetI32(kCostPriceHidden, value); }
int32_t SettingsRecord::a4_omit_logo() const { return I32(kA4OmitLogo); }
void SettingsRecord::set_a4_omit_logo(int32_t value) { SetI32(kA4OmitLogo, value); }
int32_t SettingsRecord::receipt_item_layout() const { return I32(kReceiptItemLayout); }
void SettingsRecord::set_receipt_item_layout(int32_t value) { SetI32(kReceiptItemLayout, value); }
int32_t SettingsRecord::new_inventory_free() const { return I32(kNewInventoryFree); }
void SettingsRecord::set_new_inventory_free(int32_t value) { SetI32(kNewInventoryFree, value); }
int32_t SettingsRecord::inventory_received_free() const { return I32(kInventoryReceivedFree); }
void SettingsRecord::set_inventory_received_free(int32_t value) {
  SetI32(kInventoryReceivedFree, value);
}
int32_t SettingsRecord::amend_inventory_free() const { return I32(kAmendInventoryFree); }
void SettingsRecord::set_amend_inventory_free(int32_t value) { SetI32(kAmendInventoryFree, value); }
int32_t SettingsRecord::tax_setup_free() const { return I32(kTaxSetupFree); }
void SettingsRecord::set_tax_setup_free(int32_t value) { SetI32(kTaxSetupFree, value); }
int32_t SettingsRecord::pole_stop_bits() const { return I32(kPoleStopBits); }
void SettingsRecord::set_pole_stop_bits(int32_t value) { SetI32(kPoleStopBits, value); }
int32_t SettingsRecord::pole_baud_rate() const { return I32(kPoleBaudRate); }
void SettingsRecord::set_pole_baud_rate(int32_t value) { SetI32(kPoleBaudRate, value); }
int32_t SettingsRecord::pole_data_bits() const { return I32(kPoleDataBits); }
void SettingsRecord::set_pole_data_bits(int32_t value) { SetI32(kPoleDataBits, value); }
int32_t SettingsRecord::pole_parity() const { return I32(kPoleParity); }
void SettingsRecord::set_pole_parity(int32_t value) { SetI32(kPoleParity, value); }
int32_t SettingsRecord::custom_receipt_blank_lines() const { return I32(kCustomReceiptBlankLines); }
void SettingsRecord::set_custom_receipt_blank_lines(int32_t value) {
  SetI32(kCustomReceiptBlankLines, value);
}
int32_t SettingsRecord::cutter_port() const { return I32(kCutterPort); }
void SettingsRecord::set_cutter_port(int32_t value) { SetI32(kCutterPort, value); }
int32_t SettingsRecord::custom_receipt_second_currency() const {
  return I32(kCustomReceiptSecondCurrency);
}
void SettingsRecord::set_custom_receipt_second_currency(int32_t value) {
  SetI32(kCustomReceiptSecondCurrency, value);
}
int32_t SettingsRecord::custom_receipt_mark_exempt() const { return I32(kCustomReceiptMarkExempt); }
void SettingsRecord::set_custom_receipt_mark_exempt(int32_t value) {
  SetI32(kCustomReceiptMarkExempt, value);
}
int32_t SettingsRecord::custom_receipt_payment_line() const {
  return I32(kCustomReceiptPaymentLine);
}
void SettingsRecord::set_custom_receipt_payment_line(int32_t value) {
  SetI32(kCustomReceiptPaymentLine, value);
}
int32_t SettingsRecord::custom_receipt_excluding_tax() const {
  return I32(kCustomReceiptExcludingTax);
}
void SettingsRecord::set_custom_receipt_excluding_tax(int32_t value) {
  SetI32(kCustomReceiptExcludingTax, value);
}
int32_t SettingsRecord::custom_receipt_note_line() const { return I32(kCustomReceiptNoteLine); }
void SettingsRecord::set_custom_receipt_note_line(int32_t value) {
  SetI32(kCustomReceiptNoteLine, value);
}
int32_t SettingsRecord::receipt_exclusive_subtotal() const {
  return I32(kReceiptExclusiveSubtotal);
}
void SettingsRecord::set_receipt_exclusive_subtotal(int32_t value) {
  SetI32(kReceiptExclusiveSubtotal, value);
}
int32_t SettingsRecord::button_tips_off() const { return I32(kButtonTipsOff); }
void SettingsRecord::set_button_tips_off(int32_t value) { SetI32(kButtonTipsOff, value); }
int32_t SettingsRecord::default_tax_code() const { return I32(kDefaultTaxCode); }
void SettingsRecord::set_default_tax_code(int32_t value) { SetI32(kDefaultTaxCode, value); }
double SettingsRecord::tax1_threshold() const { return F64(kTax1Threshold); }
void SettingsRecord::set_tax1_threshold(double value) { SetF64(kTax1Threshold, value); }
double SettingsRecord::petty_cash_total() const { return F64(kPettyCashTotal); }
void SettingsRecord::set_petty_cash_total(double value) { SetF64(kPettyCashTotal, value); }
double SettingsRecord::cashback_total() const { return F64(kCashbackTotal); }
void SettingsRecord::set_cashback_total(double value) { SetF64(kCashbackTotal, value); }
double SettingsRecord::second_currency_rate() const { return F64(kSecondCurrencyRate); }
void SettingsRecord::set_second_currency_rate(double value) { SetF64(kSecondCurrencyRate, value); }
double SettingsRecord::eft_cashback() const { return F64(kEftCashback); }
void SettingsRecord::set_eft_cashback(double value) { SetF64(kEftCashback, value); }
double SettingsRecord::takings_total() const { return F64(kTakingsTotal); }
void SettingsRecord::set_takings_total(double value) { SetF64(kTakingsTotal, value); }
double SettingsRecord::refund_cost_total() const { return F64(kRefundCostTotal); }
void SettingsRecord::set_refund_cost_total(double value) { SetF64(kRefundCostTotal, value); }

}  // namespace ventro
