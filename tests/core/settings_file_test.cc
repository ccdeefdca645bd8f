// vt.cfg on disk: the whole record, read as far as the file goes, replaced only whole.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/settings_file.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

std::string ReadBytes(const Path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const Path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

TEST(SettingsFile, FirstRunRecordSavesWholeAndLoadsBackByteForByte) {
  test::TempDir dir;
  test::FaultyFiles files;
  Path path = dir.path() / "vt.cfg";
  SettingsRecord saved;
  saved.ApplyFirstRunDefaults({2026, 12, 6, 9, 30, 0, 0});
  saved.Set(cfg::kTakingsTotal, 1234.56);
  ASSERT_TRUE(SaveSettingsFile(files, path, saved));

  std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 15018u);
  EXPECT_EQ(bytes.substr(4841, 6), std::string("VAT 1\0", 6));

  SettingsRecord loaded;
  std::memset(loaded.data(), 0x5A, SettingsRecord::kSize);
  ASSERT_EQ(LoadSettingsFile(files, path, loaded), SettingsLoad::kOk);
  EXPECT_EQ(loaded.view(), saved.view());
}

TEST(SettingsFile, AShortOrLongFileIsRefusedAndLeavesTheRecordAsItWas) {
  test::TempDir dir;
  test::FaultyFiles files;
  Path path = dir.path() / "vt.cfg";
  SettingsRecord s;
  std::memset(s.data(), 'B', SettingsRecord::kSize);
  for (const std::string& bytes :
       {std::string(100, 'A'), std::string(SettingsRecord::kSize - 1, 'A'),
        std::string(SettingsRecord::kSize, 'C') + "extra", std::string()}) {
    WriteBytes(path, bytes);
    EXPECT_EQ(LoadSettingsFile(files, path, s), SettingsLoad::kWrongSize) << bytes.size();
    EXPECT_EQ(s.view(), std::string(SettingsRecord::kSize, 'B'));
  }
}

TEST(SettingsFile, MissingFileIsNotLoaded) {
  test::TempDir dir;
  test::FaultyFiles files;
  SettingsRecord s;
  EXPECT_EQ(LoadSettingsFile(files, dir.path() / "vt.cfg", s), SettingsLoad::kMissing);
}

TEST(SettingsFile, FailedSaveLeavesThePreviousFileWhole) {
  test::TempDir dir;
  test::FaultyFiles files;
  Path path = dir.path() / "vt.cfg";
  SettingsRecord old_record;
  old_record.Set(cfg::kNextTransaction, 41);
  ASSERT_TRUE(SaveSettingsFile(files, path, old_record));

  files.failing.insert("vt.cfg");
  SettingsRecord new_record;
  new_record.Set(cfg::kNextTransaction, 42);
  EXPECT_FALSE(SaveSettingsFile(files, path, new_record));

  EXPECT_EQ(ReadBytes(path), std::string(old_record.view()));
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename(), "vt.cfg") << "left behind: " << entry.path();
  }
}

}  // namespace
}  // namespace ventro
