#include "suppliers/supplier_maintenance.h"

#include <optional>
#include <string>

#include "base/format.h"
#include "formats/supplier_record.h"
#include "platform/tell.h"
#include "suppliers/supplier_form.h"

namespace ventro {
namespace {

constexpr const char* kProblem = "Problem";

// The number typed into the entry box; nothing when cancelled or below 1 (both end the
// command without a message).
std::optional<int64_t> AskNumber(Ui& ui, const std::string& prompt) {
  std::string text;
  if (!ui.EditBox(prompt, text)) return std::nullopt;
  int64_t number = AtoI64(text);
  if (number < 1) return std::nullopt;
  return number;
}

// Writes the buffer to `position`, reporting a failure.
bool WriteSupplier(Ui& ui, Files& files, MasterFile& suppliers, int64_t position) {
  switch (suppliers.WriteAt(files, position, suppliers.buffer())) {
    case WriteStatus::kOk:
      return true;
    case WriteStatus::kMissing:
      ui.Message("Fatal error", "Data file: suppliers.dat, not present.", Icon::kError);
      return false;
    case WriteStatus::kFailed:
      break;
  }
  ui.Message(kProblem, "Not able to write to suppliers.dat", Icon::kError);
  return false;
}

}  // namespace

int64_t ProposedSupplierNumber(const MasterFile& suppliers) {
  int64_t proposal = 1;
  for (const IndexEntry& entry : suppliers.index().entries()) {
    if (entry.number < proposal) continue;  // free slots, and a number held twice
    if (entry.number > proposal) break;
    ++proposal;
  }
  return proposal;
}

void FindSupplier(Ui& ui, Files& files, MasterFile& suppliers) {
  std::optional<int64_t> number = AskNumber(ui, "Supplier number");
  if (!number) return;
  std::optional<int64_t> position = suppliers.FindPosition(*number);
  if (!position) {
    ui.Message("Supplier", "Does not exist", Icon::kInformation);
    return;
  }
  if (!Tell(ui, suppliers.Read(files, *position))) return;
  RunSupplierForm(ui, suppliers.supplier(), SupplierFormMode::kView, "Supplier");
}

void AddSupplier(Ui& ui, Files& files, MasterFile& suppliers) {
  suppliers.ClearBuffer();
  SupplierRecord& record = suppliers.supplier();
  record.Set(supp::kNumber, ProposedSupplierNumber(suppliers));
  if (!RunSupplierForm(ui, record, SupplierFormMode::kNew, "New supplier")) return;
  if (record.Get(supp::kNumber) < 1 || record.Get(supp::kNumber) > SupplierRecord::kMaxNumber) {
    ui.Message(kProblem, "Number outside range.", Icon::kError);
    return;
  }
  Tell(ui, suppliers.Add(files));
}

void AmendSupplier(Ui& ui, Files& files, MasterFile& suppliers) {
  std::optional<int64_t> number = AskNumber(ui, "Enter the supplier number");
  if (!number) return;
  std::optional<int64_t> position = suppliers.FindPosition(*number);
  if (!position) {
    ui.Message("Amend supplier", "Supplier does not exist", Icon::kInformation);
    return;
  }
  if (!Tell(ui, suppliers.Read(files, *position))) return;
  SupplierRecord& record = suppliers.supplier();
  if (!RunSupplierForm(ui, record, SupplierFormMode::kAmend, "Amend supplier")) return;
  if (record.Get(supp::kNumber) != *number) {
    ui.Message(kProblem, "Not possible to change number", Icon::kError);
    return;
  }
  WriteSupplier(ui, files, suppliers, *position);
}

void DeleteSupplier(Ui& ui, Files& files, MasterFile& suppliers) {
  std::optional<int64_t> number = AskNumber(ui, "Enter the supplier number");
  if (!number) return;
  std::optional<int64_t> position = suppliers.FindPosition(*number);
  if (!position) {
    ui.Message("Delete supplier", "Supplier does not exist", Icon::kInformation);
    return;
  }
  if (!Tell(ui, suppliers.Read(files, *position))) return;
  suppliers.supplier().MarkDeleted();
  // The index follows the file: a slot is freed in memory only once it is free on disk.
  if (!WriteSupplier(ui, files, suppliers, *position)) return;
  suppliers.Delete(*number);
  ui.Message("Delete supplier", "Supplier deleted.", Icon::kInformation);
}

}  // namespace ventro
