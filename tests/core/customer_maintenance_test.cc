// The Customers menu's work on single accounts: the form's checks on Add and Amend, Delete,
// Prune's candidates, the searches and the customer view with its map link.
#include "customers/customer_maintenance.h"

#include <gtest/gtest.h>

#include "customer_fixture.h"
#include "customers/customer_search.h"
#include "customers/customer_view.h"
#include "store/name_search.h"

namespace ventro {
namespace {

using test::Press;
using test::ShownMessage;

class CustomerMaintenanceTest : public test::CustomerTest {
 protected:
  // Queues the customer form filled with `name` and `group`, closed with `button`.
  void Form(const std::string& name, const std::string& group, const std::string& button = "OK",
            const std::string& number = "") {
    p.ui.dialog_answers.push_back([=, this](Dialog& d) {
      forms.push_back(d);  // as the form opened
      d.Field("name").text = name;
      d.Field("group").text = group;
      if (!number.empty()) d.Field("number").text = number;
      d.pressed = button;
      return button != "Cancel";
    });
  }
  std::vector<Dialog> forms;
};

TEST_F(CustomerMaintenanceTest, AddChecksTheGroupAndNameAndKeepsWhatWasTyped) {
  WriteAccounts({{1, "ANN"}, {2, "BOB"}, {4, "DAN"}});
  v().settings.Set(cfg::kCustomersAdded, 7);
  Form("NEW ONE", "0");
  Form("NEW ONE", "2001");
  Form("X", "5");
  Form("NEW ONE", "2000");
  AddCustomer(desk);

  ASSERT_EQ(forms.size(), 4u);
  EXPECT_EQ(forms[0].title, "NEW CUSTOMER");
  EXPECT_EQ(forms[0].Field("number").text, "3");
  EXPECT_EQ(forms[0].Field("taxable").choice, 1);
  EXPECT_EQ(forms[0].Field("credit_limit").text, "2000.00");
  EXPECT_EQ(forms[0].Field("balance").text, "0.00");
  // A refused form comes back as it was typed.
  EXPECT_EQ(forms[1].Field("group").text, "0");
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Invalid category (1-2000)"},
                                       {"Problem", "Invalid category (1-2000)"},
                                       {"Problem", "The name must have at least two characters."},
                                       {"Customer", "Saved."}}));
  EXPECT_EQ(p.sound.played.size(), 3u);
  const CustomerRecord added = Slot(3);
  EXPECT_EQ(added.Get(cust::kNumber), 3);
  EXPECT_EQ(added.Get(cust::kGroup), 2000);
  EXPECT_EQ(added.Get(cust::kLastUsed), "NEW");
  EXPECT_EQ(added.Get(cust::kTax), 1);
  EXPECT_EQ(v().customers.FindPosition(3), 3);
  EXPECT_EQ(v().settings.Get(cfg::kCustomersAdded), 8);
}

TEST_F(CustomerMaintenanceTest, AddRefusesNumbersOutOfRangeOrInUseAndNextOpensAFreshForm) {
  WriteAccounts({{1, "ANN"}});
  Form("FIRST", "1", "OK", "0");
  Form("FIRST", "1", "Next", "100000000000000001");
  Form("FIRST", "1", "Next", "100000000000000000");
  Form("SECOND", "1", "OK", "1");
  AddCustomer(desk);
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Number outside range.", "Number outside range.", "Saved.",
                                      "Number in use."}));
  EXPECT_EQ(forms[3].Field("number").text, "2");  // the fresh form's proposal
  EXPECT_TRUE(v().customers.FindPosition(100'000'000'000'000'000).has_value());
  EXPECT_EQ(v().customers.live_count(), 2);
}

TEST_F(CustomerMaintenanceTest, AmendRefusesANewNumberAndLogsOnlyAWrittenChange) {
  WriteAccounts({{5, "ANN SMITH"}, {6, "BOB"}});
  Prompt("5");
  Form("ANN SMITH", "1", "OK", "9");
  AmendCustomer(desk);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Number cannot be changed"});

  // A write that fails leaves the old prefix and no "amended" entry.
  p.ui.messages.clear();
  p.files.failing.insert("customer.dat");
  Prompt("5");
  Form("ZED", "3");
  AmendCustomer(desk);
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(FindByName(p.files, v().customers, "ZE"), std::vector<int64_t>{});
  EXPECT_EQ(DayText(), "");

  p.files.failing.clear();
  Prompt("5");
  Form("ZED", "3");
  AmendCustomer(desk);
  EXPECT_EQ(Slot(0).Get(cust::kName), "ZED");
  EXPECT_EQ(Slot(0).Get(cust::kGroup), 3);
  EXPECT_EQ(FindByName(p.files, v().customers, "ZE"), std::vector<int64_t>{0});
  EXPECT_EQ(DayText(),
            "\r\n09:30 06/12/2026  Customer 5 amended:"
            "\r\nBefore: ANN SMITH\r\n1 HIGH ST, \r\nLEEDS, LS1 1AA\r\nTel: 0113 496 5, "
            "Category: 1\r\nComment: "
            "\r\n\r\nAfter: ZED\r\n1 HIGH ST, \r\nLEEDS, LS1 1AA\r\nTel: 0113 496 5, Category: "
            "3\r\nComment: \r\nCredit card: \r\n");
}

TEST_F(CustomerMaintenanceTest, DeleteAsksFirstThenFreesTheSlotAndLogsIt) {
  WriteAccounts({{5, "ANN"}, {6, "BOB"}});
  Prompt("6");
  Reply(Answer::kCancel);
  DeleteCustomer(desk);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"6 Name: BOB", "Are you sure?"}}));
  EXPECT_TRUE(v().customers.FindPosition(6).has_value());

  Prompt("6");
  DeleteCustomer(desk);
  EXPECT_FALSE(v().customers.FindPosition(6).has_value());
  EXPECT_EQ(Slot(1).Get(cust::kNumber), -1);
  EXPECT_EQ(DayText(), "\r\n09:30 6/12/2026 Customer 6, BOB deleted.\r\n");
}

class PruneTest : public CustomerMaintenanceTest {
 protected:
  // Runs Prune from `start`, answering the omit question `omit` and every offer No; gives the
  // numbers offered.
  std::vector<std::string> Offered(const std::string& start, ventro::Answer omit) {
    p.ui.messages.clear();
    Prompt(start);
    Reply(omit);
    for (int k = 0; k < 10; ++k) Reply(Answer::kNo);
    PruneCustomers(desk);
    p.ui.message_answers.clear();
    std::vector<std::string> offered;
    for (const ShownMessage& m : p.ui.messages) {
      if (m.title != "Prune members") offered.push_back(m.title);
    }
    return offered;
  }
};

TEST_F(PruneTest, OffersOnlyTaxZeroCustomersUnusedSinceTheCutOff) {
  p.clock.Set(2026, 3, 15);  // cut-off: September 2025
  WriteAccounts({{400, "LOW", 0, "10:0001/01/2020"},
                 {500, "OLD", 0, "10:0030/09/2025"},
                 {501, "RECENT", 0, "10:0001/10/2025"},
                 {502, "TAXED", 1, "10:0001/01/2020"},
                 {503, "NEVER", 0, "NEW", 5.0},
                 {504, "CREDIT", 0, "10:0001/01/2020", -3.0},
                 {505, "SQUARE", 0, "NEW", 0.0}});
  EXPECT_EQ(Offered("500", Answer::kNo),
            (std::vector<std::string>{"500 Name: OLD", "503 Name: NEVER", "504 Name: CREDIT",
                                      "505 Name: SQUARE"}));
  EXPECT_EQ(Offered("500", Answer::kYes),
            (std::vector<std::string>{"500 Name: OLD", "505 Name: SQUARE"}));
  EXPECT_EQ(p.ui.messages.back().text, "Last used:  Balance: 0.00");
}

TEST_F(PruneTest, YesDeletesWithoutALogLineAndCancelEnds) {
  WriteAccounts({{1, "ONE", 0, "10:0001/01/2020"}, {2, "TWO", 0}, {3, "THREE", 0}});
  Prompt("1");
  Reply(Answer::kNo);
  Reply(Answer::kYes);
  Reply(Answer::kCancel);
  PruneCustomers(desk);
  EXPECT_EQ(p.ui.messages[1], (ShownMessage{"1 Name: ONE", "Last used: 01/01/2020 Balance: 0.00"}));
  EXPECT_EQ(p.ui.messages.size(), 3u);
  EXPECT_FALSE(v().customers.FindPosition(1).has_value());
  EXPECT_TRUE(v().customers.FindPosition(3).has_value());
  EXPECT_EQ(DayText(), "");
}

TEST(StampMonth, IsReadToTheStampsEnd) {
  EXPECT_FALSE(MonthOfStamp("NEW"));
  EXPECT_FALSE(MonthOfStamp(""));
  ASSERT_TRUE(MonthOfStamp("09:3006/12/2026"));
  EXPECT_EQ(MonthOfStamp("09:3006/12/2026")->month, 12);
  EXPECT_EQ(MonthOfStamp("09:3006/12/2026")->year, 2026);
}

TEST_F(CustomerMaintenanceTest, TheMapLinkEncodesEachPart) {
  CustomerRecord c;
  c.Set(cust::kTown, "LEEDS");
  c.Set(cust::kPostcode, "LS1 1AA");
  EXPECT_EQ(CustomerMapLink(c), "https://www.bing.com/maps?where1=,LEEDS,LS1%201AA");
  c.Set(cust::kRoad, "1 MARKS & SONS #2");
  c.Set(cust::kArea, "K\xd6LN");  // Windows-1252 O with diaeresis
  EXPECT_EQ(CustomerMapLink(c),
            "https://www.bing.com/maps?where1=1%20MARKS%20%26%20SONS%20%232,K%C3%96LN,LEEDS,"
            "LS1%201AA");
}

TEST_F(CustomerMaintenanceTest, TheViewGoesToTheNextNumberAndOpensTheMap) {
  WriteAccounts({{9, "NINE"}, {3, "THREE"}, {5, "FIVE"}});
  std::vector<std::string> shown;
  auto view = [&](const std::string& button) {
    p.ui.dialog_answers.push_back([&shown, button](Dialog& d) {
      shown.push_back(d.Field("name").text);
      d.pressed = button;
      return true;
    });
  };
  view("Map");
  view("Next");
  view("Next");
  view("Next");
  Prompt("3");
  FindCustomer(desk);
  EXPECT_EQ(shown, (std::vector<std::string>{"THREE", "THREE", "FIVE", "NINE"}));
  EXPECT_EQ(p.shell.opened.size(), 1u);
}

TEST_F(CustomerMaintenanceTest, ContainsSearches) {
  WriteAccounts({{1, "ANN SMITH"}, {2, "BOB SMITHSON", 1, "NEW", 0, "YORK", "YO1 7HH"}});
  // Fragment: No goes on, Cancel takes the customer without showing it.
  p.ui.edit_answers.push_back("smith");
  Reply(Answer::kNo);
  Reply(Answer::kCancel);
  FindCustomerContaining(desk);
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Search: No to continue", "1, ANN SMITH"},
                                       {"Search: No to continue", "2, BOB SMITHSON"}}));
  EXPECT_EQ(v().customers.customer().Get(cust::kNumber), 2);
  EXPECT_EQ(p.ui.dialogs_run.back(), "EDITBOX");

  p.ui.messages.clear();
  p.ui.edit_answers.push_back("496 2");
  Reply(Answer::kCancel);
  FindCustomerByTelephone(desk);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Search: Yes to halt, No to continue",
                                                       "2, BOB SMITHSON: 0113 496 2"}}));

  p.ui.messages.clear();
  p.ui.edit_answers.push_back("12345678901234567890");
  FindCustomerByPostcode(desk);
  p.ui.edit_answers.push_back("ZZ");
  FindCustomerByPostcode(desk);
  p.ui.edit_answers.push_back("YO1");
  Reply(Answer::kYes);
  FindCustomerByPostcode(desk);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Limit 19 characters"},
                                                      {"Finished", "No match found"},
                                                      {"Search: Yes to halt, No to continue",
                                                       "2, BOB SMITHSON: 1 HIGH ST,YO1 7HH"}}));
  EXPECT_EQ(p.ui.dialogs_run.back(), "803");
}

}  // namespace
}  // namespace ventro
