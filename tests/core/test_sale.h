// The parts the sale flows, the sign-on and the receipts work on, over a data folder of the
// test's own, without the rest of the program: the settings record, the master files with the
// barcode index, the labels, the open sale, the sale screen and a recording window.
#pragma once

#include "sale/sale_session.h"
#include "test_platform.h"

namespace ventro::test {

struct TestSale {
  TestSale(Platform& on_platform, const Path& folder)
      : platform(on_platform), paths(folder, folder) {}
  TestSale(const TestSale&) = delete;
  TestSale& operator=(const TestSale&) = delete;

  Platform& platform;
  SettingsRecord settings;
  MasterFile inventory{MasterKind::kInventory};
  MasterFile customers{MasterKind::kCustomer};
  BarcodeIndex barcodes{inventory};
  LabelTable labels;
  SaleState sale;
  SaleScreen screen;
  RecordingWindow window;
  DataPaths paths;
  SaleSession session{settings, inventory, customers, barcodes, labels,
                      sale,     screen,    window,    platform, paths};
};

}  // namespace ventro::test
