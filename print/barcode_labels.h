// Utilities, "Barcode print": the BARKODE dialog, the checks of the range, the Print dialog and
// the label sheets printed page after page with the cancel box open.
#pragma once

#include <cstdint>

#include "formats/settings_record.h"
#include "platform/dialog.h"
#include "platform/platform.h"
#include "print/label_job.h"
#include "store/master_file.h"

namespace ventro {

// What a label job reads and changes: the text size is the settings' listing lines per page.
struct LabelDesk {
  Platform& platform;
  SettingsRecord& settings;
  const MasterFile& inventory;
  const MasterFile& customers;
};

// The BARKODE dialog with the usual job, the text size at `lines_per_page` (0: "Use the
// printer default"). Choosing a format resets the label height and labels per sheet (and
// enables Origin X for the video spine only), choosing a barcode type the element width, and
// the quantity is enabled for the repeated item only.
Dialog LabelDialog(int64_t lines_per_page);

// The job the dialog's values describe, each layout value replaced by its fallback when out
// of its range.
LabelJob JobOfDialog(const Dialog& dialog);

// The command: runs the dialog; on OK stores the text size, checks the range ("Range limit
// 100000000000000000", "Invalid range", a repeated start that names no item), the data file
// ("Data file: inventory.dat, not present." or customer.dat, titled "Fatal error") and that
// the range holds a label ("No match found" titled "Finished"); then asks the Print dialog and
// prints the sheets of every copy until the range or quantity is used up or the cancel box's
// Cancel is pressed.
void PrintBarcodeLabels(const LabelDesk& desk);

}  // namespace ventro
