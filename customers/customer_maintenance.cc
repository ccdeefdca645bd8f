#include "customers/customer_maintenance.h"

#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "customers/customer_form.h"
#include "customers/customer_lookup.h"
#include "customers/customer_scan.h"
#include "customers/customer_view.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "store/day_log.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr char kFatalError[] = "Fatal error";
constexpr int64_t kLowestGroup = 1;
constexpr int64_t kHighestGroup = 2000;
constexpr int kPruneMonths = 6;

std::string NumberText(int64_t number) {
  return StringPrintf("%lld", static_cast<long long>(number));
}

// The title of the questions about one customer: "%I64d Name: %s".
std::string CustomerTitle(const CustomerRecord& customer) {
  return NumberText(customer.Get(cust::kNumber)) + " Name: " + customer.Get(cust::kName);
}

void Refuse(CustomerDesk& desk, const char* text) {
  if (desk.settings.Get(cfg::kSoundsOff) == 0) desk.platform.sound.Play(SoundId::kError);
  desk.ui().Message(kProblem, text, Icon::kError);
}

// The first refusal of the form's number, name and group, or nullptr.
const char* FormRefusal(const CustomerFormValues& values, const CustomerRecord& record) {
  if (values.number < 1 || values.number > CustomerRecord::kMaxNumber) {
    return "Number outside range.";
  }
  if (record.Get(cust::kName).size() < 2) return "The name must have at least two characters.";
  if (values.group < kLowestGroup || values.group > kHighestGroup) {
    return "Invalid category (1-2000)";
  }
  return nullptr;
}

void LogDayText(CustomerDesk& desk, const LocalTime& now, const std::string& text) {
  // The day text log lies in the month folder, made here when the day has none yet.
  Tell(desk.ui(), EnsureYearMonthFolders(desk.files(), desk.paths.folder, now));
  if (!AppendDayText(desk.files(), desk.paths.folder, now, text)) {
    desk.ui().Message(kFatalError, "Data log text file not present.", Icon::kError);
  }
}

std::string AddressLines(const char* heading, const CustomerRecord& c) {
  return std::string("\r\n") + heading + c.Get(cust::kName) + "\r\n" + c.Get(cust::kRoad) + ", " +
         c.Get(cust::kArea) + "\r\n" + c.Get(cust::kTown) + ", " + c.Get(cust::kPostcode) +
         "\r\nTel: " + c.Get(cust::kTelephone) +
         StringPrintf(", Category: %d", c.Get(cust::kGroup)) +
         "\r\nComment: " + c.Get(cust::kComment);
}

std::string AmendedEntry(const LocalTime& now, const CustomerRecord& before,
                         const CustomerRecord& after) {
  return "\r\n" + DayLogStamp(now) + "  Customer " + NumberText(after.Get(cust::kNumber)) +
         " amended:" + AddressLines("Before: ", before) + "\r\n" + AddressLines("After: ", after) +
         "\r\nCredit card: " + after.Get(cust::kCreditCard) + "\r\n";
}

// Frees the customer's slot on disk, then in the index. False when the file refused.
bool FreeCustomer(CustomerDesk& desk, int64_t position, CustomerRecord record) {
  const int64_t number = record.Get(cust::kNumber);
  record.MarkDeleted();
  switch (desk.customers.WriteAt(desk.files(), position, record.data())) {
    case WriteStatus::kOk:
      break;
    case WriteStatus::kMissing:
      desk.ui().Message(kFatalError, "Data file: customer.dat, not present.", Icon::kError);
      return false;
    case WriteStatus::kFailed:
      desk.ui().Message(kProblem, "Not able to write customer.dat", Icon::kError);
      return false;
  }
  desk.customers.Delete(number);
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<StampMonth> MonthOfStamp(const std::string& stamp) {
  // GetText gives the text to its NUL, so a short stamp has no month or year.
  if (stamp.size() < 15) return std::nullopt;
  for (size_t i : {8u, 9u, 11u, 12u, 13u, 14u}) {
    if (!IsDigit(stamp[i])) return std::nullopt;
  }
  StampMonth month{static_cast<int>(AtoI64(stamp.substr(8, 2))),
                   static_cast<int>(AtoI64(stamp.substr(11, 4)))};
  if (month.month == 0 || month.year == 0) return std::nullopt;
  return month;
}

int64_t ProposedCustomerNumber(SettingsRecord& settings, const MasterFile& customers) {
  int64_t last = settings.Get(cfg::kLastCustomerNumber);
  if (last < 0) {
    settings.Set(cfg::kLastCustomerNumber, 0);
    last = 0;
  }
  int64_t proposal = last + 1;
  for (const IndexEntry& entry : customers.index().entries()) {
    if (entry.number < proposal) continue;  // free slots and lower numbers
    if (entry.number > proposal) break;
    ++proposal;
  }
  return proposal;
}

void FindCustomer(CustomerDesk& desk) {
  std::optional<int64_t> position =
      PromptForCustomer(desk.ui(), desk.files(), desk.settings, desk.customers, "Find customer");
  if (position) ShowCustomerView(desk, *position);
}

void AddCustomer(CustomerDesk& desk) {
  MasterFile& customers = desk.customers;
  for (;;) {
    CustomerRecord record;
    record.Set(cust::kNumber, ProposedCustomerNumber(desk.settings, customers));
    record.Set(cust::kTax, 1);
    record.Set(cust::kGroup, 1);
    record.Set(cust::kTerms, 1);
    record.Set(cust::kCreditLimit, 2000.0);
    // A refused entry reopens the same form, so everything typed is still there.
    Dialog form = CustomerForm(desk.settings, record, CustomerFormMode::kNew);
    for (;;) {
      form.pressed.clear();  // a refused form is shown again
      if (!desk.ui().RunDialog(form)) return;
      const CustomerFormValues values = ReadCustomerForm(form, CustomerFormMode::kNew, record);
      const char* refusal = FormRefusal(values, record);
      if (!refusal) {
        record.Set(cust::kNumber, values.number);
        break;
      }
      Refuse(desk, refusal);
    }
    record.InitialiseAddedCustomer();
    customers.customer() = record;
    if (!Tell(desk.ui(), customers.Add(desk.files()))) return;
    desk.settings.Set(cfg::kCustomersAdded, desk.settings.Get(cfg::kCustomersAdded) + 1);
    desk.ui().Message("Customer", "Saved.", Icon::kInformation);
    if (!form.Pressed("Next")) return;
  }
}

void AmendCustomer(CustomerDesk& desk) {
  MasterFile& customers = desk.customers;
  std::optional<int64_t> position =
      PromptForCustomer(desk.ui(), desk.files(), desk.settings, customers, "Amend customer");
  if (!position) return;
  const CustomerRecord before = customers.customer();
  CustomerRecord after = before;
  Dialog form = CustomerForm(desk.settings, after, CustomerFormMode::kAmend);
  if (!desk.ui().RunDialog(form)) return;
  const CustomerFormValues values = ReadCustomerForm(form, CustomerFormMode::kAmend, after);
  if (values.number != before.Get(cust::kNumber)) {
    desk.ui().Message(kProblem, "Number cannot be changed", Icon::kError);
    return;
  }
  if (const char* refusal = FormRefusal(values, after)) {
    desk.ui().Message(kProblem, refusal, Icon::kError);
    return;
  }
  customers.customer() = after;
  if (!Tell(desk.ui(), customers.WriteBack(desk.files()))) {
    customers.customer() = before;
    return;
  }
  // The name prefix and the log follow the file only once the record is there.
  customers.UpdatePrefix(*position, after.data());
  const LocalTime now = desk.Now();
  LogDayText(desk, now, AmendedEntry(now, before, after));
}

void DeleteCustomer(CustomerDesk& desk) {
  std::optional<int64_t> position =
      PromptForCustomer(desk.ui(), desk.files(), desk.settings, desk.customers, "Delete customer");
  if (!position) return;
  const CustomerRecord customer = desk.customers.customer();
  if (desk.ui().Message(CustomerTitle(customer), "Are you sure?", Icon::kQuestion,
                        Buttons::kOkCancel) != Answer::kOk) {
    return;
  }
  if (!FreeCustomer(desk, *position, customer)) return;
  const LocalTime now = desk.Now();
  LogDayText(desk, now,
             StringPrintf("\r\n%02d:%02d %d/%d/%d Customer %lld, %s deleted.\r\n", now.hour,
                          now.minute, now.day, now.month, now.year,
                          static_cast<long long>(customer.Get(cust::kNumber)),
                          customer.Get(cust::kName).c_str()));
}

void PruneCustomers(CustomerDesk& desk) {
  Ui& ui = desk.ui();
  std::string text;
  if (!ui.EditBox("Enter the start number:", text)) return;
  const int64_t start = AtoI64(text);
  if (start < 1) return;
  const LocalTime now = desk.Now();
  StampMonth cut_off{now.month - kPruneMonths, now.year};
  if (cut_off.month < 1) {
    cut_off.month += 12;
    cut_off.year -= 1;
  }
  const bool omit_owing = ui.Message("Prune members", "Omit those that owe money?", Icon::kQuestion,
                                     Buttons::kYesNo) == Answer::kYes;

  // The customers who may go are found first, in one read of the file: deleting changes the
  // index.
  const std::optional<std::vector<int64_t>> candidates = CustomersInNumberOrder(
      desk.files(), desk.customers, start, CustomerRecord::kMaxNumber,
      [&](const CustomerRecord& customer) {
        if (customer.Get(cust::kTax) != 0) return false;
        if (std::optional<StampMonth> used = MonthOfStamp(customer.Get(cust::kLastUsed))) {
          const bool old_enough = used->year < cut_off.year ||
                                  (used->year == cut_off.year && used->month <= cut_off.month);
          if (!old_enough) return false;
        }
        return !(omit_owing && customer.Get(cust::kBalance) != 0);
      });
  if (!candidates) {
    ui.Message(kProblem, "Not able to read customer.dat", Icon::kError);
    return;
  }
  CustomerRecord customer;
  for (int64_t position : *candidates) {
    if (!desk.customers.ReadAt(desk.files(), position, customer.data())) {
      ui.Message(kProblem, "Not able to read customer.dat", Icon::kError);
      return;
    }
    const std::string last_used = customer.Get(cust::kLastUsed);
    const std::string date = last_used.size() > 5 ? last_used.substr(5) : "";
    const Answer answer =
        ui.Message(CustomerTitle(customer),
                   "Last used: " + date + " Balance: " + FormatAmount(customer.Get(cust::kBalance)),
                   Icon::kQuestion, Buttons::kYesNoCancel);
    if (answer == Answer::kCancel) return;
    if (answer == Answer::kYes && !FreeCustomer(desk, position, customer)) return;
  }
}

}  // namespace ventro
