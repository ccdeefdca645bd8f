#include "store/day_log.h"

#include <string>

#include "base/format.h"

namespace ventro {
namespace {

constexpr char kMarker[] = "base.dat";

// Creates a marker file holding the time of creation, five characters, no line end.
bool WriteTimeMarker(Files& files, const Path& path, const LocalTime& now) {
  auto file = files.Open(path, OpenMode::kAppendCreate);
  if (!file) return false;
  std::string text = StringPrintf("%02d:%02d", now.hour, now.minute);
  return file->Truncate(0) && file->Append(text.data(), text.size());
}

bool WriteYearIndexHeader(Files& files, const Path& path) {
  auto file = files.Open(path, OpenMode::kAppendCreate);
  if (!file) return false;
  const uint8_t header[4] = {0, 0, 0, 0};
  return file->Truncate(0) && file->Append(header, sizeof header);
}

// A folder that could not be made: the end of the work.
bool Fatal(std::vector<Status>& failures, const char* text) {
  failures.push_back(Status::Failed("Fatal error", text));
  return false;
}

// A marker that could not be written: told, and the work goes on.
void Problem(std::vector<Status>& failures, const char* text) {
  failures.push_back(Status::Failed("Problem", text, Severity::kWarning));
}

// Makes the year and month levels, adding what fails to `failures`; false when a folder could
// not be made.
bool MakeYearMonth(Files& files, const Path& data_folder, const LocalTime& now,
                   std::vector<Status>& failures) {
  Path month_marker = MonthFolder(data_folder, now) / kMarker;
  if (files.Exists(month_marker)) return true;
  Path year_marker = YearFolder(data_folder, now) / kMarker;
  if (!files.Exists(year_marker)) {
    if (!files.CreateDirectory(YearFolder(data_folder, now))) {
      return Fatal(failures, "Unable to create year log directory");
    }
    if (!WriteYearIndexHeader(files, year_marker)) {
      Problem(failures, "Unable to open base.dat in year log.");
    }
  }
  if (!files.CreateDirectory(MonthFolder(data_folder, now))) {
    return Fatal(failures, "Unable to create month log directory");
  }
  if (!WriteTimeMarker(files, month_marker, now)) {
    Problem(failures, "Unable to open base.dat in month log.");
  }
  return true;
}

}  // namespace

Path YearFolder(const Path& data_folder, const LocalTime& time) {
  return data_folder / std::to_string(time.year);
}

Path MonthFolder(const Path& data_folder, const LocalTime& time) {
  return YearFolder(data_folder, time) / std::to_string(time.month);
}

Path DayFolder(const Path& data_folder, const LocalTime& time) {
  return MonthFolder(data_folder, time) / std::to_string(time.day);
}

Path DayTextLogPath(const Path& data_folder, const LocalTime& time) {
  return MonthFolder(data_folder, time) / (std::to_string(time.day) + ".txt");
}

std::vector<Status> EnsureYearMonthFolders(Files& files, const Path& data_folder,
                                           const LocalTime& now) {
  std::vector<Status> failures;
  MakeYearMonth(files, data_folder, now, failures);
  return failures;
}

std::vector<Status> EnsureDayFolders(Files& files, const Path& data_folder, const LocalTime& now) {
  std::vector<Status> failures;
  Path day_marker = DayFolder(data_folder, now) / kMarker;
  if (files.Exists(day_marker)) return failures;
  if (!MakeYearMonth(files, data_folder, now, failures)) return failures;
  if (!files.CreateDirectory(DayFolder(data_folder, now))) {
    Fatal(failures, "Unable to create day log directory");
  } else if (!WriteTimeMarker(files, day_marker, now)) {
    Problem(failures, "Unable to open base.dat in day log.");
  }
  return failures;
}

bool AppendDayText(Files& files, const Path& data_folder, const LocalTime& now,
                   std::string_view text) {
  auto file = files.Open(DayTextLogPath(data_folder, now), OpenMode::kAppendCreate);
  return file && file->Append(text.data(), text.size());
}

}  // namespace ventro
