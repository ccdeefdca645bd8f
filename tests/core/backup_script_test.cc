// Backup and restore through ventro-script: the commands wired, the folder chooser answered
// from the script, and a restore that ends the run without saving its state over the files.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "formats/settings_record.h"
#include "script_run.h"

namespace ventro {
namespace {

TEST(BackupScriptTest, CoreFilesBackedUpThenRestoredOverALaterSale) {
  test::TempDir dir;
  const Path usb = dir.path() / "usb";
  std::filesystem::create_directories(usb);
  const std::string folder_answer = "answer FOLDER path=\"" + usb.string() + "\" OK\n";
  // Starter item 9 is a paperback novel at 8.99; its sale saves the settings with the next
  // transaction number, which the restore must not find in the restored file.
  // Answers come before the command that asks them.
  test::ScriptRun run = test::RunScript(
      dir.path(),
      std::string(test::kScriptSignOn) + "answer BACKUPBOX mode=0 OK\n" + folder_answer +
          "command 1005\n"
          "type 9\nkey Enter\nanswer CASHBOX amount=1000 OK\nanswer TENBOX OK\n"
          "answer RESTOREBOX mode=1 OK\nanswer FINISBOX OK\n" +
          folder_answer + "command 1079\n",
      test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("message \"File backup\" \"Complete\""), std::string::npos)
      << run.transcript;
  EXPECT_NE(run.transcript.find("message \"Restore complete\" \"VENTRO will now close down\""),
            std::string::npos)
      << run.transcript;

  StdFiles files;
  const Path data = dir.path() / "Tarvel" / "ventro";
  for (const char* name : {"inventory.dat", "customer.dat", "suppliers.dat"}) {
    EXPECT_EQ(files.ReadAll(data / name), files.ReadAll(usb / name)) << name;
  }
  SettingsRecord backed_up;
  const std::string backup = files.ReadAll(usb / "vt.cfg").value_or("");
  ASSERT_EQ(backup.size(), SettingsRecord::kSize);
  std::copy(backup.begin(), backup.end(), backed_up.data());
  const TimeStamp stamp = backed_up.Get(cfg::kLastBackup);
  EXPECT_EQ((std::array{stamp.hour, stamp.minute, stamp.day, stamp.year}),
            (std::array{9, 30, 6, 2026}));
  backed_up.Set(cfg::kNextTransaction, 1);
  EXPECT_EQ(files.ReadAll(data / "vt.cfg"), std::string(backed_up.view()));
  EXPECT_FALSE(files.Exists(data / "2026" / "12" / "6" / "saleslog.dat"));
}

}  // namespace
}  // namespace ventro
