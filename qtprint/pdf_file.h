// A document drawn as a PDF file through the Qt print canvas, on a page the size of a receipt
// printer's paper unless told otherwise.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/print_canvas.h"

namespace ventro {

// The paper a PDF file is laid out on, as a printer would report it.
struct PdfPaper {
  double width_mm = 80;  // a receipt roll
  double height_mm = 297;
  double side_margin_mm = 4;  // the unprintable edges (the physical offset)
  double top_margin_mm = 3;
  int dpi = 203;  // a thermal receipt printer's resolution
  // The printer's own font, used while a document selects none ("Printer default"): a
  // fixed-pitch face about as wide as a receipt printer's built-in font.
  const char* device_font = "Courier New";
  double device_font_points = 8;
};

// A4 as an office laser printer reports it, for the letters, statements and reports.
inline constexpr PdfPaper kA4Paper{210, 297, 4.2, 4.2, 600, "Courier New", 10};

// The paper a document of `kind` ("receipt", "statement" ...) goes on when written as a PDF
// file: A4 for the page documents, `receipt_paper` for the till's slips.
PdfPaper PdfPaperFor(const std::string& kind, const PdfPaper& receipt_paper = {});

// Starts the document `title` written to `file`; `finished` is told once the file is complete
// and whether it was written. Nothing when the file cannot be opened. Needs a Qt Gui
// application object.
std::unique_ptr<PrintCanvas> StartPdfDocument(const std::filesystem::path& file,
                                              const std::string& title, const PdfPaper& paper,
                                              std::function<void(bool)> finished = {});

}  // namespace ventro
