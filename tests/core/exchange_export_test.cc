// The Export command and the comma-separated text it writes.
#include <gtest/gtest.h>

#include "base/csv.h"
#include "exchange/export_command.h"
#include "exchange_fixture.h"

namespace ventro::test {
namespace {

TEST(CsvTest, QuotesOnlyWhatMustBeQuotedAndReadsItBack) {
  EXPECT_EQ(CsvField("PLAIN TEXT"), "PLAIN TEXT");
  EXPECT_EQ(CsvField("6\" NAIL"), "\"6\"\" NAIL\"");
  EXPECT_EQ(CsvField("A, B"), "\"A, B\"");
  const std::string line = CsvField("A, B") + "," + CsvField("SAY \"HI\"") + "," +
                           CsvField("TWO\r\nLINES") + ",5'\"X\r\n";
  CsvTable table = ReadCsv(line, 1998);
  ASSERT_EQ(table.bad_line, 0);
  ASSERT_EQ(table.records.size(), 1u);
  EXPECT_EQ(table.records[0], (CsvRecord{"A, B", "SAY \"HI\"", "TWO\r\nLINES", "5'\"X"}));
}

TEST(CsvTest, EveryLineCountsWhateverItsEnd) {
  CsvTable table = ReadCsv("1,A\n2,B\r\n3,C", 1998);
  ASSERT_EQ(table.bad_line, 0);
  ASSERT_EQ(table.records.size(), 3u);
  EXPECT_EQ(table.records[1], (CsvRecord{"2", "B"}));
  EXPECT_EQ(table.records[2], (CsvRecord{"3", "C"}));
}

TEST(CsvTest, RefusesUnclosedQuotesTextAfterAQuoteAndLongLines) {
  EXPECT_EQ(ReadCsv("1,A\n2,B\n3,\"OPEN\n4,D\n", 1998).bad_line, 3);
  EXPECT_EQ(ReadCsv("1,\"A\"B\n", 1998).bad_line, 1);
  const std::string longest = std::string(1997, 'X') + "\n";
  EXPECT_EQ(ReadCsv(longest + longest, 1998).bad_line, 0);
  EXPECT_EQ(ReadCsv(longest + "X" + longest, 1998).bad_line, 2);
}

class ExportTest : public ExchangeTest {
 protected:
  ExportTest() {
    InventoryRecord item;
    item.Set(inv::kNumber, 5);
    item.Set(inv::kDescription, "NUTS & <BOLTS>");
    item.Set(inv::kSku1, "A,1");
    item.Set(inv::kRetailPrice, 2.5);
    item.Set(inv::kReorderQuantity, 17);
    item.Set(inv::kTax, 2);
    item.Set(inv::kDisplayCategory, 3);
    item.Set(inv::kNotes, "SAY \"R&D\"");
    InventoryRecord other;
    other.Set(inv::kNumber, 9);
    other.Set(inv::kDescription, "WASHERS");
    other.Set(inv::kDisplayCategory, 4);
    WriteMaster(v().inventory, "inventory.dat", std::vector{other, item});
  }

  // Answers EXPORT with `format` over `start`..`finish`, then the file dialog with `target`.
  void Choose(int format, const std::string& start, const std::string& finish, int source = 0) {
    Reply([=](Dialog& d) {
      d.Field("start").text = start;
      d.Field("finish").text = finish;
      d.Field("source").choice = source;
      d.Field("format").choice = format;
    });
  }
  void SelectAll() {
    Reply([](Dialog& d) { d.Field("entire").checked = true; });
  }

  Path target = dir.path() / "out.txt";
};

TEST_F(ExportTest, BadRangesStopBeforeAnyFileIsChosen) {
  for (auto [start, finish] : {std::pair{"0", "9"}, {"9", "5"}}) {
    p.ui.messages.clear();
    p.ui.dialogs_run.clear();
    Choose(0, start, finish);
    ExportRecords(desk());
    EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Invalid range"}}));
    EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"EXPORT"});
  }
  Choose(2, "6", "8");
  p.ui.save_answers.push_back(target);
  ExportRecords(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Problem", "No items in range."}));
  EXPECT_FALSE(p.files.Exists(target));
}

TEST_F(ExportTest, EntireTextHasTheHeaderAndTwentyFourValuesALine) {
  Choose(0, "1", "9");
  SelectAll();
  p.ui.save_answers.push_back(target);
  ExportRecords(desk());
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"File export", "Complete."}}));
  CsvTable table = ReadCsv(ReadPath(target), 1998);
  ASSERT_EQ(table.records.size(), 3u);
  EXPECT_EQ(table.records[0][23], "Notes");
  for (const CsvRecord& record : table.records) EXPECT_EQ(record.size(), 24u);
  const CsvRecord& item = table.records[1];
  EXPECT_EQ(item[0], "5");
  EXPECT_EQ(item[1], "NUTS & <BOLTS>");
  EXPECT_EQ(item[2], "A,1");
  EXPECT_EQ(item[6], "2.50");
  EXPECT_EQ(item[9], "2");  // the tax code itself, not just taxable or not
  EXPECT_EQ(item[23], "SAY \"R&D\"");
  EXPECT_EQ(table.records[2][0], "9");
}

TEST_F(ExportTest, HtmlLineEndsAfterTheLastSelectedField) {
  Choose(1, "5", "5");
  Reply([](Dialog& d) {
    for (int i = 1; i <= 10; ++i) d.Field("field" + std::to_string(i)).checked = i <= 2 || i == 9;
  });
  p.ui.save_answers.push_back(target);
  ExportRecords(desk());
  EXPECT_EQ(ReadPath(target),
            "<HTML><BODY>\r\n<FONT SIZE='1'>\r\n"
            "<B>5</B><B> NUTS &amp; &lt;BOLTS&gt;</B> 17<BR>\r\n"
            "</BODY></HTML>");
}

TEST_F(ExportTest, XmlEscapesEveryTextAndEndsWithoutALineEnd) {
  Choose(2, "1", "5");
  p.ui.save_answers.push_back(target);
  ExportRecords(desk());
  const std::string xml = ReadPath(target);
  EXPECT_EQ(xml.find("<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n<item>\r\n"
                     "<number>5</number>\r\n<description>NUTS &amp; &lt;BOLTS&gt;</description>"),
            0u);
  EXPECT_NE(xml.find("<notes>SAY &quot;R&amp;D&quot;</notes>\r\n</item>\r\n"), std::string::npos);
  EXPECT_NE(xml.find("<tax>2</tax>"), std::string::npos);
  EXPECT_EQ(xml.find("WASHERS"), std::string::npos);
  EXPECT_TRUE(xml.ends_with("</item>\r\n</document>"));
}

TEST_F(ExportTest, CustomersInXmlAndAFailedWriteIsNotComplete) {
  CustomerRecord customer;
  customer.Set(cust::kNumber, 3);
  customer.Set(cust::kName, "SMITH & SONS");
  customer.Set(cust::kTax, 0);
  WriteMaster(v().customers, "customer.dat", std::vector{customer});
  Choose(2, "1", "3", 1);
  p.ui.save_answers.push_back(target);
  ExportRecords(desk());
  EXPECT_NE(
      ReadPath(target).find("<customer>\r\n<number>3</number>\r\n<name>SMITH &amp; SONS</name>"),
      std::string::npos);

  p.files.unwritable.insert("out.txt");
  p.ui.messages.clear();
  Choose(2, "1", "3", 1);
  p.ui.save_answers.push_back(target);
  ExportRecords(desk());
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Unable to open file."}}));
}

TEST_F(ExportTest, CategoryKeepsOnlyItsItems) {
  Reply([](Dialog& d) {
    d.Field("type").choice = 1;
    d.Field("category").choice = 4;
  });
  Reply([](Dialog& d) {
    for (int i = 2; i <= 10; ++i) d.Field("field" + std::to_string(i)).checked = false;
  });
  p.ui.save_answers.push_back(target);
  ExportRecords(desk());
  EXPECT_EQ(ReadPath(target), "9\r\n");
}

}  // namespace
}  // namespace ventro::test
