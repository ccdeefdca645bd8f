// Whole sales through ventro-script: items typed in, paid, committed to real files.
#include <gtest/gtest.h>

#include "script_run.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::TextAt;

class TenderScriptTest : public ::testing::Test {
 protected:
  // Runs `body` after the sign-on and the tip of the day; gives the transcript.
  std::string Run(const std::string& body, int expected_status = 0) {
    test::ScriptRun run =
        test::RunScript(dir.path(), test::kScriptSignOn + body, test::kScriptClock);
    EXPECT_EQ(run.status, expected_status) << run.transcript;
    return run.transcript;
  }
  std::string Read(const std::string& name) {
    return files.ReadAll(dir.path() / "Tarvel" / "ventro" / name).value_or("<missing>");
  }

  test::TempDir dir;
  StdFiles files;
};

// The starter items 9 (Paperback novel, 8.99) and 13 (Baked beans 415g, 0.85) carry no tax.
TEST_F(TenderScriptTest, AThreeLineCashSaleFromTheItemEntryToTheLogs) {
  std::string transcript =
      Run("type 9\nkey Enter\ntype 13\nkey Enter\ntype 13\nkey Enter\n"
          "answer CASHBOX amount=2000 OK\n"
          "answer TENBOX OK\n"
          "command 2459\n");
  EXPECT_NE(transcript.find("dialog CASHBOX title=\"Cash payment\" total=\"10.69\" amount=\"\" "
                            "change=\"\" => amount=\"2000\" OK"),
            std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("dialog TENBOX title=\"Transaction committed, summary\" "
                            "total=\"10.69\" tendered=\"20.00\" change=\"9.31\" => OK"),
            std::string::npos)
      << transcript;

  std::string sales = Read("2026/12/6/saleslog.dat");
  ASSERT_EQ(sales.size(), 1050u);
  EXPECT_EQ(GetAt<int64_t>(sales, 0), 1);
  EXPECT_EQ(GetAt<int32_t>(sales, 28), 3);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 80), 10.69);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 10.69);
  EXPECT_EQ(TextAt(sales, 446, 40), "Cash");
  std::string items = Read("2026/12/6/itemslog.dat");
  ASSERT_EQ(items.size(), 396u);
  EXPECT_EQ(GetAt<int64_t>(items, 24), 9);
  EXPECT_EQ(GetAt<int64_t>(items, 132 + 24), 13);
  EXPECT_EQ(Read("2026/base.dat").size(), 16u);
  std::string log = Read("2026/12/6.txt");
  EXPECT_NE(log.find("\r\n09:30 06/12/2026 Sale: 1, Total: 10.69\r\n"
                     "9  Paperback novel\r\n"
                     "13  Baked beans 415g\r\n"
                     "13  Baked beans 415g\r\n"
                     "Clerk: 1, Administrator   Items: 3\r\n"
                     "Payment type: Cash\r\n"),
            std::string::npos)
      << log;
}

TEST_F(TenderScriptTest, CardWithConfirmedCashBackAndASplitByQuickAmount) {
  std::string transcript =
      Run("type 9\nkey Enter\n"
          "answer BBOX \"Payment plus cashback\"\n"
          "answer EDITBO8 amount=150 OK\n"
          "answer message Yes\n"
          "answer TENBOX OK\n"
          "command 2428\n"
          "type 13\nkey Enter\n"
          "answer SPLIT cash=50 rest=CH OK\n"
          "answer CASHBOX 5.00\n"
          "answer TENBOX OK\n"
          "command 3001\n");
  EXPECT_NE(transcript.find("message \"Please confirm\" \"150\" Yes"), std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("change=\"CB: 150.00\""), std::string::npos);
  std::string sales = Read("2026/12/6/saleslog.dat");
  ASSERT_EQ(sales.size(), 2100u);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 136), 150.00);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 8.99);
  EXPECT_EQ(TextAt(sales, 1050 + 446, 40), "Split");
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 1050 + 144), 0.50);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 1050 + 168), 0.35);
  EXPECT_NE(Read("2026/12/6.txt").find("Cash: 0.50  CH: 0.35  EFT: 0.00\r\n"), std::string::npos);
}

TEST_F(TenderScriptTest, ACentsFieldGivenAPointStopsTheRunNamingTheField) {
  std::string transcript =
      Run("type 9\nkey Enter\n"
          "answer CASHBOX amount=12.50 OK\n"
          "command 2459\n",
          2);
  EXPECT_NE(transcript.find("dialog CASHBOX field amount takes digits only (cents), not "
                            "\"12.50\""),
            std::string::npos)
      << transcript;
  EXPECT_EQ(Read("2026/12/6/saleslog.dat"), "<missing>");
}

}  // namespace
}  // namespace ventro
