// Walks a record layout: every field (every element of an array) is written through Set on a
// record filled with a background byte, must read back through Get, must hold the value's bytes
// at its own offset, and must leave every other byte alone. Indexes just outside an array are
// neither written nor read.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "base/record_field.h"

namespace ventro::test {

inline constexpr uint8_t kBackground = 0xA5;

template <class Record>
Record FilledRecord(uint8_t byte = kBackground) {
  Record record;
  std::memset(record.data(), byte, Record::kSize);
  return record;
}

// The offsets outside `span` whose byte is no longer `byte`.
template <class Record>
std::vector<size_t> ChangedOutside(const Record& record, ByteSpan span,
                                   uint8_t byte = kBackground) {
  std::vector<size_t> changed;
  for (size_t i = 0; i < Record::kSize; ++i) {
    bool inside = i >= span.offset && i < span.end();
    if (!inside && record.data()[i] != byte) changed.push_back(i);
  }
  return changed;
}

// A value whose bytes all differ from the background: numbers and plain structs get the bytes
// 1, 2, 3...; texts are longer than their field so that cutting is seen.
template <class F>
typename F::Value SampleValue(const F& field) {
  using T = typename F::Value;
  if constexpr (std::is_same_v<T, std::string>) {
    std::string text(field.width + 3, 'x');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('A' + i % 26);
    return text;
  } else {
    T value;
    auto* bytes = reinterpret_cast<uint8_t*>(&value);
    for (size_t i = 0; i < sizeof value; ++i) bytes[i] = static_cast<uint8_t>(i + 1);
    return value;
  }
}

// What the field's bytes must hold after `value` was set.
template <class F>
std::string StoredBytes(const F& field, const typename F::Value& value) {
  using T = typename F::Value;
  if constexpr (std::is_same_v<T, std::string>) {
    if (std::is_same_v<F, StoredCode<typename F::Owner>>) return value.substr(0, field.width);
    return value.substr(0, field.width - 1) + '\0';
  } else {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
  }
}

template <class Record, class F>
void CheckElement(const F& field, auto set, auto get) {
  Record record = FilledRecord<Record>();
  typename F::Value value = SampleValue(field);
  set(record, value);
  std::string expected = StoredBytes(field, value);
  ByteSpan span = field.span();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(record.data() + span.offset), span.width)
                .substr(0, expected.size()),
            expected);
  if constexpr (std::is_same_v<typename F::Value, std::string>) {
    EXPECT_EQ(get(record), expected.substr(0, expected.find('\0')));
  } else {
    EXPECT_EQ(StoredBytes(field, get(record)), expected);
  }
  EXPECT_EQ(ChangedOutside(record, span), std::vector<size_t>{});
}

template <class Record, class F>
void CheckField(const F& field) {
  CheckElement<Record>(
      field, [&](Record& r, const auto& v) { r.Set(field, v); },
      [&](const Record& r) { return r.Get(field); });
}

template <class Record, class F, class Index>
void CheckField(const FieldArray<F, Index>& array) {
  for (int i = array.first_index; i < array.first_index + array.count; ++i) {
    SCOPED_TRACE(testing::Message() << "index " << i);
    Index index = static_cast<Index>(i);
    CheckElement<Record>(
        array.At(index), [&](Record& r, const auto& v) { r.Set(array, index, v); },
        [&](const Record& r) { return r.Get(array, index); });
  }
  for (int outside : {array.first_index - 1, array.first_index + array.count}) {
    Record record = FilledRecord<Record>();
    Index index = static_cast<Index>(outside);
    record.Set(array, index, SampleValue(array.first));
    EXPECT_EQ(ChangedOutside(record, ByteSpan{0, 0}), std::vector<size_t>{}) << outside;
    EXPECT_TRUE(record.Get(array, index) == typename F::Value{}) << outside;
  }
}

// Checks every field of `layout` on Record.
template <class Record, class Layout>
void CheckLayout(const Layout& layout) {
  size_t position = 0;
  std::apply(
      [&](const auto&... fields) {
        (([&] {
           SCOPED_TRACE(testing::Message()
                        << "field " << position << " at " << fields.span().offset);
           CheckField<Record>(fields);
           ++position;
         }()),
         ...);
      },
      layout);
}

// The spans of a layout in the order listed, for comparison with offsets written out by hand.
template <class Layout>
std::vector<std::pair<size_t, size_t>> SpanList(const Layout& layout) {
  std::vector<std::pair<size_t, size_t>> list;
  for (ByteSpan span : SpansOf(layout)) list.emplace_back(span.offset, span.end());
  return list;
}

}  // namespace ventro::test
