#include "customers/customer_search.h"

#include <functional>
#include <optional>
#include <string>

#include "base/cp1252.h"
#include "base/format.h"
#include "customers/customer_scan.h"
#include "customers/customer_view.h"
#include "platform/tell.h"

namespace ventro {
namespace {

constexpr char kHaltTitle[] = "Search: Yes to halt, No to continue";
constexpr size_t kLongestPostcodeSearch = 19;

enum class Take { kNone, kShow, kQuiet };

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string NumberText(const CustomerRecord& c) {
  return StringPrintf("%lld", static_cast<long long>(c.Get(cust::kNumber)));
}

// The question about one match: its title and text, and what each answer does.
struct Question {
  std::string title;
  std::string text;
  Take on_yes = Take::kShow;
  Take on_cancel = Take::kNone;
};

// Asks about each record `question` gives a question for, until one is taken or a Cancel that
// takes nothing ends the search. "No match found" when nothing matched at all.
void Search(CustomerDesk& desk,
            const std::function<std::optional<Question>(const CustomerRecord&)>& question) {
  Ui& ui = desk.ui();
  bool matched = false;
  Take taken = Take::kNone;
  int64_t taken_position = -1;
  Status status = ScanCustomers(
      desk.files(), desk.customers, [&](int64_t position, const CustomerRecord& customer) {
        std::optional<Question> asked = question(customer);
        if (!asked) return true;
        matched = true;
        const Answer answer =
            ui.Message(asked->title, asked->text, Icon::kQuestion, Buttons::kYesNoCancel);
        if (answer == Answer::kNo) return true;
        taken = answer == Answer::kYes ? asked->on_yes : asked->on_cancel;
        taken_position = position;
        return false;
      });
  if (!Tell(ui, status)) return;
  if (!matched) {
    ui.Message("Finished", "No match found", Icon::kInformation);
    return;
  }
  if (taken == Take::kShow) {
    ShowCustomerView(desk, taken_position);
  } else if (taken == Take::kQuiet) {
    Tell(ui, desk.customers.Read(desk.files(), taken_position));
  }
}

// The typed text, upper-cased; nothing when cancelled or empty.
std::optional<std::string> AskText(Ui& ui, const std::string& prompt) {
  std::string text;
  if (!ui.EditBox(prompt, text) || text.empty()) return std::nullopt;
  return UpperCp1252(text);
}

}  // namespace

void FindCustomerContaining(CustomerDesk& desk) {
  std::optional<std::string> fragment = AskText(desk.ui(), "Fragment:");
  if (!fragment) return;
  Search(desk, [&](const CustomerRecord& c) -> std::optional<Question> {
    if (!Contains(c.Get(cust::kName), *fragment)) return std::nullopt;
    return Question{"Search: No to continue", NumberText(c) + ", " + c.Get(cust::kName),
                    Take::kShow, Take::kQuiet};
  });
}

void FindCustomerByTelephone(CustomerDesk& desk) {
  std::optional<std::string> number = AskText(desk.ui(), "Enter telephone number");
  if (!number) return;
  Search(desk, [&](const CustomerRecord& c) -> std::optional<Question> {
    std::string telephone = c.Get(cust::kTelephone);
    if (!Contains(telephone, *number)) telephone = c.Get(cust::kTelephone2);
    if (!Contains(telephone, *number)) return std::nullopt;
    return Question{kHaltTitle, NumberText(c) + ", " + c.Get(cust::kName) + ": " + telephone};
  });
}

void FindCustomerByPostcode(CustomerDesk& desk) {
  std::optional<std::string> postcode = AskText(desk.ui(), "Enter postcode zip");
  if (!postcode) return;
  if (postcode->size() > kLongestPostcodeSearch) {
    desk.ui().Message("Problem", "Limit 19 characters", Icon::kWarning);
    return;
  }
  Search(desk, [&](const CustomerRecord& c) -> std::optional<Question> {
    if (!Contains(c.Get(cust::kPostcode), *postcode)) return std::nullopt;
    return Question{kHaltTitle, NumberText(c) + ", " + c.Get(cust::kName) + ": " +
                                    c.Get(cust::kRoad) + "," + c.Get(cust::kPostcode)};
  });
}

}  // namespace ventro
