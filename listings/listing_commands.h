// The listings of the Inventory, Customers, Suppliers and Reports menus: each asks what it
// needs, selects its records and shows them in the list window (whose Print prints them) or
// prints them straight away. An empty list says "No match found".
#pragma once

#include "formats/settings_record.h"
#include "listings/list_selection.h"
#include "platform/platform.h"
#include "store/master_file.h"

namespace ventro {

// What the listings read and print with.
struct ListingDesk {
  Platform& platform;
  const SettingsRecord& settings;
  const MasterFile& inventory;
  const MasterFile& customers;
  const MasterFile& suppliers;
};

enum class ListOutput { kScreen, kPrint };

// The template name of every list window, for scripts.
inline constexpr char kListWindowName[] = "LISTVIEW";

// An inventory list: from a number ("List from number:"), alphabetically ("Enter the start
// character:", "Enter the end character:"), by category ("Select category"), in stock, by
// location ("Enter the location:"), including the stock's value, the top sellers of one
// category or all, the items selling below cost.
void RunItemList(const ListingDesk& desk, ItemList list, ListOutput output);

// "Print custom": dialog "CUSTOMLIST" chooses the columns and the display categories, then
// the list prints.
void PrintCustomItemList(const ListingDesk& desk);

// A customer list: from a number, alphabetically, by the first address line ("Enter first
// line of address", at most 28 characters), the debtors, those inactive since a date, the
// outstanding balances largest first.
void RunCustomerList(const ListingDesk& desk, CustomerList list, ListOutput output);

// The supplier list: on screen every supplier; printed from a number ("Print suppliers from
// number:").
void RunSupplierList(const ListingDesk& desk, ListOutput output);

}  // namespace ventro
