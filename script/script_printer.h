// The printer of ventro-script without --print-dir: documents are drawn on nothing and noted
// in the transcript as "printed KIND" (with printer="NAME" for a named printer), so scripts
// can check what was printed without a printer or a display.
#pragma once

#include <ostream>
#include <string>

#include "platform/print_canvas.h"

namespace ventro::script {

// The transcript line of a printed document: "printed KIND [printer="NAME"] [file=FILE]".
std::string PrintedLine(const std::string& kind, const std::string& printer,
                        const std::string& file = "");

class TranscriptPrinter : public Printer {
 public:
  explicit TranscriptPrinter(std::ostream& transcript) : transcript_(transcript) {}
  std::unique_ptr<PrintCanvas> StartDocument(const std::string& printer, const std::string& title,
                                             const std::string& kind) override;

 private:
  std::ostream& transcript_;
};

}  // namespace ventro::script
