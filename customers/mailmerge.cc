#include "customers/mailmerge.h"

#include <algorithm>
#include <optional>

#include "base/format.h"
#include "customers/customer_maintenance.h"
#include "customers/customer_scan.h"
#include "customers/letter_page.h"
#include "customers/letters.h"

namespace ventro {
namespace {

constexpr char kTextFiles[] = "Text files (*.TXT)";
constexpr int kAddressGap = 12;
constexpr int kDateGap = 6;
constexpr int kSignatureGap = 6;
constexpr int kContinuedFirstLine = 2;

std::string NumberText(int64_t number) {
  return StringPrintf("%lld", static_cast<long long>(number));
}

Dialog BodyDialog(const std::string& body, int64_t first, int64_t last) {
  Dialog dialog;
  dialog.name = "bodyedit";
  dialog.title = "Mailmerge";
  dialog.Add(NoteField("note", "Type text to go between 'Dear .. Yours sincerely'"));
  dialog.Add(TextField("body", "", body, 0));
  DialogField& start = dialog.Add(TextField("start", "Start customer", NumberText(first), 20));
  start.kind = FieldKind::kNumber;
  DialogField& end = dialog.Add(TextField("end", "End customer", NumberText(last), 20));
  end.kind = FieldKind::kNumber;
  dialog.Add(
      ChoiceField("selection", "Selection", {"All", "Owe money", "Not active this year"}, 0));
  dialog.buttons = {"OK", "Load", "Save", "Cancel"};
  return dialog;
}

void Load(CustomerDesk& desk, Dialog& dialog) {
  Ui& ui = desk.ui();
  std::optional<Path> path = ui.OpenFileName("Load", kTextFiles);
  if (!path) return;
  std::optional<std::string> text = desk.files().ReadAll(*path);
  if (!text) {
    ui.Message("Fatal error", "File not present.", Icon::kError);
    return;
  }
  if (text->empty() || text->size() > kLargestMailmergeFile) {
    ui.Message("Problem", "File of incorrect type", Icon::kWarning);
    return;
  }
  dialog.Field("body").text = *text;
}

void Save(CustomerDesk& desk, const Dialog& dialog) {
  std::optional<Path> path = desk.ui().SaveFileName("Save", kTextFiles, "mailmerge.txt");
  if (!path) return;
  if (!desk.files().WriteWhole(*path, dialog.Field("body").text)) {
    desk.ui().Message("Problem", "Not able to write to " + path->filename().string(),
                      Icon::kWarning);
  }
}

// Where the first word of `text` longer than `limit` characters starts, or npos.
size_t FirstWordLongerThan(std::string_view text, size_t limit) {
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(' ', start);
    const size_t length = (end == std::string_view::npos ? text.size() : end) - start;
    if (length > limit) return start;
    if (end == std::string_view::npos) return std::string_view::npos;
    start = end + 1;
  }
}

// Where the printing of the letters has got to: which customer, and which of its lines.
struct MergeProgress {
  size_t customer = 0;
  size_t line = 0;
};

// One page of the mailmerge: a customer's letter from its start, or the rest of a letter
// whose body ran over the page.
void DrawMergePage(CustomerDesk& desk, PrintCanvas& canvas, DocumentPages& pages,
                   const std::vector<int64_t>& slots, const std::string& body,
                   const std::string& date, MergeProgress& progress) {
  if (pages.page == 1 && pages.resume_line == 0) progress = {};
  if (progress.customer >= slots.size()) return;
  CustomerRecord c;
  if (!desk.customers.ReadAt(desk.files(), slots[progress.customer], c.data())) c.Clear();
  LetterPage page(canvas);
  // Text is wrapped by the average character width; a word cut for want of a space is cut by
  // the font's height, wider than its widest capital, so no piece runs off the page.
  const FontMetrics metrics = canvas.Metrics();
  const size_t columns =
      static_cast<size_t>(std::max(1, page.width() / std::max(1, metrics.average_char_width)));
  const size_t cut_columns =
      static_cast<size_t>(std::max(1, page.width() / std::max(1, metrics.height)));
  std::vector<std::string> lines = WrapBody(body, columns, cut_columns);
  lines.push_back("");
  lines.push_back("Yours sincerely,");
  for (int k = 1; k < kSignatureGap; ++k) lines.push_back("");
  lines.push_back("-------------------");
  lines.push_back("Manager");

  int first_line = kContinuedFirstLine;
  if (progress.line == 0) {
    int line = page.DrawLetterhead(desk.files(), desk.paths.folder, desk.settings) + kAddressGap;
    line = DrawAddressBlock(
        page, line,
        c.Get(cust::kNamePrefix1) + " " + c.Get(cust::kNamePrefix2) + " " + c.Get(cust::kName), c);
    page.Right(line, date);
    line += kDateGap;
    page.Left(line,
              "Dear Sir / Madam,           Customer number: " + NumberText(c.Get(cust::kNumber)));
    first_line = line + 2;
  }
  DocumentPages body_pages{1, static_cast<int>(progress.line)};
  page.DrawLines(lines, first_line, body_pages);
  if (body_pages.page > 1) {
    progress.line = static_cast<size_t>(body_pages.resume_line);
  } else {
    progress.line = 0;
    ++progress.customer;
  }
  if (progress.customer < slots.size()) {
    ++pages.page;
    pages.resume_line = 1;  // marks a page after the first, whatever the page count
  }
}

}  // namespace

std::vector<std::string> WrapBody(std::string_view body, size_t columns, size_t cut_columns) {
  if (columns < 1) columns = 1;
  if (cut_columns < 1 || cut_columns > columns) cut_columns = columns;
  std::vector<std::string> lines;
  auto take = [&](std::string_view& paragraph, size_t count, size_t skip) {
    lines.emplace_back(paragraph.substr(0, count));
    paragraph.remove_prefix(count + skip);
  };
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find('\n', start);
    if (end == std::string_view::npos) end = body.size();
    std::string_view paragraph = body.substr(start, end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    for (;;) {
      const size_t long_word = FirstWordLongerThan(paragraph, cut_columns);
      const size_t room = std::min(paragraph.size(), columns);
      if (long_word == 0) {
        take(paragraph, cut_columns, 0);  // a word without a space to break at is cut
      } else if (long_word != std::string_view::npos && long_word <= room) {
        take(paragraph, long_word - 1, 1);  // the line ends before a word that must be cut
      } else if (paragraph.size() <= columns) {
        break;
      } else if (const size_t space = paragraph.rfind(' ', columns);
                 space == std::string_view::npos || space == 0) {
        take(paragraph, cut_columns, 0);
      } else {
        take(paragraph, space, 1);
      }
    }
    lines.emplace_back(paragraph);
    start = end + 1;
  }
  return lines;
}

std::vector<int64_t> MailmergeCustomers(Files& files, const MasterFile& customers, int64_t first,
                                        int64_t last, MailmergeSelection selection, int this_year) {
  std::vector<int64_t> slots;
  if (selection == MailmergeSelection::kAll) {
    // The index alone says who is in the range.
    for (const IndexEntry& entry : customers.index().entries()) {
      if (entry.number < first || entry.number < 1) continue;
      if (entry.number > last) break;
      slots.push_back(entry.position);
    }
    return slots;
  }
  std::optional<std::vector<int64_t>> chosen =
      CustomersInNumberOrder(files, customers, first, last, [&](const CustomerRecord& c) {
        if (selection == MailmergeSelection::kOweMoney) return c.Get(cust::kBalance) > 0;
        std::optional<StampMonth> used = MonthOfStamp(c.Get(cust::kLastUsed));
        return !(used && used->year == this_year);
      });
  if (chosen) slots = std::move(*chosen);
  return slots;
}

void RunMailmerge(CustomerDesk& desk, std::string& body) {
  const std::vector<IndexEntry>& entries = desk.customers.index().entries();
  int64_t lowest = 0;
  int64_t highest = 0;
  for (const IndexEntry& entry : entries) {
    if (entry.number < 1) continue;
    if (lowest == 0) lowest = entry.number;
    highest = entry.number;
  }
  Dialog dialog = BodyDialog(body, lowest, highest);
  for (;;) {
    dialog.pressed.clear();  // the dialog is shown again after Load and Save
    const bool ok = desk.ui().RunDialog(dialog);
    if (dialog.Pressed("Load")) {
      Load(desk, dialog);
      continue;
    }
    if (dialog.Pressed("Save")) {
      Save(desk, dialog);
      continue;
    }
    body = dialog.Field("body").text;
    if (!ok || !dialog.Pressed("OK")) return;
    break;
  }
  const LocalTime now = desk.Now();
  int choice = dialog.Field("selection").choice;
  if (choice < 0 || choice > 2) choice = 0;
  const std::vector<int64_t> slots = MailmergeCustomers(
      desk.files(), desk.customers, AtoI64(dialog.Field("start").text),
      AtoI64(dialog.Field("end").text), static_cast<MailmergeSelection>(choice), now.year);
  if (slots.empty()) {
    desk.ui().Message("Finished", "No match found", Icon::kInformation);
    return;
  }
  std::optional<PrintTarget> target = RunPrintDialog(desk.ui(), desk.platform.raw_printer);
  if (!target) return;
  const std::string date = StringPrintf("%d ", now.day) +
                           desk.platform.locale.FormatDate("MMMM", now) +
                           StringPrintf(" %d", now.year);
  MergeProgress progress;
  PrintCopiesWithCancelBox(desk.platform, *target, "mailmerge",
                           [&](PrintCanvas& canvas, DocumentPages& pages) {
                             DrawMergePage(desk, canvas, pages, slots, body, date, progress);
                           });
}

}  // namespace ventro
