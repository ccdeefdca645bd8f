#include "inventory/item_views.h"

#include "base/format.h"
#include "platform/clock_text.h"

namespace ventro {
namespace {

DialogField Shown(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

std::string NumberText(int64_t number) {
  return StringPrintf("%lld", static_cast<long long>(number));
}

std::string YesNo(bool yes) { return yes ? "Yes" : "No"; }

// "DD/MM/YYYY" as the reader's date; the stored text itself when it is no such date.
std::string DateAddedText(Locale& locale, const LocalTime& now, const std::string& stored) {
  if (stored.size() < 10 || stored[2] != '/' || stored[5] != '/') return stored;
  return DisplayDate(locale, static_cast<int>(AtoI64(stored.substr(0, 2))),
                     static_cast<int>(AtoI64(stored.substr(3, 2))),
                     static_cast<int>(AtoI64(stored.substr(6))), now);
}

}  // namespace

const std::vector<std::string>& TaxCodeTexts() {
  static const std::vector<std::string> kTexts = {"Non taxable", "Tax 1 and 2", "Tax 1", "Tax 2"};
  return kTexts;
}

std::string TaxCodeText(int32_t tax) {
  if (tax < 0 || tax >= static_cast<int32_t>(TaxCodeTexts().size())) return {};
  return TaxCodeTexts()[static_cast<size_t>(tax)];
}

std::string CategoryLabel(const SettingsRecord& settings, int32_t category) {
  if (category < 0 || category >= SettingsRecord::kCategoryCount) return {};
  return settings.CategoryCode(category);
}

bool CostVisible(const SettingsRecord& settings) {
  const int64_t clerk = settings.Get(cfg::kSignedOnClerk);
  return clerk == 1 || clerk == 2 || settings.Get(cfg::kCostPriceHidden) == 0;
}

Dialog FindResultView(const SettingsRecord& settings, const InventoryRecord& item) {
  Dialog dialog;
  dialog.name = "805";
  dialog.title = "FIND INVENTORY";
  dialog.Add(Shown("number", "Number", NumberText(item.Get(inv::kNumber))));
  dialog.Add(Shown("description", "Description", item.Get(inv::kDescription)));
  if (CostVisible(settings)) {
    dialog.Add(Shown("cost_price", "Cost price", FormatAmount(item.Get(inv::kCostPrice))));
  }
  dialog.Add(Shown("trade_price", "Trade price", FormatAmount(item.Get(inv::kTradePrice))));
  dialog.Add(Shown("retail_price", "Retail price", FormatAmount(item.Get(inv::kRetailPrice))));
  dialog.Add(Shown("tax", "Tax", TaxCodeText(item.Get(inv::kTax))));
  dialog.Add(Shown("category", "Display category",
                   CategoryLabel(settings, item.Get(inv::kDisplayCategory))));
  dialog.Add(Shown("date_added", "Date added", item.Get(inv::kDateAdded)));
  dialog.Add(Shown("last_used", "Last sold", item.Get(inv::kLastUsed)));
  dialog.buttons = {"OK", "Next", "Cancel"};
  return dialog;
}

Dialog ItemView(const SettingsRecord& settings, Locale& locale, const LocalTime& now,
                const InventoryRecord& item) {
  Dialog dialog;
  dialog.name = "801";
  dialog.title = "Inventory";
  auto text = [&dialog](const char* key, const char* label, std::string value) {
    dialog.Add(Shown(key, label, std::move(value)));
  };
  auto count = [&](const char* key, const char* label, const inv::I32& field) {
    text(key, label, StringPrintf("%d", item.Get(field)));
  };
  auto amount = [&](const char* key, const char* label, const inv::F64& field) {
    text(key, label, FormatAmount(item.Get(field)));
  };
  text("number", "Number", NumberText(item.Get(inv::kNumber)));
  text("description", "Description", item.Get(inv::kDescription));
  text("sku1", "SKU 1", item.Get(inv::kSku1));
  text("sku2", "SKU 2", item.Get(inv::kSku2));
  text("sku3", "SKU 3", item.Get(inv::kSku3));
  text("sku4", "SKU 4", item.Get(inv::kSku4));
  if (CostVisible(settings)) amount("cost_price", "Cost price", inv::kCostPrice);
  amount("trade_price", "Trade price", inv::kTradePrice);
  amount("retail_price", "Retail price", inv::kRetailPrice);
  text("order_code", "Order code", item.Get(inv::kOrderCode));
  count("on_order", "On order", inv::kOnOrder);
  count("order_quantity", "Order quantity", inv::kOrderQuantity);
  count("minimum_order", "Minimum order", inv::kMinimumOrder);
  count("reorder_quantity", "Restock level", inv::kReorderQuantity);
  text("tax", "Tax", TaxCodeText(item.Get(inv::kTax)));
  count("quantity", "Quantity in stock", inv::kQuantity);
  text("date_added", "Date added", DateAddedText(locale, now, item.Get(inv::kDateAdded)));
  text("category", "Display category", CategoryLabel(settings, item.Get(inv::kDisplayCategory)));
  text("notes", "Notes", item.Get(inv::kNotes));
  amount("delivery", "Delivery", inv::kDelivery);
  amount("weight", "Weight", inv::kWeight);
  count("committed", "Committed", inv::kCommitted);
  count("delivery_lead", "Delivery lead", inv::kDeliveryLead);
  count("labels_to_print", "Labels to print", inv::kLabelsToPrint);
  text("sor", "SOR", item.Get(inv::kSaleOrReturn) == 1 ? "YES" : "NO");
  text("location", "Location", item.Get(inv::kLocation));
  text("website", "Web URL", item.Get(inv::kWebsite));
  text("web_image", "Image URL", item.Get(inv::kWebImage));
  count("special_order", "Special order", inv::kSpecialOrder);
  const int32_t age = item.Get(inv::kAgeWarning);
  text("age_warning", "Age alert", age == 0 ? "No" : StringPrintf("%d", age));
  text("omit_quick_select", "Omit from quick select", YesNo(item.Get(inv::kOmitQuickSelect) != 0));
  const int32_t offer = item.Get(inv::kOffer);
  text("buy_one_get_one_free", "Buy one get one free",
       YesNo(offer == InventoryRecord::kBuyOneGetOneFree));
  text("buy_two_get_one_free", "Buy two get one free",
       YesNo(offer == InventoryRecord::kBuyTwoGetOneFree));
  text("sell_by", "Sell by",
       item.HasSellBy() ? StringPrintf("D: %d M: %d Y: %d", item.Get(inv::kSellByDay),
                                       item.Get(inv::kSellByMonth), item.SellByYear())
                        : "Not set");
  dialog.buttons = {"OK"};
  return dialog;
}

}  // namespace ventro
