// Debtor letters, the customer details page and the mailmerge, drawn on a recording printer:
// which customers get a letter, where the letterhead and address block go, how the body wraps.
#include "customers/letters.h"

#include <gtest/gtest.h>

#include <fstream>

#include "customer_fixture.h"
#include "customers/mailmerge.h"

namespace ventro {
namespace {

using test::ShownMessage;

class LettersTest : public test::CustomerTest {
 protected:
  void SetUp() override {
    p.printer.device.caps = {2400, 3200, 300, 300, 0, 0};  // line height 32: 100 lines
    v().settings.Set(cfg::kHeadingLine, 1, "CORNER SHOP");
    WriteAccounts({{4, "NOTHING OWED", 1, "NEW", 0.0},
                   {5, "ACME LTD", 1, "10:1501/11/2026", 20.0},
                   {6, "NO POSTCODE", 1, "10:1501/11/2025", 7.5, "YORK", ""},
                   {7, "IN CREDIT", 1, "NEW", -1.0}});
  }
  // Prints with the Print dialog's default printer; gives the texts drawn by line number.
  std::map<int, std::vector<std::string>> Printed(size_t document = 0) {
    std::map<int, std::vector<std::string>> lines;
    if (p.printer.documents.size() <= document) return lines;
    for (const auto& item : p.printer.documents[document]->items) {
      if (item.kind == test::DrawnItem::kText) lines[item.y / 32].push_back(item.text);
    }
    return lines;
  }
  const test::DrawnItem* Find(const std::string& text) {
    for (const auto& item : p.printer.documents.at(0)->items) {
      if (item.text == text) return &item;
    }
    return nullptr;
  }
  void Letter(const std::string& customer, DebtorLetter letter) {
    Prompt(customer);
    p.ui.dialog_answers.push_back(test::Press("OK"));
    PrintDebtorLetter(desk, letter);
  }
};

TEST_F(LettersTest, NoLetterWithoutAnAmountOutstanding) {
  Letter("4", DebtorLetter::kReminder);
  Letter("7", DebtorLetter::kFinalNotice);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "No amount is outstanding"},
                                                      {"Problem", "No amount is outstanding"}}));
  EXPECT_TRUE(p.printer.documents.empty());
}

TEST_F(LettersTest, TheReminderWithTheHeadingCentredWithoutLetterBmp) {
  Letter("5", DebtorLetter::kReminder);
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(p.printer.documents[0]->title, "VENTRO");
  auto lines = Printed();
  EXPECT_EQ(lines[2], std::vector<std::string>{"CORNER SHOP"});
  EXPECT_EQ(Find("CORNER SHOP")->align, TextAlign::kCentre);
  EXPECT_EQ(lines[19], std::vector<std::string>{"ACME LTD"});
  EXPECT_EQ(lines[20], std::vector<std::string>{"1 HIGH ST"});
  EXPECT_EQ(lines[21], std::vector<std::string>{"LEEDS"});
  EXPECT_EQ(lines[22], std::vector<std::string>{"LS1 1AA"});
  EXPECT_EQ(lines[26], std::vector<std::string>{"Dec 6 2026"});
  EXPECT_EQ(lines[32], (std::vector<std::string>{"Dear Sir / Madam,", "Customer reference: 5"}));
  EXPECT_EQ(lines[35], std::vector<std::string>{"now overdue: 20.00"});
  EXPECT_EQ(lines[46], std::vector<std::string>{"---------------------"});
  EXPECT_EQ(lines[47], std::vector<std::string>{"Manager"});
}

TEST_F(LettersTest, TheFinalNoticeBesideLetterBmpAndWithoutAPostcode) {
  std::string bmp(54, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[18] = 100;
  bmp[22] = 50;
  std::ofstream(dir.path() / "letter.bmp", std::ios::binary) << bmp;
  Letter("6", DebtorLetter::kFinalNotice);
  auto lines = Printed();
  const test::DrawnItem* heading = Find("CORNER SHOP");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->x, 2400 / 4 + 30);
  EXPECT_EQ(heading->align, TextAlign::kLeft);
  EXPECT_EQ(lines[21], std::vector<std::string>{"YORK"});
  EXPECT_EQ(lines[22], std::vector<std::string>{"Dec 6 2026"});  // straight after the town
  EXPECT_EQ(lines[28], std::vector<std::string>{"FINAL NOTICE"});
  EXPECT_EQ(lines[33], std::vector<std::string>{"is still overdue: 7.50"});
}

TEST_F(LettersTest, TheDetailsPageListsTheAccount) {
  Prompt("5");
  p.ui.dialog_answers.push_back(test::Press("OK"));
  PrintCustomerDetails(desk);
  auto lines = Printed();
  EXPECT_EQ(lines[2], std::vector<std::string>{"Customer: 5"});
  EXPECT_EQ(lines[19], std::vector<std::string>{"Tax code: 1"});
  EXPECT_EQ(lines[27], std::vector<std::string>{"Balance: 20.00"});
  EXPECT_EQ(lines[30], std::vector<std::string>{"Last used: 10:15 01/11/2026"});
  EXPECT_EQ(lines[32], std::vector<std::string>{"Terms: No credit, Nett"});
}

TEST_F(LettersTest, MailmergeSelections) {
  auto selected = [&](MailmergeSelection selection, int64_t first = 1, int64_t last = 100) {
    std::vector<int64_t> numbers;
    for (int64_t slot : MailmergeCustomers(p.files, v().customers, first, last, selection, 2026)) {
      numbers.push_back(Slot(slot).Get(cust::kNumber));
    }
    return numbers;
  };
  EXPECT_EQ(selected(MailmergeSelection::kAll), (std::vector<int64_t>{4, 5, 6, 7}));
  EXPECT_EQ(selected(MailmergeSelection::kAll, 5, 6), (std::vector<int64_t>{5, 6}));
  EXPECT_EQ(selected(MailmergeSelection::kOweMoney), (std::vector<int64_t>{5, 6}));
  // "NEW" gives no year: never bought is not active this year.
  EXPECT_EQ(selected(MailmergeSelection::kNotActiveThisYear), (std::vector<int64_t>{4, 6, 7}));
}

TEST_F(LettersTest, MailmergeLoadsAWholeFileOfUpTo1000BytesAndPrintsAPagePerCustomer) {
  const std::string full(1000, 'x');
  std::ofstream(dir.path() / "full.txt", std::ios::binary) << full;
  std::ofstream(dir.path() / "long.txt", std::ios::binary) << full << 'y';
  p.ui.open_answers = {dir.path() / "long.txt", dir.path() / "missing.txt",
                       dir.path() / "full.txt"};
  Dialog shown;
  for (int k = 0; k < 3; ++k) p.ui.dialog_answers.push_back(test::Press("Load"));
  p.ui.dialog_answers.push_back([&shown](Dialog& d) {
    shown = d;
    d.Field("body").text = "Our sale starts Monday.";
    d.Field("selection").choice = 1;
    return true;
  });
  p.ui.dialog_answers.push_back(test::Press("OK"));  // Print
  std::string body;
  RunMailmerge(desk, body);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "File of incorrect type"},
                                                      {"Fatal error", "File not present."}}));
  EXPECT_EQ(shown.Field("body").text, full);
  EXPECT_EQ(shown.Field("start").text, "4");
  EXPECT_EQ(shown.Field("end").text, "7");
  EXPECT_EQ(body, "Our sale starts Monday.");
  EXPECT_EQ(p.ui.dialogs_run,
            (std::vector<std::string>{"bodyedit", "OPENFILE", "bodyedit", "OPENFILE", "bodyedit",
                                      "OPENFILE", "bodyedit", "Print"}));
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(p.printer.documents[0]->pages, 2);  // the two who owe money
  EXPECT_NE(Find("Dear Sir / Madam,           Customer number: 5"), nullptr);
  EXPECT_NE(Find("Our sale starts Monday."), nullptr);
}

TEST(WrapBodyTest, BreaksAtLineEndsAndSpacesAndCutsLongWords) {
  EXPECT_EQ(WrapBody("one two three\r\nfour", 9),
            (std::vector<std::string>{"one two", "three", "four"}));
  const std::string word(200, 'w');
  const std::vector<std::string> cut = WrapBody("a " + word, 64);
  ASSERT_EQ(cut.size(), 5u);
  EXPECT_EQ(cut[0], "a");
  for (size_t k = 1; k < 4; ++k) EXPECT_EQ(cut[k].size(), 64u);
  EXPECT_EQ(cut[4].size(), 200u - 3 * 64);
  // A narrower cut for a word without spaces; words still wrap at the full width.
  EXPECT_EQ(WrapBody("one two " + std::string(10, 'w'), 9, 4),
            (std::vector<std::string>{"one two", "wwww", "wwww", "ww"}));
}

}  // namespace
}  // namespace ventro
