// The on-screen lists through ventro-script: the list window's rows in the transcript, and the
// takings graph's figures and printed page after a sale.
#include <gtest/gtest.h>

#include "script_run.h"

namespace ventro {
namespace {

// The transcript line of the first dialog called `name`.
std::string DialogLine(const std::string& transcript, const std::string& name) {
  const size_t start = transcript.find("dialog " + name + " ");
  if (start == std::string::npos) return {};
  return transcript.substr(start, transcript.find('\n', start) - start);
}

TEST(ListingsScriptTest, ListWindowRowsAreInTheTranscript) {
  test::TempDir dir;
  const test::ScriptRun run =
      test::RunScript(dir.path(),
                      std::string(test::kScriptSignOn) +
                          "answer EDITBOX text=19 OK\nanswer LISTVIEW Close\ncommand 1029\n",
                      test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  const std::string list = DialogLine(run.transcript, "LISTVIEW");
  EXPECT_NE(list.find("title=\"Inventory list\""), std::string::npos) << run.transcript;
  // Starter items 19 and 20 and those after them, by number, each row under the headings.
  for (const char* shown : {"Number", "Description", "Car air freshener", "2.49", "CAR"}) {
    EXPECT_NE(list.find(shown), std::string::npos) << shown << "\n" << list;
  }
  EXPECT_EQ(list.find("Paperback novel"), std::string::npos) << list;
}

TEST(ListingsScriptTest, TakingsGraphShowsTheSaleAndPrintsBothCharts) {
  test::TempDir dir;
  // Starter item 9 is a paperback novel at 8.99 without tax.
  const test::ScriptRun run = test::RunScript(
      dir.path(),
      std::string(test::kScriptSignOn) +
          "type 9\nkey Enter\nanswer CASHBOX amount=1000 OK\nanswer TENBOX OK\ncommand 2459\n"
          "answer LISTVIEW Print Close\nanswer Print OK\ncommand 3060\n",
      test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  const std::string graph = DialogLine(run.transcript, "LISTVIEW");
  for (const char* shown : {"title=\"Takings graph\"", "Last 8 weeks: 8.99   Last 52 weeks: 8.99",
                            "06/12/2026", "Week from 30/11/2026"}) {
    EXPECT_NE(graph.find(shown), std::string::npos) << shown << "\n" << run.transcript;
  }
  for (const char* printed :
       {"print \"Takings by day, last 8 weeks   Takings: 8.99   Balance payments: 0.00\"",
        "print \"Takings by week, last 52 weeks   Takings: 8.99   Balance payments: 0.00\"",
        "printed takings-graph"}) {
    EXPECT_NE(run.transcript.find(printed), std::string::npos) << printed << "\n" << run.transcript;
  }
}

}  // namespace
}  // namespace ventro
