// The steps of the start and the end of a run, called in order by WinMain.
#pragma once

#include "app/ventro.h"

namespace ventro {

// First run: writes the settings file with its defaults and suppliers.dat with one deleted
// record, then copies the starter files beside the program into the data folder unless
// stock1.bmp is already there. False when the settings file or suppliers.dat could not be
// written (reported); nothing further is created then.
bool dodemo(Ventro& ventro);

// Loads the settings record, the three master files with their indexes and the label table,
// and puts sane values into fields a new or old file may lack. Returns 1, or 0 after showing
// the first failure.
int Opendata(Ventro& ventro);

// The start of the sale screen: Opendata, then the start time saved, the day's folders made,
// "Switched on." logged, and the start category chosen. False when Opendata failed: the no-save
// flag is then set and the program must end.
bool StartSaleScreen(Ventro& ventro);

// The end of a run: unless the no-save flag is set, saves the settings record and the label
// table whole and closes the day text log with "Switched off." and the clerk line.
void Shutdown(Ventro& ventro);

}  // namespace ventro
