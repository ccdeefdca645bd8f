#include "exchange/export_writer.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/whole_file_writer.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

// Records read at most per call, and the text gathered before it is written.
constexpr int64_t kBlockRecords = 512;
constexpr size_t kWriteBytes = 1 << 20;

// Reads records of a master file by slot. When the slot asked for next lies just ahead, as in
// a file kept in number order, a block of slots is read in one go and the following records
// come from it; otherwise only the one record is read.
class SlotReader {
 public:
  SlotReader(File& file, size_t record_size)
      : file_(file), record_size_(record_size), block_(kBlockRecords * record_size) {}

  // The record in slot `position`, or nullptr when it cannot be read; `next` is the slot that
  // will be asked for after it (-1 for none).
  const uint8_t* Read(int64_t position, int64_t next) {
    if (position >= first_ && position < first_ + count_) {
      return block_.data() + static_cast<size_t>(position - first_) * record_size_;
    }
    const bool ahead = next > position && next < position + kBlockRecords;
    const size_t wanted = (ahead ? block_.size() : record_size_);
    const size_t read =
        file_.ReadAt(static_cast<uint64_t>(position) * record_size_, block_.data(), wanted);
    first_ = position;
    count_ = static_cast<int64_t>(read / record_size_);
    return count_ > 0 ? block_.data() : nullptr;
  }

 private:
  File& file_;
  size_t record_size_;
  std::vector<uint8_t> block_;
  int64_t first_ = 0;
  int64_t count_ = 0;  // records held in the block from slot first_
};

// Turns records into the lines of the chosen format, reusing its buffers from one record to
// the next.
class LineWriter {
 public:
  LineWriter(const ExportChoice& choice, const FieldSelection& selection)
      : choice_(choice), selection_(selection) {}

  // Adds the line of `record` (record_size bytes) to `out`, unless the choice leaves it out.
  void Add(const uint8_t* record, std::string& out) {
    const bool items = choice_.source == ExportSource::kInventory;
    if (items) {
      std::copy_n(record, InventoryRecord::kSize, item_.data());
      if (choice_.category >= 0 && item_.Get(inv::kDisplayCategory) != choice_.category) return;
    } else {
      std::copy_n(record, CustomerRecord::kSize, customer_.data());
    }
    if (choice_.format == ExportFormat::kXml) {
      out += items ? XmlItem(item_) : XmlCustomer(customer_);
      return;
    }
    if (items) {
      FillInventoryExportValues(item_, values_);
    } else {
      FillCustomerExportValues(customer_, values_);
    }
    if (choice_.format == ExportFormat::kHtml) {
      out += HtmlExportLine(choice_.source, values_, selection_, choice_.html);
    } else {
      AppendTextExportLine(out, values_, selection_);
    }
  }

 private:
  const ExportChoice& choice_;
  const FieldSelection& selection_;
  InventoryRecord item_;
  CustomerRecord customer_;
  ExportValues values_;
};

std::string ExportStart(const ExportChoice& choice, const FieldSelection& selection) {
  switch (choice.format) {
    case ExportFormat::kXml:
      return kXmlExportStart;
    case ExportFormat::kHtml:
      return HtmlExportStart(choice.html);
    case ExportFormat::kText:
      break;
  }
  if (selection.entire && choice.source == ExportSource::kInventory) {
    return std::string(kInventoryExportHeader) + "\r\n";
  }
  return {};
}

std::string ExportEnd(const ExportChoice& choice) {
  switch (choice.format) {
    case ExportFormat::kXml:
      return kXmlExportEnd;
    case ExportFormat::kHtml:
      return kHtmlExportEnd;
    case ExportFormat::kText:
      break;
  }
  return {};
}

Status CannotWrite() {
  return Status::Failed(kProblem, "Unable to open file.", Severity::kWarning);
}

}  // namespace

Status WriteExportFile(Files& files, const MasterFile& master, const ExportChoice& choice,
                       const FieldSelection& selection, const Path& target) {
  std::unique_ptr<File> file = files.Open(master.path(), OpenMode::kRead);
  if (!file) {
    return Status::Failed("Fatal error",
                          std::string("Data file: ") + master.file_name() + ", not present.");
  }
  // The text goes out in large pieces to a temporary file put in place only once it is all
  // written: "Complete." only when the whole file is there.
  WholeFileWriter writer(files, target);
  if (!writer.ok()) return CannotWrite();
  std::string out = ExportStart(choice, selection);
  out.reserve(kWriteBytes + (1 << 16));
  SlotReader slots(*file, master.record_size());
  LineWriter lines(choice, selection);
  const std::vector<IndexEntry>& entries = master.index().entries();
  for (size_t i = master.index().FindSlot(choice.start);
       i < entries.size() && entries[i].number <= choice.finish; ++i) {
    const bool last = i + 1 == entries.size() || entries[i + 1].number > choice.finish;
    const uint8_t* record = slots.Read(entries[i].position, last ? -1 : entries[i + 1].position);
    if (!record) {
      return Status::Failed(kProblem, std::string("Not able to read ") + master.file_name());
    }
    lines.Add(record, out);
    if (out.size() >= kWriteBytes) {
      if (!writer.Write(out)) return CannotWrite();
      out.clear();
    }
  }
  out += ExportEnd(choice);
  if (!writer.Write(out) || !writer.Commit()) return CannotWrite();
  return Status::Ok();
}

}  // namespace ventro
