#include "platform/bitmap.h"

#include <cstdint>

namespace ventro {
namespace {

uint32_t U32At(std::string_view bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t k = 0; k < 4; ++k) {
    value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + k])) << (8 * k);
  }
  return value;
}

}  // namespace

bool IsBitmapFile(std::string_view bytes) {
  constexpr size_t kFileHeader = 14;
  if (bytes.size() < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const uint32_t info_size = U32At(bytes, kFileHeader);
  if (info_size != 12 && info_size != 40 && info_size != 52 && info_size != 56 && info_size != 64 &&
      info_size != 108 && info_size != 124) {
    return false;
  }
  const uint32_t pixels = U32At(bytes, 10);
  return pixels >= kFileHeader + info_size && pixels < bytes.size();
}

}  // namespace ventro
