#include "inventory/item_form.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <vector>

#include "base/format.h"
#include "inventory/item_views.h"
#include "platform/clock_text.h"

namespace ventro {
namespace {

constexpr size_t kTextMaximum = 38;
constexpr size_t kNotesMaximum = 78;
constexpr size_t kNumberLength = 20;
constexpr size_t kReckonerLength = 9;
constexpr int32_t kPictureCount = 24;

struct FormText {
  const char* key;
  const char* label;
  size_t max_length;
  inv::Text field;
};

const FormText kTexts[] = {
    {"description", "Description", kTextMaximum, inv::kDescription},
    {"sku1", "SKU 1", kTextMaximum, inv::kSku1},
    {"sku2", "SKU 2", kTextMaximum, inv::kSku2},
    {"sku3", "SKU 3", kTextMaximum, inv::kSku3},
    {"sku4", "SKU 4", kTextMaximum, inv::kSku4},
    {"order_code", "Order code", kTextMaximum, inv::kOrderCode},
    {"location", "Location", kTextMaximum, inv::kLocation},
    {"website", "Web URL", kTextMaximum, inv::kWebsite},
    {"web_image", "Web image URL", kTextMaximum, inv::kWebImage},
    {"notes", "Notes", kNotesMaximum, inv::kNotes},
};

struct FormCount {
  const char* key;
  const char* label;
  inv::I32 field;
};

const FormCount kCounts[] = {
    {"quantity", "Quantity in stock", inv::kQuantity},
    {"on_order", "On order", inv::kOnOrder},
    {"order_quantity", "Order quantity", inv::kOrderQuantity},
    {"minimum_order", "Minimum order", inv::kMinimumOrder},
    {"reorder_quantity", "Restock level", inv::kReorderQuantity},
    {"delivery_lead", "Delivery lead", inv::kDeliveryLead},
    {"committed", "Committed", inv::kCommitted},
    {"labels_to_print", "Labels to print", inv::kLabelsToPrint},
};

struct FormAmount {
  const char* key;
  const char* label;
  inv::F64 field;
};

const FormAmount kAmounts[] = {
    {"cost_price", "Cost price", inv::kCostPrice},
    {"trade_price", "Trade price", inv::kTradePrice},
    {"retail_price", "Retail price", inv::kRetailPrice},
    {"delivery", "Delivery", inv::kDelivery},
    {"weight", "Weight", inv::kWeight},
};

const std::vector<std::string> kOffers = {"No offers", "Buy one get one free",
                                          "Buy two get one free"};

std::vector<std::string> NumberTexts(int first, int last) {
  std::vector<std::string> texts;
  for (int k = first; k <= last; ++k) texts.push_back(StringPrintf("%d", k));
  return texts;
}

std::vector<std::string> CategoryTexts(const SettingsRecord& settings) {
  std::vector<std::string> texts;
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c)
    texts.push_back(CategoryLabel(settings, c));
  return texts;
}

std::vector<std::string> SellByYears() {
  std::vector<std::string> years = {"0"};
  for (int year = 2012; year <= 2080; ++year) years.push_back(StringPrintf("%d", year));
  return years;
}

int32_t Count(const std::string& text) {
  return static_cast<int32_t>(std::clamp<int64_t>(AtoI64(text), std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The position of `value` in a list of `size` entries, -1 when outside it.
int Position(int64_t value, size_t size) {
  return value >= 0 && value < static_cast<int64_t>(size) ? static_cast<int>(value) : -1;
}

// "D/M/YYYY" with a day 1 to 31, a month 1 to 12 and a year after 1980, as "DD/MM/YYYY";
// empty for anything else.
std::string StoredDate(const std::string& text) {
  const size_t first = text.find('/');
  const size_t second = first == std::string::npos ? first : text.find('/', first + 1);
  if (second == std::string::npos) return {};
  const int64_t day = AtoI64(text.substr(0, first));
  const int64_t month = AtoI64(text.substr(first + 1, second - first - 1));
  const int64_t year = AtoI64(text.substr(second + 1));
  if (day < 1 || day > 31 || month < 1 || month > 12 || year <= 1980 || year > 9999) return {};
  return StringPrintf("%02d/%02d/%d", static_cast<int>(day), static_cast<int>(month),
                      static_cast<int>(year));
}

// The picture chooser's state while the form is open.
struct PictureChoice {
  int32_t stock = 1;
  int32_t own = 0;
  bool had_own = false;  // the item had its own picture when the form opened
  int64_t number = 0;

  std::string Name() const {
    InventoryRecord shown;
    shown.Set(inv::kNumber, number);
    shown.Set(inv::kStockPicture, stock);
    shown.Set(inv::kOwnPicture, own);
    return ItemPictureName(shown);
  }
  // "Back" steps up through the stock pictures, "Forward" down; the item's own picture, when
  // it had one, stands at the wrap between 24 and 1.
  void Step(bool back) {
    if (own == 1) {
      own = 0;
      stock = back ? 1 : kPictureCount;
    } else if (stock == (back ? kPictureCount : 1) && had_own) {
      own = 1;
    } else if (back) {
      stock = stock >= kPictureCount ? 1 : stock + 1;
    } else {
      stock = stock <= 1 ? kPictureCount : stock - 1;
    }
  }
};

void Reckon(const SettingsRecord& settings, Dialog& dialog) {
  const double price =
      RetailWithoutTax(settings, dialog.Field("retail_with_tax").text,
                       dialog.Field("rr_tax1").checked, dialog.Field("rr_tax2").checked);
  const std::string text = price > 0 ? FormatAmount(price) : "0.0";
  dialog.Field("retail_without_tax").text = text;
  dialog.Field("retail_price").text = text;
}

Dialog BuildForm(const SettingsRecord& settings, const InventoryRecord& item, ItemFormMode mode) {
  const bool amend = mode == ItemFormMode::kAmend;
  Dialog dialog;
  dialog.name = "800";
  dialog.title = amend ? "Amend inventory" : "New inventory";
  DialogField& number = dialog.Add(TextField(
      "number", "Number", StringPrintf("%lld", static_cast<long long>(item.Get(inv::kNumber))),
      kNumberLength));
  number.kind = amend ? FieldKind::kReadOnly : FieldKind::kNumber;
  number.required = true;
  for (const FormText& text : kTexts) {
    dialog.Add(TextField(text.key, text.label, item.Get(text.field), text.max_length));
  }
  for (const FormAmount& amount : kAmounts) {
    DialogField& field =
        dialog.Add(TextField(amount.key, amount.label, FormatAmount(item.Get(amount.field)), 0));
    field.required =
        amount.key == std::string("cost_price") || amount.key == std::string("retail_price");
  }
  for (const FormCount& count : kCounts) {
    DialogField& field =
        dialog.Add(TextField(count.key, count.label, StringPrintf("%d", item.Get(count.field)), 0));
    field.kind = FieldKind::kNumber;
    field.required = count.key == std::string("quantity");
  }
  const int32_t tax = item.Get(inv::kTax);
  dialog.Add(ChoiceField("tax", "Tax", TaxCodeTexts(), Position(tax, 4)));
  dialog.Add(
      ChoiceField("category", "Display category", CategoryTexts(settings),
                  Position(item.Get(inv::kDisplayCategory), SettingsRecord::kCategoryCount)));
  dialog.Add(TextField("date_added", "Date added", item.Get(inv::kDateAdded), 10));
  dialog.Add(ChoiceField("sor", "SOR", {"NO", "YES"}, item.Get(inv::kSaleOrReturn) == 1 ? 1 : 0));
  dialog.Add(ChoiceField("special_order", "Special order", NumberTexts(0, 20),
                         Position(item.Get(inv::kSpecialOrder), 21)));
  const int32_t age = item.Get(inv::kAgeWarning);
  dialog.Add(CheckField("age_warning", "Age warning", age != 0));
  dialog.Add(ChoiceField("age", "Age", NumberTexts(2, 30), age >= 2 ? Position(age - 2, 29) : 0));
  dialog.Add(CheckField("no_tax_rounding", "No tax rounding", item.Get(inv::kNoTaxRounding) != 0));
  dialog.Add(CheckField("omit_quick_select", "Omit from quick select buttons",
                        item.Get(inv::kOmitQuickSelect) != 0));
  dialog.Add(ChoiceField("offer", "Offers", kOffers, Position(item.Get(inv::kOffer) / 2, 3)));
  dialog.Add(ChoiceField("sell_by_day", "Sell by day", NumberTexts(0, 31),
                         Position(item.Get(inv::kSellByDay), 32)));
  dialog.Add(ChoiceField("sell_by_month", "Sell by month", NumberTexts(0, 12),
                         Position(item.Get(inv::kSellByMonth), 13)));
  dialog.Add(ChoiceField("sell_by_year", "Sell by year", SellByYears(),
                         Position(item.Get(inv::kSellByYearOffset), 70)));
  // The ready reckoner.
  dialog.Add(TextField("retail_with_tax", "Retail price with tax", "", kReckonerLength)).group =
      "Ready reckoner";
  dialog.Add(CheckField("rr_tax1", "Tax 1", tax == 1 || tax == 2)).group = "Ready reckoner";
  dialog.Add(CheckField("rr_tax2", "Tax 2", tax == 1 || tax == 3)).group = "Ready reckoner";
  DialogField& without =
      dialog.Add(TextField("retail_without_tax", "Retail price without tax", "", 0));
  without.kind = FieldKind::kReadOnly;
  without.group = "Ready reckoner";
  DialogField& picture = dialog.Add(TextField("picture", "Picture", ItemPictureName(item), 0));
  picture.kind = FieldKind::kReadOnly;
  dialog.actions = {"Back", "Forward"};
  dialog.buttons = amend ? std::vector<std::string>{"OK", "Cancel"}
                         : std::vector<std::string>{"OK", "Next", "Copy", "Cancel"};
  if (mode != ItemFormMode::kRetry) dialog.focus = "description";
  return dialog;
}

void ReadForm(const Dialog& dialog, const PictureChoice& picture, InventoryRecord& item) {
  item.Set(inv::kNumber, AtoI64(dialog.Field("number").text));
  for (const FormText& text : kTexts) {
    item.Set(text.field, dialog.Field(text.key).text.substr(0, text.max_length));
  }
  for (const FormAmount& amount : kAmounts) {
    item.Set(amount.field, AtoF(dialog.Field(amount.key).text));
  }
  // Stored as printed with two decimals, so that the price is in whole cents.
  item.Set(inv::kRetailPrice, AtoF(FormatAmount(item.Get(inv::kRetailPrice))));
  for (const FormCount& count : kCounts) item.Set(count.field, Count(dialog.Field(count.key).text));
  // A list without a selection keeps the stored value.
  auto chosen = [&dialog](const char* key, const inv::I32& field, InventoryRecord& record) {
    const int choice = dialog.Field(key).choice;
    if (choice >= 0) record.Set(field, choice);
  };
  chosen("tax", inv::kTax, item);
  chosen("category", inv::kDisplayCategory, item);
  chosen("special_order", inv::kSpecialOrder, item);
  chosen("sell_by_day", inv::kSellByDay, item);
  chosen("sell_by_month", inv::kSellByMonth, item);
  chosen("sell_by_year", inv::kSellByYearOffset, item);
  const std::string date = StoredDate(dialog.Field("date_added").text);
  if (!date.empty()) item.Set(inv::kDateAdded, date);
  item.Set(inv::kSaleOrReturn, dialog.Field("sor").choice == 1 ? 1 : 0);
  item.Set(inv::kNoTaxRounding, dialog.Field("no_tax_rounding").checked ? 2 : 0);
  item.Set(inv::kAgeWarning,
           dialog.Field("age_warning").checked ? std::max(dialog.Field("age").choice, 0) + 2 : 0);
  item.Set(inv::kOmitQuickSelect, dialog.Field("omit_quick_select").checked ? 2 : 0);
  item.Set(inv::kOffer, std::max(dialog.Field("offer").choice, 0) * 2);
  item.Set(inv::kStockPicture, picture.stock);
  item.Set(inv::kOwnPicture, picture.own);
}

}  // namespace

std::string ItemPictureName(const InventoryRecord& item) {
  if (item.Get(inv::kOwnPicture) == 1) {
    return StringPrintf("m%lld.bmp", static_cast<long long>(item.Get(inv::kNumber)));
  }
  return StringPrintf("STOCK%d.bmp", item.Get(inv::kStockPicture));
}

double RetailWithoutTax(const SettingsRecord& settings, const std::string& with_tax, bool tax1,
                        bool tax2) {
  const double price = AtoF(FormatAmount(AtoF(with_tax.substr(0, kReckonerLength))));
  if (!(price > 0)) return 0;
  const double r1 = static_cast<double>(settings.Get(cfg::kTax1Rate));
  const double r2 = static_cast<double>(settings.Get(cfg::kTax2Rate));
  double rates = 0;
  if (tax1 && r1 > 0) rates += r1;
  if (tax2 && r2 > 0) rates += r2;
  return price * 10000 / (rates + 10000);
}

ItemFormExit RunItemForm(Ui& ui, const SettingsRecord& settings, const LocalTime& today,
                         InventoryRecord& item, ItemFormMode mode, int64_t proposed) {
  if (mode == ItemFormMode::kNew) {
    item.Clear();
    item.Set(inv::kStockPicture, 1);
    item.Set(inv::kTax, std::clamp(settings.Get(cfg::kDefaultTaxCode), 0, 3));
    const int32_t category = settings.Get(cfg::kDefaultNewCategory);
    if (category > 0) item.Set(inv::kDisplayCategory, category - 1);
    // The date picker starts at today.
    item.Set(inv::kDateAdded, DateText(today));
  }
  if (mode == ItemFormMode::kNew || mode == ItemFormMode::kCopy) {
    item.Set(inv::kNumber, proposed);
    // A new number has no picture file of its own.
    if (item.Get(inv::kOwnPicture) == 1) item.Set(inv::kOwnPicture, 0);
  }
  PictureChoice picture{item.Get(inv::kStockPicture), item.Get(inv::kOwnPicture),
                        item.Get(inv::kOwnPicture) == 1, item.Get(inv::kNumber)};
  Dialog dialog = BuildForm(settings, item, mode);
  dialog.on_change = [&settings, &picture](Dialog& form, const std::string& key) {
    if (key == "retail_with_tax" || key == "rr_tax1" || key == "rr_tax2") {
      if (key == "retail_with_tax" || !form.Field("retail_with_tax").text.empty()) {
        Reckon(settings, form);
      }
    } else if (key == "Back" || key == "Forward") {
      picture.Step(key == "Back");
      form.Field("picture").text = picture.Name();
    }
  };
  if (!ui.RunDialog(dialog)) return ItemFormExit::kCancel;
  ReadForm(dialog, picture, item);
  if (dialog.Pressed("Next")) return ItemFormExit::kNext;
  if (dialog.Pressed("Copy")) return ItemFormExit::kCopy;
  return ItemFormExit::kOk;
}

}  // namespace ventro
