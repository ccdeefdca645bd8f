// Backup, restore and the history purge on real folders: what is copied, what is refused, and
// that a failure keeps both the old backup and the live files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "exchange/backup_restore.h"
#include "exchange/history_purge.h"
#include "exchange_fixture.h"
#include "store/day_log.h"
#include "store/settings_file.h"

namespace ventro::test {
namespace {

namespace fs = std::filesystem;

class BackupTest : public ExchangeTest {
 protected:
  BackupTest() {
    folder = dir.path() / "Tarvel" / "ventro";
    fs::create_directories(folder / "2026" / "12" / "6");
    Put(folder / "vt.cfg", std::string(SettingsRecord::kSize, '\1'));
    Put(folder / "inventory.dat", std::string(2 * InventoryRecord::kSize, 'I'));
    Put(folder / "customer.dat", std::string(CustomerRecord::kSize, 'C'));
    Put(folder / "suppliers.dat", std::string(SupplierRecord::kSize, 'S'));
    Put(folder / "ventro.lock", "lock");
    Put(folder / "2026" / "12" / "6" / "saleslog.dat", "sales");
    fs::create_directories(target);
  }

  static void Put(const Path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  void Mode(int mode) {
    Reply([mode](Dialog& d) { d.Field("mode").choice = mode; });
  }
  TimeStamp LastBackup() { return v().settings.Get(cfg::kLastBackup); }

  // Every file under `root` by its path inside it, with its bytes.
  static std::map<std::string, std::string> Tree(const Path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      files[fs::relative(entry.path(), root).string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
  }
  // A backup folder holding the four core files, each different from the live one.
  Path CoreBackup() {
    const Path backup = dir.path() / "backup";
    fs::create_directories(backup);
    Put(backup / "vt.cfg", std::string(SettingsRecord::kSize, '\2'));
    Put(backup / "inventory.dat", std::string(3 * InventoryRecord::kSize, 'i'));
    Put(backup / "customer.dat", std::string(2 * CustomerRecord::kSize, 'c'));
    Put(backup / "suppliers.dat", std::string(SupplierRecord::kSize, 's'));
    return backup;
  }

  Path target = dir.path() / "usb";
};

TEST_F(BackupTest, CoreFilesGoAndComeBackByteForByte) {
  Mode(0);
  p.ui.folder_answers.push_back(target);
  BackupData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"File backup", "Complete"}));
  EXPECT_EQ(LastBackup().year, 2026);
  EXPECT_EQ(ReadPath(target / "inventory.dat"), ReadPath(folder / "inventory.dat"));
  EXPECT_EQ(ReadPath(target / "vt.cfg"), ReadPath(folder / "vt.cfg"));
  EXPECT_NE(ReadPath(DayTextLogPath(folder, p.clock.now)).find("9:30 6/12/2026  File backup"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(target / "ventro.lock"));

  Put(folder / "inventory.dat", std::string(InventoryRecord::kSize, 'X'));
  Mode(1);
  Reply(nullptr);  // FINISBOX
  p.ui.folder_answers.push_back(target);
  RestoreData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Restore complete", "VENTRO will now close down"}));
  EXPECT_TRUE(skip_save);
  EXPECT_TRUE(v().window.quit);
  for (const char* name : {"inventory.dat", "customer.dat", "suppliers.dat"}) {
    EXPECT_EQ(ReadPath(folder / name), ReadPath(target / name)) << name;
  }
  // The restored settings restart the numbering of the history that went with the old files.
  SettingsRecord expected;
  LoadSettingsFile(p.files, target / "vt.cfg", expected);
  expected.Set(cfg::kNextTransaction, 1);
  EXPECT_EQ(ReadPath(folder / "vt.cfg"), expected.view());
  EXPECT_FALSE(fs::exists(folder / "2026" / "12" / "6" / "saleslog.dat"));
}

TEST_F(BackupTest, ACoreRestoreThatCannotWriteLeavesEveryLiveFileAsItWas) {
  const Path backup = CoreBackup();
  const auto before = Tree(folder);
  p.files.unwritable.insert("customer.dat");
  Mode(1);
  Reply(nullptr);
  p.ui.folder_answers.push_back(backup);
  RestoreData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Problem", "Not able to write to customer.dat"}));
  EXPECT_EQ(Tree(folder), before);
  EXPECT_FALSE(skip_save);
  EXPECT_FALSE(v().window.quit);
}

TEST_F(BackupTest, AnInventoryRestoreTakesOnlyWholeItemRecords) {
  const Path backup = CoreBackup();
  const std::string live = ReadPath(folder / "inventory.dat");
  Put(backup / "short.dat", std::string(InventoryRecord::kSize - 1, 'i'));
  Mode(0);
  p.ui.open_answers.push_back(backup / "short.dat");
  RestoreData(desk());
  EXPECT_EQ(p.ui.messages.back(),
            (ShownMessage{"Non recognised format", (backup / "short.dat").string()}));

  Mode(0);
  p.ui.open_answers.push_back(backup / "inventory.dat");
  p.ui.message_answers.push_back(Answer::kNo);  // "Yes to continue"
  RestoreData(desk());
  EXPECT_EQ(ReadPath(folder / "inventory.dat"), live);
  EXPECT_FALSE(skip_save);

  Mode(0);
  p.ui.open_answers.push_back(backup / "inventory.dat");
  RestoreData(desk());
  EXPECT_EQ(ReadPath(folder / "inventory.dat"), ReadPath(backup / "inventory.dat"));
  EXPECT_EQ(ReadPath(folder / "customer.dat"), std::string(CustomerRecord::kSize, 'C'));
  EXPECT_TRUE(skip_save);
  EXPECT_FALSE(fs::exists(folder / "inventory.dat.new"));
}

TEST_F(BackupTest, TargetsInTheDataFolderOrItsParentAreRefused) {
  for (auto [mode, chosen] : {std::pair{0, folder},
                              {0, folder / "2026"},
                              {1, folder.parent_path()},
                              {1, folder / ".." / "ventro" / "2026"}}) {
    p.ui.messages.clear();
    Mode(mode);
    p.ui.folder_answers.push_back(chosen);
    BackupData(desk());
    EXPECT_EQ(p.ui.messages,
              (std::vector<ShownMessage>{
                  {"Problem", "Please select a folder outside the VENTRO data folder."}}))
        << chosen;
  }
  EXPECT_EQ(LastBackup().year, 0);
}

TEST_F(BackupTest, AFailedCopyKeepsTheOldBackupAndItsTime) {
  Put(target / "customer.dat", "old backup");
  p.files.unwritable.insert("suppliers.dat.new");
  Mode(0);
  p.ui.folder_answers.push_back(target);
  BackupData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Problem", "Unable to open file"}));
  EXPECT_EQ(ReadPath(target / "customer.dat"), "old backup");
  EXPECT_FALSE(fs::exists(target / "inventory.dat"));
  EXPECT_EQ(LastBackup().year, 0);
}

TEST_F(BackupTest, ACopyThatReadsBackWrongKeepsTheOldFolderBackupAndTheLiveFolder) {
  Put(folder / "2026" / "base.dat", "year");
  fs::create_directories(target / "ventro");
  Put(target / "ventro" / "stale.txt", "stale");
  p.files.garbled.insert("saleslog.dat");
  Mode(1);
  p.ui.folder_answers.push_back(target);
  BackupData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Folder backup", "Unable to backup folder"}));
  EXPECT_EQ(Tree(target), (std::map<std::string, std::string>{{"ventro/stale.txt", "stale"}}));
  EXPECT_EQ(LastBackup().year, 0);

  // The same fault while a folder is restored leaves the data folder whole and alone.
  const auto live = Tree(folder);
  fs::copy(folder, target / "saved", fs::copy_options::recursive);
  Mode(2);
  p.ui.folder_answers.push_back(target / "saved");
  RestoreData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Problem", "Unable to copy folder."}));
  EXPECT_EQ(Tree(folder), live);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.parent_path()), fs::directory_iterator()),
            1);
  EXPECT_FALSE(skip_save);
}

TEST_F(BackupTest, AFolderRestoreThatCannotSwapPutsTheDataFolderBack) {
  fs::copy(folder, target / "ventro", fs::copy_options::recursive);
  Put(target / "ventro" / "inventory.dat", std::string(InventoryRecord::kSize, 'R'));
  const auto live = Tree(folder);
  p.files.stuck.insert("ventro.restore");
  Mode(2);
  p.ui.folder_answers.push_back(target / "ventro");
  RestoreData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Problem", "Unable to copy folder."}));
  EXPECT_EQ(Tree(folder), live);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.parent_path()), fs::directory_iterator()),
            1);

  // A source that holds the data folder, or lies in it, is refused before anything is copied.
  for (const Path& chosen : {folder, folder / "2026", dir.path()}) {
    Mode(2);
    p.ui.folder_answers.push_back(chosen);
    RestoreData(desk());
    EXPECT_EQ(p.ui.messages.back(),
              (ShownMessage{"Problem", "Please select a folder outside the VENTRO data folder."}))
        << chosen;
  }
  EXPECT_EQ(Tree(folder), live);
  EXPECT_FALSE(skip_save);
}

TEST_F(BackupTest, TheWholeFolderReplacesAnOldBackupOnlyWhenAsked) {
  fs::create_directories(target / "ventro");
  Put(target / "ventro" / "stale.txt", "stale");
  p.ui.message_answers.push_back(Answer::kCancel);
  Mode(1);
  p.ui.folder_answers.push_back(target);
  BackupData(desk());
  EXPECT_TRUE(fs::exists(target / "ventro" / "stale.txt"));

  Mode(1);
  p.ui.folder_answers.push_back(target);
  BackupData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"VENTRO folder backup", "Complete"}));
  EXPECT_FALSE(fs::exists(target / "ventro" / "stale.txt"));
  EXPECT_FALSE(fs::exists(target / "ventro" / "ventro.lock"));
  EXPECT_EQ(ReadPath(target / "ventro" / "2026" / "12" / "6" / "saleslog.dat"), "sales");
  EXPECT_EQ(ReadPath(target / "ventro" / "inventory.dat"), ReadPath(folder / "inventory.dat"));
}

TEST_F(BackupTest, UnusableCoreFilesChangeNothing) {
  const Path backup = dir.path() / "backup";
  fs::create_directories(backup);
  for (const char* name : {"vt.cfg", "inventory.dat", "customer.dat", "suppliers.dat"}) {
    fs::copy_file(folder / name, backup / name);
  }
  const std::string before = ReadPath(folder / "inventory.dat");
  for (auto [size, title] : {std::pair{0, "File has no content"},
                             {int(InventoryRecord::kSize) - 1, "Non recognised format"}}) {
    Put(backup / "inventory.dat", std::string(size, 'X'));
    Mode(1);
    Reply(nullptr);
    p.ui.folder_answers.push_back(backup);
    RestoreData(desk());
    EXPECT_EQ(p.ui.messages.back().title, title);
  }
  fs::copy_file(folder / "inventory.dat", backup / "inventory.dat",
                fs::copy_options::overwrite_existing);
  fs::remove(backup / "customer.dat");
  Mode(1);
  Reply(nullptr);
  p.ui.folder_answers.push_back(backup);
  RestoreData(desk());
  EXPECT_EQ(p.ui.messages.back(),
            (ShownMessage{"File not present.", (backup / "customer.dat").string()}));
  EXPECT_EQ(ReadPath(folder / "inventory.dat"), before);
  EXPECT_TRUE(fs::exists(folder / "2026"));
  EXPECT_FALSE(skip_save);
}

TEST_F(BackupTest, AWholeFolderRestoreFromAnyNameEndsAsTheDataFolder) {
  const Path backup = dir.path() / "saved";
  fs::create_directories(backup / "2025");
  for (const char* name : {"vt.cfg", "inventory.dat", "customer.dat", "suppliers.dat"}) {
    fs::copy_file(folder / name, backup / name);
  }
  Put(backup / "2025" / "base.dat", "year");
  fs::create_symlink(dir.path() / "usb", backup / "outward");
  Mode(2);
  p.ui.folder_answers.push_back(backup);
  RestoreData(desk());
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Restore complete", "VENTRO will now close down"}));
  EXPECT_EQ(ReadPath(folder / "2025" / "base.dat"), "year");
  EXPECT_FALSE(fs::exists(folder / "2026"));
  EXPECT_FALSE(fs::exists(folder / "outward"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "Tarvel"), fs::directory_iterator()),
            1);
}

class PurgeTest : public ExchangeTest {
 protected:
  void Year(int year, bool indexed) {
    const Path day = dir.path() / std::to_string(year) / "3" / "4";
    fs::create_directories(day);
    Put(day / "saleslog.dat", "s");
    Put(day / "base.dat", "b");
    Put(dir.path() / std::to_string(year) / "3" / "4.txt", "t");
    if (indexed) Put(dir.path() / std::to_string(year) / "base.dat", "y");
  }
  static void Put(const Path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  bool Has(int year) { return fs::exists(dir.path() / std::to_string(year)); }
};

TEST_F(PurgeTest, WalksBackWhileEachEarlierYearIsIndexed) {
  Year(2027, true);
  Year(2026, true);
  Year(2025, true);
  Year(2024, false);
  Year(2023, true);
  v().settings.Set(cfg::kNextTransaction, 500);
  PurgeHistoryCommand(desk());
  EXPECT_TRUE(Has(2027));
  EXPECT_FALSE(fs::exists(dir.path() / "2026" / "3"));
  EXPECT_FALSE(Has(2025));
  EXPECT_TRUE(Has(2024));
  EXPECT_TRUE(Has(2023));
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 1);
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Transaction history purge", "Complete"}));
  EXPECT_TRUE(fs::exists(DayFolder(dir.path(), p.clock.now)));  // today's logs made afresh
}

TEST_F(PurgeTest, NeverGoesBefore2000AndAStrayFileKeepsItsYear) {
  for (int year = 1999; year <= 2026; ++year) Year(year, true);
  Put(dir.path() / "2010" / "3" / "photo.jpg", "mine");
  PurgeHistoryCommand(desk());
  EXPECT_TRUE(Has(1999));
  EXPECT_FALSE(Has(2000));
  EXPECT_EQ(ReadPath(dir.path() / "2010" / "3" / "photo.jpg"), "mine");
  EXPECT_EQ(p.ui.messages.back(),
            (ShownMessage{"Unable to complete purge, access denied.",
                          "Please manually delete the 2010 folder in the Users AppData folder."}));
}

}  // namespace
}  // namespace ventro::test
