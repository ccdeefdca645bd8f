// The day's figures through ventro-script: a sale rung up, then the status window, the export
// and the mail link as the transcript shows them.
#include <gtest/gtest.h>

#include "script_run.h"

namespace ventro {
namespace {

TEST(ActivityScriptTest, StatusWindowExportAndMailAfterACashSale) {
  test::TempDir dir;
  const Path exported = dir.path() / "day.txt";
  // Starter item 9 is a paperback novel at 8.99 without tax.
  test::ScriptRun run = test::RunScript(
      dir.path(),
      std::string(test::kScriptSignOn) +
          "type 9\nkey Enter\nanswer CASHBOX amount=1000 OK\nanswer TENBOX OK\ncommand 2459\n"
          "answer 814 OK\ncommand 1062\n"
          "answer SAVEFILE path=\"" +
          exported.string() +
          "\" OK\ncommand 1069\n"
          "command 3048\n",
      test::kScriptClock);
  EXPECT_EQ(run.status, 0) << run.transcript;
  const std::string& transcript = run.transcript;
  EXPECT_NE(transcript.find("dialog 814 title=\"Daily Status Sunday December 6 2026 \" "
                            "ontime=\"Ontime: 09:30\""),
            std::string::npos)
      << transcript;
  for (const char* shown : {"cash_sales=\"8.99\"", "total_sales=\"8.99\"", "items=\"1 (0)\"",
                            "non_taxable=\"8.99\"", "total_refunds=\"0.00\""}) {
    EXPECT_NE(transcript.find(shown), std::string::npos) << shown << "\n" << transcript;
  }
  EXPECT_NE(transcript.find("message \"Activity file\" \"Exported.\""), std::string::npos)
      << transcript;
  StdFiles files;
  const std::string text = files.ReadAll(exported).value_or("");
  EXPECT_NE(text.find(" Activity report: D:6 M:12 Y:2026\r\nItems sold: 1, Refunded: 0\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(transcript.find("open \"mailto:?subject="), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("Sales%0D%0ACash: 8.99%0D%0A"), std::string::npos) << transcript;
}

}  // namespace
}  // namespace ventro
