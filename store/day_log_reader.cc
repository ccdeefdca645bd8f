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
  std::unique_ptr<File> file = files.Open(YearIndexPath(data_folder, year), OpenMode::kRead);
  if (!file) return std::nullopt;
  const std::optional<uint64_t> size = file->Size();
  if (!size) return std::nullopt;
  YearIndex index;
  index.bytes_.reset(new uint8_t[*size]);
  const size_t read = file->ReadAt(0, index.bytes_.get(), *size);
  index.count_ = read <= kYearIndexHeader ? 0 : (read - kYearIndexHeader) / kYearIndexRecord;
  // Checked once here, in one tight pass over the raw entries, rather than entry by entry
  // through operator[] by every search that needs the order.
  index.rises_strictly_ = index.CheckNumbersRise();
  return index;
}

bool YearIndex::CheckNumbersRise() const {
  const auto* p = bytes_.get() + kYearIndexHeader;
  for (size_t i = 1; i < count_; ++i, p += kYearIndexRecord) {
    if (GetI32(p + kYearIndexRecord) <= GetI32(p)) return false;
  }
  return true;
}

YearIndexEntry YearIndex::operator[](size_t i) const {
  const auto* p = bytes_.get() + kYearIndexHeader + i * kYearIndexRecord;
  return {GetI32(p), GetI32(p + 4), GetI32(p + 8)};
}

int32_t YearIndex::number(size_t i) const {
  return GetI32(bytes_.get() + kYearIndexHeader + i * kYearIndexRecord);
}

std::optional<std::string> ReadLogRecords(Files& files, const Path& path, size_t record_size) {
  std::optional<std::string> bytes = files.ReadAll(path);
  if (bytes) bytes->resize(bytes->size() / record_size * record_size);
  return bytes;
}

}  // namespace ventro
