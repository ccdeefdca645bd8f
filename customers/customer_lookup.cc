#include "customers/customer_lookup.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/format.h"
#include "platform/tell.h"
#include "store/name_search.h"

namespace ventro {
namespace {

constexpr char kFinished[] = "Finished";
constexpr char kNoMatch[] = "No match found";

CustomerRecord RecordOf(const uint8_t* bytes) {
  CustomerRecord record;
  std::memcpy(record.data(), bytes, CustomerRecord::kSize);
  return record;
}

DialogField Shown(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

// The find result view: one matching customer, read only.
Dialog FindResultView(const CustomerRecord& customer) {
  Dialog dialog;
  dialog.name = "804";
  dialog.title = "FIND CUSTOMER";
  dialog.Add(Shown("number", "Number",
                   StringPrintf("%lld", static_cast<long long>(customer.Get(cust::kNumber)))));
  dialog.Add(Shown("name", "Name", customer.Get(cust::kName)));
  dialog.Add(Shown("road", "Road", customer.Get(cust::kRoad)));
  dialog.Add(Shown("area", "Area", customer.Get(cust::kArea)));
  dialog.Add(Shown("town", "Town", customer.Get(cust::kTown)));
  dialog.Add(Shown("postcode", "Zip / Post", customer.Get(cust::kPostcode)));
  dialog.Add(Shown("telephone", "Telephone", customer.Get(cust::kTelephone)));
  dialog.Add(Shown("balance", "Balance", FormatAmount(customer.Get(cust::kBalance))));
  dialog.Add(Shown("credit_limit", "Credit limit", FormatAmount(customer.Get(cust::kCreditLimit))));
  dialog.buttons = {"OK", "Next", "Cancel"};
  return dialog;
}

std::optional<int64_t> ChooseOneByOne(Ui& ui, Files& files, MasterFile& customers,
                                      std::string_view text) {
  std::optional<int64_t> chosen;
  bool ended = false;
  Status status =
      SearchByName(files, customers, text, 0, [&](int64_t position, const uint8_t* record) {
        Dialog view = FindResultView(RecordOf(record));
        ui.RunDialog(view);
        if (view.Pressed("Next")) return true;
        if (view.Pressed("OK")) chosen = position;
        ended = true;
        return false;
      });
  if (!Tell(ui, status)) return std::nullopt;
  if (chosen) return Tell(ui, customers.Read(files, *chosen)) ? chosen : std::nullopt;
  if (!ended) ui.Message(kFinished, kNoMatch, Icon::kInformation);
  return std::nullopt;
}

std::optional<int64_t> ChooseFromList(Ui& ui, Files& files, MasterFile& customers,
                                      std::string_view text) {
  struct Entry {
    int64_t number;
    std::string line;
  };
  std::vector<Entry> entries;
  Status status = SearchByName(files, customers, text, 0, [&](int64_t, const uint8_t* record) {
    CustomerRecord customer = RecordOf(record);
    entries.push_back({customer.Get(cust::kNumber), CustomerListLine(customer)});
    return true;
  });
  if (!Tell(ui, status)) return std::nullopt;
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.number < b.number; });

  Dialog list;
  list.name = "818";
  list.title = "Please select";
  std::vector<std::string> lines;
  for (const Entry& entry : entries) lines.push_back(entry.line);
  list.Add(ChoiceField("choice", "", std::move(lines), -1));
  if (!ui.RunDialog(list)) return std::nullopt;
  int choice = list.Field("choice").choice;
  if (choice < 0 || choice >= static_cast<int>(entries.size())) return std::nullopt;
  // The chosen line's leading number is looked up afresh, as a typed number would be.
  return FindCustomerByNumber(ui, files, customers,
                              AtoI64(entries[static_cast<size_t>(choice)].line));
}

}  // namespace

std::string CustomerListLine(const CustomerRecord& customer) {
  return StringPrintf("%lld %s,  %s", static_cast<long long>(customer.Get(cust::kNumber)),
                      customer.Get(cust::kName).c_str(), customer.Get(cust::kRoad).c_str());
}

std::optional<int64_t> FindCustomerByNumber(Ui& ui, Files& files, MasterFile& customers,
                                            int64_t number) {
  if (!Tell(ui, customers.LookUp(files, number))) return std::nullopt;
  return customers.current_position();
}

std::optional<int64_t> FindCustomerByName(Ui& ui, Files& files, const SettingsRecord& settings,
                                          MasterFile& customers, std::string_view text) {
  if (text.empty()) return std::nullopt;
  if (settings.Get(cfg::kCustomerSearchList) != 0)
    return ChooseFromList(ui, files, customers, text);
  return ChooseOneByOne(ui, files, customers, text);
}

std::optional<int64_t> LookUpCustomer(Ui& ui, Files& files, const SettingsRecord& settings,
                                      MasterFile& customers, std::string_view text) {
  int64_t number = AtoI64(text);
  if (number >= 1 && number <= CustomerRecord::kMaxNumber) {
    return FindCustomerByNumber(ui, files, customers, number);
  }
  return FindCustomerByName(ui, files, settings, customers, text);
}

std::optional<int64_t> PromptForCustomer(Ui& ui, Files& files, const SettingsRecord& settings,
                                         MasterFile& customers, const std::string& title) {
  std::string text;
  if (!ui.Edit2Box(title, "Number / name", text)) return std::nullopt;
  return LookUpCustomer(ui, files, settings, customers, text);
}

}  // namespace ventro
