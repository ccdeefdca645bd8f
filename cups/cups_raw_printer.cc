#include "cups/cups_raw_printer.h"

#include <cups/cups.h>

namespace ventro {
namespace {

// The queue an empty name means: the user's or the system's default destination.
std::string DefaultPrinter() {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (!dest) return "";
  std::string name = dest->name;
  cupsFreeDests(1, dest);
  return name;
}

}  // namespace

bool CupsRawPrinter::Send(const std::string& printer, const std::string& document,
                          std::string_view bytes) {
  std::string queue = printer.empty() ? DefaultPrinter() : printer;
  if (queue.empty()) return false;

  int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), document.c_str(), 0, nullptr);
  if (job == 0) return false;
  if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, document.c_str(), CUPS_FORMAT_RAW,
                        1) != HTTP_STATUS_CONTINUE) {
    cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
    return false;
  }
  bool written = bytes.empty() || cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.data(),
                                                       bytes.size()) == HTTP_STATUS_CONTINUE;
  // The document is finished even after a failed write, so that the request is closed.
  bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) == IPP_STATUS_OK;
  if (written && finished) return true;
  cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
  return false;
}

std::optional<std::vector<std::string>> CupsRawPrinter::PrinterNames() {
  cups_dest_t* dests = nullptr;
  int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  if (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) return std::nullopt;
  std::vector<std::string> names;
  for (int k = 0; k < count; ++k) {
    if (dests[k].instance) continue;  // instances are option sets of a printer listed already
    names.emplace_back(dests[k].name);
  }
  cupsFreeDests(count, dests);
  return names;
}

}  // namespace ventro
