// The system's printers (CUPS on Linux), through Qt Print Support.
#pragma once

#include "platform/print_canvas.h"

namespace ventro {

class QtSystemPrinter : public Printer {
 public:
  // Opens the named printer, or the system's default one for an empty name; nothing when
  // there is no such printer (or no default).
  std::unique_ptr<PrintCanvas> StartDocument(const std::string& printer, const std::string& title,
                                             const std::string& kind) override;
  // Through the PDF writer, on receipt paper.
  std::unique_ptr<PrintCanvas> StartPdfFile(const std::filesystem::path& file,
                                            const std::string& title,
                                            const std::string& kind) override;
};

}  // namespace ventro
