// Code lists, the till drawer in both connections, and the receipt cutter: the exact bytes on
// a pseudo-terminal standing in for the port, or in the raw job to the receipt printer.
#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "app/ventro.h"
#include "devices/code_list.h"
#include "devices/cutter.h"
#include "devices/drawer.h"
#include "store/day_log.h"
#include "tests/core/devices_pty.h"
#include "tests/core/recording_host.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

using namespace std::string_literals;

using test::PseudoTerminal;
using test::ShownMessage;
using test::TestPlatform;

TEST(CodeList, DecimalBytesSeparatedByCommas) {
  EXPECT_EQ(ParseCodeList("27,112,0,25,250"), "\x1b\x70\x00\x19\xfa"s);
  EXPECT_EQ(ParseCodeList("7"), "\x07");
  EXPECT_EQ(ParseCodeList(""), "");
  // Empty pieces are 0 bytes; each piece is read as far as it is a number; the low byte counts.
  EXPECT_EQ(ParseCodeList("27,,5,"), "\x1b\x00\x05\x00"s);
  EXPECT_EQ(ParseCodeList(" 65x,300,-1,A"), "\x41\x2c\xff\x00"s);
  // The 50-byte cutter sequence is read to its end.
  EXPECT_EQ(ParseCodeList("27,100,3,29,86,66,0,27,100,3,29,86,66,0,27,105,10,10"),
            "\x1b\x64\x03\x1d\x56\x42\x00\x1b\x64\x03\x1d\x56\x42\x00\x1b\x69\x0a\x0a"s);
}

class Drawer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    settings.ApplyFirstRunDefaults({2026, 12, 6, 9, 30, 0, 0});
  }
  void DirectOn(int64_t port_index, const std::string& port_name) {
    settings.Set(cfg::kDrawerConnection, 0);
    settings.Set(cfg::kDrawerPort, port_index);
    p.ports.MapPort(port_name, pty.path());
  }

  TestPlatform p;
  PseudoTerminal pty;
  SettingsRecord settings;
};

TEST_F(Drawer, DirectConnectionRepeatsTheOpenCharacterInOneWrite) {
  DirectOn(8, "LPT1");
  settings.Set(cfg::kDrawerRepeat, 3);
  settings.Set(cfg::kDrawerOpenCharacter, 7);
  EXPECT_TRUE(OpenTillDrawer(p.platform, settings));
  EXPECT_EQ(pty.Read(), "\x07\x07\x07");

  DirectOn(3, "COM4");
  settings.Set(cfg::kDrawerRepeat, 1);
  settings.Set(cfg::kDrawerOpenCharacter, 256 + 27);
  EXPECT_TRUE(OpenTillDrawer(p.platform, settings));
  EXPECT_EQ(pty.Read(), "\x1b");
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_TRUE(p.raw_printer.jobs.empty());
}

TEST_F(Drawer, DirectPortThatCannotBeOpenedIsReportedAsTheTillDrawer) {
  settings.Set(cfg::kDrawerConnection, 0);
  settings.Set(cfg::kDrawerPort, 9);  // LPT2, mapped nowhere
  settings.Set(cfg::kDrawerRepeat, 2);
  EXPECT_FALSE(OpenTillDrawer(p.platform, settings));
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Till drawer", "Unable to open port"}}));
  EXPECT_TRUE(p.raw_printer.jobs.empty());
}

TEST_F(Drawer, ReceiptPrinterConnectionSendsTheSequenceAsOneRawJob) {
  // First run connects the drawer through the receipt printer with "27,112,0,25,250".
  settings.Set(cfg::kReceiptPrinterName, "TM-T88");
  EXPECT_TRUE(OpenTillDrawer(p.platform, settings));
  ASSERT_EQ(p.raw_printer.jobs.size(), 1u);
  EXPECT_EQ(p.raw_printer.jobs[0].printer, "TM-T88");
  EXPECT_EQ(p.raw_printer.jobs[0].document, "VENTRO");
  EXPECT_EQ(p.raw_printer.jobs[0].bytes, "\x1b\x70\x00\x19\xfa"s);
  EXPECT_TRUE(p.ui.messages.empty());

  // No sequence: nothing at all.
  settings.Set(cfg::kDrawerSequence, "");
  EXPECT_TRUE(OpenTillDrawer(p.platform, settings));
  EXPECT_EQ(p.raw_printer.jobs.size(), 1u);
  EXPECT_TRUE(p.ui.messages.empty());

  settings.Set(cfg::kDrawerSequence, "7");
  p.raw_printer.reachable = false;
  EXPECT_FALSE(OpenTillDrawer(p.platform, settings));
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Unable to open printer for till drawer"}}));
}

// The control bytes would print as garbage on an office printer, so the drawer never goes to
// the system's default printer.
TEST_F(Drawer, WithNoReceiptPrinterNamedNothingIsSent) {
  settings.Set(cfg::kReceiptPrinterName, "");
  EXPECT_FALSE(OpenTillDrawer(p.platform, settings));
  EXPECT_TRUE(p.raw_printer.jobs.empty());
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Unable to open printer for till drawer"}}));
}

TEST_F(Drawer, AfterCommitOnlyWhenOpenAutomaticallyIsSet) {
  settings.Set(cfg::kReceiptPrinterName, "TM-T88");
  EXPECT_TRUE(OpenDrawerAfterCommit(p.platform, settings));
  EXPECT_TRUE(p.raw_printer.jobs.empty());
  settings.Set(cfg::kOpenDrawerAfterCommit, 1);
  EXPECT_TRUE(OpenDrawerAfterCommit(p.platform, settings));
  ASSERT_EQ(p.raw_printer.jobs.size(), 1u);
  EXPECT_EQ(p.raw_printer.jobs[0].printer, "TM-T88");
}

TEST_F(Drawer, CutterSendsItsSequenceToItsPort) {
  settings.Set(cfg::kCutterPort, 1);
  p.ports.MapPort("COM2", pty.path());
  EXPECT_TRUE(SendCutterSequence(p.platform, settings));  // empty: nothing
  EXPECT_EQ(pty.ReadNothing(), "");

  settings.Set(cfg::kCutterSequence, "27,112,0,25,250");
  EXPECT_TRUE(SendCutterSequence(p.platform, settings));
  EXPECT_EQ(pty.Read(), "\x1b\x70\x00\x19\xfa"s);
  EXPECT_TRUE(p.ui.messages.empty());

  settings.Set(cfg::kCutterPort, 0);  // COM1, mapped nowhere
  EXPECT_FALSE(SendCutterSequence(p.platform, settings));
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Unable to open port"}}));
}

TEST_F(Drawer, OpenDrawerCommandLogsTheTillOpenedOnlyWhenTheDrawerOpened) {
  test::TempDir dir;
  test::RecordingHost host;
  Ventro ventro(p.platform, host, StartOptions{dir.path(), dir.path()});
  ventro.settings.ApplyFirstRunDefaults(p.clock.now);
  ventro.settings.Set(cfg::kSignedOnClerk, 1);
  ventro.settings.Set(cfg::kReceiptPrinterName, "TM-T88");
  Path log = DayTextLogPath(dir.path(), p.clock.now);

  p.raw_printer.reachable = false;
  DispatchCommand(ventro, ToInt(Command::kOpenDrawer));
  EXPECT_EQ(p.ui.MessageTexts(),
            std::vector<std::string>{"Unable to open printer for till drawer"});
  EXPECT_FALSE(p.files.Exists(log));

  p.raw_printer.reachable = true;
  DispatchCommand(ventro, ToInt(Command::kOpenDrawer));
  ASSERT_EQ(p.raw_printer.jobs.size(), 1u);
  EXPECT_EQ(p.raw_printer.jobs[0].bytes, "\x1b\x70\x00\x19\xfa"s);
  EXPECT_EQ(p.files.ReadAll(log).value_or(""), "\r\n09:30 06/12/2026  Till opened.\r\n");
}

}  // namespace
}  // namespace ventro
