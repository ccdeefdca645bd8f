// The upload's transfers through libcurl against local servers: files arrive byte for byte, a
// refused account stores nothing, a cut-off transfer is sent again whole, and a server that
// goes away fails the file. FTP with TLS only ever talks to a server it can verify, and SFTP
// only to a host whose key is known.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "curl/curl_file_sender.h"
#include "ftp_test_server.h"
#include "platform/uploader.h"
#include "test_platform.h"

namespace ventro {
namespace {

using Kind = UploadEvent::Kind;

class UploadTransferTest : public testing::Test {
 protected:
  UploadTransferTest() {
    std::filesystem::create_directories(remote());
    sender.first_retry = std::chrono::milliseconds(50);
    sender.second_retry = std::chrono::milliseconds(100);
  }

  Path remote() const { return dir.path() / "remote"; }

  UploadFile Local(const std::string& name, const std::string& bytes) {
    std::ofstream(dir.path() / name, std::ios::binary) << bytes;
    return {dir.path() / name, name};
  }

  // Sends through the uploader's worker, as the program does, and gives the events in order.
  std::vector<UploadEvent> Send(const std::string& host, const std::string& password,
                                const std::vector<UploadFile>& files) {
    std::vector<UploadEvent> events;
    Uploader uploader(sender, {});
    UploadServer server{host, "shop", password, dir.path() / "upload-ca.pem",
                        dir.path() / "known_hosts"};
    EXPECT_TRUE(uploader.Start(server, files, [&](const UploadEvent& e) { events.push_back(e); }));
    uploader.Wait();
    EXPECT_FALSE(uploader.Running());
    return events;
  }

  static std::vector<Kind> Kinds(const std::vector<UploadEvent>& events) {
    std::vector<Kind> kinds;
    for (const UploadEvent& e : events) {
      if (e.kind != Kind::kProgress) kinds.push_back(e.kind);
    }
    return kinds;
  }

  std::string Stored(const std::string& name) {
    return std::filesystem::exists(remote() / name)
               ? StdFiles().ReadAll(remote() / name).value_or("<unreadable>")
               : "<missing>";
  }

  test::TempDir dir;
  CurlFileSender sender;
};

// Bytes a text transfer would change: bare LF, CR LF, NUL and the top half.
std::string Awkward(size_t size) {
  std::string bytes;
  for (size_t i = 0; i < size; ++i) bytes += static_cast<char>((i * 7 + i / 256) % 256);
  return bytes + "\n\r\n\x1a";
}

TEST_F(UploadTransferTest, FilesArriveByteForByteUnderTheirNames) {
  test::FtpTestServer server(remote(), "shop", "pa:ss@word");
  ASSERT_NE(server.port(), 0);
  const std::string big = Awkward(300000);
  auto events = Send(server.host(), "pa:ss@word",
                     {Local("Activity.txt", "Tea & Cakes\r\n"), Local("Dly items #1.txt", big)});
  EXPECT_EQ(Kinds(events),
            (std::vector<Kind>{Kind::kLoggedIn, Kind::kFileSent, Kind::kFileSent, Kind::kEnded}));
  EXPECT_EQ(Stored("Activity.txt"), "Tea & Cakes\r\n");
  EXPECT_EQ(Stored("Dly items #1.txt"), big);
}

TEST_F(UploadTransferTest, RefusedLoginSendsNothingAndIsNotRetried) {
  test::FtpTestServer server(remote(), "shop", "right");
  ASSERT_NE(server.port(), 0);
  const auto started = std::chrono::steady_clock::now();
  auto events = Send(server.host(), "wrong", {Local("Activity.txt", "x")});
  EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kConnectFailed, Kind::kEnded}));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_TRUE(std::filesystem::is_empty(remote()));
}

TEST_F(UploadTransferTest, DroppedDataConnectionIsSentAgainWhole) {
  test::FtpTestServer server(remote(), "shop", "pw", {"--drop-once"});
  ASSERT_NE(server.port(), 0);
  const std::string bytes = Awkward(200000);
  auto events = Send(server.host(), "pw", {Local("Reorder.txt", bytes)});
  EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kLoggedIn, Kind::kFileSent, Kind::kEnded}));
  EXPECT_EQ(Stored("Reorder.txt"), bytes);
}

TEST_F(UploadTransferTest, ServerGoneMidFileFailsItAndTheRestAreStillTried) {
  test::FtpTestServer server(remote(), "shop", "pw", {"--die-on-data"});
  ASSERT_NE(server.port(), 0);
  auto events = Send(server.host(), "pw",
                     {Local("Activity.txt", Awkward(100000)), Local("Reorder.txt", "r")});
  EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kLoggedIn, Kind::kFileFailed, Kind::kFileFailed,
                                              Kind::kEnded}));
  // Progress events come between the others on a slow machine: look at the failures themselves.
  for (const UploadEvent& event : events) {
    if (event.kind == Kind::kFileFailed) {
      EXPECT_FALSE(event.reason.empty()) << event.name;
    }
  }
}

TEST_F(UploadTransferTest, NoServerListeningIsAConnectFailure) {
  int port = 0;
  {
    test::FtpTestServer server(remote(), "shop", "pw");
    port = server.port();
  }
  auto events = Send("127.0.0.1:" + std::to_string(port), "pw", {Local("Activity.txt", "x")});
  EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kConnectFailed, Kind::kEnded}));
}

// A server that takes the connection and never greets: cancelling the upload, as the program
// does when it ends, stops it while it waits, not after the 30 s allowed for connecting.
TEST_F(UploadTransferTest, CancelStopsAnUploadStillWaitingForTheServer) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
  ASSERT_EQ(listen(listener, 1), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);

  Uploader uploader(sender, {});
  UploadServer server{"127.0.0.1:" + std::to_string(ntohs(address.sin_port)), "shop", "pw", {}, {}};
  ASSERT_TRUE(uploader.Start(server, {Local("Activity.txt", "x")}, [](const UploadEvent&) {}));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const auto asked = std::chrono::steady_clock::now();
  uploader.Cancel();
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(10));
  EXPECT_FALSE(uploader.Running());
  close(listener);
}

// FTP with TLS needs libcurl's TLS and the server's python3-openssl.
#define SKIP_WITHOUT_TLS()                                           \
  if (!CurlSupportsTls()) GTEST_SKIP() << "this libcurl has no TLS"; \
  if (!test::PythonHas("OpenSSL")) GTEST_SKIP() << "python3-openssl is not installed"

TEST_F(UploadTransferTest, TlsFilesArriveByteForByteFromAServerTheCaFileVouchesFor) {
  SKIP_WITHOUT_TLS();
  test::FtpTestServer server(remote(), "shop", "pw",
                             {"--tls-ca", (dir.path() / "upload-ca.pem").string()});
  ASSERT_NE(server.port(), 0);
  const std::string big = Awkward(300000);
  auto events = Send("ftpes://" + server.host(), "pw",
                     {Local("Activity.txt", "Tea & Cakes\r\n"), Local("Dlyitems.txt", big)});
  EXPECT_EQ(Kinds(events),
            (std::vector<Kind>{Kind::kLoggedIn, Kind::kFileSent, Kind::kFileSent, Kind::kEnded}));
  EXPECT_EQ(Stored("Activity.txt"), "Tea & Cakes\r\n");
  const std::string stored = Stored("Dlyitems.txt");
  EXPECT_EQ(stored.size(), big.size());
  EXPECT_TRUE(stored == big);
}

TEST_F(UploadTransferTest, TlsRefusesAServerItCannotVerify) {
  SKIP_WITHOUT_TLS();
  // The server's authority is written beside upload-ca.pem, not as it: only the system's
  // certificates are trusted, and they do not know it.
  test::FtpTestServer server(remote(), "shop", "pw",
                             {"--tls-ca", (dir.path() / "other-ca.pem").string()});
  ASSERT_NE(server.port(), 0);
  auto events = Send("ftpes://" + server.host(), "pw", {Local("Activity.txt", "secret")});
  EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kConnectFailed, Kind::kEnded}));
  EXPECT_TRUE(std::filesystem::is_empty(remote()));
}

TEST_F(UploadTransferTest, TlsNeverFallsBackToPlainFtp) {
  if (!CurlSupportsTls()) GTEST_SKIP() << "this libcurl has no TLS";
  test::FtpTestServer server(remote(), "shop", "pw");  // no TLS at all
  ASSERT_NE(server.port(), 0);
  auto events = Send("ftpes://" + server.host(), "pw", {Local("Activity.txt", "secret")});
  EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kConnectFailed, Kind::kEnded}));
  EXPECT_TRUE(std::filesystem::is_empty(remote()));
}

#define SKIP_WITHOUT_SFTP()                                            \
  if (!CurlSupportsSftp()) GTEST_SKIP() << "this libcurl has no SFTP"; \
  if (!test::PythonHas("asyncssh")) GTEST_SKIP() << "python3-asyncssh is not installed"

TEST_F(UploadTransferTest, SftpFilesArriveInTheLoginFolder) {
  SKIP_WITHOUT_SFTP();
  test::SftpTestServer server(remote(), "shop", "pa:ss@word",
                              {"--known-hosts", (dir.path() / "known_hosts").string()});
  ASSERT_NE(server.port(), 0);
  const std::string big = Awkward(300000);
  auto events = Send("sftp://" + server.host(), "pa:ss@word",
                     {Local("Activity.txt", "Tea & Cakes\r\n"), Local("Dly items #1.txt", big)});
  EXPECT_EQ(Kinds(events),
            (std::vector<Kind>{Kind::kLoggedIn, Kind::kFileSent, Kind::kFileSent, Kind::kEnded}));
  EXPECT_EQ(Stored("Activity.txt"), "Tea & Cakes\r\n");
  EXPECT_EQ(Stored("Dly items #1.txt"), big);
}

TEST_F(UploadTransferTest, SftpRefusesAHostWhoseKeyIsNotKnown) {
  SKIP_WITHOUT_SFTP();
  {
    SCOPED_TRACE("no known_hosts");
    test::SftpTestServer server(remote(), "shop", "pw");
    ASSERT_NE(server.port(), 0);
    auto events = Send("sftp://" + server.host(), "pw", {Local("Activity.txt", "secret")});
    EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kConnectFailed, Kind::kEnded}));
  }
  {
    SCOPED_TRACE("another key listed for the host");
    test::SftpTestServer server(
        remote(), "shop", "pw",
        {"--known-hosts", (dir.path() / "known_hosts").string(), "--other-key"});
    ASSERT_NE(server.port(), 0);
    auto events = Send("sftp://" + server.host(), "pw", {Local("Activity.txt", "secret")});
    EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kConnectFailed, Kind::kEnded}));
  }
  EXPECT_TRUE(std::filesystem::is_empty(remote()));
}

TEST_F(UploadTransferTest, SftpRefusedPasswordSendsNothing) {
  SKIP_WITHOUT_SFTP();
  test::SftpTestServer server(remote(), "shop", "right",
                              {"--known-hosts", (dir.path() / "known_hosts").string()});
  ASSERT_NE(server.port(), 0);
  auto events = Send("sftp://" + server.host(), "wrong", {Local("Activity.txt", "x")});
  EXPECT_EQ(Kinds(events), (std::vector<Kind>{Kind::kConnectFailed, Kind::kEnded}));
  EXPECT_TRUE(std::filesystem::is_empty(remote()));
}

}  // namespace
}  // namespace ventro
