// What the Customers menu's work needs: the platform, the settings, customer.dat with its
// index, where the data files are, the window to redraw after a payment and the labels the
// receipts are printed with. The program builds one from its state; tests build one over parts
// of their own.
#pragma once

#include "formats/settings_record.h"
#include "operators/label_table.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "print/printing_context.h"
#include "store/data_paths.h"
#include "store/master_file.h"

namespace ventro {

struct CustomerDesk {
  Platform& platform;
  SettingsRecord& settings;
  MasterFile& customers;
  const DataPaths& paths;
  Window& window;
  const LabelTable& labels;

  Ui& ui() const { return platform.ui; }
  Files& files() const { return platform.files; }
  LocalTime Now() const { return platform.clock.Now(); }
  PrintingContext printing() const { return {platform, settings, labels, paths.folder}; }
};

}  // namespace ventro
