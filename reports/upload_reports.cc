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

void AppendInteger(std::string& out, int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// "%.2f" of `amount`. An amount well inside a double's precision whose hundredfold is not
// within a thousandth of a half is written from its whole number of cents, which rounds the
// same way; the rest, and a negative amount that shows as zero ("-0.00"), take the general
// conversion.
void AppendAmount(std::string& out, double amount) {
  if (amount == 0.0 && !std::signbit(amount)) {  // most columns of most lines
    out.append("0.00", 4);
    return;
  }
  if (std::fabs(amount) < 1e9) {
    const double scaled = amount * 100.0;
    const double fraction = scaled - std::floor(scaled);
    const auto cents = static_cast<int64_t>(std::llround(scaled));
    if (std::fabs(fraction - 0.5) > 1e-3 && (cents != 0 || !std::signbit(amount))) {
      const int64_t whole = cents < 0 ? -cents : cents;
      if (cents < 0) out += '-';
      AppendInteger(out, whole / 100);
      const char decimals[3] = {'.', static_cast<char>('0' + whole % 100 / 10),
                                static_cast<char>('0' + whole % 10)};
      out.append(decimals, 3);
      return;
    }
  }
  out += FormatAmount(amount);
}

// A field of the list, quoted as CSV when it holds a comma, a quote or a line end.
void AppendField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
  } else {
    out += CsvField(text);
  }
}

// The text of a zero-terminated field of `width` bytes, without copying it.
std::string_view TextAt(const uint8_t* field, size_t width) {
  const void* end = std::memchr(field, 0, width);
  const size_t length = end ? static_cast<size_t>(static_cast<const uint8_t*>(end) - field) : width;
  return {reinterpret_cast<const char*>(field), length};
}

void AppendItemLine(std::string& out, const ItemsLogRecord& line, std::string_view payment) {
  AppendInteger(out, line.item_number());
  out += ',';
  AppendField(out, line.description());
  for (double amount : {line.non_taxable_amount(), line.taxable_amount(), line.tax1(), line.tax2(),
                        line.cost(), line.line_total()}) {
    out += ',';
    AppendAmount(out, amount);
  }
  out += ',';
  AppendInteger(out, line.transaction_number());
  out += ',';
  AppendInteger(out, line.clerk_number());
  out += ',';
  out += payment;
  out += "\r\n";
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
  ItemsLogRecord line;
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
    payment.clear();
    AppendField(payment, type);
    for (; at < lines.size() && lines.transaction(at) == transaction; ++at) {
      std::memcpy(line.data(), lines.record(at), ItemsLogRecord::kSize);
      AppendItemLine(out, line, payment);
    }
    next = at;
  }
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
