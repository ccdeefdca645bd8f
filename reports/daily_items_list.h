// The day's items as the comma-separated list sent to head office, made in one pass over the
// bytes of the day's sales and items logs. Nothing here writes files or talks to the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace ventro {

// The daily items list: a heading with the store name and the column names, then for each sale
// of the sales log (payment type not starting with "P" or "R"), in log order, its lines of the
// items log in log order. Each log is read once, and a partial record at its end is left out. A
// transaction number met twice in the sales log has its lines listed once.
std::string DailyItemsText(std::string_view store_name, std::string_view sales_log,
                           std::string_view items_log);

// The same list of the logs in `day_folder`, viewed in place where the system maps files: the
// list reads only a few bytes of each sale, and a copy of the logs would cost more than the
// list. Nothing when either log cannot be read.
std::optional<std::string> ReadDailyItemsText(Files& files, const Path& day_folder,
                                              std::string_view store_name);

}  // namespace ventro
