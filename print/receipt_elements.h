// The numbered elements receipts are built of (store heading lines, totals, taxes, clerk,
// receipt number, payment line, customer lines ...), each drawn centred on its line. The till
// receipt places them itself; the custom receipt takes their lines from the layout the
// "Custom receipt" dialog stores.
#pragma once

#include <optional>
#include <string>

#include "print/receipt_data.h"
#include "print/receipt_page.h"

namespace ventro {

enum ReceiptElement {
  kElementStoreName = 0,
  kElementStoreAddress1 = 1,
  kElementStoreAddress2 = 2,
  kElementStoreAddress3 = 3,
  kElementStoreAddress4 = 4,
  kElementStoreTelephone = 5,
  kElementDate = 6,
  kElementByLine = 7,
  kElementCustomerNumber = 8,
  kElementCustomerName = 9,
  kElementNonTaxable = 10,
  kElementTaxable = 11,
  kElementTax1 = 12,
  kElementTax2 = 13,
  kElementTotal = 14,
  kElementClerk = 15,
  kElementReceipt = 16,
  kElementTendered = 17,
  kElementChange = 18,
  kElementText1 = 19,
  kElementText2 = 20,
  kElementText3 = 21,
  kElementPaymentType = 22,
  kElementAddress1 = 23,
  kElementAddress2 = 24,
  kElementAddress3 = 25,
  kElementAddress4 = 26,
  kElementCustomerPhone = 27,
  kElementCount = 28,
};

// The payment line: "Payment: Cash", "Payment: Cheque", "Payment: EFT" (with " (CB: 5.00)"
// for cash back), "Payment: Credit", or the split forms "Payment: CH with cash" and
// "Payment: EFT with cash", in the words of the label table.
std::string PaymentLineText(const ReceiptData& data);

// The text of `element`; nothing when it is not drawn (the change of a refund).
// `second_currency`: the total also in the second currency, when it has a positive rate.
std::optional<std::string> ElementText(const ReceiptData& data, int element,
                                       bool second_currency = false);

// The lines the "Custom receipt" dialog allows: header elements count from the top of the
// receipt, footer elements and the transaction note from the last item.
inline constexpr int kMaxHeaderLine = 999;
inline constexpr int kMaxFooterLine = 40;

// The totals, texts 2 and 3, the by line and the payment line sit below the items.
bool IsFooterElement(int element);

// The line of `element` in the custom receipt layout (0 = omitted). A stored value outside
// the dialog's limits (vt.cfg edited by hand or damaged) is held to them, so line arithmetic
// never overflows.
int CustomLayoutLine(const SettingsRecord& settings, int element);

// The transaction note's line below the last item (0 = omitted), held to the same limits.
int CustomNoteLine(const SettingsRecord& settings);

enum class ElementPlace {
  kLayout,  // the custom layout's line, `line` added as an offset; omitted below line 1
  kAtLine,  // at `line`
};

// Draws `element` centred on its line.
void PrintElement(ReceiptPage& page, const ReceiptData& data, int element, int line,
                  ElementPlace place = ElementPlace::kAtLine, bool second_currency = false);

// "%02d:%02d" style transaction time and date of the basket, as the receipts print them.
std::string TransactionTimeAndDate(const Basket& basket);

}  // namespace ventro
