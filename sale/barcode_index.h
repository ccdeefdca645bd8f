// Barcode entry answered from memory: which inventory record a scanned code (the SKU 1 text)
// belongs to, without reading inventory.dat through. The index follows the inventory file's
// loads, writes, adds and deletes as its observer, and gives the same record a scan of the
// file in slot order would: the first live record whose SKU 1 equals the code.
//
// A record counts as live when its name prefix is set (a free slot has none). The index keeps
// a 64-bit hash of each live SKU 1 text per slot and, per hash, the lowest such slot and how
// many slots hold it; the caller confirms a candidate by reading its record, so a hash
// collision costs one more read and never a wrong answer. Only when the first of several
// records sharing a code goes is the slot array walked for the next one.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/master_file.h"

namespace ventro {

class BarcodeIndex : public MasterFileObserver {
 public:
  // Follows `inventory` from now on; load it (again) to fill the index from its file.
  explicit BarcodeIndex(MasterFile& inventory);
  ~BarcodeIndex() override;
  BarcodeIndex(const BarcodeIndex&) = delete;
  BarcodeIndex& operator=(const BarcodeIndex&) = delete;

  // The lowest slot whose live record may hold SKU 1 text `code`; nothing when no live record
  // holds it. An empty code matches nothing.
  std::optional<int64_t> FirstCandidate(std::string_view code) const;
  // The next such slot after `position`, for when the record at `position` turned out to hold
  // another code.
  std::optional<int64_t> NextCandidate(std::string_view code, int64_t position) const;

  // How many live records have a SKU 1 text.
  size_t size() const { return live_codes_; }

  void FileReset(const MasterFile& file) override;
  void SlotChanged(const MasterFile& file, int64_t position, const uint8_t* record) override;
  void SlotFreed(const MasterFile& file, int64_t position) override;

 private:
  static constexpr uint64_t kNoCode = 0;
  static uint64_t HashOf(std::string_view code);
  void Set(int64_t position, uint64_t hash);
  std::optional<int64_t> NextWithHash(uint64_t hash, int64_t after) const;

  MasterFile& inventory_;
  std::vector<uint64_t> slot_hash_;  // per slot; kNoCode when none
  struct Holders {
    int64_t first = 0;  // the lowest slot holding the hash
    int64_t count = 0;  // how many slots hold it
  };
  std::unordered_map<uint64_t, Holders> holders_;
  size_t live_codes_ = 0;
};

}  // namespace ventro
