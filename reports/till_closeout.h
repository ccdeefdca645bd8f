// The till counted against the float: the reconciliation shown at any time, and the closeout
// at the end of a shift, which records the figures in the day text log, can print them, and
// ends with the clerk signed off.
#pragma once

#include <string>

#include "platform/print_canvas.h"
#include "reports/till_figures.h"
#include "sale/sale_session.h"

namespace ventro {

// Command 1007: today's figures in dialog 809 "Till reconciliation"; nothing is written.
// Nothing happens while a payment is being taken.
void ShowTillReconciliation(SaleSession& session);

// Command 3008: today's figures in dialog 810 "Till closeout". "Close and log off" writes the
// closeout to today's text log; "Print, close and log off" asks for the printer first (the
// dialog shows again when that is cancelled) and prints the figures after they are logged.
// True when the closeout was logged and the clerk is to be signed off; a log that cannot be
// written gives "Data log text file not present." titled "Fatal error", nothing printed and
// nobody signed off. Nothing happens while a payment is being taken.
bool CloseOutTill(SaleSession& session);

// The closeout's page: the store, the time and date, the clerk and the figures, one line each
// at line n x (font height + external leading) in the printer's own font.
void DrawTillCloseout(PrintCanvas& canvas, const std::string& store, const std::string& stamp,
                      const std::string& clerk, const TillFigures& figures);

}  // namespace ventro
