// The Export command: a range of items or customers written to a file the user names, as
// comma-separated text, an HTML page or XML.
#pragma once

#include "exchange/exchange_desk.h"

namespace ventro {

// Dialog EXPORT, the field choice (EXSE00 or EXSE02) for text and HTML, the file name, then the
// file written whole through a temporary file, so a failed write leaves no half file behind.
void ExportRecords(const ExchangeDesk& desk);

}  // namespace ventro
