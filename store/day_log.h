// The folder tree of the trading days under the data folder (year\month\day, numbers without
// leading zeros), its marker files, and the day text log, the readable journal of the day.
#pragma once

#include <string_view>
#include <vector>

#include "base/status.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace ventro {

Path YearFolder(const Path& data_folder, const LocalTime& time);
Path MonthFolder(const Path& data_folder, const LocalTime& time);
Path DayFolder(const Path& data_folder, const LocalTime& time);
// year\month\day.txt: the day text log lies in the month folder, named after the day.
Path DayTextLogPath(const Path& data_folder, const LocalTime& time);

// Makes the year and month folders and their base.dat markers when the month marker is
// missing. A year base.dat starts with the 32-bit value 0; month and day markers hold the time
// of creation as "%02d:%02d". Gives the failures met, in order, for the user: a marker that
// cannot be written is a "Problem" warning and the work goes on; a folder that cannot be made
// is a "Fatal error", always the last entry, and nothing further is made. Empty when all is
// in place.
std::vector<Status> EnsureYearMonthFolders(Files& files, const Path& data_folder,
                                           const LocalTime& now);

// The same for the year, month and day levels.
std::vector<Status> EnsureDayFolders(Files& files, const Path& data_folder, const LocalTime& now);

// Appends `text` to the day text log of `now`, creating the file when missing. Reports
// nothing: false when the file could not be opened or written.
bool AppendDayText(Files& files, const Path& data_folder, const LocalTime& now,
                   std::string_view text);

}  // namespace ventro
