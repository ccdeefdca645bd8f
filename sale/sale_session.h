// What the sale flows work on: the settings record, the inventory and customer files with the
// barcode index, the labels, the open sale and the sale screen, the window, the platform and
// where the data files are. The program builds one for its run; tests build one over parts of
// their own.
#pragma once

#include "formats/settings_record.h"
#include "operators/label_table.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "print/printing_context.h"
#include "sale/barcode_index.h"
#include "sale/basket.h"
#include "sale/screen_state.h"
#include "store/data_paths.h"
#include "store/master_file.h"

namespace ventro {

struct SaleSession {
  SettingsRecord& settings;
  MasterFile& inventory;
  MasterFile& customers;
  // The SKU 1 texts of the live inventory records, kept in step with inventory.dat.
  BarcodeIndex& barcodes;
  const LabelTable& labels;
  SaleState& sale;
  SaleScreen& screen;
  Window& window;
  Platform& platform;
  const DataPaths& paths;

  Ui& ui() const { return platform.ui; }
  Files& files() const { return platform.files; }
  // The local time, read afresh.
  LocalTime Now() const { return platform.clock.Now(); }
  // What the receipts of this sale are printed with.
  PrintingContext printing() const { return {platform, settings, labels, paths.folder}; }
};

}  // namespace ventro
