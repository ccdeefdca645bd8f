// RawPrinter on CUPS: each send is one job in the raw format, which the scheduler passes to
// the printer's device without filtering.
#pragma once

#include "platform/raw_printer.h"

namespace ventro {

class CupsRawPrinter : public RawPrinter {
 public:
  // Jobs go to the scheduler libcups is set up for: CUPS_SERVER, the client configuration, or
  // the local one.
  bool Send(const std::string& printer, const std::string& document,
            std::string_view bytes) override;
  std::optional<std::vector<std::string>> PrinterNames() override;
};

}  // namespace ventro
