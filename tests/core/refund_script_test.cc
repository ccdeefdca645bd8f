// A discount and a refund through ventro-script: the commands wired, the dialogs answered from
// the script, the refund on real files.
#include <gtest/gtest.h>

#include "script_run.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::TextAt;

// The starter item 13 (Baked beans 415g, 0.85) carries no tax.
TEST(RefundScriptTest, ADiscountedBasketRefundedInCash) {
  test::TempDir dir;
  test::ScriptRun run = test::RunScript(dir.path(),
                                        std::string(test::kScriptSignOn) +
                                            "type 13\nkey Enter\ntype 13\nkey Enter\n"
                                            "answer DISCOUN2 amount=10 OK\n"
                                            "command 2409\n"
                                            "dump basket\n"
                                            "answer 807 OK\n"
                                            "command 2458\n"
                                            "dump basket\n",
                                        test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("total discount=\"(0.10)\""), std::string::npos) << run.transcript;
  EXPECT_NE(run.transcript.find("total grand=\"1.60\""), std::string::npos) << run.transcript;
  EXPECT_NE(run.transcript.find("dialog 807 title=\"Refund\""), std::string::npos)
      << run.transcript;
  EXPECT_NE(run.transcript.find("total transaction=\"Transaction: 2\""), std::string::npos)
      << run.transcript;

  StdFiles files;
  const Path data = dir.path() / "Tarvel" / "ventro";
  const std::string sales = files.ReadAll(data / "2026/12/6/saleslog.dat").value_or("");
  ASSERT_EQ(sales.size(), 1050u);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 80), -1.60);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 88), -0.10);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), -1.60);
  EXPECT_EQ(TextAt(sales, 446, 40), "Refund");
  EXPECT_EQ(files.ReadAll(data / "2026/12/6/itemslog.dat").value_or("").size(), 264u);
}

}  // namespace
}  // namespace ventro
