// Where the run's files are: the data folder with the master files, vt.cfg and language.ini,
// and the folder holding the starter files.
#pragma once

#include "platform/files.h"

namespace ventro {

struct DataPaths {
  Path folder;     // the data folder
  Path inventory;  // inventory.dat
  Path customer;   // customer.dat
  Path suppliers;  // suppliers.dat
  Path settings;   // vt.cfg
  Path language;   // language.ini
  Path program;    // the folder holding the starter files

  DataPaths(const Path& data_folder, const Path& program_folder)
      : folder(data_folder),
        inventory(folder / "inventory.dat"),
        customer(folder / "customer.dat"),
        suppliers(folder / "suppliers.dat"),
        settings(folder / "vt.cfg"),
        language(folder / "language.ini"),
        program(program_folder) {}
};

}  // namespace ventro
