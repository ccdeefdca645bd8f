// A customer's transactions found in the day sales logs of a run of days, for the statement,
// the period activity and the payment dialog's list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "platform/files.h"

namespace ventro {

struct CustomerSale {
  Date day;
  int64_t transaction = 0;
  double grand_total = 0;
  std::string payment_type;
};

// The sales log records of `customer` from day `from` to day `to`, both included, in the order
// of the logs. Each day's saleslog.dat is read once, a block of records at a time; a day
// without a log is skipped.
std::vector<CustomerSale> CustomerSales(Files& files, const Path& data_folder, int64_t customer,
                                        const Date& from, const Date& to);

}  // namespace ventro
