// The rows of a list: the records of a selection read from their file as they are asked for,
// each made into the cells of the list's columns.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "platform/files.h"
#include "platform/table_view.h"
#include "store/master_file.h"

namespace ventro {

// The cells of one record (record_size() bytes), one per column.
using RowCells = std::function<std::vector<std::string>(const uint8_t* record)>;

// A list's columns and how a record fills them.
struct ListLayout {
  std::vector<TableColumn> columns;
  RowCells cells;
};

// The item columns: number, description, retail price, the cost price where `with_cost`,
// stock, category code and location; `with_sold` adds the units sold.
ListLayout ItemLayout(const SettingsRecord& settings, bool with_cost, bool with_sold = false);

// The columns chosen for the custom item list, by key: "number", "description", "price",
// "cost", "stock", "category", "location", "code", "sold".
ListLayout CustomItemLayout(const SettingsRecord& settings, const std::vector<std::string>& keys);

// Number, name, first address line, town, post code, telephone and balance.
ListLayout CustomerLayout();

// Number, name, telephone and contact.
ListLayout SupplierLayout();

class RecordRows : public RowSource {
 public:
  RecordRows(Files& files, const MasterFile& file, std::vector<int64_t> slots, RowCells cells);

  int64_t Count() const override { return static_cast<int64_t>(slots_.size()); }
  // The cells of row `index`; empty cells when its record cannot be read.
  std::vector<std::string> Row(int64_t index) override;

 private:
  Files& files_;
  const MasterFile& file_;
  std::vector<int64_t> slots_;
  RowCells cells_;
  // Reads the records from `slot` on that the rows after `index` ask for next, as far as they
  // run on upwards within one window: a list in file order is read a window at a time, a list
  // in another order a record at a time.
  void ReadWindow(int64_t index, int64_t slot);

  std::unique_ptr<File> open_;   // opened at the first row asked for, kept while the list is
  std::vector<uint8_t> window_;  // records from window_first_, window_count_ of them
  int64_t window_first_ = 0;
  int64_t window_count_ = 0;
};

}  // namespace ventro
