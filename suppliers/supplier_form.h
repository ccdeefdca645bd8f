// The supplier form (dialog "816"): every field of a supplier record, shown for viewing or
// edited for an amend or a new supplier.
#pragma once

#include <string>

#include "formats/supplier_record.h"
#include "platform/ui.h"

namespace ventro {

enum class SupplierFormMode { kView = 0, kAmend = 2, kNew = 4 };

// Runs the form titled `title` on `record`. In view mode the fields are read-only and OK
// changes nothing; in amend and new mode OK copies every field back into `record` (texts cut
// to their form maximum, the number read as a signed decimal). False when cancelled, with
// `record` unchanged.
bool RunSupplierForm(Ui& ui, SupplierRecord& record, SupplierFormMode mode,
                     const std::string& title);

}  // namespace ventro
