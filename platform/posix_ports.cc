#include "platform/posix_ports.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "base/cp1252.h"
#include "platform/posix_baud.h"

namespace ventro {
namespace {

// How long a write waits for a stuck device to take more bytes before it gives up, so that a
// display or drawer that stopped listening cannot hang the till.
constexpr int kWriteTimeoutMs = 5000;

std::string_view Trim(std::string_view text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

bool IsPortName(const std::string& name) {
  for (int index = 0; index < kPortCount; ++index) {
    if (PortName(index) == name) return true;
  }
  return false;
}

// The termios constant of a standard rate; B0 for a rate termios has no constant for.
speed_t StandardSpeed(int baud) {
  switch (baud) {
    case 300:
      return B300;
    case 600:
      return B600;
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    case 230400:
      return B230400;
    default:
      return B0;
  }
}

class PosixPort : public Port {
 public:
  explicit PosixPort(int fd) : fd_(fd) {}
  ~PosixPort() override { close(fd_); }  // also releases the lock
  PosixPort(const PosixPort&) = delete;
  PosixPort& operator=(const PosixPort&) = delete;

  bool Configure(const SerialSettings& settings) override {
    termios line{};
    if (tcgetattr(fd_, &line) != 0) return false;
    if (!ApplySerialSettings(settings, line)) return false;
    if (tcsetattr(fd_, TCSANOW, &line) != 0) return false;
    return StandardSpeed(settings.baud_rate) != B0 || SetOtherBaudRate(fd_, settings.baud_rate);
  }

  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      ssize_t written = write(fd_, bytes.data(), bytes.size());
      if (written > 0) {
        bytes.remove_prefix(static_cast<size_t>(written));
        continue;
      }
      if (written < 0 && errno == EINTR) continue;
      if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        pollfd wait{fd_, POLLOUT, 0};
        int ready = poll(&wait, 1, kWriteTimeoutMs);
        if (ready > 0 && (wait.revents & POLLOUT)) continue;
        if (ready < 0 && errno == EINTR) continue;
      }
      return false;
    }
    return true;
  }

 private:
  int fd_;
};

// Bytes pass through a terminal line untouched: no echo, no line editing, no translation of
// line ends in either direction. The line's rate and character format stay as the system set
// them until Configure.
void MakeRaw(int fd) {
  termios line{};
  if (tcgetattr(fd, &line) != 0) return;
  line.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
  line.c_oflag &= ~OPOST;
  line.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  line.c_cflag |= CLOCAL | CREAD;
  tcsetattr(fd, TCSANOW, &line);
}

}  // namespace

bool ApplySerialSettings(const SerialSettings& settings, termios& line) {
  tcflag_t size = 0;
  switch (settings.data_bits) {
    case 5:
      size = CS5;
      break;
    case 6:
      size = CS6;
      break;
    case 7:
      size = CS7;
      break;
    case 8:
      size = CS8;
      break;
    default:
      return false;  // a UART has no other character sizes
  }
  // A UART sends one and a half stop bits for "two" when characters have five bits; with any
  // other size it cannot.
  if (settings.stop_bits == StopBits::kOneAndHalf && settings.data_bits != 5) return false;

  line.c_cflag = (line.c_cflag & ~CSIZE) | size;
  line.c_cflag &= ~(PARENB | PARODD);
  if (settings.parity == Parity::kEven) line.c_cflag |= PARENB;
  if (settings.parity == Parity::kOdd) line.c_cflag |= PARENB | PARODD;
  if (settings.stop_bits == StopBits::kOne) {
    line.c_cflag &= ~CSTOPB;
  } else {
    line.c_cflag |= CSTOPB;
  }
  // No flow control of either kind: the devices only listen.
  line.c_cflag &= ~CRTSCTS;
  line.c_iflag &= ~(IXON | IXOFF | IXANY);

  speed_t speed = StandardSpeed(settings.baud_rate);
  if (speed != B0) {
    cfsetispeed(&line, speed);
    cfsetospeed(&line, speed);
  }
  return true;
}

std::map<std::string, std::string> ParsePortMapping(std::string_view text) {
  std::map<std::string, std::string> mapping;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // an editor's UTF-8 mark
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::string_view entry = Trim(line);
    if (entry.empty() || entry.front() == '#') continue;
    size_t equals = entry.find('=');
    if (equals == std::string_view::npos) continue;
    std::string name = UpperCp1252(Trim(entry.substr(0, equals)));
    std::string device(Trim(entry.substr(equals + 1)));
    if (IsPortName(name) && !device.empty()) mapping[name] = device;
  }
  return mapping;
}

std::string DefaultPortDevice(const std::string& name) {
  if (!IsPortName(name)) return "";
  if (name.starts_with("COM")) return "/dev/ttyS" + std::to_string(name[3] - '1');
  return "/dev/lp" + std::to_string(name[3] - '1');
}

std::string PosixPorts::DeviceOf(const std::string& name) {
  if (!IsPortName(name)) return "";
  std::ifstream file(mapping_file_, std::ios::binary);
  if (file) {
    std::stringstream text;
    text << file.rdbuf();
    auto mapping = ParsePortMapping(text.str());
    if (auto it = mapping.find(name); it != mapping.end()) return it->second;
  }
  return DefaultPortDevice(name);
}

std::unique_ptr<Port> PosixPorts::Open(const std::string& name) {
  std::string device = DeviceOf(name);
  if (device.empty()) return nullptr;
  // Non-blocking, so that a serial line waiting for its carrier cannot stall the open.
  int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    close(fd);  // another operation holds the port
    return nullptr;
  }
  if (isatty(fd)) MakeRaw(fd);
  return std::make_unique<PosixPort>(fd);
}

}  // namespace ventro
