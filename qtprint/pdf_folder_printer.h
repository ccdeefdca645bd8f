// A printer that writes every document as a PDF file in a folder, numbered in the order they
// were printed ("001-receipt.pdf", "002-kitchen.pdf" ...), the till's slips on a page the size
// of a receipt printer's paper, letters and statements on A4. Used by ventro-script --print-dir, so
// that tests and a shopkeeper can look at what would have been printed.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/print_canvas.h"
#include "qtprint/pdf_file.h"

namespace ventro {

class PdfFolderPrinter : public Printer {
 public:
  // `finished` is told of each document once its file is complete: its kind, the printer it
  // was meant for and the file's name within `folder`.
  using Finished = std::function<void(const std::string& kind, const std::string& printer,
                                      const std::string& file_name, bool ok)>;

  PdfFolderPrinter(std::filesystem::path folder, Finished finished, PdfPaper paper = {});

  // The printer name is not used: every document goes to the folder. Nothing when the folder
  // cannot be made or the file cannot be written.
  std::unique_ptr<PrintCanvas> StartDocument(const std::string& printer, const std::string& title,
                                             const std::string& kind) override;
  // A PDF file the user named, on the same paper; told to `finished` with its path.
  std::unique_ptr<PrintCanvas> StartPdfFile(const std::filesystem::path& file,
                                            const std::string& title,
                                            const std::string& kind) override;

 private:
  std::filesystem::path folder_;
  Finished finished_;
  PdfPaper paper_;
  int count_ = 0;
};

}  // namespace ventro
