#include <gtest/gtest.h>

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
  ASSERT_TRUE(EnsureDayFolders(p.ui, p.files, dir.path(), now));
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "base.dat"), std::string(4, '\0'));
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "base.dat"), "07:03");
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "1" / "base.dat"), "07:03");
  EXPECT_TRUE(p.ui.messages.empty());

  // A later call the same day leaves the markers as they are.
  p.clock.Set(2027, 1, 1, 18, 0);
  ASSERT_TRUE(EnsureDayFolders(p.ui, p.files, dir.path(), p.clock.Now()));
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "1" / "base.dat"), "07:03");

  // The next day reuses the year and month.
  p.clock.Set(2027, 1, 2, 8, 0);
  ASSERT_TRUE(EnsureDayFolders(p.ui, p.files, dir.path(), p.clock.Now()));
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "base.dat"), "07:03");
  EXPECT_EQ(Read(p.files, dir.path() / "2027" / "1" / "2" / "base.dat"), "08:00");
}

TEST(DayLogTest, AFolderThatCannotBeMadeIsFatal) {
  TestPlatform p;
  TempDir dir;
  // A plain file where the year folder belongs.
  ASSERT_TRUE(p.files.WriteWhole(dir.path() / "2026", "x"));
  EXPECT_FALSE(EnsureYearMonthFolders(p.ui, p.files, dir.path(), p.clock.Now()));
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0],
            (test::ShownMessage{"Fatal error", "Unable to create year log directory"}));
}

TEST(DayLogTest, TextLogIsAppendedInTheMonthFolder) {
  TestPlatform p;
  TempDir dir;
  LocalTime now = p.clock.Now();
  ASSERT_TRUE(EnsureYearMonthFolders(p.ui, p.files, dir.path(), now));
  ASSERT_TRUE(AppendDayText(p.files, dir.path(), now, "\r\none"));
  ASSERT_TRUE(AppendDayText(p.files, dir.path(), now, "\r\ntwo"));
  EXPECT_EQ(Read(p.files, dir.path() / "2026" / "12" / "6.txt"), "\r\none\r\ntwo");
}

}  // namespace
}  // namespace ventro
