// The reorder list sent to head office, and the check that keeps the names the day's reports are
// written under to plain file names. Nothing here reads files or talks to the user.
#pragma once

#include <string>
#include <string_view>

namespace ventro {

// True when `name` can be written in the data folder and sent as a file of the login folder:
// not empty, no "/", "\", ":" or control character, not "." or "..", not all digits, and not
// the name of one of the program's own files (*.dat, *.cfg, *.ini, *.bmp, *.lock, ports.txt).
bool IsPlainUploadName(std::string_view name);

// The reorder list from the bytes of inventory.dat: every live item that is not a bundle and
// whose reorder level is at least its stock, in file order.
std::string ReorderListText(std::string_view store_name, std::string_view inventory_file);

}  // namespace ventro
