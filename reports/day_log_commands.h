// The Activity menu's day text log commands: today's log shown or printed, any day's log
// printed or exported.
#pragma once

#include "print/printing_context.h"

namespace ventro {

// Shows today's log in the viewer, making today's folders first.
void DisplayTodaysLog(const PrintingContext& context);

// Asks for a day in "THEPICK" (today at first) and shows its log in the viewer.
void DisplayPreviousLog(const PrintingContext& context);

// Prints today's log through the Print dialog; false when nothing was printed (the dialog
// cancelled, no log, or a printer failure, whose message was shown).
bool PrintTodaysLog(const PrintingContext& context);

// Asks "Enter day (DD/MM/YYYY):" and prints that day's log.
void PrintLogForDay(const PrintingContext& context);

// Asks for a day and copies its log to a text file the user chooses.
void ExportLogForDay(const PrintingContext& context);

}  // namespace ventro
