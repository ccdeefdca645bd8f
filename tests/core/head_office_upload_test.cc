// "Upload head office report" over a stand-in network, and once over a local server: what is
// sent, the titles and messages the clerk sees as the upload's events arrive, and the uploads
// refused before anything is sent.
#include "comms/head_office_upload.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "curl/curl_file_sender.h"
#include "ftp_test_server.h"
#include "platform/upload_host.h"
#include "recording_sender.h"
#include "store/upload_config_file.h"
#include "test_platform.h"

namespace ventro {
namespace {

using Kind = UploadEvent::Kind;

// Remembers every title the window was given, in order.
class TitleHistory : public test::RecordingWindow {
 public:
  std::vector<std::string> titles;
  void SetTitle(const std::string& text) override {
    test::RecordingWindow::SetTitle(text);
    titles.push_back(text);
  }
};

class HeadOfficeUploadTest : public testing::Test {
 protected:
  HeadOfficeUploadTest() {
    settings.Set(cfg::kHeadingLine, 1, "Tea & Cakes");
    settings.Set(cfg::kUploadOverview, 2);
    t.clock.Set(2026, 12, 7, 17, 45);
    screen.title = "VENTRO    Assoc: 3, JO";
    Configure("ftp.example.com");
  }

  void Configure(const std::string& host) {
    UploadConfig config;
    config.Set(upl::kHost, host);
    config.Set(upl::kUser, "shop");
    config.Set(upl::kPassword, "secret");
    config.Set(upl::kOverviewName, "Activity.txt");
    ASSERT_TRUE(SaveUploadConfig(dir.path(), config));
  }

  void Upload() { UploadHeadOfficeReports(desk, &uploader, screen, window); }

  test::TempDir dir;
  test::TestPlatform t;
  SettingsRecord settings;
  MasterFile inventory{MasterKind::kInventory};
  MasterFile customers{MasterKind::kCustomer};
  Date selected_day;
  HeadOfficeDesk desk{{t.platform, settings, inventory, customers, dir.path(), 8, 5,
                       TimeStamp{59, 22, 6, 12, 2026}, selected_day},
                      settings,
                      {UploadProtocol::kFtp, UploadProtocol::kFtpTls, UploadProtocol::kSftp}};
  SaleScreen screen;
  TitleHistory window;
  test::RecordingSender sender;
  Uploader uploader{sender, {}};
};

TEST_F(HeadOfficeUploadTest, SendsTheWrittenFilesAndGivesTheClerksTitleBack) {
  Upload();
  EXPECT_TRUE(uploader.Running());
  // A second upload before the first has ended would rewrite the files being sent.
  std::filesystem::remove(dir.path() / "Activity.txt");
  Upload();
  EXPECT_EQ(t.ui.messages.back(), (test::ShownMessage{"Problem", "Upload in progress"}));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Activity.txt"));

  uploader.Wait();
  EXPECT_FALSE(uploader.Running());
  EXPECT_EQ(sender.server.host, "ftp.example.com");
  EXPECT_EQ(sender.server.user, "shop");
  EXPECT_EQ(sender.server.password, "secret");
  EXPECT_EQ(sender.server.ca_file, dir.path() / "upload-ca.pem");
  ASSERT_EQ(sender.files.size(), 1u);
  EXPECT_EQ(sender.files[0].local, dir.path() / "Activity.txt");
  EXPECT_EQ(sender.files[0].remote_name, "Activity.txt");
  EXPECT_EQ(window.titles,
            (std::vector<std::string>{"Upload in progress", "VENTRO    Assoc: 3, JO"}));
  EXPECT_EQ(t.ui.messages.back(), (test::ShownMessage{"Transmission", "Transfer complete"}));
}

TEST_F(HeadOfficeUploadTest, AFailedFileFailsTheUploadAfterTheRestAreSent) {
  sender.steps = {{Kind::kLoggedIn},
                  UploadEvent(Kind::kProgress, "Activity.txt"),
                  UploadEvent(Kind::kFileFailed, "Activity.txt", "gone")};
  sender.steps[1].percent = 40;
  Upload();
  uploader.Wait();
  EXPECT_EQ(window.titles,
            (std::vector<std::string>{"Upload in progress", "Upload in progress: Activity.txt 40%",
                                      "VENTRO    Assoc: 3, JO"}));
  EXPECT_EQ(t.ui.messages.back(), (test::ShownMessage{"Transmission", "Transfer failed"}));
}

// The same over the network to a server that goes away as the file is sent.
TEST_F(HeadOfficeUploadTest, AServerGoneMidFileFailsTheUploadAndGivesTheTitleBack) {
  std::filesystem::create_directories(dir.path() / "remote");
  test::FtpTestServer server(dir.path() / "remote", "shop", "secret", {"--die-on-data"});
  ASSERT_NE(server.port(), 0);
  Configure(server.host());
  CurlFileSender network;
  network.first_retry = std::chrono::milliseconds(50);
  network.second_retry = std::chrono::milliseconds(100);
  Uploader through_network{network, {}};
  UploadHeadOfficeReports(desk, &through_network, screen, window);
  through_network.Wait();
  ASSERT_FALSE(window.titles.empty());
  EXPECT_EQ(window.titles.front(), "Upload in progress");
  EXPECT_EQ(window.titles.back(), "VENTRO    Assoc: 3, JO");
  EXPECT_EQ(t.ui.messages.back(), (test::ShownMessage{"Transmission", "Transfer failed"}));
}

TEST_F(HeadOfficeUploadTest, ConnectionFailuresLeaveTheTitleAlone) {
  sender.steps = {UploadEvent(Kind::kConnectFailed, "", "Login denied", 67)};
  Upload();
  uploader.Wait();
  EXPECT_EQ(t.ui.messages,
            (std::vector<test::ShownMessage>{{"Problem", "Internet ftp connect error"}}));
  EXPECT_TRUE(window.titles.empty());

  t.ui.messages.clear();
  sender.steps = {UploadEvent(Kind::kOpenFailed, "", "", 2)};
  Upload();
  uploader.Wait();
  EXPECT_EQ(t.ui.messages, (std::vector<test::ShownMessage>{{"Problem", "InternetOpen error 2"}}));
  EXPECT_TRUE(window.titles.empty());
}

TEST_F(HeadOfficeUploadTest, AMissingOrUnsafeServerStartsNoUpload) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "Please specify the FTP server in the configuration"},
      {"ftp.example.com/../x", "Invalid FTP server"},
      {"user:pw@ftp.example.com", "Invalid FTP server"},
      {"ftp.example.com:0", "Invalid FTP server"},
      {"ftp.example.com:99999", "Invalid FTP server"},
  };
  for (const auto& [host, message] : cases) {
    SCOPED_TRACE(host);
    Configure(host);
    t.ui.messages.clear();
    Upload();
    EXPECT_FALSE(uploader.Running());
    EXPECT_EQ(t.ui.messages, (std::vector<test::ShownMessage>{{"Problem", message}}));
  }
  EXPECT_TRUE(sender.files.empty());

  // The setup refuses such a server too, and keeps the dialog open with what was typed.
  t.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("server").text = "ftp.example.com:21/x";
    return true;
  });
  EXPECT_FALSE(SetUpHeadOfficeReports(desk));
  EXPECT_EQ(t.ui.messages.back(), (test::ShownMessage{"Problem", "Invalid FTP server"}));
}

TEST_F(HeadOfficeUploadTest, ProtocolIsStoredAsAPrefixOfTheServer) {
  t.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("protocol").choice, 0);  // a file from before the choice: plain FTP
    EXPECT_EQ(d.Field("server").text, "ftp.example.com");
    d.Field("protocol").choice = 2;
    d.Field("server").text = "files.example.com:2222";
    return true;
  });
  ASSERT_TRUE(SetUpHeadOfficeReports(desk));
  EXPECT_EQ(LoadUploadConfig(t.files, dir.path())->Get(upl::kHost),
            "sftp://files.example.com:2222");
  t.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("protocol").choice, 2);
    EXPECT_EQ(d.Field("server").text, "files.example.com:2222");
    return false;
  });
  EXPECT_FALSE(SetUpHeadOfficeReports(desk));
}

TEST_F(HeadOfficeUploadTest, ProtocolListOffersOnlyWhatTheSenderCanUse) {
  sender.protocols = {UploadProtocol::kFtp, UploadProtocol::kSftp};
  desk.protocols = uploader.Protocols();
  t.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("protocol").options, (std::vector<std::string>{"FTP", "SFTP"}));
    d.Field("protocol").choice = 1;
    return true;
  });
  ASSERT_TRUE(SetUpHeadOfficeReports(desk));
  EXPECT_EQ(LoadUploadConfig(t.files, dir.path())->Get(upl::kHost), "sftp://ftp.example.com");

  sender.protocols = {UploadProtocol::kFtp};
  desk.protocols = uploader.Protocols();
  t.ui.dialog_answers.push_back([](Dialog& d) {
    // The stored protocol stays listed and chosen: OK must not turn it into plain FTP.
    EXPECT_EQ(d.Field("protocol").options, (std::vector<std::string>{"FTP", "SFTP"}));
    EXPECT_EQ(d.Field("protocol").choice, 1);
    return true;
  });
  ASSERT_TRUE(SetUpHeadOfficeReports(desk));
  EXPECT_EQ(LoadUploadConfig(t.files, dir.path())->Get(upl::kHost), "sftp://ftp.example.com");

  Configure("ftp.example.com");
  t.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("protocol").options, (std::vector<std::string>{"FTP"}));
    return false;
  });
  EXPECT_FALSE(SetUpHeadOfficeReports(desk));
}

TEST(UploadHost, ProtocolPrefixesAndPorts) {
  auto plain = ParseUploadHost("ftp.example.com");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->protocol, UploadProtocol::kFtp);
  EXPECT_EQ(PortOf(*plain), 21);
  auto tls = ParseUploadHost("ftpes://10.0.0.2:2121");
  ASSERT_TRUE(tls);
  EXPECT_EQ(tls->protocol, UploadProtocol::kFtpTls);
  EXPECT_EQ(tls->name, "10.0.0.2");
  EXPECT_EQ(PortOf(*tls), 2121);
  auto sftp = ParseUploadHost("sftp://[::1]");
  ASSERT_TRUE(sftp);
  EXPECT_EQ(sftp->name, "[::1]");
  EXPECT_EQ(PortOf(*sftp), 22);
  for (const char* bad : {"ftp://host", "host name", "-host", "host:", "[::1", "host:21:22"}) {
    EXPECT_FALSE(ParseUploadHost(bad)) << bad;
  }
}

}  // namespace
}  // namespace ventro
