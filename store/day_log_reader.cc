#include "store/day_log_reader.h"

#include "base/bytes.h"

namespace ventro {
namespace {

constexpr size_t kYearIndexHeader = 4;
constexpr size_t kYearIndexRecord = 12;

}  // namespace

Path YearIndexPath(const Path& data_folder, int year) {
  return data_folder / std::to_string(year) / "base.dat";
}

Path DayLogFolder(const Path& data_folder, int year, int month, int day) {
  return data_folder / std::to_string(year) / std::to_string(month) / std::to_string(day);
}

std::optional<YearIndex> YearIndex::Read(Files& files, const Path& data_folder, int year) {
  std::optional<std::string> bytes = files.ReadAll(YearIndexPath(data_folder, year));
  if (!bytes) return std::nullopt;
  YearIndex index;
  index.count_ =
      bytes->size() <= kYearIndexHeader ? 0 : (bytes->size() - kYearIndexHeader) / kYearIndexRecord;
  index.bytes_ = std::move(*bytes);
  return index;
}

YearIndexEntry YearIndex::operator[](size_t i) const {
  const auto* p =
      reinterpret_cast<const uint8_t*>(bytes_.data()) + kYearIndexHeader + i * kYearIndexRecord;
  return {GetI32(p), GetI32(p + 4), GetI32(p + 8)};
}

int32_t YearIndex::number(size_t i) const {
  return GetI32(reinterpret_cast<const uint8_t*>(bytes_.data()) + kYearIndexHeader +
                i * kYearIndexRecord);
}

std::optional<std::string> ReadLogRecords(Files& files, const Path& path, size_t record_size) {
  std::optional<std::string> bytes = files.ReadAll(path);
  if (bytes) bytes->resize(bytes->size() / record_size * record_size);
  return bytes;
}

}  // namespace ventro
