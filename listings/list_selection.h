// Which records a list holds and in which order, as the slots of their records: the lists of
// items, customers and suppliers, each made from the number index alone or from one read of
// its file in blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/status.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {

enum class ItemList {
  kFromNumber,    // every live item from a number on, by number
  kAlphabetical,  // descriptions starting with a character in a range, by description
  kCategory,      // one display category, by number
  kInStock,       // a quantity above 0 (bundles hold no stock of their own), by number
  kLocation,      // the location equals a text, by number
  kWithCost,      // every live item by number (from the index), valued as it is printed
  kCustom,        // the display categories chosen, by number
  kTopSellers,    // by units sold, largest first, at most kTopSellerCount
  kBelowCost,     // retail price below cost price, by number
};

inline constexpr size_t kTopSellerCount = 100;

struct ItemQuery {
  ItemList list = ItemList::kFromNumber;
  int64_t from_number = 1;
  char first = 'A';  // kAlphabetical: the range of first characters, either case
  char last = 'Z';
  int category = -1;  // kCategory, kTopSellers: display category 0 to 17; -1 for all
  std::string location;
  std::vector<bool> categories;  // kCustom: chosen display categories by number
};

enum class CustomerList {
  kFromNumber,    // every live customer from a number on, by number
  kAlphabetical,  // names starting with a character in a range, by name
  kAddress,       // the first address line equals a text, by number
  kDebtors,       // a balance other than 0, by number
  kInactive,      // no sale or payment since a date, by number
  kOutstanding,   // a balance above 0, largest first
};

struct CustomerQuery {
  CustomerList list = CustomerList::kFromNumber;
  int64_t from_number = 1;
  char first = 'A';
  char last = 'Z';
  std::string address;
  int since = 0;  // kInactive: the date as YYYYMMDD
};

// The slots of a list in its order, with the values its printed totals need.
struct Selection {
  std::vector<int64_t> slots;
  double balances = 0;  // kDebtors, kOutstanding: the sum of the balances listed
};

// The value of the stock in the items listed, added up item by item as a printed list reads
// its rows, so that the list and its totals cost one pass over the file. Bundles hold no stock
// of their own and an item at 0 or below adds nothing.
struct RunningStockValue {
  double cost = 0;    // units in stock x cost price
  double retail = 0;  // units in stock x retail price

  // Adds the item of `record` (InventoryRecord::kSize bytes).
  void Add(const uint8_t* record);
};

// Texts compared as a clerk reads them: trailing blanks dropped, letters in either case.
bool SameText(std::string_view stored, std::string_view typed);

// The date of a "hh:mmDD/MM/YYYY" stamp as YYYYMMDD; 0 for an empty or unreadable stamp.
int StampDate(std::string_view stamp);

// Every live record numbered `from` or more, by number, from the index alone.
std::vector<int64_t> SlotsFromNumber(const MasterFile& file, int64_t from);

Status SelectItems(Files& files, const MasterFile& inventory, const ItemQuery& query,
                   Selection& selection);
Status SelectCustomers(Files& files, const MasterFile& customers, const CustomerQuery& query,
                       Selection& selection);

}  // namespace ventro
