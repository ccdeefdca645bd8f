// The labels of a job one after another: the number each barcode carries and the text beside
// it. Items and customers come from their master file in ascending number order, found by one
// walk of the number index from the start of the range and read one record per label from a
// file opened once; plain numbers need no record; a repeated item is read once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/status.h"
#include "platform/files.h"
#include "print/label_job.h"
#include "sale/line_tax.h"
#include "store/master_file.h"

namespace ventro {

// What the label texts take from the settings.
struct LabelWording {
  std::string store_name;       // the first heading line
  std::string currency_symbol;  // before the price
  TaxRules tax_rules;           // for prices with tax
};

struct Label {
  int64_t number = 0;
  std::string text;   // the number and the record's description or name
  std::string price;  // "$2.99" when the job prints prices; empty otherwise
};

// The text of a label: "NUMBER  NAME" (an item's description or a customer's name; the number
// alone for plain numbers), with the store name and two blanks before it when the job asks for
// it in the video spine format.
std::string LabelText(const LabelJob& job, const std::string& store_name, int64_t number,
                      const std::string& name);

// The price of an item's label: the currency symbol and the amount with two decimals.
std::string LabelPrice(const std::string& currency_symbol, double price);

class LabelFeed {
 public:
  // `records` is the master file of the job's source (inventory.dat for kRepeat), or nullptr
  // for plain numbers; it must outlive the feed.
  LabelFeed(const LabelJob& job, LabelWording wording, Files& files, const MasterFile* records);

  // True when no label is left.
  bool AtEnd() const;
  // The next label; nothing at the end, or when its record could not be read (status() says
  // why, and no further label follows).
  std::optional<Label> Next();
  // Starts the job over, for the next copy.
  void Restart();
  const Status& status() const { return status_; }

 private:
  std::optional<Label> NextRecord();
  std::optional<Label> NextRepeat();
  // The label of the record at `position`; nothing when it cannot be read.
  std::optional<Label> ReadLabel(int64_t position);

  LabelJob job_;
  LabelWording wording_;
  Files& files_;
  const MasterFile* records_;
  std::unique_ptr<File> file_;
  size_t next_entry_ = 0;    // the index entry of the next record
  int64_t next_number_ = 0;  // plain numbers
  bool numbers_done_ = false;
  int64_t repeats_left_ = 0;
  std::optional<Label> repeated_;
  Status status_;
};

}  // namespace ventro
