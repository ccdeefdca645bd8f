#include "reports/daily_items_list.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/csv.h"
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

// The bytes of `word` equal to `byte`, each marked by its top bit. A mark may be false only
// above a true one, as the subtraction borrows from the byte after a match; the first mark is
// always true.
constexpr uint64_t kEveryByte = 0x0101010101010101u;
uint64_t BytesEqualTo(uint64_t word, uint8_t byte) {
  const uint64_t differences = word ^ (kEveryByte * byte);
  return (differences - kEveryByte) & ~differences & (kEveryByte << 7);
}

// The text of a zero-terminated field of `width` bytes, without copying it, and whether a CSV
// field holding it is quoted. Eight bytes are looked at together where the machine stores
// numbers lowest byte first; the rest, and every byte elsewhere, one by one.
struct FieldText {
  std::string_view text;
  bool needs_quotes;
};
FieldText TextAt(const uint8_t* field, size_t width) {
  const auto text = [field](size_t length, bool quoted) {
    return FieldText{{reinterpret_cast<const char*>(field), length}, quoted};
  };
  size_t length = 0;
  bool quoted = false;
  if constexpr (std::endian::native == std::endian::little) {
    for (; length + 8 <= width; length += 8) {
      uint64_t word;
      std::memcpy(&word, field + length, sizeof word);
      const uint64_t specials = BytesEqualTo(word, ',') | BytesEqualTo(word, '"') |
                                BytesEqualTo(word, '\r') | BytesEqualTo(word, '\n');
      const uint64_t ends = BytesEqualTo(word, 0);
      if (ends != 0) {
        const uint64_t before_end = (ends & (~ends + 1)) - 1;  // the bits below the first end
        return text(length + static_cast<size_t>(std::countr_zero(ends)) / 8,
                    quoted || (specials & before_end) != 0);
      }
      quoted = quoted || specials != 0;
    }
  }
  for (; length < width; ++length) {
    const uint8_t kind = kByteKinds[field[length]];
    if (kind == kEnd) break;
    quoted = quoted || kind == kQuoted;
  }
  return text(length, quoted);
}

// Writes the list a few thousand bytes at a time. Each line is formatted into a buffer of the
// writer's own, room for the longest line made once before it; adding each of the dozens of
// pieces of a line to the string one by one costs several times what formatting them does.
class ListWriter {
 public:
  static constexpr size_t kIntegerWidth = 20;  // "-9223372036854775808"
  static constexpr size_t kCentsWidth = 14;    // "-1000000000.00"

  explicit ListWriter(std::string& out) : out_(out) {}
  ListWriter(const ListWriter&) = delete;
  ListWriter& operator=(const ListWriter&) = delete;

  // Makes room for `length` bytes, at most the buffer's size; the pieces below write that many
  // without looking.
  void Reserve(size_t length) {
    if (static_cast<size_t>(buffer_ + sizeof buffer_ - end_) < length) Flush();
  }
  void Char(char c) { *end_++ = c; }
  void Text(std::string_view text) {
    std::memcpy(end_, text.data(), text.size());
    end_ += text.size();
  }
  // The first `length` of `room` bytes; all `room` are copied, and those past `length` are
  // written over next.
  void Block(const char* bytes, size_t room, size_t length) {
    std::memcpy(end_, bytes, room);
    end_ += length;
  }
  // The text of a field of `width` bytes, as `field` found it, quoted as CSV when it has to be:
  // at most twice the width and two. Unquoted, the whole width is copied, which is quicker than
  // a copy of a length known only now, and what lies past the text is written over next.
  void Field(const FieldText& field, const uint8_t* bytes, size_t width) {
    if (!field.needs_quotes) {
      std::memcpy(end_, bytes, width);
      end_ += field.text.size();
      return;
    }
    *end_++ = '"';
    for (char c : field.text) {
      if (c == '"') *end_++ = '"';
      *end_++ = c;
    }
    *end_++ = '"';
  }
  void Integer(int64_t value) { end_ = std::to_chars(end_, end_ + kIntegerWidth, value).ptr; }
  // "%.2f" of `amount`, at most kCentsWidth. An amount well inside a double's precision whose
  // hundredfold is not within a thousandth of a half is written from its whole number of
  // cents, which rounds the same way; the rest, and a negative amount that shows as zero
  // ("-0.00"), take the general conversion.
  void Amount(double amount) {
    if (IsPositiveZero(amount)) {  // most columns of most lines
      Text("0.00");
      return;
    }
    const double scaled = amount * 100.0;
    if (!(std::fabs(scaled) < 1e11)) return GeneralAmount(amount);
    const auto truncated = static_cast<int64_t>(scaled);
    const double fraction = std::fabs(scaled - static_cast<double>(truncated));
    const int64_t cents = truncated + (fraction < 0.5 ? 0 : (scaled < 0 ? -1 : 1));
    if (std::fabs(fraction - 0.5) <= 1e-3 || (cents == 0 && !(amount > 0))) {
      return GeneralAmount(amount);
    }
    // The digits written from the last, straight where they go: at least three, the point
    // before the last two.
    auto whole = static_cast<uint64_t>(cents < 0 ? -cents : cents);
    size_t digits = 3;
    for (uint64_t rest = whole / 1000; rest != 0; rest /= 10) ++digits;
    if (cents < 0) *end_++ = '-';
    end_ += digits + 1;
    char* at = end_;
    for (size_t place = 0; place < digits; ++place) {
      if (place == 2) *--at = '.';
      *--at = static_cast<char>('0' + whole % 10);
      whole /= 10;
    }
  }
  void Flush() {
    out_.append(buffer_, end_);
    end_ = buffer_;
  }

 private:
  static bool IsPositiveZero(double amount) {
    uint64_t bits;
    std::memcpy(&bits, &amount, sizeof bits);
    return bits == 0;
  }
  void GeneralAmount(double amount);

  std::string& out_;
  char buffer_[8192];
  char* end_ = buffer_;
};

// The general conversion, which goes to the text directly as it may be longer than room was
// made for.
void ListWriter::GeneralAmount(double amount) {
  Flush();
  out_ += FormatAmount(amount);
}

// The longest line but its payment type: an item number, a description quoted with every
// character doubled, six amounts, the transaction and clerk numbers, and the commas.
constexpr size_t kLongestLineBeforePayment =
    ListWriter::kIntegerWidth + 1 + (2 * ItemsLogRecord::kDescriptionWidth + 2) +
    6 * (1 + ListWriter::kCentsWidth) + (1 + ListWriter::kIntegerWidth) + (1 + 11) + 1;

// A sale's payment type as the last field of its lines, with the line end, kept in a block of
// fixed size that each line copies whole, which is quicker than a copy of its length.
struct LineEnd {
  static constexpr size_t kRoom = 2 * SalesLogRecord::kPaymentTypeWidth + 2 + 2;

  explicit LineEnd(const FieldText& payment) {
    std::string text = payment.needs_quotes ? CsvField(payment.text) : std::string(payment.text);
    text += "\r\n";
    size = text.size();
    std::memcpy(bytes.data(), text.data(), size);
  }

  std::array<char, kRoom> bytes{};
  size_t size = 0;
};

// One line of the list from the bytes of an items log record.
void WriteItemLine(ListWriter& list, const uint8_t* record, const LineEnd& end) {
  using Line = ItemsLogRecord;
  list.Reserve(kLongestLineBeforePayment + LineEnd::kRoom);
  list.Integer(GetI64(record + Line::kItemNumberOffset));
  list.Char(',');
  const uint8_t* description = record + Line::kDescriptionOffset;
  list.Field(TextAt(description, Line::kDescriptionWidth), description, Line::kDescriptionWidth);
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
  list.Block(end.bytes.data(), LineEnd::kRoom, end.size);
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
    const LineEnd end(type);
    for (; at < lines.size() && lines.transaction(at) == transaction; ++at) {
      WriteItemLine(list, lines.record(at), end);
    }
    next = at;
  }
  list.Flush();
  return out;
}

}  // namespace ventro
