#include "sale/item_entry.h"

#include <memory>
#include <string>

#include "base/cp1252.h"
#include "base/format.h"
#include "platform/tell.h"
#include "sale/sale_session.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

constexpr const char* kProblem = "Problem";
constexpr const char* kInvalidEntry = "Invalid entry";
constexpr int64_t kOn = 2;  // settings switches hold 2 for on

void Refuse(SaleSession& session, const std::string& title, const std::string& text) {
  session.platform.sound.Play(SoundId::kError);
  session.ui().Message(title, text, Icon::kError);
}

std::string PathText(const Path& path) {
  std::u8string utf8 = path.u8string();
  return Utf8ToCp1252(std::string(utf8.begin(), utf8.end()));
}

// Reads the first live record whose SKU 1 text is `code` into the inventory buffer. The
// barcode index names the candidates; each is confirmed against its record in the file.
bool ReadByBarcode(SaleSession& session, const std::string& code) {
  MasterFile& inventory = session.inventory;
  std::unique_ptr<File> file = session.files().Open(inventory.path(), OpenMode::kRead);
  if (!file) {
    Refuse(session, "Fatal error", "Data file: inventory.dat, not present.");
    return false;
  }
  InventoryRecord record;
  for (auto position = session.barcodes.FirstCandidate(code); position;
       position = session.barcodes.NextCandidate(code, *position)) {
    const uint64_t offset = static_cast<uint64_t>(*position) * InventoryRecord::kSize;
    if (file->ReadAt(offset, record.data(), InventoryRecord::kSize) != InventoryRecord::kSize) {
      file.reset();
      Refuse(session, kProblem, PathText(inventory.path()));
      return false;
    }
    if (record.Get(inv::kSku1) == code) {
      inventory.item() = record;
      inventory.set_current_position(*position);
      return true;
    }
  }
  // An empty entry matches nothing, rather than the first item without a code.
  Refuse(session, kInvalidEntry, code);
  return false;
}

// Reads item `number` (or, for 0 and below, the number typed) into the inventory buffer.
bool ReadByNumber(SaleSession& session, int64_t number) {
  if (number <= 0) {
    number = AtoI64(session.screen.entry_text);
    if (number < 0) {
      Refuse(session, kInvalidEntry, session.screen.entry_text);
      return false;
    }
  }
  std::optional<int64_t> position = session.inventory.FindPosition(number);
  if (!position) {
    Refuse(session, kInvalidEntry, StringPrintf("%lld", static_cast<long long>(number)));
    return false;
  }
  return Tell(session.ui(), session.inventory.Read(session.files(), *position));
}

// The price of one more unit of `item`, of which the basket holds `in_basket` lines; nothing
// when trade prices are on and the item has none.
std::optional<double> UnitPrice(SaleSession& session, const InventoryRecord& item, int in_basket,
                                AddMode mode) {
  const SettingsRecord& settings = session.settings;
  double price = item.Get(inv::kRetailPrice);
  if (settings.Get(cfg::kTradePrices) == kOn) {
    if (settings.Get(cfg::kTradePercentageDiscount) != kOn) {
      price = item.Get(inv::kTradePrice);
      if (price <= 0) {
        Refuse(session, kProblem, "Trade price option active, no trade price");
        return std::nullopt;
      }
    } else if (settings.Get(cfg::kTradeDiscountPercent) != 0) {
      price = RoundToCents(price - price * settings.Get(cfg::kTradeDiscountPercent) / 100);
    }
  }
  if (mode == AddMode::kFree) price = 0;
  if (item.Get(inv::kOffer) == InventoryRecord::kBuyOneGetOneFree && in_basket % 2 == 1) price = 0;
  if (item.Get(inv::kOffer) == InventoryRecord::kBuyTwoGetOneFree && in_basket % 3 == 2) price = 0;
  return price;
}

AddResult AddUnit(SaleSession& session, int64_t number, AddMode mode, bool inside_bundle);

// Adds the components of `bundle`, each as many times as its quantity; a component marked
// free is priced 0. A component's remaining units are skipped once one is refused, as they
// would be refused for the same reason.
AddResult ExpandBundle(SaleSession& session, const InventoryRecord& bundle) {
  for (int k = 1; k <= InventoryRecord::kComponents; ++k) {
    const std::string text = bundle.Component(k);
    if (text.empty()) continue;
    const int64_t number = AtoI64(text);
    if (number <= 0 || number > InventoryRecord::kMaxNumber) continue;
    const int32_t quantity = bundle.Get(inv::kComponentQuantity, k);
    const AddMode mode = bundle.Get(inv::kComponentPriceMode, k) == InventoryRecord::kComponentFree
                             ? AddMode::kFree
                             : AddMode::kNormal;
    for (int32_t unit = 0; unit < quantity; ++unit) {
      AddResult result = AddUnit(session, number, mode, true);
      if (result == AddResult::kFull) return result;
      if (result == AddResult::kRefused) break;
    }
  }
  return AddResult::kAdded;
}

AddResult AddUnit(SaleSession& session, int64_t number, AddMode mode, bool inside_bundle) {
  SaleState& sale = session.sale;
  Basket& basket = sale.basket;
  const SettingsRecord& settings = session.settings;
  if (basket.line_count >= kMaxBasketLines) {
    Refuse(session, kProblem, "Transaction limit 400 items");
    return AddResult::kFull;
  }
  const bool by_barcode = settings.Get(cfg::kSku1Selection) == kOn && number == 0;
  if (!(by_barcode ? ReadByBarcode(session, session.screen.entry_text)
                   : ReadByNumber(session, number))) {
    return AddResult::kRefused;
  }
  // A copy: a bundle's components are read into the same buffer.
  const InventoryRecord item = session.inventory.item();

  if (item.IsBundle()) {
    // A bundle inside a bundle (which maintenance refuses) could expand for ever.
    if (inside_bundle) {
      Refuse(session, kProblem, "Bundle may not contain a bundle");
      return AddResult::kRefused;
    }
    return ExpandBundle(session, item);
  }

  // A damaged record's prices are never summed into a sale.
  if (!IsSaneAmount(item.Get(inv::kRetailPrice)) || !IsSaneAmount(item.Get(inv::kTradePrice)) ||
      !IsSaneAmount(item.Get(inv::kCostPrice))) {
    Refuse(session, kProblem, kInvalidEntry);
    return AddResult::kRefused;
  }
  const int in_basket = CountLinesOf(basket, item.Get(inv::kNumber));
  if (settings.Get(cfg::kPermitInsufficientStock) != kOn &&
      (item.Get(inv::kQuantity) < 1 || 1 + in_basket > item.Get(inv::kQuantity))) {
    Refuse(session, kProblem, "Item out of stock");
    return AddResult::kRefused;
  }
  std::optional<double> price = UnitPrice(session, item, in_basket, mode);
  if (!price) return AddResult::kRefused;

  LineEntry entry;
  entry.item_number = item.Get(inv::kNumber);
  entry.description = item.Get(inv::kDescription);
  entry.price = *price;
  entry.cost = item.Get(inv::kCostPrice);
  entry.tax_code = item.Get(inv::kTax);
  entry.no_tax_rounding = item.Get(inv::kNoTaxRounding) != 0;
  const int index = AppendLine(basket, entry, TaxRulesFrom(settings));
  sale.list.push_back(
      AddedLineText(item.Get(inv::kNumber), TextOf(basket.description[static_cast<size_t>(index)]),
                    item.Get(inv::kQuantity), basket.line_total[static_cast<size_t>(index)],
                    settings.Get(cfg::kCartDescriptionOnly) == kOn));
  sale.selected_line = static_cast<int>(sale.list.size()) - 1;
  RefreshTotals(session);

  if (item.Get(inv::kAgeWarning) >= 2 && mode != AddMode::kRepeat) {
    session.ui().Message("Age alert", StringPrintf("%d", item.Get(inv::kAgeWarning)),
                         Icon::kWarning);
  }
  if (settings.Get(cfg::kReorderAlerts) == kOn &&
      CountLinesOf(basket, item.Get(inv::kNumber)) == 1 && item.Get(inv::kReorderQuantity) >= 1 &&
      item.Get(inv::kReorderQuantity) >= item.Get(inv::kQuantity)) {
    session.ui().Message("Reorder alert", "Item stock level", Icon::kInformation);
  }
  if (settings.Get(cfg::kPoleInUse) != 0 && !sale.repeat_running) PoleShowLastItem(session);
  return AddResult::kAdded;
}

}  // namespace

AddResult AddItemToBasket(SaleSession& session, int64_t number, AddMode mode) {
  return AddUnit(session, number, mode, false);
}

std::string ItemChoiceLine(const InventoryRecord& item) {
  return StringPrintf("%lld, %s (%d) %s", static_cast<long long>(item.Get(inv::kNumber)),
                      item.Get(inv::kDescription).c_str(), item.Get(inv::kQuantity),
                      FormatAmount(item.Get(inv::kRetailPrice)).c_str());
}

std::vector<std::string> FindItemsByDescription(SaleSession& session, std::string_view pattern) {
  std::string wanted = UpperCp1252(pattern);
  while (wanted.size() < 2) wanted += '?';
  auto matches = [](char want, uint8_t have) {
    return want == '?' || static_cast<uint8_t>(want) == have;
  };
  std::vector<std::string> found;
  MasterFile& inventory = session.inventory;
  std::unique_ptr<File> file = session.files().Open(inventory.path(), OpenMode::kRead);
  if (!file) {
    session.ui().Message("Fatal error", "Data file: inventory.dat, not present.", Icon::kError);
    return found;
  }
  InventoryRecord item;
  for (int64_t position = 0; position < inventory.record_count(); ++position) {
    const std::array<uint8_t, 2> prefix = inventory.prefix(position);
    // A free slot has no prefix; "??" would otherwise list it.
    if (prefix[0] == 0 || !matches(wanted[0], prefix[0]) || !matches(wanted[1], prefix[1])) {
      continue;
    }
    const uint64_t offset = static_cast<uint64_t>(position) * InventoryRecord::kSize;
    if (file->ReadAt(offset, item.data(), InventoryRecord::kSize) != InventoryRecord::kSize) break;
    const std::string description = item.Get(inv::kDescription);
    bool same = description.size() >= wanted.size();
    for (size_t k = 2; same && k < wanted.size(); ++k) {
      same = matches(wanted[k], static_cast<uint8_t>(description[k]));
    }
    if (!same) continue;
    found.push_back(ItemChoiceLine(item));
  }
  return found;
}

void EnterItem(SaleSession& session) {
  session.screen.entry_text = UpperCp1252(session.screen.entry_text);
  AddItemToBasket(session, 0, AddMode::kNormal);
  session.screen.entry_text.clear();
  session.window.ScreenChanged();
}

}  // namespace ventro
