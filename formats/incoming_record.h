// One goods receipt as stored in the day's receiving log ininvent.dat: the item number and the
// quantity received, two little-endian 64-bit integers, appended in the order of receipt. The
// file has no header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"

namespace ventro {

// The receiving log's name in each day folder.
inline constexpr char kIncomingLogName[] = "ininvent.dat";

struct IncomingRecord {
  static constexpr size_t kSize = 16;

  int64_t number = 0;
  int64_t quantity = 0;  // 1 or more

  std::string Bytes() const {
    std::string bytes(kSize, '\0');
    auto* p = reinterpret_cast<uint8_t*>(bytes.data());
    PutI64(p, number);
    PutI64(p + 8, quantity);
    return bytes;
  }
  bool operator==(const IncomingRecord&) const = default;
};

// The whole records of a receiving log's bytes, in order; a partial trailing record is left out.
inline std::vector<IncomingRecord> ParseIncomingLog(std::string_view bytes) {
  std::vector<IncomingRecord> records;
  records.reserve(bytes.size() / IncomingRecord::kSize);
  const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
  for (size_t at = 0; at + IncomingRecord::kSize <= bytes.size(); at += IncomingRecord::kSize) {
    records.push_back({GetI64(p + at), GetI64(p + at + 8)});
  }
  return records;
}

}  // namespace ventro
