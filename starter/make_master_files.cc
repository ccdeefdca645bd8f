// Build tool: turns the demonstration lists kept in the repository as readable CSV into the
// master files shipped beside the program, which the first run copies into the data folder.
//
//   make_master_files inventory <inventory.csv> <inventory.dat>
//   make_master_files customers <customers.csv> <customer.dat>
//
// The first line of each list names the columns; blank lines and lines starting with '#' are
// skipped; a field holding a comma or a quote is written in double quotes ("" for a quote).
// Texts are UTF-8 in the list and stored as Windows-1252.
//
// inventory.csv: number, description (2 to 38 characters), category (three-letter display
// category code), sku1 (a text of 13 digits must be a valid EAN-13), retail_price, cost_price,
// trade_price, quantity, reorder_quantity, tax (0 non taxable, 1 tax 1 and 2, 2 tax 1,
// 3 tax 2), stock_picture (1 to 24), age_warning (0, or a minimum age 2 to 30), offer (0 none,
// 2 buy one get one free, 4 buy two get one free), date_added (DD/MM/YYYY) and components.
// A row with components is a bundle: up to six "item:quantity" or "item:quantity:free" entries
// separated by blanks, naming ordinary items of the same list; its prices, stock and tax
// columns stay empty.
//
// customers.csv: number, name, road, area, town, postcode, telephone, email, terms (1 to 8),
// credit_limit, balance, last_used ("NEW", or "hh:mmDD/MM/YYYY" of the last sale),
// transactions and total_purchases (both 0 for a customer who has not bought).
//
// Any fault in a list stops the build with the file, line and reason, so that a broken
// demonstration file is never shipped.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp1252.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "platform/files.h"

namespace ventro {
namespace {

constexpr const char* kCategoryCodes[18] = {"ALC", "BEE", "BOO", "CAN", "CAR", "COF",
                                            "DEL", "DRI", "DVD", "FRO", "FRU", "HAR",
                                            "MSC", "PAP", "POP", "TEA", "SWE", "WIN"};

// One data line of a list, with its column names for lookup by name.
class Row {
 public:
  Row(std::string file, int line, const std::vector<std::string>* header,
      std::vector<std::string> fields)
      : file_(std::move(file)), line_(line), header_(header), fields_(std::move(fields)) {}

  bool ok() const { return ok_; }

  // Reports a fault on this line; the row is then not written.
  void Fail(const std::string& column, const std::string& reason) {
    std::fprintf(stderr, "%s:%d: %s: %s\n", file_.c_str(), line_, column.c_str(), reason.c_str());
    ok_ = false;
  }

  // The column's text converted to Windows-1252, at most `max_length` characters.
  std::string Text(const std::string& column, size_t max_length) {
    bool lossy = false;
    std::string text = Utf8ToCp1252(Raw(column), &lossy);
    if (lossy) Fail(column, "character not available in Windows-1252");
    if (text.size() > max_length) Fail(column, "longer than " + std::to_string(max_length));
    return text;
  }

  // A whole decimal integer from `low` to `high`; an empty field reads as `empty`.
  int64_t Integer(const std::string& column, int64_t low, int64_t high, int64_t empty = 0) {
    std::string raw = Raw(column);
    if (raw.empty()) return empty;
    int64_t value = 0;
    auto [end, error] = std::from_chars(raw.data(), raw.data() + raw.size(), value);
    if (error != std::errc() || end != raw.data() + raw.size()) {
      Fail(column, "not a whole number: " + raw);
    } else if (value < low || value > high) {
      Fail(column, "outside " + std::to_string(low) + " to " + std::to_string(high));
    }
    return value;
  }

  int32_t Int32(const std::string& column, int32_t low, int32_t high) {
    return static_cast<int32_t>(Integer(column, low, high));
  }

  // An amount with at most two decimals, read without regard to the C library's locale.
  double Amount(const std::string& column) {
    std::string raw = Raw(column);
    if (raw.empty()) return 0.0;
    double value = 0.0;
    auto [end, error] =
        std::from_chars(raw.data(), raw.data() + raw.size(), value, std::chars_format::fixed);
    size_t point = raw.find('.');
    if (error != std::errc() || end != raw.data() + raw.size() ||
        (point != std::string::npos && raw.size() - point > 3)) {
      Fail(column, "not an amount: " + raw);
    }
    return value;
  }

  std::string Raw(const std::string& column) {
    for (size_t i = 0; i < header_->size(); ++i) {
      if ((*header_)[i] == column) return i < fields_.size() ? fields_[i] : std::string();
    }
    Fail(column, "no such column");
    return {};
  }

 private:
  std::string file_;
  int line_;
  const std::vector<std::string>* header_;
  std::vector<std::string> fields_;
  bool ok_ = true;
};

// Splits one line into fields; false when a quote is left open.
bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
  fields.assign(1, std::string());
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return !quoted;
}

// The data rows of a list, or nothing when it cannot be read or a line cannot be split.
std::optional<std::vector<Row>> ReadCsv(Files& files, const Path& path,
                                        std::vector<std::string>& header) {
  std::optional<std::string> content = files.ReadAll(path);
  if (!content) {
    std::fprintf(stderr, "%s: cannot be read\n", path.string().c_str());
    return std::nullopt;
  }
  std::vector<Row> rows;
  std::string_view rest = *content;
  int line_number = 0;
  bool ok = true;
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields;
    if (!SplitCsvLine(line, fields)) {
      std::fprintf(stderr, "%s:%d: unclosed quote\n", path.string().c_str(), line_number);
      ok = false;
    } else if (header.empty()) {
      header = std::move(fields);
    } else {
      rows.emplace_back(path.string(), line_number, &header, std::move(fields));
    }
  }
  if (!ok) return std::nullopt;
  return rows;
}

bool ValidDate(int day, int month, int year) {
  static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1981 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) {
    return false;
  }
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month != 2 || day <= 28 || leap;
}

bool Digits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// "DD/MM/YYYY" naming a real day.
bool ValidDateText(std::string_view text) {
  return text.size() == 10 && text[2] == '/' && text[5] == '/' && Digits(text.substr(0, 2)) &&
         Digits(text.substr(3, 2)) && Digits(text.substr(6, 4)) &&
         ValidDate(Number(text.substr(0, 2)), Number(text.substr(3, 2)), Number(text.substr(6, 4)));
}

// "hh:mmDD/MM/YYYY", the stamp of a sale.
bool ValidStampText(std::string_view text) {
  return text.size() == 15 && text[2] == ':' && Digits(text.substr(0, 2)) &&
         Digits(text.substr(3, 2)) && Number(text.substr(0, 2)) < 24 &&
         Number(text.substr(3, 2)) < 60 && ValidDateText(text.substr(5));
}

bool ValidEan13(std::string_view code) {
  if (code.size() != 13 || !Digits(code)) return false;
  int sum = 0;
  for (size_t i = 0; i < 12; ++i) sum += (code[i] - '0') * (i % 2 ? 3 : 1);
  return (10 - sum % 10) % 10 == code[12] - '0';
}

int CategoryIndex(std::string_view code) {
  for (int c = 0; c < 18; ++c) {
    if (code == kCategoryCodes[c]) return c;
  }
  return -1;
}

struct Component {
  int64_t number = 0;
  int32_t quantity = 1;
  bool free = false;
};

std::vector<Component> ParseComponents(Row& row) {
  std::vector<Component> components;
  std::string text = row.Raw("components");
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(' ', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view entry(text.data() + pos, end - pos);
    pos = end + 1;
    if (entry.empty()) continue;
    Component component;
    size_t colon = entry.find(':');
    size_t second = colon == std::string_view::npos ? colon : entry.find(':', colon + 1);
    std::string_view number = entry.substr(0, colon);
    std::string_view quantity =
        colon == std::string_view::npos ? "1" : entry.substr(colon + 1, second - colon - 1);
    std::string_view mark = second == std::string_view::npos ? "" : entry.substr(second + 1);
    if (!Digits(number) || number.size() > 18 || !Digits(quantity) || quantity.size() > 2 ||
        (!mark.empty() && mark != "free")) {
      row.Fail("components", "not item:quantity[:free]: " + std::string(entry));
      continue;
    }
    std::from_chars(number.data(), number.data() + number.size(), component.number);
    component.quantity = Number(quantity);
    component.free = mark == "free";
    if (component.quantity < 1 || component.quantity > 50) {
      row.Fail("components", "quantity outside 1 to 50: " + std::string(entry));
    }
    components.push_back(component);
  }
  if (components.size() > InventoryRecord::kComponents) row.Fail("components", "more than six");
  return components;
}

bool MakeInventory(Files& files, const Path& csv, const Path& out) {
  std::vector<std::string> header;
  auto rows = ReadCsv(files, csv, header);
  if (!rows) return false;
  struct Pending {
    Row* row;
    InventoryRecord record;
    std::vector<Component> components;
  };
  std::vector<Pending> items;
  std::map<int64_t, bool> is_bundle;  // every number of the list
  bool ok = true;
  for (Row& row : *rows) {
    Pending item{&row, InventoryRecord(), ParseComponents(row)};
    InventoryRecord& r = item.record;
    bool bundle = !item.components.empty();
    r.Set(inv::kNumber, row.Integer("number", 1, InventoryRecord::kMaxNumber));
    std::string description = row.Text("description", 38);
    if (description.size() < 2) row.Fail("description", "shorter than 2 characters");
    r.Set(inv::kDescription, description);
    int category = CategoryIndex(row.Raw("category"));
    if (category < 0) row.Fail("category", "unknown code " + row.Raw("category"));
    r.Set(inv::kDisplayCategory, category);
    std::string sku1 = row.Text("sku1", 38);
    if (sku1.size() == 13 && Digits(sku1) && !ValidEan13(sku1)) {
      row.Fail("sku1", "wrong EAN-13 check digit in " + sku1);
    }
    r.Set(inv::kSku1, sku1);
    std::string added = row.Text("date_added", 10);
    if (!ValidDateText(added)) row.Fail("date_added", "not DD/MM/YYYY: " + added);
    r.Set(inv::kDateAdded, added);
    r.Set(inv::kStockPicture, row.Int32("stock_picture", 1, 24));
    int32_t age = row.Int32("age_warning", 0, 30);
    if (age == 1) row.Fail("age_warning", "a minimum age is 2 to 30");
    r.Set(inv::kAgeWarning, age);
    int32_t offer = row.Int32("offer", 0, 4);
    if (offer != InventoryRecord::kNoOffer && offer != InventoryRecord::kBuyOneGetOneFree &&
        offer != InventoryRecord::kBuyTwoGetOneFree) {
      row.Fail("offer", "must be 0, 2 or 4");
    }
    r.Set(inv::kRetailPrice, row.Amount("retail_price"));
    r.Set(inv::kCostPrice, row.Amount("cost_price"));
    r.Set(inv::kTradePrice, row.Amount("trade_price"));
    r.Set(inv::kQuantity, row.Int32("quantity", 0, 1'000'000));
    r.Set(inv::kReorderQuantity, row.Int32("reorder_quantity", 0, 1'000'000));
    r.Set(inv::kTax, row.Int32("tax", 0, 3));
    if (bundle) {
      // A bundle carries no price, stock, tax or offer of its own: its components do.
      for (const char* column :
           {"retail_price", "cost_price", "trade_price", "quantity", "reorder_quantity", "tax"}) {
        if (!row.Raw(column).empty()) row.Fail(column, "must be empty for a bundle");
      }
      if (offer != 0 || age != 0) row.Fail("offer", "a bundle has no offer or age warning");
      r.Set(inv::kKind, InventoryRecord::kBundleKind);
      for (size_t k = 0; k < item.components.size(); ++k) {
        const Component& component = item.components[k];
        int place = static_cast<int>(k) + 1;
        r.SetComponent(place, std::to_string(component.number));
        r.Set(inv::kComponentPriceMode, place,
              component.free ? InventoryRecord::kComponentFree : 0);
        r.Set(inv::kComponentQuantity, place, component.quantity);
      }
    } else {
      r.Set(inv::kOffer, offer);
      if (r.Get(inv::kRetailPrice) <= 0 || r.Get(inv::kCostPrice) <= 0) {
        row.Fail("retail_price", "an item needs a retail and a cost price above 0");
      }
    }
    r.InitialiseAddedItem();
    if (is_bundle.count(r.Get(inv::kNumber))) row.Fail("number", "used twice");
    is_bundle[r.Get(inv::kNumber)] = bundle;
    items.push_back(std::move(item));
  }
  for (Pending& item : items) {
    for (const Component& component : item.components) {
      auto found = is_bundle.find(component.number);
      if (found == is_bundle.end()) {
        item.row->Fail("components", "no item " + std::to_string(component.number));
      } else if (found->second) {
        item.row->Fail("components", "a bundle may not contain a bundle");
      }
    }
    ok = ok && item.row->ok();
  }
  if (!ok) return false;
  std::string bytes;
  for (const Pending& item : items) {
    bytes.append(reinterpret_cast<const char*>(item.record.data()), InventoryRecord::kSize);
  }
  return files.WriteWhole(out, bytes);
}

bool MakeCustomers(Files& files, const Path& csv, const Path& out) {
  std::vector<std::string> header;
  auto rows = ReadCsv(files, csv, header);
  if (!rows) return false;
  std::set<int64_t> numbers;
  std::string bytes;
  bool ok = true;
  for (Row& row : *rows) {
    CustomerRecord r;
    r.InitialiseAddedCustomer();
    r.Set(cust::kNumber, row.Integer("number", 1, CustomerRecord::kMaxNumber));
    if (!numbers.insert(r.Get(cust::kNumber)).second) row.Fail("number", "used twice");
    std::string name = row.Text("name", 29);
    if (name.size() < 2) row.Fail("name", "shorter than 2 characters");
    r.Set(cust::kName, name);
    r.Set(cust::kRoad, row.Text("road", 29));
    r.Set(cust::kArea, row.Text("area", 29));
    r.Set(cust::kTown, row.Text("town", 19));
    r.Set(cust::kPostcode, row.Text("postcode", 9));
    r.Set(cust::kTelephone, row.Text("telephone", 19));
    r.Set(cust::kEmail, row.Text("email", 39));
    r.Set(cust::kTerms, row.Int32("terms", 1, 8));
    r.Set(cust::kCreditLimit, row.Amount("credit_limit"));
    r.Set(cust::kBalance, row.Amount("balance"));
    r.Set(cust::kGroup, 1);
    r.Set(cust::kTax, 1);
    std::string last_used = row.Text("last_used", 15);
    r.Set(cust::kTransactions, row.Int32("transactions", 0, 1'000'000));
    r.Set(cust::kTotalPurchases, row.Amount("total_purchases"));
    if (last_used == "NEW") {
      if (r.Get(cust::kTransactions) != 0 || r.Get(cust::kTotalPurchases) != 0 ||
          r.Get(cust::kBalance) != 0) {
        row.Fail("last_used", "a customer who has not bought has no sales or balance");
      }
    } else if (!ValidStampText(last_used)) {
      row.Fail("last_used", "not NEW or hh:mmDD/MM/YYYY: " + last_used);
    } else if (r.Get(cust::kTransactions) < 1) {
      row.Fail("transactions", "a customer who has bought has at least one sale");
    }
    r.Set(cust::kLastUsed, last_used);
    ok = ok && row.ok();
    bytes.append(reinterpret_cast<const char*>(r.data()), CustomerRecord::kSize);
  }
  return ok && files.WriteWhole(out, bytes);
}

}  // namespace
}  // namespace ventro

int main(int argc, char** argv) {
  std::string mode = argc == 4 ? argv[1] : "";
  if (mode != "inventory" && mode != "customers") {
    std::fprintf(stderr, "usage: make_master_files inventory|customers <list.csv> <file.dat>\n");
    return 2;
  }
  ventro::StdFiles files;
  bool ok = mode == "inventory" ? ventro::MakeInventory(files, argv[2], argv[3])
                                : ventro::MakeCustomers(files, argv[2], argv[3]);
  if (!ok) std::fprintf(stderr, "make_master_files: %s not written\n", argv[3]);
  return ok ? 0 : 1;
}
