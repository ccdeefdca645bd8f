// Choosing the printer and the number of copies, and running a document through the page
// loop once per copy.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "platform/platform.h"
#include "platform/print_canvas.h"

namespace ventro {

// The name every document is started with.
inline constexpr char kDocumentTitle[] = "VENTRO";

// How a document came to be printed; it decides whether the print dialog may show.
enum class PrintRoute {
  kAutomatic,  // after a commit, with the summary box turned off: the copies option counts
  kSummary,    // a print button of the summary box: one copy, or what the dialog says
  kKitchen,    // the kitchen printer, or the default printer; never a dialog
};

// The entry of the Print dialog's printer list that saves the document as a PDF file.
inline constexpr char kPdfFileEntry[] = "PDF file";

struct PrintTarget {
  std::string printer;  // empty: the default printer
  int copies = 1;
  std::filesystem::path pdf_file;  // set: the document is saved here as PDF, not printed
};

// The page loop's state: a document that does not fit raises `page` and says where it got to
// in `resume_line`, and is drawn again on a new page.
struct DocumentPages {
  int page = 1;
  int resume_line = 0;
};

using DrawDocument = std::function<void(PrintCanvas&, DocumentPages&)>;

// The "Print" dialog: the printer (the system's list after "Default", then "PDF file") and the
// number of copies. "PDF file" asks where to save the document (one copy). Nothing when
// cancelled.
std::optional<PrintTarget> RunPrintDialog(Ui& ui, RawPrinter& printers);

// Where a document goes. A named printer (the receipt or kitchen printer of the "Receipts"
// page) is used directly; without one the kitchen ticket and, with "Omit print confirm", the
// other documents go to the default printer; otherwise the print dialog asks. `auto_copies`
// is the count for automatic printing. Nothing when the dialog was cancelled.
std::optional<PrintTarget> ChoosePrinter(Platform& platform, const SettingsRecord& settings,
                                         const std::string& named_printer, PrintRoute route,
                                         int auto_copies = 1);

// Prints `target.copies` copies of the document, each started as "VENTRO" (`kind` tells the
// printer what it is), page after page while `draw` raises the page counter. `after_copy`
// runs after each copy has ended. A printer that cannot be opened gives "Unable to open
// printer" and one that cannot be released "Unable to release printer", both titled "Problem";
// the first ends the printing. False when a failure was shown.
bool PrintCopies(Platform& platform, const PrintTarget& target, const std::string& kind,
                 const DrawDocument& draw, const std::function<void()>& after_copy = {});

// Whether a document that keeps asking for pages is cut off at 1,000 pages. A document that
// ends by itself however long it runs, and that the cancel box can stop, goes without.
enum class PageGuard { kOn, kOff };

// PrintCopies with the cancel box "PrintDlgBox" open while the copies print. Its Cancel,
// looked at after every page, stops the page and copy loops; the document is still ended, so
// the pages already sent stay printed. False when a failure was shown or the user cancelled.
bool PrintCopiesWithCancelBox(Platform& platform, const PrintTarget& target,
                              const std::string& kind, const DrawDocument& draw,
                              PageGuard guard = PageGuard::kOn);

}  // namespace ventro
