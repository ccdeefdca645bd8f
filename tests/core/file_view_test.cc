#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/files.h"
#include "platform/mapped_file.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

// A view shows the whole file, an empty one too, and keeps showing what it saw when the file is
// replaced under it, as a backup restored while a report reads does; a missing file has none.
TEST(FileViewTest, ShowsTheWholeFileAsItWasWhenViewed) {
  test::TempDir dir;
  StdFiles files;
  std::string bytes;
  for (int i = 0; i < 3 * 4096 + 7; ++i) bytes += static_cast<char>(i * 7 % 256);
  const Path path = dir.path() / "log.dat";
  ASSERT_TRUE(files.WriteWhole(path, bytes));
  ASSERT_TRUE(files.WriteWhole(dir.path() / "empty.dat", ""));

  const std::unique_ptr<FileView> view = files.View(path);
  ASSERT_TRUE(view);
#ifndef _WIN32
  EXPECT_NE(MapFile(path), nullptr);  // the view copied nothing
#endif
  ASSERT_TRUE(files.WriteWhole(path, "new"));
  EXPECT_EQ(view->bytes(), bytes);

  const std::unique_ptr<FileView> empty = files.View(dir.path() / "empty.dat");
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->bytes().empty());
  EXPECT_EQ(files.View(dir.path() / "none.dat"), nullptr);
}

}  // namespace
}  // namespace ventro
