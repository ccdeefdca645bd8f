// The "Till configuration" and "Pole configuration" pages of the configuration sheet: what
// they show (the device behind each port), what they store, and the pole page's Preview.
#include <gtest/gtest.h>

#include <functional>

#include "setup/config_sheet.h"
#include "tests/core/devices_pty.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

using test::PseudoTerminal;
using test::TestPlatform;

class TillPages : public ::testing::Test {
 protected:
  TillPages() { settings.ApplyFirstRunDefaults({2026, 12, 6, 9, 30, 0, 0}); }

  void RunSheet(std::function<bool(Dialog&)> answer) {
    p.ui.dialog_answers.push_back(std::move(answer));
    RunConfigurationSheet(p.ui, p.clock.now, settings, &p.platform);
  }

  TestPlatform p;
  SettingsRecord settings;
};

TEST_F(TillPages, PagesFollowTheGeneralOnesAndShowWherePortsLead) {
  p.ports.MapPort("COM3", "/dev/ttyUSB0");
  settings.Set(cfg::kDrawerPort, 8);
  settings.Set(cfg::kPolePort, 1);
  Dialog shown;
  RunSheet([&](Dialog& d) {
    EXPECT_EQ(d.Field("pole_device").text, p.ports.DeviceOf("COM2"));
    d.Field("pole_port").choice = 2;
    d.on_change(d, "pole_port");
    shown = d;
    return false;
  });
  EXPECT_EQ(shown.Field("pole_device").text, "/dev/ttyUSB0");
  EXPECT_EQ(shown.Field("drawer_device").text, p.ports.DeviceOf("LPT1"));
  EXPECT_EQ(shown.Field("drawer_port").options.at(8), "LPT1:");
  EXPECT_EQ(shown.Field("pole_port").options.at(7), "COM8");
  EXPECT_EQ(shown.actions, (std::vector<std::string>{"Apply", "Preview"}));

  std::vector<std::string> pages;
  for (const DialogField& field : shown.fields) {
    if (pages.empty() || pages.back() != field.page) pages.push_back(field.page);
  }
  EXPECT_EQ(pages, (std::vector<std::string>{"General", "Terms", "Receipts", "Till configuration",
                                             "Pole configuration"}));
  std::string table = shown.Field("printer_sequences").text;
  EXPECT_EQ(table.substr(0, table.find('\n')), "Citizen 230: 27,112,0,50,250");
  EXPECT_EQ(table.substr(table.rfind('\n') + 1), "Samsung SRP 270: 27,112,0,60,240");
  // Cancelled: nothing stored.
  EXPECT_EQ(settings.Get(cfg::kPolePort), 1);
}

TEST_F(TillPages, TillPageStoresTheDrawerAndKeepsNumbersOutOfRange) {
  RunSheet([](Dialog& d) {
    EXPECT_EQ(d.Field("drawer_connection").choice, 1);  // first run: receipt printer
    EXPECT_EQ(d.Field("printer_sequence").text, "27,112,0,25,250");
    d.Field("drawer_connection").choice = 0;
    d.Field("drawer_port").choice = 9;
    d.Field("open_character").text = "255";
    d.Field("repeat").text = "10";
    d.Field("printer_sequence").text = "27,112,48,55,121";
    d.Field("open_automatically").checked = true;
    return true;
  });
  EXPECT_EQ(settings.Get(cfg::kDrawerConnection), 0);
  EXPECT_EQ(settings.Get(cfg::kDrawerPort), 9);
  EXPECT_EQ(settings.Get(cfg::kDrawerOpenCharacter), 255);
  EXPECT_EQ(settings.Get(cfg::kDrawerRepeat), 10);
  EXPECT_EQ(settings.Get(cfg::kDrawerSequence), "27,112,48,55,121");
  EXPECT_EQ(settings.Get(cfg::kOpenDrawerAfterCommit), 1);

  RunSheet([](Dialog& d) {
    d.Field("drawer_connection").choice = 1;
    d.Field("open_character").text = "256";
    d.Field("repeat").text = "0";
    d.Field("open_automatically").checked = false;
    return true;
  });
  EXPECT_EQ(settings.Get(cfg::kDrawerConnection), 2);
  EXPECT_EQ(settings.Get(cfg::kDrawerOpenCharacter), 255);
  EXPECT_EQ(settings.Get(cfg::kDrawerRepeat), 10);
  EXPECT_EQ(settings.Get(cfg::kOpenDrawerAfterCommit), 0);
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(TillPages, PolePageStoresTheLineAndTheCodes) {
  const std::vector<std::pair<std::string, PoleString>> texts = {
      {"passive_text", PoleString::kPassiveText}, {"printer_on", PoleString::kPrinterOn},
      {"printer_off", PoleString::kPrinterOff},   {"clear_display", PoleString::kClearDisplay},
      {"cursor_line1", PoleString::kCursorLine1}, {"cursor_line2", PoleString::kCursorLine2}};
  RunSheet([&](Dialog& d) {
    d.Field("pole_use").checked = true;
    d.Field("pole_port").choice = 7;
    d.Field("baud_rate").choice = 12;
    d.Field("parity").choice = 1;
    d.Field("data_bits").choice = 4;
    d.Field("stop_bits").choice = 2;
    d.Field("columns1").text = "20";
    for (const auto& [key, which] : texts) d.Field(key).text = key;
    return true;
  });
  EXPECT_EQ(settings.Get(cfg::kPoleInUse), 2);
  EXPECT_EQ(settings.Get(cfg::kPolePort), 7);
  EXPECT_EQ(settings.Get(cfg::kPoleBaudRate), 12);
  EXPECT_EQ(settings.Get(cfg::kPoleParity), 1);
  EXPECT_EQ(settings.Get(cfg::kPoleDataBits), 4);
  EXPECT_EQ(settings.Get(cfg::kPoleStopBits), 2);
  EXPECT_EQ(settings.Get(cfg::kPoleColumnsLine1), 20);
  for (const auto& [key, which] : texts) EXPECT_EQ(settings.Get(cfg::kPoleString, which), key);
}

TEST_F(TillPages, PreviewStoresThePageAndShowsThePassiveText) {
  PseudoTerminal pty;
  ASSERT_TRUE(pty.ok());
  p.ports.MapPort("COM1", pty.path());
  RunSheet([&](Dialog& d) {
    d.Field("passive_text").text = "OPEN";
    d.Field("clear_display").text = "12";
    d.on_change(d, "Preview");  // "Use" still off: nothing is shown
    EXPECT_EQ(pty.ReadNothing(), "");
    d.Field("pole_use").checked = true;
    d.on_change(d, "Preview");
    EXPECT_EQ(pty.Read(), "\x0cOPEN");
    d.pressed = "Cancel";
    return false;
  });
  // Preview stored the page; Cancel keeps what was stored.
  EXPECT_EQ(settings.Get(cfg::kPoleInUse), 2);
  EXPECT_EQ(settings.Get(cfg::kPoleString, PoleString::kPassiveText), "OPEN");
  EXPECT_TRUE(p.ui.messages.empty());
}

}  // namespace
}  // namespace ventro
