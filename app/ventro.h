// The program's state for one run: the settings record, the master files with their indexes,
// the label table, the clock stamps of the start, and the platform it runs on. One instance
// lives from the start to the end of WinMain.
#pragma once

#include <memory>
#include <string>

#include "app/host.h"
#include "app/sale_screen.h"
#include "app/win_main.h"
#include "formats/settings_record.h"
#include "operators/label_table.h"
#include "platform/platform.h"
#include "print/printing_context.h"
#include "sale/barcode_index.h"
#include "sale/basket.h"
#include "sale/sale_session.h"
#include "store/data_paths.h"
#include "store/master_file.h"

namespace ventro {

class Ventro {
 public:
  Ventro(Platform& on_platform, Host& in_host, const StartOptions& options)
      : platform(on_platform),
        host(in_host),
        paths(options.data_folder, options.program_folder),
        uploader(options.uploader) {}
  Ventro(const Ventro&) = delete;
  Ventro& operator=(const Ventro&) = delete;

  Ui& ui() { return platform.ui; }
  Files& files() { return platform.files; }
  // The local time, read afresh.
  LocalTime Now() { return platform.clock.Now(); }

  Platform& platform;
  Host& host;
  DataPaths paths;
  Uploader* uploader;  // may be null (see StartOptions)

  SettingsRecord settings;
  MasterFile inventory{MasterKind::kInventory};
  MasterFile customers{MasterKind::kCustomer};
  MasterFile suppliers{MasterKind::kSupplier};
  // The SKU 1 texts of the live inventory records, kept in step with inventory.dat.
  BarcodeIndex barcodes{inventory};
  LabelTable labels;

  // The previous start or stop, copied out of the settings before the start overwrites it.
  TimeStamp previous_start;
  // When the sale screen came up.
  int start_day_of_week = 0;
  int start_hour = 0;
  int start_minute = 0;

  // Set when loading the data failed: nothing is written at exit, so a damaged or missing data
  // file is never overwritten. A restore sets it too.
  bool no_save = false;

  // The mailmerge letter's text, kept for the run.
  std::string mailmerge_body;

  // The day the activity summary's export and mail link are of; 0 until a summary sets it.
  Date activity_day;

  // The sale screen's entry text, restricted flag, entry mode and title.
  SaleScreen screen;

  // The open sale, the parked baskets, the basket list and the quick-select page.
  SaleState sale;

  // The parts of this run the sale flows, the sign-on and the receipts work on.
  SaleSession& sale_session() { return session_; }
  PrintingContext printing() const { return session_.printing(); }

 private:
  SaleSession session_{settings, inventory, customers, barcodes, labels,
                       sale,     screen,    host,      platform, paths};
};

}  // namespace ventro
