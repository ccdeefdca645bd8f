// The local servers the upload tests send to (tests/servers/*.py under Debian's python3):
// started on a free port of 127.0.0.1 serving a folder to one account, ended with SIGTERM.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "test_platform.h"

namespace ventro::test {

// Whether Debian's python3 can import `module`, which a server script needs.
inline bool PythonHas(const std::string& module) {
  const std::string command = "/usr/bin/python3 -W ignore -c 'import " + module + "' 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

// A server script that prints "port N" once it listens.
class TestServerProcess {
 public:
  TestServerProcess(const std::string& script, std::vector<std::string> arguments) {
    int from_server[2];
    if (pipe(from_server) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(from_server[1], 1);
      close(from_server[0]);
      const int quiet = open("/dev/null", O_WRONLY);  // the server's log of each command
      if (quiet >= 0) dup2(quiet, 2);
      std::vector<std::string> words = {"/usr/bin/python3", VENTRO_TEST_SERVERS "/" + script};
      words.insert(words.end(), arguments.begin(), arguments.end());
      std::vector<char*> argv;
      for (std::string& word : words) argv.push_back(word.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(from_server[1]);
    FILE* output = fdopen(from_server[0], "r");
    char line[64] = {};
    if (output && std::fgets(line, sizeof line, output)) std::sscanf(line, "port %d", &port_);
    if (output) std::fclose(output);
  }
  ~TestServerProcess() { Stop(); }
  TestServerProcess(const TestServerProcess&) = delete;
  TestServerProcess& operator=(const TestServerProcess&) = delete;

  // 0 when the server did not come up.
  int port() const { return port_; }
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }

  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

inline std::vector<std::string> Account(const Path& root, const std::string& user,
                                        const std::string& password,
                                        const std::vector<std::string>& options) {
  std::vector<std::string> words = {"--root", root.string(), "--user",
                                    user,     "--password",  password};
  words.insert(words.end(), options.begin(), options.end());
  return words;
}

// FTP; `options` are extra switches of the server script, e.g. "--drop-once", or "--tls-ca PATH"
// for FTP with explicit TLS under a certificate from a test authority written to PATH.
class FtpTestServer : public TestServerProcess {
 public:
  FtpTestServer(const Path& root, const std::string& user, const std::string& password,
                const std::vector<std::string>& options = {})
      : TestServerProcess("ftp_server.py", Account(root, user, password, options)) {}
};

// SFTP with a password login, `root` as the login folder; "--known-hosts PATH" writes its host
// key's line there ("--other-key": a different key's).
class SftpTestServer : public TestServerProcess {
 public:
  SftpTestServer(const Path& root, const std::string& user, const std::string& password,
                 const std::vector<std::string>& options = {})
      : TestServerProcess("sftp_server.py", Account(root, user, password, options)) {}
};

}  // namespace ventro::test
