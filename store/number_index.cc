#include "store/number_index.h"

#include <algorithm>

namespace ventro {
namespace {

bool NumberBelow(const IndexEntry& entry, int64_t number) { return entry.number < number; }

}  // namespace

void NumberIndex::Build(std::vector<IndexEntry> entries) {
  entries_ = std::move(entries);
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const IndexEntry& a, const IndexEntry& b) { return a.number < b.number; });
  appended_count_ = 0;
  if (sizing_ == Sizing::kSupplierBlocks) {
    entries_.reserve(entries_.size() + static_cast<size_t>(kSupplierHeadroom));
  }
}

void NumberIndex::Clear() {
  entries_.clear();
  appended_count_ = 0;
}

size_t NumberIndex::FindSlot(int64_t number) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), number, NumberBelow);
  return static_cast<size_t>(it - entries_.begin());
}

std::optional<int64_t> NumberIndex::FindPosition(int64_t number) const {
  if (number < 1) return std::nullopt;
  size_t slot = FindSlot(number);
  if (slot == entries_.size() || entries_[slot].number != number) return std::nullopt;
  return entries_[slot].position;
}

int64_t NumberIndex::deleted_count() const { return static_cast<int64_t>(FindSlot(0)); }

int64_t NumberIndex::NextAddPosition() const {
  return NextAddReusesSlot() ? entries_.front().position : record_count();
}

bool NumberIndex::Add(int64_t number) {
  if (number < 1) return false;
  size_t slot = FindSlot(number);
  if (slot < entries_.size() && entries_[slot].number == number) return false;

  if (NextAddReusesSlot()) {
    // The oldest free slot (entry 0) leaves the free block; the entries up to the insertion
    // point close the gap and the new entry lands just before the insertion point.
    int64_t position = entries_.front().position;
    std::move(entries_.begin() + 1, entries_.begin() + static_cast<ptrdiff_t>(slot),
              entries_.begin());
    entries_[slot - 1] = {number, position};
    return true;
  }

  int64_t records_before = record_count();
  entries_.insert(entries_.begin() + static_cast<ptrdiff_t>(slot), {number, records_before});
  if (sizing_ == Sizing::kSupplierBlocks && ++appended_count_ >= kSupplierResizeAfter) {
    entries_.reserve(static_cast<size_t>(records_before + kSupplierHeadroom));
    appended_count_ = 0;
  }
  return true;
}

std::optional<int64_t> NumberIndex::Delete(int64_t number) {
  if (number < 1) return std::nullopt;
  size_t slot = FindSlot(number);
  if (slot == entries_.size() || entries_[slot].number != number) return std::nullopt;
  int64_t position = entries_[slot].position;
  size_t free_end = FindSlot(0);
  // Entries from the end of the free block up to the deleted one move one place on; the
  // freed slot becomes the last free entry.
  std::move_backward(entries_.begin() + static_cast<ptrdiff_t>(free_end),
                     entries_.begin() + static_cast<ptrdiff_t>(slot),
                     entries_.begin() + static_cast<ptrdiff_t>(slot) + 1);
  entries_[free_end] = {-1, position};
  return position;
}

}  // namespace ventro
