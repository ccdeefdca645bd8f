// The Suppliers menu's work on single records: Find, Add, Amend and Delete. Each asks for
// what it needs, reports refusals and failures itself, and keeps suppliers.dat and the
// supplier index in step.
#pragma once

#include <cstdint>

#include "platform/files.h"
#include "platform/ui.h"
#include "store/master_file.h"

namespace ventro {

// Asks "Supplier number" and shows that supplier read-only, titled "Supplier".
void FindSupplier(Ui& ui, Files& files, MasterFile& suppliers);

// Proposes a number, lets the user fill in the form "New supplier" and stores the new
// supplier in the oldest free slot or at the end of the file.
void AddSupplier(Ui& ui, Files& files, MasterFile& suppliers);

// Asks "Enter the supplier number" and lets the user change everything but the number.
void AmendSupplier(Ui& ui, Files& files, MasterFile& suppliers);

// Asks "Enter the supplier number" and deletes that supplier without a further question. Only
// the number is cleared in the file; the slot is reused by the next Add.
void DeleteSupplier(Ui& ui, Files& files, MasterFile& suppliers);

// The number Add proposes: one past the unbroken run of live numbers 1, 2, 3, ... (so 1 when
// the lowest live number is not 1).
int64_t ProposedSupplierNumber(const MasterFile& suppliers);

}  // namespace ventro
