#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "store/day_log.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::TempDir;
using test::TestPlatform;

std::string Read(Files& files, const Path& path) { return files.ReadAll(path).value_or("<none>"); }

TEST(DayLogTest, FirstDayOfAYearMakesTheWholeTreeWithItsMarkers) {
  TestPlatform p;
  TempDir dir;
  p.clock.Set(2027, 1, 1, 7, 3);
  LocalTime now = p.clock.Now();
  ASSERT_TRUE(EnsureDayFolders(p.files, dir.path(), now).empty());
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "base.dat"), std::string(4, '\0'));
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "base.dat"), "07:03");
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "1" / "base.dat"), "07:03");

  // A later call the same day leaves the markers as they are.
  p.clock.Set(2027, 1, 1, 18, 0);
  ASSERT_TRUE(EnsureDayFolders(p.files, dir.path(), p.clock.Now()).empty());
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "1" / "base.dat"), "07:03");

  // The next day reuses the year and month.
  p.clock.Set(2027, 1, 2, 8, 0);
  ASSERT_TRUE(EnsureDayFolders(p.files, dir.path(), p.clock.Now()).empty());
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "base.dat"), "07:03");
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "2" / "base.dat"), "08:00");
}

TEST(DayLogTest, AFolderThatCannotBeMadeIsFatal) {
  TestPlatform p;
  TempDir dir;
  // A plain file where the year folder belongs.
  ASSERT_TRUE(p.files.WriteWhole(dir.path() / "2026", "x"));
  std::vector<Status> failures = EnsureDayFolders(p.files, dir.path(), p.clock.Now());
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].title(), "Fatal error");
  EXPECT_EQ(failures[0].text(), "Unable to create year log directory");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "2026" / "12" / "6"));
}

TEST(DayLogTest, UnwritableMarkersAreWarningsInOrderAndTheFoldersAreStillMade) {
  TestPlatform p;
  TempDir dir;
  p.files.failing = {"base.dat"};
  std::vector<Status> failures = EnsureDayFolders(p.files, dir.path(), p.clock.Now());
  std::vector<std::string> texts;
  for (const Status& failure : failures) {
    EXPECT_EQ(failure.title(), "Problem");
    EXPECT_EQ(failure.severity(), Severity::kWarning);
    texts.push_back(failure.text());
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Unable to open base.dat in year log.",
                                             "Unable to open base.dat in month log.",
                                             "Unable to open base.dat in day log."}));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "2026" / "12" / "6"));
}

TEST(DayLogTest, TextLogIsAppendedInTheMonthFolder) {
  TestPlatform p;
  TempDir dir;
  LocalTime now = p.clock.Now();
  ASSERT_TRUE(EnsureYearMonthFolders(p.files, dir.path(), now).empty());
  ASSERT_TRUE(AppendDayText(p.files, dir.path(), now, "\r\none"));
  ASSERT_TRUE(AppendDayText(p.files, dir.path(), now, "\r\ntwo"));
  EXPECT_EQ(Read(p.files, dir.path() / "2026" / "12" / "6.txt"), "\r\none\r\ntwo");
}

}  // namespace
}  // namespace ventro
