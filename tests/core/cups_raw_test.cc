// Raw jobs through a real CUPS scheduler: a private cupsd on its own socket and folders (no
// system service needed), and a raw queue whose device is a TCP socket this test listens on,
// so that the bytes the printer would get are captured exactly.
#include <arpa/inet.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

#include "cups/cups_raw_printer.h"
#include "devices/drawer.h"
#include "tests/core/test_platform.h"

extern char** environ;

namespace ventro {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using test::ShownMessage;
using test::TempDir;
using test::TestPlatform;

constexpr char kScheduler[] = "/usr/sbin/cupsd";
constexpr char kSocketBackend[] = "/usr/lib/cups/backend/socket";

// A printer's TCP port: every connection's bytes, kept once the sender has closed.
class CaptureListener {
 public:
  CaptureListener() {
    listen_fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listen_fd_ < 0 || bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listen_fd_, 4) != 0 ||
        getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~CaptureListener() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listen_fd_ >= 0) close(listen_fd_);
  }

  int port() const { return port_; }

  // The connections finished so far, after waiting up to `timeout` for `count` of them.
  std::vector<std::string> WaitFor(size_t count, std::chrono::seconds timeout) {
    std::unique_lock lock(mutex_);
    done_.wait_for(lock, timeout, [&] { return received_.size() >= count; });
    return received_;
  }

 private:
  // Polls briefly so that the destructor's stop is seen.
  static bool Readable(int fd) {
    pollfd ready{fd, POLLIN, 0};
    return poll(&ready, 1, 50) > 0;
  }

  void Serve() {
    while (!stop_) {
      if (!Readable(listen_fd_)) continue;
      int connection = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
      if (connection < 0) continue;
      std::string bytes;
      while (!stop_) {
        if (!Readable(connection)) continue;
        char buffer[512];
        ssize_t count = read(connection, buffer, sizeof buffer);
        if (count <= 0) break;
        bytes.append(buffer, static_cast<size_t>(count));
      }
      close(connection);
      std::lock_guard lock(mutex_);
      received_.push_back(bytes);
      done_.notify_all();
    }
  }

  int listen_fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable done_;
  std::vector<std::string> received_;
};

// A CUPS scheduler of the test's own: configuration, spool, state and logs in `dir`, reached
// only through a local socket there. `error` says why it could not be started.
class PrivateScheduler {
 public:
  explicit PrivateScheduler(const Path& dir) : socket_((dir / "cups.sock").string()) {
    if (access(kScheduler, X_OK) != 0) {
      error = std::string(kScheduler) + " is not installed (Debian package cups-daemon)";
      return;
    }
    if (access(kSocketBackend, X_OK) != 0) {
      error = std::string(kSocketBackend) + " is not installed (Debian package cups)";
      return;
    }
    for (const char* sub : {"spool", "cache", "state", "tmp", "log"}) {
      std::filesystem::create_directories(dir / sub);
    }
    std::string root = dir.string();
    std::ofstream(dir / "cupsd.conf") << "Listen " << socket_ << "\n"
                                      << "LogLevel warn\nBrowsing Off\nWebInterface No\n"
                                      << "DefaultAuthType None\n"
                                      << "<Location />\n  Order allow,deny\n  Allow all\n"
                                      << "</Location>\n"
                                      << "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                      << "  </Limit>\n</Policy>\n";
    std::ofstream(dir / "cups-files.conf")
        << "ServerRoot " << root << "\nStateDir " << root << "/state\nCacheDir " << root
        << "/cache\nRequestRoot " << root << "/spool\nTempDir " << root << "/tmp\n"
        << "AccessLog " << root << "/log/access_log\nErrorLog " << root << "/log/error_log\n"
        << "PageLog " << root << "/log/page_log\nPrintcap " << root << "/printcap\n"
        << "FileDevice Yes\nSystemGroup root\n";
    error_log_ = dir / "log" / "error_log";

    std::string conf = (dir / "cupsd.conf").string();
    std::string files_conf = (dir / "cups-files.conf").string();
    std::vector<char*> argv = {const_cast<char*>(kScheduler),
                               const_cast<char*>("-f"),
                               const_cast<char*>("-c"),
                               conf.data(),
                               const_cast<char*>("-s"),
                               files_conf.data(),
                               nullptr};
    if (posix_spawn(&pid_, kScheduler, nullptr, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
      error = "cupsd could not be started";
      return;
    }
    WaitUntilListening();
  }
  ~PrivateScheduler() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }

  const std::string& socket() const { return socket_; }
  std::string error;

 private:
  void WaitUntilListening() {
    auto deadline = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        std::ifstream log(error_log_);
        std::string text((std::istreambuf_iterator<char>(log)), {});
        error = "cupsd exited at start (status " + std::to_string(status) + "): " + text;
        return;
      }
      int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      socket_.copy(address.sun_path, sizeof address.sun_path - 1);
      bool up = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
      close(fd);
      if (up) return;
      std::this_thread::sleep_for(50ms);
    }
    error = "cupsd did not open its socket within 20 seconds";
  }

  std::string socket_;
  Path error_log_;
  pid_t pid_ = -1;
};

std::string PrinterUri(const std::string& queue) { return "ipp://localhost/printers/" + queue; }

// Adds (or changes) raw queue `queue` sending to `device`, enabled and accepting jobs.
bool AddRawQueue(const std::string& queue, const std::string& device) {
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               PrinterUri(queue).c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, device.c_str());
  ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
  ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
  ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/admin/"));
  return cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

bool SetDefaultQueue(const std::string& queue) {
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_SET_DEFAULT);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               PrinterUri(queue).c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/admin/"));
  return cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

class CupsRaw : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!scheduler.error.empty()) GTEST_SKIP() << "no private CUPS scheduler: " << scheduler.error;
    ASSERT_NE(listener.port(), 0);
    cupsSetServer(scheduler.socket().c_str());
    ASSERT_TRUE(AddRawQueue("receipt", "socket://127.0.0.1:" + std::to_string(listener.port())))
        << cupsLastErrorString();
    settings.ApplyFirstRunDefaults({2026, 12, 6, 9, 30, 0, 0});
  }
  void TearDown() override { cupsSetServer(nullptr); }

  // The jobs queue `queue` holds, finished or not.
  std::vector<std::pair<std::string, std::string>> Jobs(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::pair<std::string, std::string>> titles_and_formats;
    for (int k = 0; k < count; ++k) titles_and_formats.emplace_back(jobs[k].title, jobs[k].format);
    cupsFreeJobs(count, jobs);
    return titles_and_formats;
  }

  TempDir dir;
  PrivateScheduler scheduler{dir.path()};
  CaptureListener listener;
  TestPlatform p;
  CupsRawPrinter cups;
  Platform platform{p.ui, p.clock, p.locale, p.sound, p.shell, p.files, p.ports, cups, p.printer};
  SettingsRecord settings;
};

TEST_F(CupsRaw, DrawerThroughTheReceiptPrinterArrivesAsOneRawJob) {
  // First run: drawer through the receipt printer with "27,112,0,25,250".
  settings.Set(cfg::kReceiptPrinterName, "receipt");
  ASSERT_TRUE(OpenTillDrawer(platform, settings));
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_EQ(listener.WaitFor(1, 60s), std::vector<std::string>{"\x1b\x70\x00\x19\xfa"s});
  EXPECT_EQ(Jobs("receipt"),
            (std::vector<std::pair<std::string, std::string>>{{"VENTRO", CUPS_FORMAT_RAW}}));
}

TEST_F(CupsRaw, AnEmptyNameMeansTheDefaultPrinterAndNamesAreListed) {
  ASSERT_TRUE(AddRawQueue("spare", "socket://127.0.0.1:9"));
  ASSERT_TRUE(SetDefaultQueue("receipt")) << cupsLastErrorString();
  EXPECT_EQ(cups.PrinterNames(), (std::vector<std::string>{"receipt", "spare"}));
  ASSERT_TRUE(cups.Send("", "VENTRO", "\x07"));
  EXPECT_EQ(listener.WaitFor(1, 60s), std::vector<std::string>{"\x07"});
}

TEST_F(CupsRaw, APrinterTheSystemDoesNotKnowIsReported) {
  settings.Set(cfg::kReceiptPrinterName, "no such printer");
  EXPECT_FALSE(OpenTillDrawer(platform, settings));
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Unable to open printer for till drawer"}}));
  EXPECT_TRUE(Jobs("receipt").empty());
}

}  // namespace
}  // namespace ventro
