#include "print/label_feed.h"

#include "base/format.h"

namespace ventro {

std::string LabelText(const LabelJob& job, const std::string& store_name, int64_t number,
                      const std::string& name) {
  std::string text = StringPrintf("%lld", static_cast<long long>(number));
  if (job.source != LabelSource::kPlainNumbers) text += "  " + name;
  if (job.store_name && job.format == LabelFormat::kVideoSpine) text = store_name + "  " + text;
  return text;
}

std::string LabelPrice(const std::string& currency_symbol, double price) {
  return currency_symbol + FormatAmount(price);
}

LabelFeed::LabelFeed(const LabelJob& job, LabelWording wording, Files& files,
                     const MasterFile* records)
    : job_(job), wording_(std::move(wording)), files_(files), records_(records) {
  Restart();
}

void LabelFeed::Restart() {
  status_ = Status::Ok();
  file_.reset();
  next_number_ = job_.start;
  numbers_done_ = job_.finish < job_.start;
  repeats_left_ = job_.quantity;
  next_entry_ = records_ ? records_->index().FindSlot(job_.start) : 0;
  if (records_) {
    // Free slots are held with negative numbers, so a start of 0 can only meet live records;
    // skipped here all the same, so that every entry the walk meets is a record to print.
    const std::vector<IndexEntry>& entries = records_->index().entries();
    while (next_entry_ < entries.size() && entries[next_entry_].number < 1) ++next_entry_;
  }
}

bool LabelFeed::AtEnd() const {
  if (!status_.ok()) return true;
  switch (job_.source) {
    case LabelSource::kPlainNumbers:
      return numbers_done_;
    case LabelSource::kRepeat:
      return repeats_left_ < 1;
    case LabelSource::kInventory:
    case LabelSource::kCustomers:
      break;
  }
  const std::vector<IndexEntry>& entries = records_->index().entries();
  return next_entry_ >= entries.size() || entries[next_entry_].number > job_.finish;
}

std::optional<Label> LabelFeed::Next() {
  if (AtEnd()) return std::nullopt;
  switch (job_.source) {
    case LabelSource::kPlainNumbers: {
      Label label{next_number_, LabelText(job_, wording_.store_name, next_number_, ""), ""};
      // The finish may be the highest number there is; the walk stops on it, never past it.
      if (next_number_ == job_.finish) {
        numbers_done_ = true;
      } else {
        ++next_number_;
      }
      return label;
    }
    case LabelSource::kRepeat:
      return NextRepeat();
    case LabelSource::kInventory:
    case LabelSource::kCustomers:
      break;
  }
  const IndexEntry entry = records_->index().entries()[next_entry_++];
  return ReadLabel(entry.position);
}

std::optional<Label> LabelFeed::NextRepeat() {
  if (!repeated_) {
    const std::optional<int64_t> position = records_->FindPosition(job_.start);
    if (!position) {
      status_ = Status::Failed("Problem", "Invalid range", Severity::kWarning);
      return std::nullopt;
    }
    repeated_ = ReadLabel(*position);
    if (!repeated_) return std::nullopt;
  }
  --repeats_left_;
  return repeated_;
}

std::optional<Label> LabelFeed::ReadLabel(int64_t position) {
  const std::string name = records_->file_name();
  if (!file_) file_ = files_.Open(records_->path(), OpenMode::kRead);
  if (!file_) {
    status_ = Status::Failed("Fatal error", "Data file: " + name + ", not present.");
    return std::nullopt;
  }
  const size_t size = records_->record_size();
  const uint64_t offset = static_cast<uint64_t>(position) * size;
  Label label;
  if (records_->kind() == MasterKind::kCustomer) {
    CustomerRecord customer;
    if (file_->ReadAt(offset, customer.data(), size) != size) {
      status_ = Status::Failed("Problem", "Not able to read " + name);
      return std::nullopt;
    }
    label.number = customer.Get(cust::kNumber);
    label.text = LabelText(job_, wording_.store_name, label.number, customer.Get(cust::kName));
    return label;
  }
  InventoryRecord item;
  if (file_->ReadAt(offset, item.data(), size) != size) {
    status_ = Status::Failed("Problem", "Not able to read " + name);
    return std::nullopt;
  }
  label.number = item.Get(inv::kNumber);
  label.text = LabelText(job_, wording_.store_name, label.number, item.Get(inv::kDescription));
  if (job_.price) {
    label.price = LabelPrice(wording_.currency_symbol,
                             RetailPriceWithTax(item, wording_.tax_rules, job_.price_without_tax));
  }
  return label;
}

}  // namespace ventro
