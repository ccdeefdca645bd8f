// Dense ids for 64-bit numbers met in any order: the first number met gets id 0, the next new
// one id 1, and so on. An open-addressed table in one block, so that looking a number up costs
// one or two cache lines where a node-based map costs a pointer chase; the summaries that add
// a year's lines into a few thousand items spend most of their time here.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace ventro {

class NumberIds {
 public:
  // The id of `number` and whether it was new.
  std::pair<uint32_t, bool> Insert(int64_t number) {
    if (number == 0) {  // 0 marks a free slot, so its id is kept apart
      if (zero_id_ == kNone) {
        zero_id_ = count_++;
        return {zero_id_, true};
      }
      return {zero_id_, false};
    }
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    const size_t mask = slots_.size() - 1;
    for (size_t at = SlotOf(number, mask);; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.number == number) return {slot.id, false};
      if (slot.number == 0) {
        slot = {number, count_};
        return {count_++, true};
      }
    }
  }

  // The id of `number`, or kNone when it has not been met.
  uint32_t Find(int64_t number) const {
    if (number == 0) return zero_id_;
    if (slots_.empty()) return kNone;
    const size_t mask = slots_.size() - 1;
    for (size_t at = SlotOf(number, mask);; at = (at + 1) & mask) {
      const Slot& slot = slots_[at];
      if (slot.number == number) return slot.id;
      if (slot.number == 0) return kNone;
    }
  }

  // Forgets every number, keeping the table's memory for the next run.
  void Clear() {
    std::fill(slots_.begin(), slots_.end(), Slot{});
    count_ = 0;
    zero_id_ = kNone;
  }

  uint32_t size() const { return count_; }

  static constexpr uint32_t kNone = 0xFFFFFFFF;

 private:
  struct Slot {
    int64_t number = 0;
    uint32_t id = 0;
  };

  static size_t SlotOf(int64_t number, size_t mask) {
    // Fibonacci hashing spreads runs of consecutive numbers over the table.
    return static_cast<size_t>((static_cast<uint64_t>(number) * 0x9E3779B97F4A7C15ull) >> 20) &
           mask;
  }

  void Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot{});
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.number == 0) continue;
      size_t at = SlotOf(slot.number, mask);
      while (slots_[at].number != 0) at = (at + 1) & mask;
      slots_[at] = slot;
    }
  }

  std::vector<Slot> slots_;
  uint32_t count_ = 0;
  uint32_t zero_id_ = kNone;
};

}  // namespace ventro
