// Bytes sent to a printer exactly as they are, past any driver: the till drawer daisy-chained
// to the receipt printer is kicked this way. Printers are named as the system's print service
// names them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventro {

class RawPrinter {
 public:
  virtual ~RawPrinter() = default;
  // Sends `bytes` to printer `printer` (empty: the system's default printer) as one raw job
  // called `document`. False when the printer cannot be reached or the job is refused; a job
  // refused part way is cancelled, so nothing half-sent is printed later.
  virtual bool Send(const std::string& printer, const std::string& document,
                    std::string_view bytes) = 0;
  // The names of the printers the system offers, or nothing when they cannot be listed.
  virtual std::optional<std::vector<std::string>> PrinterNames() = 0;
};

}  // namespace ventro
