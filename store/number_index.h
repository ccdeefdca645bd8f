// The in-memory index of a master file: one entry per record slot, mapping a record's number
// to its slot. Entries ascend by number, so the free slots (negative numbers) come first and
// the live records follow in number order. Lookups are binary searches; adds and deletes keep
// the order and reuse the oldest free slot first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace ventro {

struct IndexEntry {
  int64_t number = 0;    // the record's number; negative for a free slot
  int64_t position = 0;  // the record's slot in its file
  bool operator==(const IndexEntry&) const = default;
};

class NumberIndex {
 public:
  // How the entry storage grows on appends. The supplier index keeps room for 100 entries
  // beyond its records and re-sizes after every 91 appends; the others grow as needed.
  enum class Sizing { kAsNeeded, kSupplierBlocks };

  static constexpr int64_t kSupplierHeadroom = 100;
  static constexpr int32_t kSupplierResizeAfter = 91;

  explicit NumberIndex(Sizing sizing = Sizing::kAsNeeded) : sizing_(sizing) {}

  // Replaces the index with `entries` given in file order. The sort is stable: records with
  // equal numbers keep their file order, so a lookup finds the first of them.
  void Build(std::vector<IndexEntry> entries);
  void Clear();

  // The first entry whose number is not below `number`, or size() when there is none.
  size_t FindSlot(int64_t number) const;
  // The slot of the live record `number` (the first one when the file holds it twice).
  // Numbers below 1 never name a live record.
  std::optional<int64_t> FindPosition(int64_t number) const;
  bool Contains(int64_t number) const { return FindPosition(number).has_value(); }

  // The slot the next added record takes: the oldest free slot, or the end of the file.
  int64_t NextAddPosition() const;
  bool NextAddReusesSlot() const { return deleted_count() > 0; }

  // Enters live record `number` at NextAddPosition(). Call it only after the record is in
  // the file. False (and nothing changed) when the number is below 1 or already present.
  bool Add(int64_t number);

  // Turns the entry of `number` into a free slot, the last of the free block, so that older
  // free slots are reused first. Gives the record's slot; nothing when `number` is absent.
  std::optional<int64_t> Delete(int64_t number);

  int64_t record_count() const { return static_cast<int64_t>(entries_.size()); }
  int64_t deleted_count() const;
  int64_t live_count() const { return record_count() - deleted_count(); }

  const std::vector<IndexEntry>& entries() const { return entries_; }
  // Supplier sizing only: appends since the storage was last sized, and its room.
  int32_t appended_count() const { return appended_count_; }
  size_t capacity() const { return entries_.capacity(); }

 private:
  Sizing sizing_;
  std::vector<IndexEntry> entries_;
  int32_t appended_count_ = 0;
};

}  // namespace ventro
