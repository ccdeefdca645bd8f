// The upload from the script driver to a local FTP server: the set-up, the files on the server,
// the transcript's lines, the clerk's title afterwards, and the password kept out of all but
// upload.cfg.
#include <gtest/gtest.h>

#include <filesystem>

#include "ftp_test_server.h"
#include "script_run.h"

namespace ventro {
namespace {

std::string SetUpScript(const std::string& host, const std::string& password) {
  return std::string(test::kScriptSignOn) + "answer THEUPLOAD server=" + host +
         " user=shop password=" + password +
         " overview=on items=off reorder=on reorder_name=Re-order.txt OK\n"
         "command 3053\n";
}

TEST(UploadScript, ReportsReachTheServerAndTheTranscriptTellsEachFile) {
  test::TempDir home;
  const Path remote = home.path() / "remote";
  std::filesystem::create_directories(remote);
  test::FtpTestServer server(remote, "shop", "s3cr3t-pw");
  ASSERT_NE(server.port(), 0);

  auto run = test::RunScript(home.path(),
                             SetUpScript(server.host(), "s3cr3t-pw") +
                                 "command 3054\n"
                                 "dump title\n",
                             test::kScriptClock);
  EXPECT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("upload \"Activity.txt\" sent\n"
                                "upload \"Re-order.txt\" sent\n"
                                "message \"Transmission\" \"Transfer complete\" OK\n"
                                "title \"VENTRO    Assoc: 1, Administrator\""),
            std::string::npos)
      << run.transcript;

  const Path data = home.path() / "Tarvel" / "ventro";
  StdFiles files;
  for (const char* name : {"Activity.txt", "Re-order.txt"}) {
    EXPECT_EQ(files.ReadAll(remote / name), files.ReadAll(data / name)) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(remote / "Dlyitems.txt"));

  // The password is in upload.cfg and nowhere else (but the script that typed it).
  EXPECT_EQ(run.transcript.find("s3cr3t-pw"), std::string::npos);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(home.path())) {
    const Path name = entry.path().filename();
    if (!entry.is_regular_file() || name == "upload.cfg" || name == "script.txt") continue;
    EXPECT_EQ(files.ReadAll(entry.path())->find("s3cr3t-pw"), std::string::npos) << entry.path();
  }
}

TEST(UploadScript, RefusedLoginLeavesTheTitleAndStoresNothing) {
  test::TempDir home;
  const Path remote = home.path() / "remote";
  std::filesystem::create_directories(remote);
  test::FtpTestServer server(remote, "shop", "right");
  ASSERT_NE(server.port(), 0);

  auto run = test::RunScript(home.path(),
                             SetUpScript(server.host(), "wrong") + "command 3054\ndump title\n",
                             test::kScriptClock);
  EXPECT_NE(run.transcript.find("message \"Problem\" \"Internet ftp connect error\" OK\n"
                                "title \"VENTRO    Assoc: 1, Administrator\""),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(run.transcript.find("Transmission"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(remote));
}

}  // namespace
}  // namespace ventro
