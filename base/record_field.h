// Declarative fields of the fixed-layout records. A field constant holds where a value lives
// (offset, and width for texts) and its type; a record is a block of bytes read and written only
// through Get and Set with such constants. Every field type names the record it belongs to, so a
// field of one record cannot be used on another.
//
// A layout lists its fields once more as a tuple, which lets the compiler check that they fit the
// record and do not overlap, and lets a test walk every field.
#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "base/bytes.h"

namespace ventro {

// The bytes one field occupies.
struct ByteSpan {
  size_t offset;
  size_t width;
  constexpr size_t end() const { return offset + width; }
};

// A number, or a plain struct of numbers, stored as its own bytes (little-endian, packed).
template <class T, class Record>
struct Field {
  static_assert(std::is_trivially_copyable_v<T>);
  using Owner = Record;
  using Value = T;
  using Arg = const T&;
  size_t offset;

  constexpr ByteSpan span() const { return {offset, sizeof(T)}; }
  T Read(const uint8_t* record) const {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
  }
  void Write(uint8_t* record, const T& value) const {
    std::memcpy(record + offset, &value, sizeof value);
  }
};

// A NUL-terminated Windows-1252 text in a fixed array of `width` bytes (see GetText, PutText).
template <class Record>
struct StoredText {
  using Owner = Record;
  using Value = std::string;
  using Arg = std::string_view;
  size_t offset;
  size_t width;

  constexpr ByteSpan span() const { return {offset, width}; }
  std::string Read(const uint8_t* record) const { return GetText(record + offset, width); }
  void Write(uint8_t* record, std::string_view text) const {
    PutText(record + offset, width, text);
  }
};

// A code of `width` characters stored without a terminator, zero-padded when shorter.
template <class Record>
struct StoredCode {
  using Owner = Record;
  using Value = std::string;
  using Arg = std::string_view;
  size_t offset;
  size_t width;

  constexpr ByteSpan span() const { return {offset, width}; }
  std::string Read(const uint8_t* record) const { return GetText(record + offset, width); }
  void Write(uint8_t* record, std::string_view text) const {
    PutFixed(record + offset, width, text);
  }
};

// `count` fields like `first`, `stride` bytes apart, indexed from `first_index`. An index outside
// the array reads as zero (or empty) and is not written.
template <class F, class Index = int>
struct FieldArray {
  F first;
  size_t stride;
  int count;
  int first_index = 0;

  constexpr bool Has(Index index) const {
    int i = static_cast<int>(index);
    return i >= first_index && i < first_index + count;
  }
  constexpr F At(Index index) const {
    F field = first;
    field.offset += stride * static_cast<size_t>(static_cast<int>(index) - first_index);
    return field;
  }
  constexpr ByteSpan span() const {
    return {first.offset, stride * static_cast<size_t>(count - 1) + first.span().width};
  }
};

template <class F, class Record>
concept FieldOf = std::same_as<typename F::Owner, Record>;

// A record of N bytes; bytes no field names are carried unchanged.
template <class Record, size_t N>
class FixedRecord {
 public:
  static constexpr size_t kSize = N;

  FixedRecord() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  void Clear() { bytes_.fill(0); }

  template <FieldOf<Record> F>
  typename F::Value Get(const F& field) const {
    return field.Read(bytes_.data());
  }
  template <FieldOf<Record> F>
  void Set(const F& field, typename F::Arg value) {
    field.Write(bytes_.data(), value);
  }

  template <FieldOf<Record> F, class Index>
  typename F::Value Get(const FieldArray<F, Index>& array, std::type_identity_t<Index> i) const {
    return array.Has(i) ? Get(array.At(i)) : typename F::Value{};
  }
  template <FieldOf<Record> F, class Index>
  void Set(const FieldArray<F, Index>& array, std::type_identity_t<Index> i,
           typename F::Arg value) {
    if (array.Has(i)) Set(array.At(i), value);
  }

 private:
  std::array<uint8_t, N> bytes_;
};

// The spans of a layout's fields, in the order listed.
template <class... Fields>
constexpr std::array<ByteSpan, sizeof...(Fields)> SpansOf(const std::tuple<Fields...>& fields) {
  return std::apply(
      [](const auto&... f) { return std::array<ByteSpan, sizeof...(Fields)>{f.span()...}; },
      fields);
}

// True when every span ends within `size` bytes and no two spans share a byte.
template <size_t N>
constexpr bool FitsWithoutOverlap(std::array<ByteSpan, N> spans, size_t size) {
  std::sort(spans.begin(), spans.end(),
            [](const ByteSpan& a, const ByteSpan& b) { return a.offset < b.offset; });
  for (size_t i = 0; i < N; ++i) {
    if (spans[i].width == 0 || spans[i].end() > size) return false;
    if (i + 1 < N && spans[i].end() > spans[i + 1].offset) return false;
  }
  return true;
}

}  // namespace ventro
