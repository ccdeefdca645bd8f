#include "sale/barcode_index.h"

#include <functional>
#include <string>

#include "base/bytes.h"

namespace ventro {
namespace {

constexpr size_t kSku1Offset = 90;  // the SKU 1 text
constexpr size_t kSku1Width = 40;

std::string_view Sku1Of(const uint8_t* record) {
  const auto* text = reinterpret_cast<const char*>(record + kSku1Offset);
  size_t length = 0;
  while (length < kSku1Width && text[length] != '\0') ++length;
  return {text, length};
}

}  // namespace

BarcodeIndex::BarcodeIndex(MasterFile& inventory) : inventory_(inventory) {
  inventory_.set_observer(this);
}

BarcodeIndex::~BarcodeIndex() { inventory_.set_observer(nullptr); }

uint64_t BarcodeIndex::HashOf(std::string_view code) {
  uint64_t hash = std::hash<std::string_view>{}(code);
  return hash == kNoCode ? 1 : hash;
}

std::optional<int64_t> BarcodeIndex::FirstCandidate(std::string_view code) const {
  if (code.empty()) return std::nullopt;
  auto it = holders_.find(HashOf(code));
  if (it == holders_.end()) return std::nullopt;
  return it->second.first;
}

std::optional<int64_t> BarcodeIndex::NextCandidate(std::string_view code, int64_t position) const {
  if (code.empty()) return std::nullopt;
  return NextWithHash(HashOf(code), position);
}

std::optional<int64_t> BarcodeIndex::NextWithHash(uint64_t hash, int64_t after) const {
  for (size_t k = static_cast<size_t>(after < 0 ? 0 : after + 1); k < slot_hash_.size(); ++k) {
    if (slot_hash_[k] == hash) return static_cast<int64_t>(k);
  }
  return std::nullopt;
}

void BarcodeIndex::FileReset(const MasterFile&) {
  slot_hash_.clear();
  holders_.clear();
  live_codes_ = 0;
}

void BarcodeIndex::SlotChanged(const MasterFile& file, int64_t position, const uint8_t* record) {
  // A slot counts as live while its name prefix in memory is set, as for the file scan.
  const bool live = file.prefix(position)[0] != 0;
  std::string_view code = Sku1Of(record);
  Set(position, live && !code.empty() ? HashOf(code) : kNoCode);
}

void BarcodeIndex::SlotFreed(const MasterFile&, int64_t position) { Set(position, kNoCode); }

void BarcodeIndex::Set(int64_t position, uint64_t hash) {
  if (position < 0) return;
  const auto slot = static_cast<size_t>(position);
  if (slot >= slot_hash_.size()) {
    if (hash == kNoCode) return;
    slot_hash_.resize(slot + 1, kNoCode);
  }
  const uint64_t old = slot_hash_[slot];
  if (old == hash) return;
  slot_hash_[slot] = hash;

  if (old != kNoCode) {
    --live_codes_;
    auto it = holders_.find(old);
    if (it != holders_.end() && --it->second.count == 0) {
      holders_.erase(it);
    } else if (it != holders_.end() && it->second.first == position) {
      // The first of several holders went: the next one in slot order takes its place.
      it->second.first = NextWithHash(old, position).value_or(0);
    }
  }
  if (hash != kNoCode) {
    ++live_codes_;
    Holders& holders = holders_[hash];
    if (holders.count == 0 || position < holders.first) holders.first = position;
    ++holders.count;
  }
}

}  // namespace ventro
