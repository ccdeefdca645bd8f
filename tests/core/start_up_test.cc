#include <cstring>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "app/ventro.h"
#include "app/win_main.h"
#include "base/bytes.h"
#include "platform/instance_lock.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::ShownMessage;
using test::TempDir;
using test::TestPlatform;

constexpr size_t kSettingsSize = 15018;

// Stands in for the window: the "user" acts through `during_run`.
class FakeHost : public Host {
 public:
  std::function<void(Ventro&)> during_run;
  int loops_run = 0;
  std::string title;
  void RunMessageLoop(Ventro& ventro) override {
    ++loops_run;
    if (during_run) during_run(ventro);
  }
  void Quit() override {}
  void SetTitle(const std::string& text) override { title = text; }
  void ScreenChanged() override {}
};

class StartUpTest : public ::testing::Test {
 protected:
  StartUpTest() { p.clock.Set(2026, 12, 6, 9, 30); }

  int Run() { return WinMain(p.platform, host, {data(), Path(VENTRO_STARTER_DIR)}); }
  Path data() const { return dir.path() / "Tarvel" / "ventro"; }
  std::string Read(const std::string& name) {
    return p.files.ReadAll(data() / name).value_or("<missing>");
  }
  std::string DayLog() { return Read("2026/12/6.txt"); }
  void Write(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(p.files.WriteWhole(data() / name, bytes));
  }

  TestPlatform p;
  TempDir dir;
  FakeHost host;
};

TEST_F(StartUpTest, FirstRunCreatesTheDataFolderAndEveryFirstRunFile) {
  ASSERT_EQ(Run(), 0);
  EXPECT_TRUE(p.ui.messages.empty()) << p.ui.messages[0].text;
  EXPECT_EQ(host.loops_run, 1);
  EXPECT_EQ(host.title, "VENTRO");

  std::string settings = Read("vt.cfg");
  ASSERT_EQ(settings.size(), kSettingsSize);
  EXPECT_EQ(settings.substr(4841, 6), std::string("VAT 1\0", 6));
  std::string suppliers = Read("suppliers.dat");
  ASSERT_EQ(suppliers.size(), 1094u);
  EXPECT_EQ(GetI64(reinterpret_cast<const uint8_t*>(suppliers.data())), -1);
  for (const char* name : {"stock1.bmp", "stock24.bmp", "letter.bmp", "receipt.bmp",
                           "inventory.dat", "customer.dat"}) {
    EXPECT_EQ(Read(name), p.files.ReadAll(Path(VENTRO_STARTER_DIR) / name).value_or("?")) << name;
  }
  std::string labels = Read("language.ini");
  ASSERT_EQ(labels.size(), 4640u);
  EXPECT_EQ(labels.substr(0, 8), std::string("English\0", 8));

  EXPECT_EQ(DayLog(),
            "\r\n09:30 06/12/2026  Switched on.\r\n"
            "\r\n09:30 06/12/2026  Switched off.\r\nClerk: 0, \r\n");
  EXPECT_EQ(Read("2026/base.dat"), std::string(4, '\0'));
  EXPECT_EQ(Read("2026/12/6/base.dat"), "09:30");
}

TEST_F(StartUpTest, StartAndStopAreStampedAndThePreviousStartIsKept) {
  ASSERT_EQ(Run(), 0);
  p.clock.Set(2026, 12, 7, 8, 15);
  TimeStamp previous;
  std::string heading;
  host.during_run = [&](Ventro& v) {
    previous = v.previous_start;
    heading = v.settings.Get(cfg::kHeadingLine, 1);
    p.clock.Set(2026, 12, 7, 17, 45);
  };
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(previous.hour, 9);
  EXPECT_EQ(previous.minute, 30);
  EXPECT_EQ(previous.day, 6);
  EXPECT_EQ(heading, "YOUR STORE");
  const auto* bytes = reinterpret_cast<const uint8_t*>(Read("vt.cfg").data());
  std::string settings = Read("vt.cfg");
  bytes = reinterpret_cast<const uint8_t*>(settings.data());
  // Minute, hour, day, month, year of the stop.
  EXPECT_EQ(GetI32(bytes + 3912), 45);
  EXPECT_EQ(GetI32(bytes + 3916), 17);
  EXPECT_EQ(GetI32(bytes + 3920), 7);
  EXPECT_EQ(GetI32(bytes + 3924), 12);
  EXPECT_EQ(GetI32(bytes + 3928), 2026);
  EXPECT_EQ(settings[4805], 2);  // currency symbol taken from the locale
  EXPECT_EQ(settings.substr(4800, 2), std::string("$\0", 2));
  EXPECT_EQ(Read("2026/12/7.txt"),
            "\r\n08:15 07/12/2026  Switched on.\r\n"
            "\r\n17:45 07/12/2026  Switched off.\r\nClerk: 0, \r\n");
}

TEST_F(StartUpTest, ASecondInstanceEndsSilently) {
  ASSERT_TRUE(p.files.CreateDirectories(data()));
  auto first = InstanceLock::Acquire(data() / "ventro.lock");
  ASSERT_TRUE(first);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_EQ(host.loops_run, 0);
  EXPECT_FALSE(p.files.Exists(data() / "vt.cfg"));
}

TEST_F(StartUpTest, ASmallDesktopIsRefused) {
  p.ui.desktop = {1024, 767};
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(
      p.ui.messages,
      (std::vector<ShownMessage>{{"Problem", "Program requires desktop of at least 1024 by 768"}}));
  EXPECT_FALSE(p.files.Exists(data() / "vt.cfg"));
}

// Every failure of the loading step ends the run without writing anything.
TEST_F(StartUpTest, AFailedLoadWritesNothing) {
  struct Case {
    std::string file;
    std::optional<std::string> content;  // nothing: removed
    std::string message;
  };
  std::string one_supplier(1094, '\xFF');
  const std::vector<Case> cases = {
      {"inventory.dat", std::nullopt, "Unable to open inventory.dat in Opendata"},
      {"inventory.dat", "", "inventory.dat has no data in Opendata."},
      {"inventory.dat", std::string(2112, '\0'), "Data file inventory.dat corrupt in Opendata."},
      {"customer.dat", std::nullopt, "Data file customer.dat not present in Opendata."},
      {"customer.dat", "", "Data file customer.dat no data in Opendata."},
      {"customer.dat", std::string(1243, '\0'), "Data file customer.dat corrupt in Opendata."},
      {"suppliers.dat", std::nullopt, "Data file suppliers.dat not present in Opendata."},
      {"suppliers.dat", "", "Data file suppliers.dat no data in Opendata."},
      {"suppliers.dat", std::string(1093, '\0'), "Data file suppliers.dat corrupt in Opendata."},
  };
  ASSERT_EQ(Run(), 0);
  std::filesystem::remove(data() / "language.ini");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    std::string saved = Read(c.file);
    if (c.content) {
      Write(c.file, *c.content);
    } else {
      std::filesystem::remove(data() / c.file);
    }
    std::string settings = Read("vt.cfg");
    std::string day_log = DayLog();
    p.ui.messages.clear();
    p.clock.Set(2026, 12, 6, 11, 0);

    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Fatal error", c.message}}));
    EXPECT_EQ(Read("vt.cfg"), settings);
    EXPECT_EQ(DayLog(), day_log);
    EXPECT_FALSE(p.files.Exists(data() / "language.ini"));
    Write(c.file, saved);
  }
}

TEST_F(StartUpTest, ASettingsFileThatCannotBeWrittenStopsTheFirstRun) {
  p.files.failing = {"vt.cfg"};
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{
                {"Fatal error", "Data file: vt.cfg, not present."},
                {"Fatal error", "The configuration file is not present in Opendata."}}));
  EXPECT_FALSE(p.files.Exists(data() / "suppliers.dat"));
  EXPECT_FALSE(p.files.Exists(data() / "inventory.dat"));
  EXPECT_EQ(host.loops_run, 0);
}

TEST_F(StartUpTest, ALostSettingsFileKeepsTheSuppliersAndMasterFiles) {
  ASSERT_EQ(Run(), 0);
  std::string suppliers(1094 * 2, '\0');
  PutI64(reinterpret_cast<uint8_t*>(suppliers.data()), 7);
  PutI64(reinterpret_cast<uint8_t*>(suppliers.data()) + 1094, -1);
  Write("suppliers.dat", suppliers);
  std::string inventory = Read("inventory.dat");
  std::filesystem::remove(data() / "vt.cfg");
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(Read("suppliers.dat"), suppliers);
  EXPECT_EQ(Read("inventory.dat"), inventory);
  EXPECT_EQ(Read("vt.cfg").size(), kSettingsSize);
}

TEST_F(StartUpTest, OutOfRangeCountersAndDatesAreMendedAtLoad) {
  ASSERT_EQ(Run(), 0);
  std::string settings = Read("vt.cfg");
  auto* bytes = reinterpret_cast<uint8_t*>(settings.data());
  PutI32(bytes + 4792, 200'000'001);
  PutI32(bytes + 12602, 2014);      // history-from year
  PutI32(bytes + 12614, 1999);      // first-run year
  std::memset(bytes + 4841, 0, 6);  // tax name 1
  Write("vt.cfg", settings);
  int32_t next = 0;
  Date history, first_run;
  std::string tax1, tax2;
  host.during_run = [&](Ventro& v) {
    next = v.settings.Get(cfg::kNextTransaction);
    history = v.settings.Get(cfg::kHistoryFrom);
    first_run = v.settings.Get(cfg::kFirstRunDate);
    tax1 = v.settings.Get(cfg::kTaxName, 1);
    tax2 = v.settings.Get(cfg::kTaxName, 2);
  };
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(next, 1);
  EXPECT_EQ(history.year, 2015);
  EXPECT_EQ(first_run.year, 2015);
  EXPECT_EQ(tax1, "TAX 1");
  EXPECT_EQ(tax2, "TAX 2");
}

TEST_F(StartUpTest, FailedWritesAtStartAndExitAreReportedAndLeaveTheOldSettings) {
  ASSERT_EQ(Run(), 0);
  std::string settings = Read("vt.cfg");
  p.files.failing = {"vt.cfg"};
  p.clock.Set(2026, 12, 6, 12, 0);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Unable to update the configuration file",
                                      "Unable to update the configuration file at close"}));
  EXPECT_EQ(Read("vt.cfg"), settings);
}

TEST_F(StartUpTest, ALostSettingsFileAndPicturesNeverReplaceTheShopsMasterFiles) {
  ASSERT_EQ(Run(), 0);
  std::string inventory = Read("inventory.dat") + std::string(2113, '\0');
  Write("inventory.dat", inventory);
  std::filesystem::remove(data() / "vt.cfg");
  std::filesystem::remove(data() / "stock1.bmp");
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(Read("inventory.dat"), inventory);
  EXPECT_TRUE(p.files.Exists(data() / "stock1.bmp"));
}

TEST_F(StartUpTest, MissingLabelsComeFromTheChosenLanguage) {
  ASSERT_EQ(Run(), 0);
  std::string settings = Read("vt.cfg");
  PutI32(reinterpret_cast<uint8_t*>(settings.data()) + 13162, 3);  // Nederlands
  Write("vt.cfg", settings);
  std::filesystem::remove(data() / "language.ini");
  std::string label;
  host.during_run = [&](Ventro& v) { label = v.labels.Label(3); };
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(label, "Totaal");
  EXPECT_EQ(Read("language.ini").substr(0, 11), std::string("Nederlands\0", 11));
}

TEST_F(StartUpTest, TransactionCountersBelowOneRestartAtOne) {
  ASSERT_EQ(Run(), 0);
  for (int32_t stored : {0, -5, 200'000'000}) {
    std::string settings = Read("vt.cfg");
    PutI32(reinterpret_cast<uint8_t*>(settings.data()) + 4792, stored);
    Write("vt.cfg", settings);
    int32_t next = 0;
    host.during_run = [&](Ventro& v) { next = v.settings.Get(cfg::kNextTransaction); };
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(next, stored == 200'000'000 ? stored : 1) << stored;
  }
}

TEST_F(StartUpTest, StartCategoryAndCurrencySymbolAreSetOnce) {
  p.locale = EnglishLocale("EURO\x80");
  int32_t current = -1;
  std::string symbol;
  host.during_run = [&](Ventro& v) {
    current = v.settings.Get(cfg::kCurrentCategory);
    symbol = v.settings.Get(cfg::kCurrencySymbol);
  };
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(current, 14);  // first run: category 14, kept as the start category 15
  EXPECT_EQ(symbol, "EURO");
  std::string settings = Read("vt.cfg");
  EXPECT_EQ(GetI32(reinterpret_cast<const uint8_t*>(settings.data()) + 12694), 15);

  // A symbol once taken is not read from the locale again; the start category wins over the
  // category left current at the last stop.
  p.locale = EnglishLocale("\xA3");
  PutI32(reinterpret_cast<uint8_t*>(settings.data()) + 12690, 3);
  Write("vt.cfg", settings);
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(current, 14);
  EXPECT_EQ(symbol, "EURO");
}

TEST_F(StartUpTest, FailuresAroundTheFirstRunAreReported) {
  // The program folder cannot be read: the starter files are missing and loading stops.
  EXPECT_EQ(WinMain(p.platform, host, {data(), dir.path() / "no-such-folder"}), 1);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{
                               {"Problem", "Unable to locate directory in dodemo."},
                               {"Fatal error", "Unable to open inventory.dat in Opendata"}}));

  // The data folder cannot be made at all: a plain file stands where a parent folder belongs.
  p.ui.messages.clear();
  ASSERT_TRUE(p.files.WriteWhole(dir.path() / "blocked", "x"));
  EXPECT_EQ(
      WinMain(p.platform, host, {dir.path() / "blocked" / "ventro", Path(VENTRO_STARTER_DIR)}), 1);
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{
                {"Fatal error", "Unable to create data directory"},
                {"Fatal error", "The configuration file is not present in Opendata."}}));
}

TEST_F(StartUpTest, ADayLogThatCannotBeWrittenIsReportedAtStartAndStop) {
  ASSERT_EQ(Run(), 0);
  p.files.failing = {"6.txt"};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Unable to update the log file in WM_CREATE.",
                                      "Unable to open log text file at end of WinMain."}));
}

}  // namespace
}  // namespace ventro
