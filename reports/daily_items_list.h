// The day's items as the comma-separated list sent to head office, made in one pass over the
// bytes of the day's sales and items logs. Nothing here reads files or talks to the user.
#pragma once

#include <string>
#include <string_view>

namespace ventro {

// The daily items list: a heading with the store name and the column names, then for each sale
// of the sales log (payment type not starting with "P" or "R"), in log order, its lines of the
// items log in log order. Both logs are whole records; the items log is read once. A
// transaction number met twice in the sales log has its lines listed once.
std::string DailyItemsText(std::string_view store_name, std::string_view sales_log,
                           std::string_view items_log);

}  // namespace ventro
