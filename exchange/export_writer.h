// The export file itself: the records of a range of items or customers written to a file in
// the chosen format, once the Export command has asked what and where.
#pragma once

#include <cstdint>

#include "base/status.h"
#include "exchange/export_layout.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {

struct ExportChoice {
  int64_t start = 1;
  int64_t finish = 0;
  ExportSource source = ExportSource::kInventory;
  ExportFormat format = ExportFormat::kText;
  int category = -1;  // the display category kept; -1 for all
  HtmlOptions html;
};

// Writes the records of `master` numbered from the choice's start to its finish, in number
// order, to `target` whole through a temporary file, so that a failed write leaves no half
// file behind. Fails with the read failure of the master file, or with "Unable to open file."
// titled "Problem" when the file cannot be written.
Status WriteExportFile(Files& files, const MasterFile& master, const ExportChoice& choice,
                       const FieldSelection& selection, const Path& target);

}  // namespace ventro
