#include "print/receipt_elements.h"

#include <algorithm>

#include "base/format.h"

namespace ventro {
namespace {

enum Label {
  kLabelReceipt = 1,
  kLabelTotal = 3,
  kLabelCustomer = 5,
  kLabelNonTaxable = 6,
  kLabelTaxable = 7,
  kLabelTendered = 8,
  kLabelChange = 9,
  kLabelPaymentCash = 10,
  kLabelPaymentCheque = 11,
  kLabelPaymentEft = 12,
  kLabelPaymentCredit = 13,
  kLabelCashAndCheque = 14,
  kLabelCashAndEft = 15,
  kLabelRefund = 16,
};

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

std::string Labelled(const ReceiptData& data, int label, double amount) {
  return data.labels.Label(label) + ": " + FormatAmount(amount);
}

std::string TaxLine(const std::string& name, double total, int64_t rate) {
  // A rate of 0 prints as 0.00 however it is stored.
  const double percent = rate == 0 ? 0.0 : static_cast<double>(rate) / 100.0;
  return name + ": " + FormatAmount(total) + " (" + FormatAmount(percent) + "%)";
}

bool IsRefund(const Basket& basket) { return TextOf(basket.texts.payment_type) == "Refund"; }

}  // namespace

std::string PaymentLineText(const ReceiptData& data) {
  const BasketTotals& t = data.basket.totals;
  const LabelTable& labels = data.labels;
  std::string text = labels.Label(kLabelPaymentCash);
  if (t.cash_amount == 0 && t.cheque_amount != 0) text = labels.Label(kLabelPaymentCheque);
  if (t.cash_amount == 0 && t.eft_amount != 0) {
    text = labels.Label(kLabelPaymentEft);
    if (t.cash_back > 0) text += " (CB: " + FormatAmount(t.cash_back) + ")";
  }
  if (t.cash_amount == 0 && TextOf(data.basket.texts.payment_type) == "Credit") {
    text = labels.Label(kLabelPaymentCredit);
  }
  if (t.cash_amount > 0 && t.cheque_amount > 0) text = labels.Label(kLabelCashAndCheque);
  if (t.cash_amount > 0 && t.eft_amount > 0) text = labels.Label(kLabelCashAndEft);
  return text;
}

std::optional<std::string> ElementText(const ReceiptData& data, int element, bool second_currency) {
  const Basket& basket = data.basket;
  const BasketTotals& t = basket.totals;
  const SettingsRecord& s = data.settings;
  switch (element) {
    case kElementStoreName:
    case kElementStoreAddress1:
    case kElementStoreAddress2:
    case kElementStoreAddress3:
    case kElementStoreAddress4:
    case kElementStoreTelephone:
      return s.Get(cfg::kHeadingLine, element + 1);
    case kElementDate: {
      const std::string time = StringPrintf("%02d:%02d", data.now.hour, data.now.minute);
      return time + " " + data.locale.FormatDate("MMM d yyyy", data.now);
    }
    case kElementByLine:
      return s.Get(cfg::kReceiptFooter);
    case kElementCustomerNumber:
      return data.labels.Label(kLabelCustomer) + ": " + Number(basket.customer_number);
    case kElementCustomerName:
      return TextOf(basket.texts.customer_name);
    case kElementNonTaxable:
      return Labelled(data, kLabelNonTaxable, t.non_taxable_total);
    case kElementTaxable:
      return Labelled(data, kLabelTaxable, t.taxable_total);
    case kElementTax1:
      return TaxLine(s.Get(cfg::kTaxName, 1), t.tax1_total, s.Get(cfg::kTax1Rate));
    case kElementTax2:
      return TaxLine(s.Get(cfg::kTaxName, 2), t.tax2_total, s.Get(cfg::kTax2Rate));
    case kElementTotal: {
      const std::string label = data.labels.Label(kLabelTotal);
      const double rate = s.Get(cfg::kSecondCurrencyRate);
      if (second_currency && rate > 0) {
        return label + " " + s.Get(cfg::kCurrencySymbol) + FormatAmount(t.grand_total) + "  " +
               s.Get(cfg::kSecondCurrencySymbol) + FormatAmount(t.grand_total * rate);
      }
      return label + ": " + s.Get(cfg::kCurrencySymbol) + FormatAmount(t.grand_total);
    }
    case kElementClerk: {
      const int64_t clerk = s.Get(cfg::kSignedOnClerk);
      return Number(clerk) + ", " + s.Get(cfg::kClerkName, static_cast<int>(clerk));
    }
    case kElementReceipt:
      return data.labels.Label(IsRefund(basket) ? kLabelRefund : kLabelReceipt) + ": " +
             Number(basket.transaction_number);
    case kElementTendered:
      return Labelled(data, kLabelTendered, data.tendered.tendered);
    case kElementChange:
      if (IsRefund(basket)) return std::nullopt;
      return Labelled(data, kLabelChange, data.tendered.change);
    case kElementText1:
    case kElementText2:
    case kElementText3:
      return s.Get(cfg::kCustomReceiptText, element - kElementText1 + 1);
    case kElementPaymentType:
      return PaymentLineText(data);
    case kElementAddress1:
    case kElementAddress2:
    case kElementAddress3:
    case kElementAddress4:
    case kElementCustomerPhone:
      return TextOf(basket.texts.customer_text[static_cast<size_t>(element - kElementAddress1)]);
    default:
      return std::nullopt;
  }
}

bool IsFooterElement(int element) {
  switch (element) {
    case kElementByLine:
    case kElementNonTaxable:
    case kElementTaxable:
    case kElementTax1:
    case kElementTax2:
    case kElementTotal:
    case kElementTendered:
    case kElementChange:
    case kElementText2:
    case kElementText3:
    case kElementPaymentType:
      return true;
    default:
      return false;
  }
}

namespace {

int StoredLayoutLine(const SettingsRecord& settings, int element) {
  if (element >= 0 && element < SettingsRecord::kCustomReceiptElements) {
    return settings.Get(cfg::kCustomReceiptLayout, element);
  }
  if (element >= kElementText1 && element <= kElementText3) {
    return settings.Get(cfg::kCustomReceiptTextLine, element - kElementText1 + 1);
  }
  if (element == kElementPaymentType) return settings.Get(cfg::kCustomReceiptPaymentLine);
  if (element >= kElementAddress1 && element <= kElementCustomerPhone) {
    return settings.Get(cfg::kCustomReceiptCustomerLine, element - kElementAddress1 + 1);
  }
  return 0;
}

}  // namespace

int CustomLayoutLine(const SettingsRecord& settings, int element) {
  const int high = IsFooterElement(element) ? kMaxFooterLine : kMaxHeaderLine;
  return std::clamp(StoredLayoutLine(settings, element), 0, high);
}

int CustomNoteLine(const SettingsRecord& settings) {
  return std::clamp(settings.Get(cfg::kCustomReceiptNoteLine), 0, kMaxFooterLine);
}

void PrintElement(ReceiptPage& page, const ReceiptData& data, int element, int line,
                  ElementPlace place, bool second_currency) {
  if (place == ElementPlace::kLayout) {
    const int layout_line = CustomLayoutLine(data.settings, element);
    if (layout_line < 1) return;
    line += layout_line;
  }
  const std::optional<std::string> text = ElementText(data, element, second_currency);
  if (text) page.Centred(line, *text);
}

std::string TransactionTimeAndDate(const Basket& basket) {
  return TextOf(basket.texts.sale_time) + "  " + TextOf(basket.texts.sale_date);
}

}  // namespace ventro
