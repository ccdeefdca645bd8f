// upload.cfg on disk: fields at their offsets, texts cut to fit, unnamed bytes carried, and
// the file private to its owner whatever it was before.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "store/upload_config_file.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

std::string ReadBytes(const Path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(UploadConfig, FieldsAtTheirOffsetsLongTextsCutReservedBytesCarried) {
  test::TempDir dir;
  test::FaultyFiles files;
  EXPECT_FALSE(LoadUploadConfig(files, dir.path()).has_value());

  std::string old(5040, '\0');
  old[0] = 'R';
  old[2100] = 'S';
  old[5039] = 'T';
  {
    std::ofstream out(UploadConfigPath(dir.path()), std::ios::binary);
    out << old;
  }
  auto config = LoadUploadConfig(files, dir.path());
  ASSERT_TRUE(config.has_value());
  config->Set(upl::kHost, "ftp.example.com:2121");
  config->Set(upl::kUser, "shop");
  config->Set(upl::kPassword, std::string(200, 'p'));
  config->Set(upl::kOverviewName, "A.txt");
  config->Set(upl::kItemsName, "I.txt");
  config->Set(upl::kReorderName, "R.txt");
  ASSERT_TRUE(SaveUploadConfig(dir.path(), *config));

  std::string bytes = ReadBytes(UploadConfigPath(dir.path()));
  ASSERT_EQ(bytes.size(), 5040u);
  EXPECT_EQ(bytes.substr(1440, 21), std::string("ftp.example.com:2121\0", 21));
  EXPECT_EQ(bytes.substr(1640, 5), std::string("shop\0", 5));
  EXPECT_EQ(bytes.substr(1840, 200), std::string(199, 'p') + '\0');
  EXPECT_EQ(bytes.substr(2640, 6), std::string("A.txt\0", 6));
  EXPECT_EQ(bytes.substr(2840, 6), std::string("I.txt\0", 6));
  EXPECT_EQ(bytes.substr(3040, 6), std::string("R.txt\0", 6));
  EXPECT_EQ(bytes[0], 'R');
  EXPECT_EQ(bytes[2100], 'S');
  EXPECT_EQ(bytes[5039], 'T');

  // A field filled to its last byte without a terminator is never read past.
  bytes.replace(1640, 200, std::string(200, 'u'));
  {
    std::ofstream out(UploadConfigPath(dir.path()), std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  EXPECT_EQ(LoadUploadConfig(files, dir.path())->Get(upl::kUser), std::string(200, 'u'));
}

TEST(UploadConfig, SavedOwnerOnlyAlsoOverAnOldWorldReadableFile) {
  test::TempDir dir;
  Path path = UploadConfigPath(dir.path());
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string(5040, '\0');
  }
  {
    std::ofstream leftover(Path(path) += ".new");
    leftover << "x";
  }
  std::filesystem::permissions(path, std::filesystem::perms(0644));
  std::filesystem::permissions(Path(path) += ".new", std::filesystem::perms(0666));

  ASSERT_TRUE(SaveUploadConfig(dir.path(), UploadConfig()));
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_FALSE(std::filesystem::exists(Path(path) += ".new"));

  // A data folder that is not a folder: nothing can be written in it.
  EXPECT_FALSE(SaveUploadConfig(path, UploadConfig()));
}

}  // namespace
}  // namespace ventro
