#include "print/print_job.h"

#include "base/format.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr int kMaxCopies = 99;
// A document that keeps asking for pages is cut off here rather than printing forever.
constexpr int kMaxPages = 1000;

// The copies of a document, page by page. With `cancel_box`, its Cancel is looked at after
// each page; a cancelled copy is ended like a finished one and no further copy starts.
bool RunCopies(Platform& platform, const PrintTarget& target, const std::string& kind,
               const DrawDocument& draw, const std::function<void()>& after_copy, Ui* cancel_box,
               PageGuard guard = PageGuard::kOn) {
  bool clean = true;
  bool cancelled = false;
  for (int copy = 0; copy < target.copies && !cancelled; ++copy) {
    std::unique_ptr<PrintCanvas> canvas =
        target.pdf_file.empty()
            ? platform.printer.StartDocument(target.printer, kDocumentTitle, kind)
            : platform.printer.StartPdfFile(target.pdf_file, kDocumentTitle, kind);
    if (!canvas) {
      platform.ui.Message("Problem", "Unable to open printer", Icon::kWarning);
      return false;
    }
    DocumentPages pages;
    for (int64_t printed = 0; guard == PageGuard::kOff || printed < kMaxPages; ++printed) {
      const int page = pages.page;
      canvas->StartPage();
      draw(*canvas, pages);
      canvas->EndPage();
      if (cancel_box && cancel_box->PrintCancelRequested()) {
        cancelled = true;
        break;
      }
      if (pages.page == page) break;
    }
    if (!canvas->EndDocument()) {
      platform.ui.Message("Problem", "Unable to release printer", Icon::kWarning);
      clean = false;
    }
    if (after_copy) after_copy();
  }
  return clean && !cancelled;
}

}  // namespace

std::optional<PrintTarget> RunPrintDialog(Ui& ui, RawPrinter& printers) {
  std::vector<std::string> rows = {"Default"};
  if (std::optional<std::vector<std::string>> names = printers.PrinterNames()) {
    rows.insert(rows.end(), names->begin(), names->end());
  }
  rows.push_back(kPdfFileEntry);
  Dialog dialog;
  dialog.name = "Print";
  dialog.title = "Print";
  dialog.Add(ChoiceField("printer", "Printer", rows, 0));
  dialog.Add(NumberField("copies", "Number of copies", "1", 2));
  if (!ui.RunDialog(dialog) || !dialog.Pressed("OK")) return std::nullopt;
  PrintTarget target;
  const int row = FieldChoice(dialog, "printer", static_cast<int>(rows.size()));
  if (row == static_cast<int>(rows.size()) - 1) {
    std::optional<std::filesystem::path> file =
        ui.SaveFileName("Save as PDF", "PDF files (*.pdf)", std::string(kDocumentTitle) + ".pdf");
    if (!file) return std::nullopt;
    target.pdf_file = *file;
    return target;  // one file, one copy
  }
  if (row > 0) target.printer = rows[static_cast<size_t>(row)];
  const int64_t copies = AtoI64(FieldText(dialog, "copies"));
  target.copies = copies < 1 ? 1 : copies > kMaxCopies ? kMaxCopies : static_cast<int>(copies);
  return target;
}

std::optional<PrintTarget> ChoosePrinter(Platform& platform, const SettingsRecord& settings,
                                         const std::string& named_printer, PrintRoute route,
                                         int auto_copies) {
  const int copies = route == PrintRoute::kAutomatic ? auto_copies : 1;
  if (!named_printer.empty()) return PrintTarget{named_printer, copies, {}};
  if (route == PrintRoute::kKitchen || settings.Get(cfg::kPrintConfirm) == 0) {
    return PrintTarget{"", copies, {}};
  }
  std::optional<PrintTarget> chosen = RunPrintDialog(platform.ui, platform.raw_printer);
  if (chosen && route == PrintRoute::kAutomatic && chosen->pdf_file.empty()) {
    chosen->copies = auto_copies;
  }
  return chosen;
}

bool PrintCopies(Platform& platform, const PrintTarget& target, const std::string& kind,
                 const DrawDocument& draw, const std::function<void()>& after_copy) {
  return RunCopies(platform, target, kind, draw, after_copy, nullptr);
}

bool PrintCopiesWithCancelBox(Platform& platform, const PrintTarget& target,
                              const std::string& kind, const DrawDocument& draw, PageGuard guard) {
  platform.ui.BeginPrintProgress();
  const bool printed = RunCopies(platform, target, kind, draw, {}, &platform.ui, guard);
  platform.ui.EndPrintProgress();
  return printed;
}

}  // namespace ventro
