// A pseudo-terminal pair standing in for a till port: the code under test opens the slave
// side by its path, through the port mapping as a shop would set it, and the test reads what
// arrived on the master side and the line settings left on the slave.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

namespace ventro::test {

class PseudoTerminal {
 public:
  PseudoTerminal() {
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) return;
    const char* name = ttyname(slave_);
    if (name) path_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~PseudoTerminal() {
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool ok() const { return !path_.empty(); }
  // The slave's device path, such as "/dev/pts/3".
  const std::string& path() const { return path_; }

  // Everything that arrived: waits up to `first_ms` for the first `at_least` bytes, then until
  // the line stays quiet for a moment (the terminal layer hands bytes on asynchronously).
  std::string Read(size_t at_least = 1, int first_ms = 2000) {
    std::string bytes;
    int wait = first_ms;
    while (true) {
      pollfd ready{master_, POLLIN, 0};
      if (poll(&ready, 1, wait) <= 0) break;
      char buffer[256];
      ssize_t count = read(master_, buffer, sizeof buffer);
      if (count <= 0) break;
      bytes.append(buffer, static_cast<size_t>(count));
      wait = bytes.size() < at_least ? first_ms : 100;
    }
    return bytes;
  }
  // For checks that nothing was sent: a short wait is enough, as a write has been handed to
  // the terminal before the function under test returned.
  std::string ReadNothing() { return Read(1, 200); }

  termios SlaveSettings() const {
    termios line{};
    tcgetattr(slave_, &line);
    return line;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

}  // namespace ventro::test
