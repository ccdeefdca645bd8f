#include "reports/upload_reports.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/csv.h"
#include "base/format.h"
#include "formats/inventory_record.h"
#include "sale/sales_log_record.h"

namespace ventro {
namespace {

bool EndsWith(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  for (size_t i = 0; i < ending.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[text.size() - ending.size() + i]);
    if (std::tolower(c) != ending[i]) return false;
  }
  return true;
}

// The items log's lines in order of transaction number, each transaction's lines in log order.
// A day's log is written sale by sale, so it is usually in that order already and is then read
// where it lies; only a log out of order gets an index of its lines, sorted.
class LinesByTransaction {
 public:
  explicit LinesByTransaction(std::string_view items)
      : items_(reinterpret_cast<const uint8_t*>(items.data())),
        count_(items.size() / ItemsLogRecord::kSize) {
    for (size_t i = 1; i < count_; ++i) {
      if (NumberAt(i) < NumberAt(i - 1)) {
        Sort();
        break;
      }
    }
  }

  size_t size() const { return count_; }
  int64_t transaction(size_t k) const { return sorted_.empty() ? NumberAt(k) : sorted_[k].number; }
  const uint8_t* record(size_t k) const {
    return items_ + (sorted_.empty() ? k : size_t{sorted_[k].index}) * ItemsLogRecord::kSize;
  }

  // The first of `number`'s lines, looked for at `hint` first (sales usually come in the order
  // of their lines), else by halving; size() when it has none.
  size_t First(int64_t number, size_t hint) const {
    if (hint < count_ && transaction(hint) == number &&
        (hint == 0 || transaction(hint - 1) != number)) {
      return hint;
    }
    size_t low = 0;
    size_t high = count_;
    while (low < high) {
      const size_t middle = low + (high - low) / 2;
      if (transaction(middle) < number) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low < count_ && transaction(low) == number ? low : count_;
  }

 private:
  struct Line {
    int64_t number;
    uint32_t index;
  };

  int64_t NumberAt(size_t i) const {
    return GetI64(items_ + i * ItemsLogRecord::kSize);  // the number leads the record
  }

  void Sort() {
    sorted_.resize(count_);
    for (size_t i = 0; i < count_; ++i) sorted_[i] = {NumberAt(i), static_cast<uint32_t>(i)};
    std::stable_sort(sorted_.begin(), sorted_.end(),
                     [](const Line& a, const Line& b) { return a.number < b.number; });
  }

  const uint8_t* items_;
  size_t count_;
  std::vector<Line> sorted_;
};

// About the length of a line of the list, so that it is made in one piece of memory: growing it
// piece by piece leaves freed memory behind that the allocator hands back to the system and then
// has to fault in afresh on the next list.
constexpr size_t kLineSizeGuess = 64;

// True when a field holding `text` has to be quoted: it holds a comma, a quote or a line end.
bool NeedsQuotes(std::string_view text) {
  bool found = false;
  for (char c : text) found |= c == ',' || c == '"' || c == '\r' || c == '\n';
  return found;
}

// The text of a zero-terminated field of `width` bytes, without copying it.
std::string_view TextAt(const uint8_t* field, size_t width) {
  const void* end = std::memchr(field, 0, width);
  const size_t length = end ? static_cast<size_t>(static_cast<const uint8_t*>(end) - field) : width;
  return {reinterpret_cast<const char*>(field), length};
}

// Writes the list a few thousand bytes at a time: its pieces are formatted into a buffer of its
// own, because adding each of the dozens of pieces of a line to the string one by one costs
// several times what formatting them does. Flush() adds what is left.
class ListWriter {
 public:
  explicit ListWriter(std::string& out) : out_(out) {}
  ListWriter(const ListWriter&) = delete;
  ListWriter& operator=(const ListWriter&) = delete;

  void Char(char c) {
    Room(1);
    *end_++ = c;
  }
  void Text(std::string_view text) {
    if (text.size() > sizeof buffer_) {
      Flush();
      out_ += text;
      return;
    }
    Room(text.size());
    std::memcpy(end_, text.data(), text.size());
    end_ += text.size();
  }
  // `text` as a field, quoted as CSV when it has to be.
  void Field(std::string_view text) {
    if (NeedsQuotes(text)) {
      Text(CsvField(text));
    } else {
      Text(text);
    }
  }
  void Integer(int64_t value) {
    Room(kIntegerWidth);
    end_ = std::to_chars(end_, end_ + kIntegerWidth, value).ptr;
  }
  void Amount(double amount);
  void Flush() {
    out_.append(buffer_, end_);
    end_ = buffer_;
  }

 private:
  static constexpr size_t kIntegerWidth = 20;  // "-9223372036854775808"
  static constexpr size_t kCentsWidth = 14;    // "-1000000000.00"

  void Room(size_t length) {
    if (static_cast<size_t>(buffer_ + sizeof buffer_ - end_) < length) Flush();
  }

  std::string& out_;
  char buffer_[4096];
  char* end_ = buffer_;
};

// "%.2f" of `amount`. An amount well inside a double's precision whose hundredfold is not
// within a thousandth of a half is written from its whole number of cents, which rounds the
// same way; the rest, and a negative amount that shows as zero ("-0.00"), take the general
// conversion.
void ListWriter::Amount(double amount) {
  if (amount == 0.0 && !std::signbit(amount)) {  // most columns of most lines
    Text("0.00");
    return;
  }
  if (std::fabs(amount) < 1e9) {
    const double scaled = amount * 100.0;
    const double fraction = scaled - std::floor(scaled);
    const auto cents = static_cast<int64_t>(std::llround(scaled));
    if (std::fabs(fraction - 0.5) > 1e-3 && (cents != 0 || !std::signbit(amount))) {
      const int64_t whole = cents < 0 ? -cents : cents;
      Room(kCentsWidth);
      if (cents < 0) *end_++ = '-';
      end_ = std::to_chars(end_, end_ + kCentsWidth, whole / 100).ptr;
      *end_++ = '.';
      *end_++ = static_cast<char>('0' + whole % 100 / 10);
      *end_++ = static_cast<char>('0' + whole % 10);
      return;
    }
  }
  Text(FormatAmount(amount));
}

// One line of the list from the bytes of an items log record; `payment` is the sale's payment
// type as a field, followed by the line end.
void WriteItemLine(ListWriter& list, const uint8_t* record, std::string_view payment) {
  using Line = ItemsLogRecord;
  list.Integer(GetI64(record + Line::kItemNumberOffset));
  list.Char(',');
  list.Field(TextAt(record + Line::kDescriptionOffset, Line::kDescriptionWidth));
  // Non-taxable, taxable, tax 1, tax 2 and cost lie side by side; the discount is not listed.
  for (size_t k = 0; k < 5; ++k) {
    list.Char(',');
    list.Amount(GetF64(record + Line::kNonTaxableOffset + k * sizeof(double)));
  }
  list.Char(',');
  list.Amount(GetF64(record + Line::kLineTotalOffset));
  list.Char(',');
  list.Integer(GetI64(record));  // the transaction number leads the record
  list.Char(',');
  list.Integer(GetI32(record + Line::kClerkOffset));
  list.Char(',');
  list.Text(payment);
}

}  // namespace

bool IsPlainUploadName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F) return false;
  }
  if (std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  for (std::string_view own : {".dat", ".cfg", ".ini", ".bmp", ".lock"}) {
    if (EndsWith(name, own)) return false;
  }
  return !(name.size() == 9 && EndsWith(name, "ports.txt"));
}

std::string DailyItemsText(std::string_view store_name, std::string_view sales_log,
                           std::string_view items_log) {
  std::string out = "Daily item list: ";
  out += store_name;
  out += "\r\nItem, Description, Ntx, Tx, T1, T2, Cost, Total, ID, Assoc, Payment\r\n";
  const LinesByTransaction lines(items_log);
  out.reserve(out.size() + lines.size() * kLineSizeGuess);
  std::vector<bool> listed(lines.size());  // by first line, for a number met twice
  ListWriter list(out);
  std::string payment;
  size_t next = 0;
  const size_t sales = sales_log.size() / SalesLogRecord::kSize;
  for (size_t i = 0; i < sales; ++i) {
    // Only the number, which leads the record, and the payment type are read from a sale.
    const auto* sale =
        reinterpret_cast<const uint8_t*>(sales_log.data()) + i * SalesLogRecord::kSize;
    const std::string_view type =
        TextAt(sale + SalesLogRecord::kPaymentTypeOffset, SalesLogRecord::kPaymentTypeWidth);
    if (!type.empty() && (type[0] == 'P' || type[0] == 'R')) continue;
    const int64_t transaction = GetI64(sale);
    size_t at = lines.First(transaction, next);
    if (at == lines.size() || listed[at]) continue;
    listed[at] = true;
    if (NeedsQuotes(type)) {
      payment = CsvField(type);
    } else {
      payment.assign(type);
    }
    payment += "\r\n";
    for (; at < lines.size() && lines.transaction(at) == transaction; ++at) {
      WriteItemLine(list, lines.record(at), payment);
    }
    next = at;
  }
  list.Flush();
  return out;
}

std::string ReorderListText(std::string_view store_name, std::string_view inventory_file) {
  std::string out = "Reorder list: ";
  out += store_name;
  out += "\r\nItem, Restock level, In stock, On order, Order quantity, Order code\r\n";
  InventoryRecord item;
  const size_t count = inventory_file.size() / InventoryRecord::kSize;
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(item.data(), inventory_file.data() + i * InventoryRecord::kSize,
                InventoryRecord::kSize);
    if (item.IsDeleted() || item.IsBundle()) continue;
    if (item.Get(inv::kReorderQuantity) < item.Get(inv::kQuantity)) continue;
    out += std::to_string(item.Get(inv::kNumber)) + ", " + item.Get(inv::kDescription) + ", " +
           std::to_string(item.Get(inv::kReorderQuantity)) + "," +
           std::to_string(item.Get(inv::kQuantity)) + "," +
           std::to_string(item.Get(inv::kOnOrder)) + "," +
           std::to_string(item.Get(inv::kOrderQuantity)) + ", " + item.Get(inv::kOrderCode) +
           "\r\n";
  }
  return out;
}

}  // namespace ventro
