// The POSIX ports: where each port name leads (defaults and ports.txt), the line settings a
// real terminal keeps, bytes passing untouched, and a port held by one operation at a time.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "devices/port_output.h"
#include "platform/posix_ports.h"
#include "tests/core/devices_pty.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

using test::PseudoTerminal;
using test::TempDir;
using test::TestPorts;

TEST(PortMapping, DefaultsAndTheMappingFileLines) {
  EXPECT_EQ(DefaultPortDevice("COM1"), "/dev/ttyS0");
  EXPECT_EQ(DefaultPortDevice("COM8"), "/dev/ttyS7");
  EXPECT_EQ(DefaultPortDevice("LPT1"), "/dev/lp0");
  EXPECT_EQ(DefaultPortDevice("LPT2"), "/dev/lp1");
  EXPECT_EQ(DefaultPortDevice("COM9"), "");
  EXPECT_EQ(DefaultPortDevice("COM1:"), "");

  auto mapping = ParsePortMapping(
      "\xEF\xBB\xBF# the display sits on a USB adapter\r\n"
      "com3 = /dev/ttyUSB0\r\n"
      "\n"
      "LPT1=/dev/usb/lp0\n"
      "COM9=/dev/ttyS8\n"
      "COM4\n"
      "COM5=\n"
      "LPT1=/dev/usb/lp1\n"
      "COM2=/dev/serial/by-id/usb-Prolific port0");
  EXPECT_EQ(mapping,
            (std::map<std::string, std::string>{{"COM2", "/dev/serial/by-id/usb-Prolific port0"},
                                                {"COM3", "/dev/ttyUSB0"},
                                                {"LPT1", "/dev/usb/lp1"}}));
}

TEST(PortMapping, TheFileIsReadAgainAtEveryUse) {
  TempDir dir;
  PosixPorts ports(dir.path() / kPortMappingFileName);
  EXPECT_EQ(ports.DeviceOf("COM3"), "/dev/ttyS2");  // no file: the defaults
  std::ofstream(dir.path() / kPortMappingFileName) << "COM3=/dev/ttyUSB0\n";
  EXPECT_EQ(ports.DeviceOf("COM3"), "/dev/ttyUSB0");
  EXPECT_EQ(ports.DeviceOf("COM4"), "/dev/ttyS3");
  EXPECT_EQ(ports.DeviceOf("PRN"), "");
  EXPECT_EQ(ports.Open("PRN"), nullptr);
  EXPECT_EQ(ports.Open(""), nullptr);
}

class PortLine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    ports.MapPort("COM2", pty.path());
  }
  PseudoTerminal pty;
  TestPorts ports;
};

TEST(SerialLine, FormatBitsAsAUartTakesThem) {
  termios line{};
  line.c_cflag = CS8 | CRTSCTS;
  line.c_iflag = IXON | IXOFF;
  ASSERT_TRUE(ApplySerialSettings({19200, 7, Parity::kEven, StopBits::kTwo}, line));
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
  EXPECT_EQ(line.c_cflag & (PARENB | PARODD), static_cast<tcflag_t>(PARENB));
  EXPECT_TRUE(line.c_cflag & CSTOPB);
  EXPECT_FALSE(line.c_cflag & CRTSCTS);
  EXPECT_FALSE(line.c_iflag & (IXON | IXOFF));
  EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B19200));

  ASSERT_TRUE(ApplySerialSettings({9600, 8, Parity::kOdd, StopBits::kOne}, line));
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(line.c_cflag & (PARENB | PARODD), static_cast<tcflag_t>(PARENB | PARODD));
  EXPECT_FALSE(line.c_cflag & CSTOPB);

  ASSERT_TRUE(ApplySerialSettings({4800, 5, Parity::kNone, StopBits::kOneAndHalf}, line));
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS5));
  EXPECT_FALSE(line.c_cflag & PARENB);
  EXPECT_TRUE(line.c_cflag & CSTOPB);

  // One and a half stop bits exist only with five data bits, four data bits not at all; a
  // refused format leaves the line as it was.
  termios before = line;
  EXPECT_FALSE(ApplySerialSettings({9600, 8, Parity::kNone, StopBits::kOneAndHalf}, line));
  EXPECT_FALSE(ApplySerialSettings({9600, 4, Parity::kNone, StopBits::kOne}, line));
  EXPECT_EQ(line.c_cflag, before.c_cflag);
  EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B4800));
}

// A pseudo-terminal keeps the rate, stop bits and parity sense it is given, but always reports
// eight data bits without parity, so those two are checked on the settings above instead.
TEST_F(PortLine, ConfigureReachesTheTerminal) {
  auto port = ports.Open("COM2");
  ASSERT_NE(port, nullptr);
  ASSERT_TRUE(port->Configure({19200, 7, Parity::kOdd, StopBits::kTwo}));
  termios line = pty.SlaveSettings();
  EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B19200));
  EXPECT_EQ(cfgetispeed(&line), static_cast<speed_t>(B19200));
  EXPECT_TRUE(line.c_cflag & PARODD);
  EXPECT_TRUE(line.c_cflag & CSTOPB);
  EXPECT_FALSE(line.c_cflag & CRTSCTS);

  ASSERT_TRUE(port->Configure({2400, 8, Parity::kEven, StopBits::kOne}));
  line = pty.SlaveSettings();
  EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B2400));
  EXPECT_FALSE(line.c_cflag & PARODD);
  EXPECT_FALSE(line.c_cflag & CSTOPB);

  // A refused format changes nothing on the line.
  EXPECT_FALSE(port->Configure({115200, 4, Parity::kNone, StopBits::kTwo}));
  line = pty.SlaveSettings();
  EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B2400));

  // Rates termios has no constant for go through the kernel's free-rate setting.
  ASSERT_TRUE(port->Configure({14400, 8, Parity::kNone, StopBits::kOne}));
  line = pty.SlaveSettings();
  EXPECT_EQ(line.c_cflag & CBAUD, static_cast<tcflag_t>(CBAUDEX));
}

TEST_F(PortLine, BytesPassUntouchedAndThePortIsHeldByOneOperation) {
  std::string bytes("\x1b\x40\n\r\x00\xff\x11\x13\x03 text", 14);
  {
    auto port = ports.Open("COM2");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(ports.Open("COM2"), nullptr);  // not shared while open
    ASSERT_TRUE(port->Write(bytes));
  }
  EXPECT_EQ(pty.Read(), bytes);
  EXPECT_NE(ports.Open("COM2"), nullptr);  // closed: free again
}

// A device that stops taking bytes (a printer out of paper holding its line) must not hang the
// till: a write that cannot go on for 5 seconds fails, the port is closed and the clerk told.
TEST_F(PortLine, AWriteNobodyTakesGivesUpAfterFiveSeconds) {
  test::FakeUi ui;
  const std::string flood(4 << 20, 'x');  // far more than the terminal layer buffers
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(WriteToPort(ports, ui, "COM2", nullptr, {flood}, "Till drawer"));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(4900));
  EXPECT_LT(waited, std::chrono::seconds(15));
  EXPECT_EQ(ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Unable write to port"}}));
  EXPECT_NE(ports.Open("COM2"), nullptr);  // closed: free again
}

TEST_F(PortLine, AMissingDeviceIsNotCreated) {
  TempDir dir;
  Path missing = dir.path() / "ttyUSB9";
  ports.MapPort("COM4", missing.string());
  EXPECT_EQ(ports.Open("COM4"), nullptr);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
}  // namespace ventro
