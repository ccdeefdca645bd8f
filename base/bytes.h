// Little-endian field access inside fixed-layout records. The stored files are packed with
// no alignment, so every access copies bytes rather than casting pointers.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace ventro {

static_assert(std::endian::native == std::endian::little, "record layouts are little-endian");

inline int32_t GetI32(const uint8_t* p) {
  int32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void PutI32(uint8_t* p, int32_t v) { std::memcpy(p, &v, sizeof v); }

inline int64_t GetI64(const uint8_t* p) {
  int64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void PutI64(uint8_t* p, int64_t v) { std::memcpy(p, &v, sizeof v); }

inline double GetF64(const uint8_t* p) {
  double v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void PutF64(uint8_t* p, double v) { std::memcpy(p, &v, sizeof v); }

// A zero-terminated text inside a field of `width` bytes; a field without a terminator
// yields all `width` bytes.
inline std::string GetText(const uint8_t* p, size_t width) {
  const void* end = std::memchr(p, 0, width);
  size_t length = end ? static_cast<size_t>(static_cast<const uint8_t*>(end) - p) : width;
  return std::string(reinterpret_cast<const char*>(p), length);
}

// Stores at most width - 1 bytes of `text` and a terminator; the rest of the field is zeroed
// so that records written from the same values are identical.
inline void PutText(uint8_t* p, size_t width, std::string_view text) {
  size_t length = text.size() < width ? text.size() : width - 1;
  std::memcpy(p, text.data(), length);
  std::memset(p + length, 0, width - length);
}

// Fixed-width codes stored without a terminator (the three-letter category codes).
inline std::string GetFixed(const uint8_t* p, size_t width) {
  return std::string(reinterpret_cast<const char*>(p), width);
}
inline void PutFixed(uint8_t* p, size_t width, std::string_view text) {
  for (size_t i = 0; i < width; ++i) p[i] = i < text.size() ? static_cast<uint8_t>(text[i]) : 0;
}

}  // namespace ventro
