#include "exchange/import_command.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/csv.h"
#include "base/format.h"
#include "exchange/import_records.h"
#include "exchange/item_import.h"
#include "platform/tell.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

// Keys and labels of the mapping dialogs' column fields, in the order of the destination fields.
struct ColumnField {
  const char* key;
  const char* label;
};

constexpr std::array<ColumnField, kItemImportFields> kItemColumnFields = {{
    {"number", "Number"},
    {"description", "Description"},
    {"sku1", "SKU 1"},
    {"sku2", "SKU 2"},
    {"sku3", "SKU 3"},
    {"sku4", "SKU 4"},
    {"cost", "Cost price"},
    {"display_category", "Display category"},
    {"retail", "Retail price"},
    {"quantity", "In stock"},
    {"restock", "Restock level"},
    {"tax", "Taxable"},
    {"order_code", "Order code"},
    {"order_quantity", "Order quantity"},
    {"minimum_order", "Minimum order"},
    {"trade", "Trade price"},
    {"location", "Location"},
    {"website", "Web URL"},
    {"web_image", "Web image URL"},
}};

constexpr std::array<ColumnField, kCustomerImportFields> kCustomerColumnFields = {{
    {"number", "Number"},
    {"company", "Company"},
    {"address1", "Address 1"},
    {"address2", "Address 2"},
    {"address3", "Address 3"},
    {"address4", "Address 4"},
    {"telephone", "Telephone"},
    {"tax", "Taxable"},
    {"balance", "Balance"},
    {"credit_limit", "Credit limit"},
    {"shipping", "Shipping"},
    {"shipping1", "Address 1"},
    {"shipping2", "Address 2"},
    {"shipping3", "Address 3"},
    {"shipping4", "Address 4"},
    {"comment", "Comment"},
    {"group", "Group"},
    {"email", "Email"},
}};

struct Mapping {
  std::vector<int> columns;
  bool merge = false;
};

// The mapping dialog: columns 1, 2, 3 ... offered for as many fields as the file has.
template <size_t N>
std::optional<Mapping> AskMapping(Ui& ui, bool items, const std::array<ColumnField, N>& fields,
                                  int field_count, const std::string& first_line) {
  Dialog dialog;
  dialog.name = items ? "EXSE04" : "EXSE08";
  dialog.title = items ? "Import inventory" : "Import customers";
  for (size_t i = 0; i < N; ++i) {
    const int column = static_cast<int>(i) < field_count ? static_cast<int>(i) + 1 : 0;
    DialogField field = TextField(fields[i].key, fields[i].label, std::to_string(column), 3);
    field.kind = FieldKind::kNumber;
    dialog.Add(std::move(field));
  }
  DialogField line;
  line.key = "first_line";
  line.label = "First line";
  line.kind = FieldKind::kReadOnly;
  line.text = first_line;
  dialog.Add(std::move(line));
  if (items) {
    dialog.Add(ChoiceField("treatment", "Treatment", {"Replace", "Merge"}, 0));
    dialog.Add(NoteField("note1",
                         "Use a zero if the field is not to be imported. The program will "
                         "process the file then report it will close."));
    dialog.Add(NoteField("note2",
                         "The display category will default to 14 (POP) if not used. It will "
                         "accept values of 0-17."));
    dialog.Add(NoteField("note3",
                         "Replace deletes the entire database then adds imported items. Merge "
                         "inserts items into the existing database."));
  }
  if (!ui.RunDialog(dialog)) return std::nullopt;
  Mapping mapping;
  for (size_t i = 0; i < N; ++i) {
    const int64_t column = AtoI64(dialog.Field(fields[i].key).text);
    mapping.columns.push_back(column < 1 || column > field_count ? 0 : static_cast<int>(column));
  }
  mapping.merge = items && dialog.Field("treatment").choice == 1;
  return mapping;
}

template <size_t N>
std::array<int, N> ColumnsOf(const Mapping& mapping) {
  std::array<int, N> columns{};
  std::copy_n(mapping.columns.begin(), N, columns.begin());
  return columns;
}

template <class Record>
void AppendRecord(std::string& bytes, const Record& record) {
  bytes.append(reinterpret_cast<const char*>(record.data()), Record::kSize);
}

// Tells of the first number the import wrote twice; the records stay.
void TellDuplicates(Ui& ui, std::vector<int64_t> numbers) {
  std::sort(numbers.begin(), numbers.end());
  auto twice = std::adjacent_find(numbers.begin(), numbers.end());
  if (twice == numbers.end()) return;
  ui.Message("Import inconsistancy",
             StringPrintf("Item %lld duplicated", static_cast<long long>(*twice)), Icon::kWarning);
}

// A file to import, its records found readable.
struct ImportFile {
  std::string text;
  CsvRecord first;  // its first record
  int records = 0;
};

// The file chosen, read whole and checked record by record; nothing after a message when it
// cannot be used.
std::optional<ImportFile> ReadImportFile(Ui& ui, Files& files, const Path& path) {
  std::optional<std::string> text = files.ReadAll(path);
  if (!text) {
    ui.Message("Fatal error", "File not present.", Icon::kError);
    return std::nullopt;
  }
  if (text->empty()) {
    ui.Message(kProblem, "File has no content", Icon::kWarning);
    return std::nullopt;
  }
  ImportFile file;
  CsvReader reader(*text, kLongestImportLine);
  CsvRecord record;
  while (reader.Next(record)) {
    if (file.records++ == 0) file.first = record;
  }
  if (reader.bad_line() != 0) {
    ui.Message(kProblem, StringPrintf("Line %d is not valid CSV.", reader.bad_line()),
               Icon::kWarning);
    return std::nullopt;
  }
  if (file.records == 0 || file.first.empty()) {
    ui.Message(kProblem, "Non recognised format", Icon::kWarning);
    return std::nullopt;
  }
  file.text = std::move(*text);
  return file;
}

// The first line as the file holds it, shown beside the mapping.
std::string FirstLine(const CsvRecord& record) {
  std::string line;
  for (const std::string& value : record) line += CsvField(value) + ",";
  line.pop_back();
  return line;
}

void CloseDown(const ExchangeDesk& desk, const char* title) {
  desk.ui().Message(title, "VENTRO will now close down", Icon::kInformation);
  desk.window.Quit();
}

void ImportItems(const ExchangeDesk& desk, std::string_view csv, const Mapping& mapping) {
  std::vector<int64_t> numbers;
  if (!Tell(desk.ui(),
            WriteImportedItems(desk.files(), desk.data_folder, desk.inventory, csv,
                               ColumnsOf<kItemImportFields>(mapping), mapping.merge, numbers))) {
    return;
  }
  TellDuplicates(desk.ui(), std::move(numbers));
  CloseDown(desk, "Inventory import complete");
}

void ImportCustomers(const ExchangeDesk& desk, const ImportFile& file, const Mapping& mapping) {
  const CustomerColumns columns = ColumnsOf<kCustomerImportFields>(mapping);
  std::string bytes;
  std::vector<int64_t> numbers;
  numbers.reserve(static_cast<size_t>(file.records));
  CsvReader reader(file.text, kLongestImportLine);
  CsvRecord line;
  while (reader.Next(line)) {
    std::optional<CustomerRecord> customer = ImportedCustomer(line, columns);
    if (!customer) continue;
    AppendRecord(bytes, *customer);
    numbers.push_back(customer->Get(cust::kNumber));
  }
  if (numbers.empty()) {
    // One free slot, so that the file is never empty.
    CustomerRecord free;
    free.MarkDeleted();
    AppendRecord(bytes, free);
  }
  if (!desk.files().WriteWhole(desk.data_folder / "customer.dat", bytes)) {
    desk.ui().Message(kProblem, "Unable to open customer.dat", Icon::kWarning);
    return;
  }
  TellDuplicates(desk.ui(), std::move(numbers));
  CloseDown(desk, "File import complete");
}

}  // namespace

void ImportRecords(const ExchangeDesk& desk) {
  Ui& ui = desk.ui();
  std::string kind = "1";
  if (!ui.EditBox("Enter 1 to import inventory, 2 to import customers", kind, 1)) return;
  if (kind.empty() || (kind[0] != '1' && kind[0] != '2')) return;
  const bool items = kind[0] == '1';
  std::optional<Path> path = ui.OpenFileName("Import", "Text files (*.TXT)");
  if (!path) return;
  std::optional<ImportFile> file = ReadImportFile(ui, desk.files(), *path);
  if (!file) return;
  const CsvRecord& first = file->first;
  const int field_count = static_cast<int>(first.size());
  const std::string summary = StringPrintf("%d records of %d fields", file->records, field_count);
  if (ui.Message("File import", summary, Icon::kInformation, Buttons::kOkCancel) != Answer::kOk) {
    return;
  }
  std::optional<Mapping> mapping =
      items ? AskMapping(ui, true, kItemColumnFields, field_count, FirstLine(first))
            : AskMapping(ui, false, kCustomerColumnFields, field_count, FirstLine(first));
  if (!mapping || mapping->columns[0] == 0) return;
  if (!mapping->merge && ui.Message("Warning", "All existing data will be lost.", Icon::kWarning,
                                    Buttons::kOkCancel) != Answer::kOk) {
    return;
  }
  if (items) {
    ImportItems(desk, file->text, *mapping);
  } else {
    ImportCustomers(desk, *file, *mapping);
  }
}

}  // namespace ventro
