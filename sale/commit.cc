#include "sale/commit.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "sale/day_text_entry.h"
#include "sale/sale_session.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"
#include "store/settings_file.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

// Moves the settings' counters and the item record for line `line` of the basket; gives the
// category the items log records.
int64_t SellLine(SettingsRecord& settings, const Basket& basket, int line, InventoryRecord& item,
                 const std::string& stamp) {
  item.Set(inv::kTotalSold, CountOneMore(item.Get(inv::kTotalSold)));
  item.Set(inv::kLastUsed, stamp);
  const int32_t category = item.Get(inv::kDisplayCategory);
  if (category >= 0 && category < SettingsRecord::kCategoryCount) {
    settings.SetCategorySoldA(category, CountOneMore(settings.CategorySoldA(category)));
    settings.SetCategorySoldB(category, CountOneMore(settings.CategorySoldB(category)));
    settings.Set(cfg::kCategorySalesValue, category,
                 settings.Get(cfg::kCategorySalesValue, category) +
                     basket.line_total[static_cast<size_t>(line)]);
  }
  if (item.Get(inv::kQuantity) > 0) item.Set(inv::kQuantity, item.Get(inv::kQuantity) - 1);
  return category;
}

}  // namespace

bool CanCommitBasket(SaleSession& session) { return ReadBasketItems(session).has_value(); }

bool RecordTransaction(SaleSession& session, const CustomerUpdate* customer) {
  Basket& basket = session.sale.basket;
  if (basket.line_count < 1) return false;
  if (session.sale.list.empty()) {
    basket = Basket{};
    session.ui().Message(kProblem, "No items", Icon::kWarning);
    return false;
  }
  std::optional<BasketItems> sold = ReadBasketItems(session);
  if (!sold) return false;

  Ui& ui = session.ui();
  Files& files = session.files();
  const Path& folder = session.paths.folder;
  Tell(ui, EnsureYearMonthFolders(files, folder, session.Now()));
  const LocalTime now = session.Now();
  Tell(ui, EnsureDayFolders(files, folder, now));
  basket.transaction_number = session.settings.Get(cfg::kNextTransaction);

  // The whole sale is built in memory and made as one change: the year index, the sales and
  // items logs, every item sold, the customer charged and the settings with the next number.
  SettingsRecord changed = session.settings;
  std::map<int64_t, InventoryRecord> changed_items = sold->records;
  const std::string stamp = TimeAndDateText(now);
  std::vector<int64_t> categories(static_cast<size_t>(basket.line_count),
                                  ItemsLogRecord::kNonInventoryCategory);
  for (int i = 0; i < basket.line_count; ++i) {
    const int64_t position = sold->position[static_cast<size_t>(i)];
    if (position >= 0) {
      categories[static_cast<size_t>(i)] =
          SellLine(changed, basket, i, changed_items[position], stamp);
    }
  }
  if (TextOf(basket.texts.payment_type) != "Credit") {
    changed.Set(cfg::kTakingsTotal, changed.Get(cfg::kTakingsTotal) + basket.totals.grand_total);
  }
  changed.Set(cfg::kNextTransaction, changed.Get(cfg::kNextTransaction) + 1);

  const TransactionWrite write{&basket, categories, &changed_items, customer, &changed};
  if (!MakeTransactionChange(session, BuildTransactionChange(session, now, write))) return false;
  session.settings = changed;

  // The readable day text log follows the sale; its loss does not undo the sale.
  const LocalTime logged = session.Now();
  if (!AppendDayText(files, folder, logged,
                     SaleDayTextEntry(logged, basket, SignedOnClerkName(changed)))) {
    ui.Message(kProblem, "Data log file not present.", Icon::kWarning);
  }
  return true;
}

void ClearCommittedBasket(SaleSession& session) {
  session.sale.basket = Basket{};
  session.sale.list.clear();
  session.sale.selected_line = -1;
  session.window.ScreenChanged();
}

bool CommitTransaction(SaleSession& session) {
  if (!RecordTransaction(session)) return false;
  ClearCommittedBasket(session);
  return true;
}

void LogTillOpened(SaleSession& session) {
  const LocalTime now = session.Now();
  Tell(session.ui(), EnsureYearMonthFolders(session.files(), session.paths.folder, now));
  if (!AppendDayText(session.files(), session.paths.folder, now, TillOpenedDayTextEntry(now))) {
    session.ui().Message(kProblem, "Data log file not present.", Icon::kWarning);
  }
}

}  // namespace ventro
