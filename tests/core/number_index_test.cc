#include "store/number_index.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace ventro {
namespace {

std::vector<IndexEntry> FileOrder(const std::vector<int64_t>& numbers) {
  std::vector<IndexEntry> entries;
  for (size_t p = 0; p < numbers.size(); ++p) {
    entries.push_back({numbers[p], static_cast<int64_t>(p)});
  }
  return entries;
}

TEST(NumberIndexTest, SortKeepsFileOrderOfEqualNumbersAndFindsTheFirst) {
  NumberIndex index;
  index.Build(FileOrder({5, 3, 3, 9}));
  EXPECT_EQ(index.entries(), (std::vector<IndexEntry>{{3, 1}, {3, 2}, {5, 0}, {9, 3}}));
  EXPECT_EQ(index.FindPosition(3), 1);
  EXPECT_EQ(index.FindSlot(4), 2u);
  EXPECT_EQ(index.FindSlot(10), 4u);
  EXPECT_FALSE(index.FindPosition(4));
  EXPECT_FALSE(index.Add(3));
}

TEST(NumberIndexTest, DeletedSlotGoesToTheEndOfTheFreeBlockAndIsReusedOldestFirst) {
  NumberIndex index;
  index.Build(FileOrder({-1, 2, 7, 9}));
  EXPECT_EQ(index.Delete(7), 2);
  EXPECT_EQ(index.entries(), (std::vector<IndexEntry>{{-1, 0}, {-1, 2}, {2, 1}, {9, 3}}));
  EXPECT_EQ(index.deleted_count(), 2);
  EXPECT_EQ(index.live_count(), 2);

  EXPECT_EQ(index.NextAddPosition(), 0);  // the older free slot
  ASSERT_TRUE(index.Add(8));
  EXPECT_EQ(index.entries(), (std::vector<IndexEntry>{{-1, 2}, {2, 1}, {8, 0}, {9, 3}}));
  ASSERT_TRUE(index.Add(1));
  EXPECT_EQ(index.entries(), (std::vector<IndexEntry>{{1, 2}, {2, 1}, {8, 0}, {9, 3}}));
  EXPECT_EQ(index.NextAddPosition(), 4);
  ASSERT_TRUE(index.Add(5));
  EXPECT_EQ(index.entries(), (std::vector<IndexEntry>{{1, 2}, {2, 1}, {5, 4}, {8, 0}, {9, 3}}));
  EXPECT_EQ(index.record_count(), 5);
  EXPECT_EQ(index.deleted_count(), 0);
}

TEST(NumberIndexTest, RefusesAbsentDeletesAndNumbersBelowOne) {
  NumberIndex index;
  index.Build(FileOrder({-1, 4}));
  EXPECT_FALSE(index.Delete(5));
  EXPECT_FALSE(index.Delete(-1));
  EXPECT_FALSE(index.FindPosition(-1));  // a free slot is not a record
  EXPECT_FALSE(index.Add(0));
  EXPECT_EQ(index.entries(), (std::vector<IndexEntry>{{-1, 0}, {4, 1}}));
}

TEST(NumberIndexTest, SupplierStorageKeepsHeadroomAndResizesAfter91Appends) {
  NumberIndex index(NumberIndex::Sizing::kSupplierBlocks);
  index.Build(FileOrder({-1}));
  EXPECT_GE(index.capacity(), 101u);
  EXPECT_TRUE(index.Add(1));  // reuses the free slot: no append
  EXPECT_EQ(index.appended_count(), 0);
  for (int64_t n = 2; n <= 91; ++n) ASSERT_TRUE(index.Add(n));
  EXPECT_EQ(index.appended_count(), 90);
  EXPECT_TRUE(index.Add(92));
  EXPECT_EQ(index.appended_count(), 0);
  EXPECT_GE(index.capacity(), 91u + 100u);
  EXPECT_EQ(index.record_count(), 92);
}

// The straightforward algorithms: an array with a zero terminator, a stable insertion sort,
// linear scans and element-by-element moves.
class ReferenceIndex {
 public:
  explicit ReferenceIndex(const std::vector<int64_t>& numbers) {
    records_ = static_cast<int64_t>(numbers.size());
    e_.assign(numbers.size() + 1, {0, 0});
    for (size_t p = 0; p < numbers.size(); ++p) {
      e_[p] = {numbers[p], static_cast<int64_t>(p)};
      if (numbers[p] >= 0) {
        ++live_;
      } else {
        ++deleted_;
      }
    }
    for (size_t i = 1; i < numbers.size(); ++i) {
      IndexEntry entry = e_[i];
      size_t j = i;
      while (j > 0 && e_[j - 1].number > entry.number) {
        e_[j] = e_[j - 1];
        --j;
      }
      e_[j] = entry;
    }
  }

  size_t FindSlot(int64_t n) const {
    size_t i = 0;
    while (e_[i].number < n && e_[i].number != 0) ++i;
    return i;
  }

  bool Add(int64_t n) {
    size_t i = FindSlot(n);
    if (e_[i].number == n) return false;
    e_.resize(static_cast<size_t>(records_) + 2, {0, 0});
    if (e_[i].number > n) {
      for (size_t k = static_cast<size_t>(records_); k-- > i;) e_[k + 1] = e_[k];
    }
    if (deleted_ > 0) {
      e_[i] = {n, e_[0].position};
      for (size_t k = 0; k < static_cast<size_t>(records_); ++k) e_[k] = e_[k + 1];
      e_[static_cast<size_t>(records_)] = {0, 0};
      --deleted_;
    } else {
      e_[i] = {n, records_};
      ++records_;
    }
    ++live_;
    return true;
  }

  void Delete(int64_t n) {
    size_t i = FindSlot(n);
    int64_t position = e_[i].position;
    size_t d = 0;
    while (e_[d].number == -1) ++d;
    for (size_t k = i; k-- > d;) e_[k + 1] = e_[k];
    e_[d] = {-1, position};
    e_[static_cast<size_t>(records_)] = {0, 0};
    ++deleted_;
    --live_;
  }

  std::vector<IndexEntry> Entries() const {
    return {e_.begin(), e_.begin() + static_cast<ptrdiff_t>(records_)};
  }
  int64_t deleted() const { return deleted_; }
  int64_t live() const { return live_; }

 private:
  std::vector<IndexEntry> e_;
  int64_t records_ = 0;
  int64_t deleted_ = 0;
  int64_t live_ = 0;
};

TEST(NumberIndexTest, AgreesWithLinearReferenceOnRandomFilesAndOperations) {
  std::mt19937_64 random(1234);
  for (int round = 0; round < 200; ++round) {
    // Small number ranges give many duplicates; -1 entries are free slots.
    const int64_t range = 2 + static_cast<int64_t>(random() % 40);
    std::vector<int64_t> numbers(random() % 30);
    for (int64_t& n : numbers) {
      n = random() % 4 == 0 ? -1 : 1 + static_cast<int64_t>(random() % range);
    }
    NumberIndex index;
    index.Build(FileOrder(numbers));
    ReferenceIndex reference(numbers);
    ASSERT_EQ(index.entries(), reference.Entries());

    for (int step = 0; step < 60; ++step) {
      int64_t n = 1 + static_cast<int64_t>(random() % (range + 5));
      if (random() % 2 == 0) {
        ASSERT_EQ(index.Add(n), reference.Add(n)) << "add " << n;
      } else if (index.FindPosition(n)) {
        index.Delete(n);
        reference.Delete(n);
      }
      ASSERT_EQ(index.entries(), reference.Entries()) << "round " << round << " step " << step;
      ASSERT_EQ(index.deleted_count(), reference.deleted());
      ASSERT_EQ(index.live_count(), reference.live());
      for (int64_t probe = 1; probe <= range + 6; ++probe) {
        ASSERT_EQ(index.FindSlot(probe), reference.FindSlot(probe)) << "probe " << probe;
      }
    }
  }
}

}  // namespace
}  // namespace ventro
