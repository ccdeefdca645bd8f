#include "inventory/stock_receiving.h"

#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "inventory/item_scan.h"
#include "inventory/stock_receipt.h"
#include "platform/tell.h"
#include "sale/item_entry.h"
#include "sale/sale_session.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr char kFinished[] = "Finished";
constexpr char kNoMatch[] = "No match found";

enum class ReceiptEnd { kDone, kNext, kEnded };

std::string NumberText(int64_t value) {
  return StringPrintf("%lld", static_cast<long long>(value));
}

// The sell-by year list: "0" (no date), then 2012 to 2080; its position is the stored offset.
std::vector<std::string> SellByYears() {
  std::vector<std::string> years = {"0"};
  for (int year = 2012; year <= 2080; ++year) years.push_back(std::to_string(year));
  return years;
}

int ListPosition(const Dialog& dialog, const std::string& key) {
  const int choice = FieldChoice(dialog, key, static_cast<int>(dialog.Field(key).options.size()));
  return choice < 0 ? 0 : choice;
}

// A stored sell-by slot as a list position, 0 when the list has no such entry.
int StoredPosition(int32_t value, size_t entries) {
  return value >= 0 && static_cast<size_t>(value) < entries ? value : 0;
}

// The item the typed text names: by number when it reads as 1 or more, else chosen from the
// items whose description starts with it. Messages for what is not found are shown here.
bool LookUpTyped(SaleSession& session, const std::string& text) {
  const int64_t number = AtoI64(text);
  if (number < 1) {
    std::vector<std::string> lines = FindItemsByDescription(session, text);
    if (lines.empty()) {
      session.ui().Message(kFinished, kNoMatch, Icon::kInformation);
      return false;
    }
    std::optional<int> chosen = session.ui().SelectFromList("818", "Please select", lines, -1);
    if (!chosen || *chosen < 0 || static_cast<size_t>(*chosen) >= lines.size()) return false;
    const int64_t picked = AtoI64(lines[static_cast<size_t>(*chosen)]);
    if (picked < 1) return false;
    return Tell(session.ui(), session.inventory.LookUp(session.files(), picked));
  }
  return Tell(session.ui(), session.inventory.LookUp(session.files(), number));
}

// Shows "Receive Inventory" for the current item and books the receipt in.
ReceiptEnd ReceiveCurrentItem(SaleSession& session) {
  Ui& ui = session.ui();
  Dialog form = ReceiveForm(session.inventory.item());
  if (!ui.RunDialog(form) || form.Pressed("Cancel")) return ReceiptEnd::kEnded;
  StockReceipt receipt;
  receipt.quantity = AtoI64(form.Field("received").text);
  receipt.sell_by_day = ListPosition(form, "sell_by_day");
  receipt.sell_by_month = ListPosition(form, "sell_by_month");
  receipt.sell_by_year_offset = ListPosition(form, "sell_by_year");
  if (!RecordStockReceipt(session.platform, session.paths.folder, session.inventory, receipt)) {
    return ReceiptEnd::kEnded;
  }
  ui.Message("Updated quantity", StringPrintf("%d", session.inventory.item().Get(inv::kQuantity)),
             Icon::kInformation);
  return form.Pressed("Next") ? ReceiptEnd::kNext : ReceiptEnd::kDone;
}

}  // namespace

Dialog ReceiveForm(const InventoryRecord& item) {
  Dialog dialog;
  dialog.name = "808";
  dialog.title = "Receive Inventory";
  dialog.buttons = {"OK", "Next", "Cancel"};
  auto shown = [&dialog](std::string key, std::string label, std::string text) {
    DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
    field.kind = FieldKind::kReadOnly;
    dialog.Add(std::move(field));
  };
  const int32_t held = item.Get(inv::kQuantity);
  shown("number", "Line number:", NumberText(item.Get(inv::kNumber)));
  shown("description", "Description", item.Get(inv::kDescription));
  shown("held", "Held", StringPrintf("%d", held));
  dialog.Add(NumberField("received", "Quantity received", "", 10));
  shown("total", "Updated total", StringPrintf("%d", held));
  const std::vector<std::string> days = NumberList(0, 31);
  const std::vector<std::string> months = NumberList(0, 12);
  const std::vector<std::string> years = SellByYears();
  dialog
      .Add(ChoiceField("sell_by_day", "Day", days,
                       StoredPosition(item.Get(inv::kSellByDay), days.size())))
      .group = "Sell by";
  dialog
      .Add(ChoiceField("sell_by_month", "Month", months,
                       StoredPosition(item.Get(inv::kSellByMonth), months.size())))
      .group = "Sell by";
  dialog
      .Add(ChoiceField("sell_by_year", "Year", years,
                       StoredPosition(item.Get(inv::kSellByYearOffset), years.size())))
      .group = "Sell by";
  dialog.Add(NoteField("sell_by_note", "The Sell by date is not required and may be left at 0"));
  dialog.focus = "received";
  dialog.on_change = [held](Dialog& d, const std::string& key) {
    if (key != "received") return;
    int64_t total = 0;
    if (__builtin_add_overflow(int64_t{held}, AtoI64(d.Field("received").text), &total)) return;
    d.Field("total").text = NumberText(total);
  };
  return dialog;
}

void ReceiveInventory(SaleSession& session) {
  for (;;) {
    std::string text;
    if (!session.ui().EditBox("Inventory number / description", text)) return;
    if (!LookUpTyped(session, text)) return;
    if (ReceiveCurrentItem(session) != ReceiptEnd::kNext) return;
  }
}

void ReceiveInventoryBySku(SaleSession& session) {
  const InventoryDesk desk{session.platform, session.settings, session.inventory,
                           session.paths.folder};
  // The item taken is the current item; Yes and Cancel both take it.
  if (!SearchSku1Fragment(desk)) return;
  ReceiveCurrentItem(session);
}

}  // namespace ventro
