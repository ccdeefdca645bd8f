// The settings record: every setting, counter and operator datum of the program in one block
// of 15,018 bytes, stored byte for byte as vt.cfg. The fields below are read and written in
// place with SettingsRecord::Get and Set; bytes no field names are carried unchanged.
//
// Flags marked 2/0 are stored as 2 for on and 0 for off (any non-zero value reads as on);
// flags marked 1/0 are stored as 1 and 0. Get returns the stored value as it is, so that a
// value written by an older file survives a load and save unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "base/record_field.h"
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
static_assert(sizeof(TimeStamp) == 20);

struct Date {
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;
};
static_assert(sizeof(Date) == 12);

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

class SettingsRecord;

// The fields of the settings record, by offset. Arrays are {first, stride, count, first index}.
namespace cfg {
template <class T>
using F = Field<T, SettingsRecord>;
using I32 = F<int32_t>;
using I64 = F<int64_t>;
using F64 = F<double>;
using Text = StoredText<SettingsRecord>;
using Code = StoredCode<SettingsRecord>;
template <class Element, class Index = int>
using Array = FieldArray<Element, Index>;

// Second-currency symbol printed before converted amounts, up to 3 characters.
inline constexpr Text kSecondCurrencySymbol{0, 4};
// Category codes of categories 0 to 8 and 9 to 17, three characters without a terminator.
inline constexpr Array<Code> kCategoryCodeLow{{9, 3}, 3, 9};
inline constexpr Array<Code> kCategoryCodeHigh{{4814, 3}, 3, 9, 9};
// Receipt printer as an index in the printer list (0 = default printer).
inline constexpr I32 kReceiptPrinterIndex{36};
// Terms band 1 to 8: discount choice 1 Nett, 2 = 2%, 3 = 5%, 4 = 10%, 5 = 20%, 6 = 30%,
// 7 = 40%, 8 = 50%.
inline constexpr Array<I32> kTermsDiscount{{40}, 4, 8, 1};
// Layout markers written at first run (99, 1 and 2); nothing reads them.
inline constexpr I32 kMarker99{72};
inline constexpr I32 kFirstRunDayOfMonth{76};  // day of the month of the first run
// Store print heading line 1 to 7: site name, road, area, state or county, zip or postcode,
// telephone (at most 40 characters each), and line 7 set only at start-up.
inline constexpr Array<Text> kHeadingLine{{80, 80}, 80, 7, 1};
// Non-inventory preset category 1 to 4, at most 12 characters.
inline constexpr Array<Text> kNonInventoryPreset{{2392, 80}, 80, 4, 1};
inline constexpr F<TimeStamp> kLastStart{3912};   // last start or stop
inline constexpr F<TimeStamp> kLastBackup{3952};  // last file backup
inline constexpr I32 kTipsOff{3976};              // non-zero: no "TIP OF THE DAY" at start-up
// Sold-item counters A and B of categories 9 to 17 and 0 to 8.
inline constexpr Array<I32> kCategorySoldAHigh{{4036}, 4, 9, 9};
inline constexpr Array<I32> kCategorySoldBHigh{{4076}, 4, 9, 9};
inline constexpr Array<I32> kCategorySoldALow{{4232}, 4, 9};
inline constexpr Array<I32> kCategorySoldBLow{{4272}, 4, 9};
// The i64 option block 4312 to 4791 seen element by element (0 to 59); the i64 fields from
// kKitchenPrinterIndex to kControlledOperation are its elements.
inline constexpr Array<I64> kOption{{4312}, 8, 60};
inline constexpr I64 kKitchenPrinterIndex{4320};  // index in the printer list, 0 = default
inline constexpr I64 kMarker1{4336};
// Till drawer on a direct connection: repeat count 1 to 10, open character 0 to 255, port
// 0 to 7 COM1 to COM8, 8 LPT1, 9 LPT2.
inline constexpr I64 kDrawerRepeat{4344};
inline constexpr I64 kDrawerOpenCharacter{4360};
inline constexpr I64 kNoNewInventoryOffer{4368};  // 1/0: the "new inventory" offer is not made
inline constexpr I64 kDrawerPort{4376};
inline constexpr I64 kPrintConfirm{4384};         // 1 = ask before printing, 0 = omit
inline constexpr I64 kCustomersAdded{4392};       // raised by 1 after each customer added
inline constexpr I64 kNoNewCustomerOffer{4400};   // 1/0: the "new customer" offer is not made
inline constexpr I64 kNoSummaryBox{4408};         // 1 = the automatic receipt is printed at once
inline constexpr I64 kListingLinesPerPage{4424};  // 0 = device font unchanged
// Last inventory and customer numbers used (next available start point - 1).
inline constexpr I64 kLastInventoryNumber{4432};
inline constexpr I64 kLastCustomerNumber{4440};
inline constexpr I64 kOpenDrawerAfterCommit{4448};  // open the till drawer when above 0
inline constexpr I64 kCustomerSearchList{4456};     // 1/0: customer searches shown as a list
inline constexpr I64 kListingIndent{4464};          // characters, 0 to 40
inline constexpr I64 kConfigurationFree{4472};      // the configuration menu: 0 controlled, 2 free
// Terms band 1 to 8: credit period choice 1 No credit, 2 = 10, 3 = 20, 4 = 30, 5 = 60,
// 6 = 90, 7 = 120, 8 = 180 days.
inline constexpr Array<I64> kTermsCredit{{4480}, 8, 8, 1};
// 2/0: tax 1 and tax 2 active; rates in hundredths of a percent, 0 to 9999 (1000 = 10%).
inline constexpr I64 kTax1Active{4544};
inline constexpr I64 kTax2Active{4560};
inline constexpr I64 kTax1Rate{4576};
inline constexpr I64 kPermitInsufficientStock{4584};  // 2/0: sale with too little stock
inline constexpr I64 kTax2Rate{4592};
inline constexpr I64 kTax2Compound{4608};         // 2/0: tax 2 on total + tax 1
inline constexpr I64 kInventorySearchList{4632};  // 1/0: description searches shown as a list
inline constexpr I64 kTradePrices{4648};          // 2/0: sale at trade prices
// 2/0: sale-screen buttons inhibited for restricted clerks.
inline constexpr I64 kTradeButtonInhibited{4656};
inline constexpr I64 kWeightButtonInhibited{4664};
inline constexpr I64 kDiscountButtonInhibited{4680};
inline constexpr I64 kAdjustPriceButtonInhibited{4688};
// Controlled operation: 0 controlled, 2 free.
inline constexpr Array<I64, ControlledOp> kControlledOperation{{4696}, 8, kControlledOpCount};
inline constexpr I32 kNextTransaction{4792};  // 1 to 200,000,000
inline constexpr I32 kMarker2{4796};
// Currency symbol printed before amounts (up to 4 characters), and 2 once it has been taken
// from the system locale.
inline constexpr Text kCurrencySymbol{4800, 5};
inline constexpr F<uint8_t> kCurrencyTaken{4805};
// Tax name 1 or 2, up to 5 characters.
inline constexpr Array<Text> kTaxName{{4841, 6}, 6, 2, 1};
inline constexpr F64 kDefaultTillTotal{4854};  // default start-of-day till total
// Receipt and kitchen printer names (empty = default printer).
inline constexpr Text kReceiptPrinterName{4862, 250};
// Custom receipt text 1 to 3, up to 49 characters.
inline constexpr Array<Text> kCustomReceiptText{{5462, 50}, 50, 3, 1};
// Custom receipt cutter control sequence (decimal codes separated by commas).
inline constexpr Text kCutterSequence{5612, 50};
// Custom receipt layout: line number of element 0 to 18 (0 = omitted).
inline constexpr Array<I32> kCustomReceiptLayout{{5662}, 4, 19};
// Pole display texts and code lists, up to 31 characters each.
inline constexpr Array<Text, PoleString> kPoleString{{5742, 32}, 32, kPoleStringCount};
// Drawer control sequence sent through the receipt printer (decimal codes and commas).
inline constexpr Text kDrawerSequence{6582, 32};
inline constexpr I64 kSignedOnClerk{6782};  // clerk number (1 Administrator, 2 Manager)
// Clerk 1 to 100, up to 29 characters.
inline constexpr Array<Text> kClerkName{{7190, 30}, 30, 100, 1};
// Password of clerk 1 to 99: digits, up to 8. Slot 0 at 10190 is unused; clerk 100 has none.
inline constexpr Array<Text> kClerkPassword{{10200, 10}, 10, 99, 1};
inline constexpr F64 kTradeDiscountPercent{11230};  // 0 to 100
inline constexpr Text kReceiptFooter{11310, 253};   // up to 252 characters
inline constexpr Text kKitchenPrinterName{11564, 250};
// Availability of clerk 0 to 99: 0 available, 2 not available.
inline constexpr Array<I32> kClerkAvailability{{11814}, 4, 100};
// History-from date (never after today; its year starts the report period lists) and the
// first-run date (its year starts the history-from year list).
inline constexpr F<Date> kHistoryFrom{12594};
inline constexpr F<Date> kFirstRunDate{12606};
// Automatic receipt after commit: 0 none, 1 till receipt, 2 standard invoice, 3 custom
// invoice, 4 custom receipt.
inline constexpr I32 kAutoReceipt{12618};
inline constexpr I32 kSku1Selection{12642};  // 2/0: cart entry matched against SKU 1 (barcode)
inline constexpr I32 kReorderAlerts{12650};  // 2/0: reorder alerts during sale
// 2/0: receipt footer word wrap, and item descriptions limited to 20 characters.
inline constexpr I32 kReceiptWordWrap{12658};
inline constexpr I32 kReceiptDescriptionLimit{12666};
inline constexpr I32 kDiscountButtonRate{12678};     // whole percentage 0 to 80 (0 = none)
inline constexpr I32 kSoundsOff{12682};              // non-zero: no sounds
inline constexpr I32 kOmitMonthlyTillTotals{12686};  // 2/0: left off the overview printout
// Current quick-select category 0 to 18 (18 = all), and the category at start + 1 (0 keeps
// the current one).
inline constexpr I32 kCurrentCategory{12690};
inline constexpr I32 kStartCategory{12694};
inline constexpr I32 kReceiptCopies{12698};            // 0 = 1, 1 = 2, 2 = 3
inline constexpr I32 kDefaultNewCategory{12702};       // category of new inventory + 1, 0 = none
inline constexpr I32 kTradePercentageDiscount{12706};  // 2/0: trade = retail less the percentage
inline constexpr I32 kReceiptLogoPageWidth{12710};     // 2/0: logo to page width, else half
// 2/0: head-office upload of the daily overview, daily items list and reorder list.
inline constexpr I32 kUploadOverview{12714};
inline constexpr I32 kUploadItemsList{12718};
inline constexpr I32 kUploadReorderList{12722};
inline constexpr I32 kDiscountOnTotal{12730};  // 2/0: discounts on the total, not the nett
// 2/0: report menu and activity menu controlled.
inline constexpr I32 kReportMenuControlled{12738};
inline constexpr I32 kActivityMenuControlled{12742};
// Receipt font size: 0 printer default, 1 = 9, 2 = 10, 3 = 11, 4 = 12 points.
inline constexpr I32 kReceiptFontSize{12754};
// Pole display: in use (non-zero), port 0 to 7 = COM1 to COM8, columns of lines 1 and 2.
inline constexpr I32 kPoleInUse{13018};
inline constexpr I32 kPolePort{13026};
inline constexpr I32 kPoleColumnsLine1{13034};
inline constexpr I32 kPoleColumnsLine2{13050};
inline constexpr I32 kDrawerConnection{13054};       // 0 direct, 2 through the receipt printer
inline constexpr I32 kTax1ThresholdOnly{13098};      // 2/0: tax 1 only over the threshold
inline constexpr I32 kDisplaySecondCurrency{13102};  // 2/0
inline constexpr I32 kKitchenReceipt{13106};         // 2/0: extra receipt to the kitchen printer
// 2/0 till receipt options: logo (receipt.bmp), items centred, barcode.
inline constexpr I32 kReceiptLogo{13110};
inline constexpr I32 kReceiptItemsCentred{13114};
inline constexpr I32 kReceiptBarcode{13118};
// Custom receipt options: logo omitted (non-zero), barcode, items centred.
inline constexpr I32 kCustomReceiptOmitLogo{13122};
inline constexpr I32 kCustomReceiptBarcode{13126};
inline constexpr I32 kCustomReceiptItemsCentred{13130};
inline constexpr I32 kCartDescriptionOnly{13134};    // 2/0: basket lines without item number
inline constexpr I32 kManualDrawerInhibited{13138};  // 2/0: for restricted clerks
inline constexpr I32 kNonInventoryTaxable{13142};    // 2/0: by default
inline constexpr I32 kRefundsControlled{13158};      // 2/0
// Label language: 0 English, 1 Italiano, 2 Espanol, 3 Nederlands.
inline constexpr I32 kLanguage{13162};
// 2/0: non-inventory sale and cash back controlled; cost price hidden from clerks 3 and above.
inline constexpr I32 kNonInventoryControlled{13166};
inline constexpr I32 kCashbackControlled{13170};
inline constexpr I32 kCostPriceHidden{13174};
// Custom invoice layout: line number of element 0 to 17; and its options 0 to 2.
inline constexpr Array<I32> kCustomInvoiceLayout{{13178}, 4, 18};
inline constexpr Array<I32> kCustomInvoiceOption{{13258}, 4, 3};
inline constexpr I32 kA4OmitLogo{13270};         // A4 documents: letter.bmp omitted if non-zero
inline constexpr I32 kReceiptItemLayout{13278};  // 0 one line with heading, 2 two lines
// Operations under control: 0 controlled, 2 free.
inline constexpr I32 kNewInventoryFree{13298};
inline constexpr I32 kInventoryReceivedFree{13302};
inline constexpr I32 kAmendInventoryFree{13306};
inline constexpr I32 kTaxSetupFree{13310};
// Pole serial settings: stop bits (0 = 1, 1 = 1.5, 2 = 2), baud rate index, data bits index,
// parity (0 none, 1 even, 2 odd).
inline constexpr I32 kPoleStopBits{13322};
inline constexpr I32 kPoleBaudRate{13326};
inline constexpr I32 kPoleDataBits{13330};
inline constexpr I32 kPoleParity{13334};
// Custom receipt: line of text 1 to 3, blank lines at the end, cutter port (0 to 7 COM1 to
// COM8, 8 LPT1, 9 LPT2), second currency, tax-exempt items marked "E", line of the payment
// type, items excluding tax when 2, line of the transaction note (0 = omitted).
inline constexpr Array<I32> kCustomReceiptTextLine{{13338}, 4, 3, 1};
inline constexpr I32 kCustomReceiptBlankLines{13350};
inline constexpr I32 kCutterPort{13354};
inline constexpr I32 kCustomReceiptSecondCurrency{13358};
inline constexpr I32 kCustomReceiptMarkExempt{13362};
inline constexpr I32 kCustomReceiptPaymentLine{13366};
inline constexpr I32 kCustomReceiptExcludingTax{13370};
inline constexpr I32 kCustomReceiptNoteLine{13374};
inline constexpr I32 kReceiptExclusiveSubtotal{13378};  // 2/0: items without tax, subtotal
inline constexpr I32 kButtonTipsOff{13382};  // non-zero: no tool tips on the screen buttons
// Default inventory tax code: 0 non taxable, 1 tax 1 and 2, 2 tax 1, 3 tax 2.
inline constexpr I32 kDefaultTaxCode{13386};
// Custom receipt layout: line of customer address 1 to 4 and telephone (5).
inline constexpr Array<I32> kCustomReceiptCustomerLine{{13394}, 4, 5, 1};
inline constexpr F64 kTax1Threshold{13418};
// Running totals of petty cash and of cash back given.
inline constexpr F64 kPettyCashTotal{13426};
inline constexpr F64 kCashbackTotal{13442};
inline constexpr F64 kSecondCurrencyRate{13450};  // second-currency conversion rate
inline constexpr F64 kEftCashback{13498};         // cash back offered on EFT when non-zero
inline constexpr F64 kTakingsTotal{14218};        // every committed sale not paid on credit
inline constexpr Array<F64, RefundTotal> kRefundTotal{{14234}, 8, kRefundTotalCount};
inline constexpr Array<F64> kReservedTotal{{14290}, 8, 4};  // always 0
inline constexpr F64 kRefundCostTotal{14394};
// Sales value of category 0 to 17.
inline constexpr Array<F64> kCategorySalesValue{{14538}, 8, 18};

// Every field but the kOption view, for the layout check and the layout test.
inline constexpr auto kLayout = std::tuple(
    kSecondCurrencySymbol, kCategoryCodeLow, kCategoryCodeHigh, kReceiptPrinterIndex,
    kTermsDiscount, kMarker99, kFirstRunDayOfMonth, kHeadingLine, kNonInventoryPreset, kLastStart,
    kLastBackup, kTipsOff, kCategorySoldAHigh, kCategorySoldBHigh, kCategorySoldALow,
    kCategorySoldBLow, kKitchenPrinterIndex, kMarker1, kDrawerRepeat, kDrawerOpenCharacter,
    kNoNewInventoryOffer, kDrawerPort, kPrintConfirm, kCustomersAdded, kNoNewCustomerOffer,
    kNoSummaryBox, kListingLinesPerPage, kLastInventoryNumber, kLastCustomerNumber,
    kOpenDrawerAfterCommit, kCustomerSearchList, kListingIndent, kConfigurationFree, kTermsCredit,
    kTax1Active, kTax2Active, kTax1Rate, kPermitInsufficientStock, kTax2Rate, kTax2Compound,
    kInventorySearchList, kTradePrices, kTradeButtonInhibited, kWeightButtonInhibited,
    kDiscountButtonInhibited, kAdjustPriceButtonInhibited, kControlledOperation, kNextTransaction,
    kMarker2, kCurrencySymbol, kCurrencyTaken, kTaxName, kDefaultTillTotal, kReceiptPrinterName,
    kCustomReceiptText, kCutterSequence, kCustomReceiptLayout, kPoleString, kDrawerSequence,
    kSignedOnClerk, kClerkName, kClerkPassword, kTradeDiscountPercent, kReceiptFooter,
    kKitchenPrinterName, kClerkAvailability, kHistoryFrom, kFirstRunDate, kAutoReceipt,
    kSku1Selection, kReorderAlerts, kReceiptWordWrap, kReceiptDescriptionLimit, kDiscountButtonRate,
    kSoundsOff, kOmitMonthlyTillTotals, kCurrentCategory, kStartCategory, kReceiptCopies,
    kDefaultNewCategory, kTradePercentageDiscount, kReceiptLogoPageWidth, kUploadOverview,
    kUploadItemsList, kUploadReorderList, kDiscountOnTotal, kReportMenuControlled,
    kActivityMenuControlled, kReceiptFontSize, kPoleInUse, kPolePort, kPoleColumnsLine1,
    kPoleColumnsLine2, kDrawerConnection, kTax1ThresholdOnly, kDisplaySecondCurrency,
    kKitchenReceipt, kReceiptLogo, kReceiptItemsCentred, kReceiptBarcode, kCustomReceiptOmitLogo,
    kCustomReceiptBarcode, kCustomReceiptItemsCentred, kCartDescriptionOnly, kManualDrawerInhibited,
    kNonInventoryTaxable, kRefundsControlled, kLanguage, kNonInventoryControlled,
    kCashbackControlled, kCostPriceHidden, kCustomInvoiceLayout, kCustomInvoiceOption, kA4OmitLogo,
    kReceiptItemLayout, kNewInventoryFree, kInventoryReceivedFree, kAmendInventoryFree,
    kTaxSetupFree, kPoleStopBits, kPoleBaudRate, kPoleDataBits, kPoleParity, kCustomReceiptTextLine,
    kCustomReceiptBlankLines, kCutterPort, kCustomReceiptSecondCurrency, kCustomReceiptMarkExempt,
    kCustomReceiptPaymentLine, kCustomReceiptExcludingTax, kCustomReceiptNoteLine,
    kReceiptExclusiveSubtotal, kButtonTipsOff, kDefaultTaxCode, kCustomReceiptCustomerLine,
    kTax1Threshold, kPettyCashTotal, kCashbackTotal, kSecondCurrencyRate, kEftCashback,
    kTakingsTotal, kRefundTotal, kReservedTotal, kRefundCostTotal, kCategorySalesValue);
}  // namespace cfg

class SettingsRecord : public FixedRecord<SettingsRecord, 15018> {
 public:
  static constexpr int kCategoryCount = 18;          // display categories 0 to 17
  static constexpr int kAllCategories = 18;          // the quick-select "ALL" category
  static constexpr int kFirstRunCategory = 14;       // the category shown after a first run
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

  std::string_view view() const { return {reinterpret_cast<const char*>(data()), kSize}; }

  // First run: zeroes the counter blocks and writes every first-run default, with `today` as
  // the first-run and history-from dates. Fields that the start-up fills (the heading lines,
  // the currency symbol and its taken flag) are left as they are; the last-start time lies in
  // a zeroed block. Meant for a fresh (zero) record: other fields whose default is zero or
  // empty are not written.
  void ApplyFirstRunDefaults(const LocalTime& today);

  // Category code of category c, 0 to 17; 18 gives "ALL", which is stored nowhere.
  std::string CategoryCode(int c) const;
  void SetCategoryCode(int c, std::string_view code);

  // Sold-item counters A and B of category c, 0 to 17 (stored in two runs).
  int32_t CategorySoldA(int c) const;
  void SetCategorySoldA(int c, int32_t value);
  int32_t CategorySoldB(int c) const;
  void SetCategorySoldB(int c, int32_t value);
};

static_assert(FitsWithoutOverlap(SpansOf(cfg::kLayout), SettingsRecord::kSize));

}  // namespace ventro
