#include "reports/daily_items_list.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "base/format.h"
#include "sale/sales_log_record.h"

namespace ventro {
namespace {

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

// What a byte of a text field is: the end of the text, a character that makes a CSV field
// holding the text quoted (a comma, a quote or a line end), or neither.
enum ByteKind : uint8_t { kPlain = 0, kQuoted = 1, kEnd = 2 };
constexpr std::array<uint8_t, 256> kByteKinds = [] {
  std::array<uint8_t, 256> kinds{};
  kinds[0] = kEnd;
  for (unsigned char c : {',', '"', '\r', '\n'}) kinds[c] = kQuoted;
  return kinds;
}();

// The text of a zero-terminated field of `width` bytes, without copying it, and whether a CSV
// field holding it is quoted, found in one look at each byte.
struct FieldText {
  std::string_view text;
  bool needs_quotes;
};
FieldText TextAt(const uint8_t* field, size_t width) {
  size_t length = 0;
  bool quoted = false;
  for (; length < width; ++length) {
    const uint8_t kind = kByteKinds[field[length]];
    if (kind == kEnd) break;
    quoted = quoted || kind == kQuoted;
  }
  return {{reinterpret_cast<const char*>(field), length}, quoted};
}

// Each line is made in a buffer of the list writer's own, through a pointer local to the line,
// and the buffer is added to the text when full. Adding each of the dozens of pieces of a line
// to the string, or writing through a pointer kept in the writer, which each byte written might
// change as far as the compiler knows, costs several times what formatting the pieces does.
class ListWriter {
 public:
  explicit ListWriter(std::string& out) : out_(out) {}
  ListWriter(const ListWriter&) = delete;
  ListWriter& operator=(const ListWriter&) = delete;

  // Where up to `length` bytes, at most the buffer's size, can be written next.
  char* Room(size_t length) {
    if (static_cast<size_t>(buffer_ + sizeof buffer_ - end_) < length) Flush();
    return end_;
  }
  // Keeps what was written from Room() up to `end`.
  void Keep(char* end) { end_ = end; }
  void Flush() {
    out_.append(buffer_, end_);
    end_ = buffer_;
  }

 private:
  std::string& out_;
  char buffer_[8192];
  char* end_ = buffer_;
};

constexpr size_t kIntegerWidth = 20;         // "-9223372036854775808"
constexpr size_t kCentsWidth = 14;           // "-1000000000.00"
constexpr size_t kGeneralAmountWidth = 320;  // "%.2f" of the largest double: 309 digits and more

char* PutInteger(char* at, int64_t value) {
  return std::to_chars(at, at + kIntegerWidth, value).ptr;
}

// The first `length` of `room` bytes; all `room` are copied, which is quicker than a copy of a
// length known only now, and those past `length` are written over next.
char* PutBlock(char* at, const void* bytes, size_t room, size_t length) {
  std::memcpy(at, bytes, room);
  return at + length;
}

// The text of a field of `width` bytes as TextAt found it, quoted as CSV when it has to be: at
// most twice the width and two.
char* PutField(char* at, const FieldText& field, size_t width) {
  if (!field.needs_quotes) return PutBlock(at, field.text.data(), width, field.text.size());
  *at++ = '"';
  for (char c : field.text) {
    if (c == '"') *at++ = '"';
    *at++ = c;
  }
  *at++ = '"';
  return at;
}

bool IsPositiveZero(double amount) {
  uint64_t bits;
  std::memcpy(&bits, &amount, sizeof bits);
  return bits == 0;
}

// "%.2f" of `amount` from its whole number of cents, at most kCentsWidth bytes: for an amount
// well inside a double's precision whose hundredfold is not within a thousandth of a half,
// which rounds the same way. Nothing (nullptr) for the rest, and for a negative amount that
// shows as zero ("-0.00"): those take the general conversion.
char* PutCents(char* at, double amount) {
  const double scaled = amount * 100.0;
  if (!(std::fabs(scaled) < 1e11)) return nullptr;
  const auto truncated = static_cast<int64_t>(scaled);
  const double fraction = std::fabs(scaled - static_cast<double>(truncated));
  const int64_t cents = truncated + (fraction < 0.5 ? 0 : (scaled < 0 ? -1 : 1));
  if (std::fabs(fraction - 0.5) <= 1e-3 || (cents == 0 && !(amount > 0))) return nullptr;
  const auto whole = static_cast<uint64_t>(cents < 0 ? -cents : cents);
  if (cents < 0) *at++ = '-';
  at = std::to_chars(at, at + kCentsWidth, whole / 100).ptr;
  const auto hundredths = static_cast<unsigned>(whole % 100);
  at[0] = '.';
  at[1] = static_cast<char>('0' + hundredths / 10);
  at[2] = static_cast<char>('0' + hundredths % 10);
  return at + 3;
}

// "%.2f" of any amount, at most kGeneralAmountWidth bytes.
char* PutGeneralAmount(char* at, double amount) {
  const std::string text = FormatAmount(amount);
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

// "%.2f" of `amount`: "0.00" written here, as most columns of most lines are zero, and the
// rest by `put_amount`; nothing (nullptr) when that cannot write it.
template <char* (*put_amount)(char*, double)>
char* PutAmount(char* at, double amount) {
  if (!IsPositiveZero(amount)) return put_amount(at, amount);
  std::memcpy(at, "0.00", 4);
  return at + 4;
}

// The fields that end each line of a sale: the transaction number, the clerk's number and the
// payment type, with the line end. They are written once for the sale and again only when a
// line's clerk differs from the one before, and each line copies them as a block of fixed size.
class LineTail {
 public:
  static constexpr size_t kRoom =
      (1 + kIntegerWidth) + (1 + 11) + 1 + (2 * SalesLogRecord::kPaymentTypeWidth + 2) + 2;

  // Starts the lines of the sale `transaction` paid by `payment`, a field of the sales log that
  // stays in place while the sale's lines are written.
  void StartSale(int64_t transaction, const FieldText& payment) {
    payment_ = payment;
    bytes_[0] = ',';
    char* number_end = PutInteger(bytes_.data() + 1, transaction);
    *number_end++ = ',';
    clerk_offset_ = static_cast<size_t>(number_end - bytes_.data());
    clerk_.reset();
  }

  // The tail of a line by `clerk`, at most kRoom bytes, all of which are copied.
  char* Put(char* at, int32_t clerk) {
    if (clerk_ != clerk) SetClerk(clerk);
    return PutBlock(at, bytes_.data(), kRoom, size_);
  }

 private:
  void SetClerk(int32_t clerk) {
    char* end = PutInteger(bytes_.data() + clerk_offset_, clerk);
    *end++ = ',';
    end = PutField(end, payment_, SalesLogRecord::kPaymentTypeWidth);
    std::memcpy(end, "\r\n", 2);
    size_ = static_cast<size_t>(end + 2 - bytes_.data());
    clerk_ = clerk;
  }

  std::array<char, kRoom> bytes_{};
  FieldText payment_{};
  size_t clerk_offset_ = 0;
  size_t size_ = 0;
  std::optional<int32_t> clerk_;
};

// The longest line whose amounts are `amount_width` bytes at most: an item number, a
// description quoted with every character doubled, six amounts, and the tail, with the commas.
constexpr size_t LongestLine(size_t amount_width) {
  return kIntegerWidth + 1 + (2 * ItemsLogRecord::kDescriptionWidth + 2) + 6 * (1 + amount_width) +
         LineTail::kRoom;
}

// One line of the list from the bytes of an items log record, its amounts written by
// `put_amount`; nothing (nullptr) when that cannot write one of them.
template <char* (*put_amount)(char*, double)>
char* PutItemLine(char* at, const uint8_t* record, LineTail& tail) {
  using Line = ItemsLogRecord;
  at = PutInteger(at, GetI64(record + Line::kItemNumberOffset));
  *at++ = ',';
  const uint8_t* description = record + Line::kDescriptionOffset;
  at = PutField(at, TextAt(description, Line::kDescriptionWidth), Line::kDescriptionWidth);
  // Non-taxable, taxable, tax 1, tax 2 and cost lie side by side; the discount is not listed.
  for (size_t k = 0; k < 5; ++k) {
    *at++ = ',';
    at = PutAmount<put_amount>(at, GetF64(record + Line::kNonTaxableOffset + k * sizeof(double)));
    if (!at) return nullptr;
  }
  *at++ = ',';
  at = PutAmount<put_amount>(at, GetF64(record + Line::kLineTotalOffset));
  if (!at) return nullptr;
  return tail.Put(at, GetI32(record + Line::kClerkOffset));
}

// A line made from whole cents where every amount allows, else by the general conversion.
void WriteItemLine(ListWriter& list, const uint8_t* record, LineTail& tail) {
  char* line_end = PutItemLine<PutCents>(list.Room(LongestLine(kCentsWidth)), record, tail);
  if (!line_end) {
    line_end =
        PutItemLine<PutGeneralAmount>(list.Room(LongestLine(kGeneralAmountWidth)), record, tail);
  }
  list.Keep(line_end);
}

}  // namespace

std::string DailyItemsText(std::string_view store_name, std::string_view sales_log,
                           std::string_view items_log) {
  std::string out = "Daily item list: ";
  out += store_name;
  out += "\r\nItem, Description, Ntx, Tx, T1, T2, Cost, Total, ID, Assoc, Payment\r\n";
  const LinesByTransaction lines(items_log);
  out.reserve(out.size() + lines.size() * kLineSizeGuess);
  std::vector<bool> listed(lines.size());  // by first line, for a number met twice
  ListWriter list(out);
  LineTail tail;
  size_t next = 0;
  const size_t sales = sales_log.size() / SalesLogRecord::kSize;
  for (size_t i = 0; i < sales; ++i) {
    // Only the number, which leads the record, and the payment type are read from a sale.
    const auto* sale =
        reinterpret_cast<const uint8_t*>(sales_log.data()) + i * SalesLogRecord::kSize;
    const FieldText type =
        TextAt(sale + SalesLogRecord::kPaymentTypeOffset, SalesLogRecord::kPaymentTypeWidth);
    if (!type.text.empty() && (type.text[0] == 'P' || type.text[0] == 'R')) continue;
    const int64_t transaction = GetI64(sale);
    size_t at = lines.First(transaction, next);
    if (at == lines.size() || listed[at]) continue;
    listed[at] = true;
    tail.StartSale(transaction, type);
    for (; at < lines.size() && lines.transaction(at) == transaction; ++at) {
      WriteItemLine(list, lines.record(at), tail);
    }
    next = at;
  }
  list.Flush();
  return out;
}

std::optional<std::string> ReadDailyItemsText(Files& files, const Path& day_folder,
                                              std::string_view store_name) {
  const std::unique_ptr<FileView> sales = files.View(day_folder / "saleslog.dat");
  if (!sales) return std::nullopt;
  const std::unique_ptr<FileView> items = files.View(day_folder / "itemslog.dat");
  if (!items) return std::nullopt;
  return DailyItemsText(store_name, sales->bytes(), items->bytes());
}

}  // namespace ventro
