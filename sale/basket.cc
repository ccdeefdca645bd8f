#include "sale/basket.h"

#include "base/format.h"

namespace ventro {

int CountLinesOf(const Basket& basket, int64_t item_number) {
  int count = 0;
  for (int i = 0; i < basket.line_count; ++i) {
    if (basket.item_number[static_cast<size_t>(i)] == item_number) ++count;
  }
  return count;
}

int AppendLine(Basket& basket, const LineEntry& entry, const TaxRules& rules) {
  if (basket.line_count < 0 || basket.line_count >= kMaxBasketLines) return -1;
  const int index = basket.line_count;
  const auto i = static_cast<size_t>(index);
  BasketTotals& totals = basket.totals;
  const double price = entry.price;

  basket.item_number[i] = entry.item_number;
  SetText(basket.description[i], entry.description);
  basket.non_taxable_amount[i] = 0;
  basket.taxable_amount[i] = 0;
  basket.tax1[i] = 0;
  basket.tax2[i] = 0;
  basket.line_total[i] = price;
  basket.discount[i] = 0;
  basket.cost[i] = entry.cost;

  if (price != 0) {
    if (entry.tax_code == kTaxCodeNone) {
      basket.non_taxable_amount[i] = price;
      totals.non_taxable_total = RoundToCents(totals.non_taxable_total + price);
      totals.grand_total = RoundToCents(totals.grand_total + price);
    } else {
      LineTax tax =
          ComputeLineTax(rules, entry.tax_code, price, totals.taxable_total, entry.no_tax_rounding);
      totals.tax1_total = RoundToCents(totals.tax1_total + tax.tax1);
      basket.tax1[i] = tax.tax1;
      basket.taxable_amount[i] = price;
      totals.taxable_total = RoundToCents(totals.taxable_total + price);
      totals.tax2_total = RoundToCents(totals.tax2_total + tax.tax2);
      basket.tax2[i] = tax.tax2;
      totals.grand_total = RoundToCents(totals.grand_total + price + tax.tax1 + tax.tax2);
      basket.line_total[i] = price + tax.tax1 + tax.tax2;
    }
  }
  totals.cost_total += entry.cost;
  totals.net_total = RoundToCents(totals.net_total + price);
  basket.line_count = index + 1;
  return index;
}

void RemoveLine(Basket& basket, int index) {
  if (index < 0 || index >= basket.line_count) return;
  const auto i = static_cast<size_t>(index);
  BasketTotals& totals = basket.totals;
  totals.tax1_total = RoundToCents(totals.tax1_total - basket.tax1[i]);
  totals.tax2_total = RoundToCents(totals.tax2_total - basket.tax2[i]);
  totals.grand_total = RoundToCents(totals.grand_total - basket.line_total[i]);
  if (basket.non_taxable_amount[i] > 0) {
    totals.non_taxable_total =
        RoundToCents(totals.non_taxable_total - basket.non_taxable_amount[i]);
    totals.net_total = RoundToCents(totals.net_total - basket.non_taxable_amount[i]);
  }
  if (basket.taxable_amount[i] > 0) {
    totals.taxable_total = RoundToCents(totals.taxable_total - basket.taxable_amount[i]);
    totals.net_total = RoundToCents(totals.net_total - basket.taxable_amount[i]);
  }
  totals.cost_total -= basket.cost[i];
  totals.discount_total -= basket.discount[i];

  const auto last = static_cast<size_t>(basket.line_count - 1);
  for (size_t k = i; k < last; ++k) {
    basket.item_number[k] = basket.item_number[k + 1];
    basket.description[k] = basket.description[k + 1];
    basket.non_taxable_amount[k] = basket.non_taxable_amount[k + 1];
    basket.taxable_amount[k] = basket.taxable_amount[k + 1];
    basket.tax1[k] = basket.tax1[k + 1];
    basket.tax2[k] = basket.tax2[k + 1];
    basket.cost[k] = basket.cost[k + 1];
    basket.discount[k] = basket.discount[k + 1];
    basket.line_total[k] = basket.line_total[k + 1];
  }
  basket.item_number[last] = 0;
  basket.description[last] = {};
  basket.non_taxable_amount[last] = 0;
  basket.taxable_amount[last] = 0;
  basket.tax1[last] = 0;
  basket.tax2[last] = 0;
  basket.cost[last] = 0;
  basket.discount[last] = 0;
  basket.line_total[last] = 0;
  basket.line_count -= 1;
  if (basket.line_count < 1) basket = Basket{};
}

void SetBasketCustomer(Basket& basket, const CustomerRecord& customer) {
  basket.customer_number = customer.Get(cust::kNumber);
  SetText(basket.texts.customer_name, customer.Get(cust::kName));
  const std::array<std::string, 5> texts = {
      customer.Get(cust::kRoad), customer.Get(cust::kArea), customer.Get(cust::kTown),
      customer.Get(cust::kPostcode), customer.Get(cust::kTelephone)};
  for (size_t k = 0; k < texts.size(); ++k) SetText(basket.texts.customer_text[k], texts[k]);
}

std::string AddedLineText(int64_t item_number, std::string_view description, int32_t stock,
                          double line_total, bool hide_numbers) {
  const std::string text(description);
  const std::string total = FormatAmount(line_total);
  if (hide_numbers) return StringPrintf("%s (%d)  %s", text.c_str(), stock, total.c_str());
  return StringPrintf("%lld  %s (%d)  %s", static_cast<long long>(item_number), text.c_str(), stock,
                      total.c_str());
}

std::string RebuiltLineText(const Basket& basket, int index, bool hide_numbers) {
  const auto i = static_cast<size_t>(index);
  const std::string text = TextOf(basket.description[i]);
  const std::string total = FormatAmount(basket.line_total[i]);
  if (hide_numbers) return StringPrintf("%s  %s", text.c_str(), total.c_str());
  return StringPrintf("%lld  %s  %s", static_cast<long long>(basket.item_number[i]), text.c_str(),
                      total.c_str());
}

std::string NonInventoryLineText(std::string_view description, double line_total) {
  return StringPrintf("%s  %s", std::string(description).c_str(), FormatAmount(line_total).c_str());
}

}  // namespace ventro
