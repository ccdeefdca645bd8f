// The Customers menu's parts for its tests: the sale engine's data folder and settings (see
// tender_fixture.h) handed to the customer flows as a CustomerDesk, and customer records with
// the account fields the tests vary.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "customers/customer_desk.h"
#include "store/day_log.h"
#include "tender_fixture.h"

namespace ventro::test {

struct AccountRow {
  int64_t number;
  std::string name;
  int64_t tax = 1;
  std::string last_used = "NEW";
  double balance = 0;
  std::string town = "LEEDS";
  std::string postcode = "LS1 1AA";
};

class CustomerTest : public SaleTest {
 protected:
  CustomerDesk desk{p.platform, v().settings, v().customers, v().paths, v().window, v().labels};

  void WriteAccounts(const std::vector<AccountRow>& rows) {
    std::string bytes;
    for (const AccountRow& row : rows) {
      CustomerRecord record;
      record.Set(cust::kNumber, row.number);
      record.Set(cust::kName, row.name);
      record.Set(cust::kRoad, "1 HIGH ST");
      record.Set(cust::kTown, row.town);
      record.Set(cust::kPostcode, row.postcode);
      record.Set(cust::kTelephone, "0113 496 " + std::to_string(row.number));
      record.Set(cust::kGroup, 1);
      record.Set(cust::kTerms, 1);
      record.Set(cust::kTax, row.tax);
      record.Set(cust::kBalance, row.balance);
      record.Set(cust::kLastUsed, row.last_used);
      bytes.append(reinterpret_cast<const char*>(record.data()), CustomerRecord::kSize);
    }
    std::ofstream(dir.path() / "customer.dat", std::ios::binary) << bytes;
    ASSERT_EQ(v().customers.Load(p.files, dir.path()), LoadStatus::kOk);
  }

  CustomerRecord Slot(int64_t slot) {
    CustomerRecord record;
    const std::string bytes = CustomerSlot(slot);
    std::memcpy(record.data(), bytes.data(), CustomerRecord::kSize);
    return record;
  }

  std::string DayText() {
    return p.files.ReadAll(DayTextLogPath(dir.path(), p.clock.now)).value_or("");
  }

  // Queues a customer prompt answered with `text`.
  void Prompt(const std::string& text) { p.ui.edit_answers.push_back(text); }
  void Reply(ventro::Answer answer) { p.ui.message_answers.push_back(answer); }
};

}  // namespace ventro::test
