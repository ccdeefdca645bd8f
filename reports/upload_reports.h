// The texts of the files sent to head office besides the activity report: the day's items as
// comma-separated lines and the reorder list, and the check that keeps the names they are
// written under to plain file names. Nothing here reads files or talks to the user.
#pragma once

#include <string>
#include <string_view>

namespace ventro {

// True when `name` can be written in the data folder and sent as a file of the login folder:
// not empty, no "/", "\", ":" or control character, not "." or "..", not all digits, and not
// the name of one of the program's own files (*.dat, *.cfg, *.ini, *.bmp, *.lock, ports.txt).
bool IsPlainUploadName(std::string_view name);

// The daily items list: a heading with the store name and the column names, then for each sale
// of the sales log (payment type not starting with "P" or "R"), in log order, its lines of the
// items log in log order. Both logs are whole records; the items log is read once. A
// transaction number met twice in the sales log has its lines listed once.
std::string DailyItemsText(std::string_view store_name, std::string_view sales_log,
                           std::string_view items_log);

// The reorder list from the bytes of inventory.dat: every live item that is not a bundle and
// whose reorder level is at least its stock, in file order.
std::string ReorderListText(std::string_view store_name, std::string_view inventory_file);

}  // namespace ventro
