// Reading the trading days' binary logs back: the year index of transactions (year\base.dat)
// and the fixed-size records of a day's sales and items logs. Nothing here is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace ventro {

// One transaction in a year's index: its number (low 32 bits), day and month.
struct YearIndexEntry {
  int32_t transaction_number = 0;
  int32_t day = 0;
  int32_t month = 0;
};

// year\base.dat under the data folder.
Path YearIndexPath(const Path& data_folder, int year);
// year\month\day, the folder of one trading day's logs.
Path DayLogFolder(const Path& data_folder, int year, int month, int day);

// A year's index as read from its file, each entry decoded when asked for, so that reading a
// large index costs little more than the read itself.
class YearIndex {
 public:
  // `year`'s index: the 4-byte header skipped and a trailing partial record (an append cut
  // short) left out. Nothing when the file cannot be read.
  static std::optional<YearIndex> Read(Files& files, const Path& data_folder, int year);

  size_t size() const { return count_; }
  YearIndexEntry operator[](size_t i) const;
  // Entry i's transaction number alone.
  int32_t number(size_t i) const;
  // Whether every entry's number is above the one before it, so that the index can be
  // searched by halving.
  bool NumbersRiseStrictly() const { return rises_strictly_; }

 private:
  bool CheckNumbersRise() const;

  // The file's bytes, read into memory that is not cleared first: a year of a busy shop is
  // megabytes, and clearing them would cost as much again as reading them.
  std::unique_ptr<uint8_t[]> bytes_;
  size_t count_ = 0;
  bool rises_strictly_ = true;
};

// The whole records of a log of `record_size`-byte records without a header, as one byte
// string; a trailing partial record is left out. Nothing when the file cannot be read.
std::optional<std::string> ReadLogRecords(Files& files, const Path& path, size_t record_size);

}  // namespace ventro
