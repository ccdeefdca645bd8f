#include "devices/code_list.h"

#include <cstdint>

#include "base/format.h"

namespace ventro {
namespace {

constexpr size_t kMaxPieceLength = 41;

}  // namespace

std::string ParseCodeList(std::string_view codes) {
  std::string bytes;
  if (codes.empty()) return bytes;
  // The whole text is walked: the longest stored list (the 50-byte cutter sequence) must not
  // lose its last codes.
  while (true) {
    size_t comma = codes.find(',');
    std::string_view piece = codes.substr(0, comma).substr(0, kMaxPieceLength);
    bytes.push_back(static_cast<char>(static_cast<uint64_t>(AtoI64(piece)) & 0xFF));
    if (comma == std::string_view::npos) break;
    codes.remove_prefix(comma + 1);
  }
  return bytes;
}

}  // namespace ventro
