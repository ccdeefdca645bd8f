// Runs the ventro-script binary on real scripts in a temporary data folder.
#include <gtest/gtest.h>

#include "base/bytes.h"
#include "script_run.h"

namespace ventro {
namespace {

using test::kScriptSignOn;
using test::ScriptRun;

class ScriptTest : public ::testing::Test {
 protected:
  ScriptRun Run(const std::string& script, const std::string& options = "") {
    return test::RunScript(dir.path(), script, options);
  }
  std::string Read(const std::string& name) {
    return files.ReadAll(dir.path() / "Tarvel" / "ventro" / name).value_or("<missing>");
  }

  test::TempDir dir;
  StdFiles files;
};

TEST_F(ScriptTest, PasswordsAreMaskedInTheTranscriptAsTheWindowShowsThem) {
  ScriptRun run = Run(std::string(kScriptSignOn) +
                          "answer EDITBOX text=3 OK\n"
                          "answer PASBO2 name=JO available=on password=4711 reenter=4711 OK\n"
                          "command 3025\n"
                          "answer EDITBOX text=3 OK\n"
                          "answer PASBO2 Cancel\n"
                          "command 3025\n"
                          "answer pasbox clerk=3 password=4711 OK\n"
                          "command 2457\n"
                          "dump title\n",
                      "--clock \"2026-12-06 09:30\"");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript.find("4711"), std::string::npos) << run.transcript;
  EXPECT_NE(run.transcript.find("=> name=\"JO\" available=\"on\" password=\"********\" "
                                "reenter=\"********\" OK"),
            std::string::npos)
      << run.transcript;
  // The stored password is shown masked when the dialog opens again.
  EXPECT_NE(run.transcript.find("password=\"********\" reenter=\"********\" =>"), std::string::npos)
      << run.transcript;
  EXPECT_NE(run.transcript.find("Assoc: 3, JO"), std::string::npos) << run.transcript;
}

TEST_F(ScriptTest, AddsAndFindsASupplierOnRealFiles) {
  ScriptRun run = Run(std::string(kScriptSignOn) +
                          "# a new supplier takes the free slot of the first run\n"
                          "answer 816 name=\"ACME WHOLESALE\" town=LEEDS OK\n"
                          "command 3036\n"
                          "answer EDITBOX text=1 OK\n"
                          "answer 816 OK\n"
                          "command 3013\n"
                          "command 1066\n"
                          "dump title\n",
                      "--clock \"2026-12-06 09:30\"");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("dialog 816 title=\"New supplier\" number=\"1\""),
            std::string::npos)
      << run.transcript;
  EXPECT_NE(run.transcript.find("=> name=\"ACME WHOLESALE\" town=\"LEEDS\" OK"), std::string::npos);
  EXPECT_NE(
      run.transcript.find("dialog EDITBOX title=\"Supplier number\" text=\"\" => text=\"1\" OK"),
      std::string::npos);
  EXPECT_NE(
      run.transcript.find("dialog 816 title=\"Supplier\" number=\"1\" name=\"ACME WHOLESALE\""),
      std::string::npos);
  EXPECT_NE(run.transcript.find("unavailable command 1066"), std::string::npos);
  EXPECT_NE(run.transcript.find("title \"VENTRO    Assoc: 1, Administrator\""), std::string::npos);

  std::string suppliers = Read("suppliers.dat");
  ASSERT_EQ(suppliers.size(), 1094u);  // the deleted slot was reused
  const auto* record = reinterpret_cast<const uint8_t*>(suppliers.data());
  EXPECT_EQ(GetI64(record), 1);
  EXPECT_EQ(GetText(record + 8, 42), "ACME WHOLESALE");
  EXPECT_EQ(GetText(record + 134, 30), "LEEDS");
  EXPECT_EQ(Read("2026/12/6.txt"),
            "\r\n09:30 06/12/2026  Switched on.\r\n"
            "\r\n09:30 06/12/2026  Log on.\r\nClerk: 1, Administrator\r\n"
            "\r\n09:30 06/12/2026  Switched off.\r\nClerk: 1, Administrator\r\n");
}

TEST_F(ScriptTest, AnUnansweredDialogEndsTheRunWithStatusTwoAndWritesNothingMore) {
  ASSERT_EQ(Run(kScriptSignOn).status, 0);
  std::string day_log = Read("2026/12/6.txt");
  ScriptRun run =
      Run(std::string(kScriptSignOn) + "command 3036\n", "--clock \"2026-12-06 10:00\"");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.transcript.find("unanswered dialog 816"), std::string::npos) << run.transcript;
  EXPECT_EQ(Read("suppliers.dat").size(), 1094u);
}

TEST_F(ScriptTest, ClockLinesMoveTheTimeAndBadLinesAreNamed) {
  ScriptRun run = Run(std::string(kScriptSignOn) + "dump title\nclock 2026-12-31 23:59\n",
                      "--clock \"2026-12-31 08:00\"");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(Read("2026/12/31.txt"),
            "\r\n08:00 31/12/2026  Switched on.\r\n"
            "\r\n08:00 31/12/2026  Log on.\r\nClerk: 1, Administrator\r\n"
            "\r\n23:59 31/12/2026  Switched off.\r\nClerk: 1, Administrator\r\n");

  run = Run("clock 2026-02-30 10:00\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.transcript.find("line 1: clock takes YYYY-MM-DD HH:MM"), std::string::npos);
  run = Run("answer 816 name=\"open quote\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.transcript.find("line 1: unclosed quote"), std::string::npos);
}

TEST_F(ScriptTest, AnswersNamingUnknownFieldsFail) {
  ScriptRun run = Run(std::string(kScriptSignOn) + "answer 816 colour=red OK\ncommand 3036\n",
                      "--clock \"2026-12-06 09:30\"");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.transcript.find("dialog 816 has no field colour"), std::string::npos)
      << run.transcript;
}

TEST_F(ScriptTest, TheClerkSignsOnBeforeTheFirstActionAndCanEndTheProgramThere) {
  ScriptRun run =
      Run("answer pasbox clerk=1 password=7 OK\n"  // wrong: the log-on is shown again
          "answer pasbox clerk=1 password= OK\n"
          "answer 2211 no_tips=on OK\n"
          "dump title\n",
          "--clock \"2026-12-06 09:30\"");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("title \"VENTRO    Assoc: 1, Administrator\""), std::string::npos)
      << run.transcript;
  EXPECT_NE(
      run.transcript.find("dialog pasbox title=\"Log on\" clerk=\"1\" "
                          "name=\"Administrator\" password=\"\" => clerk=\"1\" password=\"\" OK"),
      std::string::npos);

  // No tip at this start; Exit in the log-on ends the run normally before the command.
  run = Run("answer pasbox Exit\ncommand 3036\n", "--clock \"2026-12-06 10:00\"");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript.find("816"), std::string::npos) << run.transcript;
  EXPECT_EQ(run.transcript.find("2211"), std::string::npos);
  EXPECT_NE(Read("2026/12/6.txt").find("\r\n10:00 06/12/2026  Switched off.\r\n"),
            std::string::npos);
}

TEST_F(ScriptTest, ARestrictedClerkSteppedToWithDownIsRefusedOperatorSetup) {
  ScriptRun run =
      Run("answer pasbox Down Down OK\n"
          "answer 2211 OK\n"
          "command 3025\n"
          "key Ctrl+C\n"  // configuration, controlled on a new installation: silently refused
          "dump title\n",
          "--clock \"2026-12-06 09:30\"");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("message \"Restricted access\" \"Administrator or manager\" OK"),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(run.transcript.find("dialog Configuration"), std::string::npos);
  EXPECT_NE(run.transcript.find("title \"VENTRO    Assoc: 3, Clerk 3\""), std::string::npos);
}

}  // namespace
}  // namespace ventro
