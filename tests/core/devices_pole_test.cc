// The pole display on a pseudo-terminal: the bytes of each message with its control codes,
// the line settings it applies, and what happens when the display is off or unreachable.
#include <gtest/gtest.h>

#include "devices/pole_display.h"
#include "tests/core/devices_pty.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

using test::PseudoTerminal;
using test::ShownMessage;
using test::TestPlatform;

class Pole : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    settings.ApplyFirstRunDefaults({2026, 12, 6, 9, 30, 0, 0});
    settings.Set(cfg::kPoleInUse, 2);
    settings.Set(cfg::kPolePort, 2);  // COM3
    p.ports.MapPort("COM3", pty.path());
    // A standard ESC/POS display.
    settings.Set(cfg::kPoleString, PoleString::kClearDisplay, "27,64");
    settings.Set(cfg::kPoleString, PoleString::kCursorLine1, "11");
    settings.Set(cfg::kPoleString, PoleString::kCursorLine2, "11,10");
  }
  void Unplug() { p.ports.MapPort("COM3", "/nonexistent/ttyUSB0"); }

  TestPlatform p;
  PseudoTerminal pty;
  SettingsRecord settings;
};

TEST_F(Pole, LastItemShowsTwelveCharactersWholeAndCutsThirteen) {
  EXPECT_TRUE(ShowPoleLastItem(p.platform, settings, "WHOLE MILK 2", 1.5));
  EXPECT_EQ(pty.Read(), "\x1b\x40\x0bWHOLE MILK 2 1.50");
  EXPECT_TRUE(ShowPoleLastItem(p.platform, settings, "WHOLE MILK 2L", 1.5));
  EXPECT_EQ(pty.Read(), "\x1b\x40\x0bWHOLE MILK 2  1.50");
  // The price part of a cut line is ten characters at most.
  EXPECT_EQ(PoleItemText("CHAMPAGNE CASE", 1234567.891), "CHAMPAGNE CA  1234567.");
  EXPECT_EQ(PoleItemText("", 0), " 0.00");
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(Pole, TotalPassiveTextAndTheCodesThatAreLeftEmpty) {
  EXPECT_TRUE(ShowPoleTotal(p.platform, settings, 12.5));
  EXPECT_EQ(pty.Read(), "\x1b\x40\x0bTotal: 12.50");

  settings.Set(cfg::kPoleString, PoleString::kCursorLine1, "");
  settings.Set(cfg::kPoleString, PoleString::kPassiveText, "WELCOME TO THE SHOP");
  EXPECT_TRUE(ShowPolePassiveText(p.platform, settings));
  EXPECT_EQ(pty.Read(), "\x1b\x40WELCOME TO THE SHOP");

  settings.Set(cfg::kPoleString, PoleString::kClearDisplay, "");
  settings.Set(cfg::kPoleString, PoleString::kCursorLine1, "27,91,72");
  EXPECT_TRUE(InitialisePoleDisplay(p.platform, settings));
  EXPECT_EQ(pty.Read(), "\x1b[HWELCOME TO THE SHOP");
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(Pole, TenderAndChangeUseBothLinesFramedByThePrinterCodes) {
  settings.Set(cfg::kPoleString, PoleString::kPrinterOff, "27,61,2");
  settings.Set(cfg::kPoleString, PoleString::kPrinterOn, "27,61,1");
  EXPECT_TRUE(ShowPoleTenderAndChange(p.platform, settings, 20, 7.5));
  std::string expected =
      "\x1b=\x02"
      "\x1b\x40\x0bTender: 20.00\x0b\nChange: 7.50"
      "\x1b=\x01";
  EXPECT_EQ(pty.Read(expected.size()), expected);
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(Pole, MessagesApplyThePageLineSettings) {
  settings.Set(cfg::kPoleBaudRate, 7);  // 19200
  settings.Set(cfg::kPoleParity, 2);    // odd
  settings.Set(cfg::kPoleDataBits, 4);  // 7
  settings.Set(cfg::kPoleStopBits, 2);  // 2
  EXPECT_TRUE(ShowPoleTotal(p.platform, settings, 1));
  termios line = pty.SlaveSettings();
  EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B19200));
  EXPECT_TRUE(line.c_cflag & PARODD);
  EXPECT_TRUE(line.c_cflag & CSTOPB);
  SerialSettings chosen = PoleSerialSettings(settings);
  EXPECT_EQ(chosen.data_bits, 7);  // a pseudo-terminal always reports eight
  EXPECT_EQ(chosen.parity, Parity::kOdd);
}

TEST_F(Pole, NothingIsTouchedWithThePoleOff) {
  settings.Set(cfg::kPoleInUse, 0);
  settings.Set(cfg::kPoleString, PoleString::kPrinterOff, "1");
  settings.Set(cfg::kPoleString, PoleString::kPrinterOn, "2");
  EXPECT_FALSE(ShowPolePassiveText(p.platform, settings));
  EXPECT_FALSE(ShowPoleLastItem(p.platform, settings, "MILK", 1));
  EXPECT_FALSE(ShowPoleTotal(p.platform, settings, 1));
  EXPECT_FALSE(ShowPoleTenderAndChange(p.platform, settings, 1, 0));
  EXPECT_EQ(pty.ReadNothing(), "");
  // Not even opened: an unreachable port would have said so.
  Unplug();
  EXPECT_FALSE(ShowPolePassiveText(p.platform, settings));
  EXPECT_FALSE(ShowPoleTotal(p.platform, settings, 1));
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(Pole, AnUnreachablePortIsReportedAndTheNextMessageGoesThrough) {
  Unplug();
  EXPECT_FALSE(ShowPoleTotal(p.platform, settings, 3));
  EXPECT_FALSE(ShowPolePassiveText(p.platform, settings));
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Unable to open port"},
                                                      {"Pole display", "Unable to open port"}}));

  // Every opening is tried and reported: the printer-off list, the message, the printer-on
  // list (which is never skipped, so a daisy-chained printer is not left switched off).
  p.ui.messages.clear();
  settings.Set(cfg::kPoleString, PoleString::kPrinterOff, "1");
  settings.Set(cfg::kPoleString, PoleString::kPrinterOn, "2");
  EXPECT_FALSE(ShowPoleLastItem(p.platform, settings, "MILK", 1));
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>(3, "Unable to open port"));

  // A port index beyond COM8 is a port that cannot be opened.
  p.ui.messages.clear();
  settings.Set(cfg::kPolePort, 8);
  settings.Set(cfg::kPoleString, PoleString::kPrinterOff, "");
  settings.Set(cfg::kPoleString, PoleString::kPrinterOn, "");
  EXPECT_FALSE(ShowPoleTotal(p.platform, settings, 3));
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Unable to open port"});

  settings.Set(cfg::kPolePort, 2);
  p.ports.MapPort("COM3", pty.path());
  EXPECT_TRUE(ShowPoleTotal(p.platform, settings, 3));
  EXPECT_EQ(pty.Read(), "\x1b\x40\x0bTotal: 3.00");
}

}  // namespace
}  // namespace ventro
