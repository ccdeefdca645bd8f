#include "qtprint/pdf_folder_printer.h"

#include <memory>
#include <system_error>

#include "base/format.h"

namespace ventro {

PdfFolderPrinter::PdfFolderPrinter(std::filesystem::path folder, Finished finished, PdfPaper paper)
    : folder_(std::move(folder)), finished_(std::move(finished)), paper_(paper) {}

std::unique_ptr<PrintCanvas> PdfFolderPrinter::StartDocument(const std::string& printer,
                                                             const std::string& title,
                                                             const std::string& kind) {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  const std::string name = StringPrintf("%03d-%s.pdf", ++count_, kind.c_str());
  Finished finished = finished_;
  return StartPdfDocument(folder_ / name, title, PdfPaperFor(kind, paper_), [=](bool ok) {
    if (finished) finished(kind, printer, name, ok);
  });
}

std::unique_ptr<PrintCanvas> PdfFolderPrinter::StartPdfFile(const std::filesystem::path& file,
                                                            const std::string& title,
                                                            const std::string& kind) {
  Finished finished = finished_;
  return StartPdfDocument(file, title, PdfPaperFor(kind, paper_), [=](bool ok) {
    if (finished) finished(kind, "", file.string(), ok);
  });
}

}  // namespace ventro
