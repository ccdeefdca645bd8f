#include "base/number_ids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/day_log_reader.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

// Ids agree with a plain map over numbers that collide, repeat, run on, go negative and include
// 0 (the table's free mark), through growth and after Clear.
TEST(NumberIdsTest, GivesEachNumberOneDenseIdInTheOrderMet) {
  std::mt19937_64 random(7);
  std::vector<int64_t> numbers = {0, -1, 1, INT64_MIN, INT64_MAX};
  for (int i = 0; i < 5000; ++i) numbers.push_back(i * 1024);  // same low bits
  for (int i = 0; i < 20000; ++i) numbers.push_back(static_cast<int64_t>(random() % 9000) - 100);
  NumberIds ids;
  for (int round = 0; round < 2; ++round) {
    std::unordered_map<int64_t, uint32_t> plain;
    for (int64_t number : numbers) {
      const auto [id, added] = ids.Insert(number);
      const auto [at, plain_added] = plain.try_emplace(number, static_cast<uint32_t>(plain.size()));
      ASSERT_EQ(added, plain_added) << number;
      ASSERT_EQ(id, at->second) << number;
    }
    EXPECT_EQ(ids.size(), plain.size());
    for (const auto& [number, id] : plain) ASSERT_EQ(ids.Find(number), id);
    EXPECT_EQ(ids.Find(123456789), NumberIds::kNone);
    ids.Clear();
    EXPECT_EQ(ids.Find(0), NumberIds::kNone);
    EXPECT_EQ(ids.Find(-1), NumberIds::kNone);
  }
}

// A log read into a kept buffer gives what a whole read gives: whole records, a trailing
// partial record left out, and nothing for a missing file, even after a longer log.
TEST(LogBufferTest, ReadsWholeRecordsIntoKeptMemory) {
  test::TempDir dir;
  StdFiles files;
  std::string log;
  for (int i = 0; i < 1000; ++i) log += std::string(10, static_cast<char>('a' + i % 26));
  ASSERT_TRUE(files.WriteWhole(dir.path() / "long.dat", log + "part"));
  ASSERT_TRUE(files.WriteWhole(dir.path() / "short.dat", log.substr(0, 25)));

  LogBuffer buffer;
  ASSERT_TRUE(buffer.Read(files, dir.path() / "long.dat", 10));
  EXPECT_EQ(buffer.records(), log);
  ASSERT_TRUE(buffer.Read(files, dir.path() / "short.dat", 10));
  EXPECT_EQ(buffer.records(), log.substr(0, 20));
  EXPECT_FALSE(buffer.Read(files, dir.path() / "none.dat", 10));
  EXPECT_TRUE(buffer.records().empty());
}

}  // namespace
}  // namespace ventro
