// Choosing a customer by number, by the start of the name with the "?" wildcard, one match at
// a time or from the selection list.
#include "customers/customer_lookup.h"

#include <gtest/gtest.h>

#include "tender_fixture.h"

namespace ventro {
namespace {

using test::Press;

class CustomerLookupTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteCustomers({{12, "ALAN KEY", "4 HILL TOP"},
                    {7, "A SMITH", "1 HIGH ST"},
                    {9, "ANNE BROWN", "3 MILL LN"},
                    {8, "B JONES", "2 LOW RD"}});
  }
  std::optional<int64_t> LookUp(const std::string& text) {
    return LookUpCustomer(p.ui, p.files, v().settings, v().customers, text);
  }
  // Answers the next find result view with `button`, noting the customer it showed.
  void View(const std::string& button) {
    p.ui.dialog_answers.push_back([this, button](Dialog& d) {
      shown.push_back(d.Field("name").text);
      d.pressed = button;
      return button != "Cancel";
    });
  }

  std::vector<std::string> shown;
};

TEST_F(CustomerLookupTest, ByNumber) {
  EXPECT_EQ(LookUp("8"), 3);
  EXPECT_EQ(v().customers.customer().Get(cust::kName), "B JONES");
  EXPECT_EQ(LookUp("77"), std::nullopt);
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Finished", "No match found"}}));
}

TEST_F(CustomerLookupTest, ByNameOneMatchAtATimeInFileOrder) {
  View("Next");
  View("OK");
  EXPECT_EQ(LookUp("a"), 1);
  EXPECT_EQ(shown, (std::vector<std::string>{"ALAN KEY", "A SMITH"}));
  EXPECT_EQ(v().customers.customer().Get(cust::kNumber), 7);
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"804", "804"}));
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(CustomerLookupTest, TheWildcardMatchesAnyCharacterAndTheScanEndsWithNoMatch) {
  View("Next");
  EXPECT_EQ(LookUp("A?N"), std::nullopt);
  EXPECT_EQ(shown, std::vector<std::string>{"ANNE BROWN"});
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Finished", "No match found"}}));

  p.ui.messages.clear();
  EXPECT_EQ(LookUp("ZZ"), std::nullopt);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No match found"});

  // Cancel ends the search quietly; an empty text searches nothing.
  p.ui.messages.clear();
  View("Cancel");
  EXPECT_EQ(LookUp("B"), std::nullopt);
  EXPECT_EQ(LookUp(""), std::nullopt);
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(CustomerLookupTest, TheListModeOffersEveryMatchByNumber) {
  v().settings.Set(cfg::kCustomerSearchList, 1);
  Dialog list;
  p.ui.dialog_answers.push_back([&list](Dialog& d) {
    list = d;
    d.Field("choice").choice = 2;
    return true;
  });
  EXPECT_EQ(LookUp("A"), 0);
  EXPECT_EQ(list.name, "818");
  EXPECT_EQ(list.title, "Please select");
  EXPECT_EQ(list.Field("choice").options,
            (std::vector<std::string>{"7 A SMITH,  1 HIGH ST", "9 ANNE BROWN,  3 MILL LN",
                                      "12 ALAN KEY,  4 HILL TOP"}));
  EXPECT_EQ(v().customers.customer().Get(cust::kName), "ALAN KEY");

  p.ui.dialog_answers.push_back(Press("OK"));  // no line selected
  EXPECT_EQ(LookUp("A"), std::nullopt);
  p.ui.dialog_answers.push_back(Press("Cancel"));
  EXPECT_EQ(LookUp("A"), std::nullopt);
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(CustomerLookupTest, ThePromptTakesANumberOrAName) {
  p.ui.edit_answers = {"9", std::nullopt};
  EXPECT_EQ(PromptForCustomer(p.ui, p.files, v().settings, v().customers, "Customer"), 2);
  EXPECT_EQ(PromptForCustomer(p.ui, p.files, v().settings, v().customers, "Customer"),
            std::nullopt);
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"EDIT2BOX", "EDIT2BOX"}));
}

}  // namespace
}  // namespace ventro
