// Printing as the core sees it: a document started on a named printer gives a canvas, and the
// documents draw on it in the printer's own units (device units) with its resolution, much as
// one draws on a printer page with a pen and a font. Texts are Windows-1252; the
// implementation converts at its edge. The Qt program draws on the system's printers, the
// script driver writes PDF files or only notes what was printed, tests record the calls.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace ventro {

enum class TextAlign { kLeft, kCentre, kRight };

// A rectangle in the current units, right and bottom exclusive.
struct PrintRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PrintRect&) const = default;
};

struct PrintFont {
  std::string face;  // such as "Arial"; empty for the face of the device's own font
  int height = 0;    // character height (the em size) in device units
  bool bold = false;
  bool operator==(const PrintFont&) const = default;
};

// The selected font's metrics, in device units.
struct FontMetrics {
  int height = 0;            // ascent plus descent
  int external_leading = 0;  // the space the font asks for between lines
  int average_char_width = 0;
  bool fixed_pitch = false;  // every character as wide as the next
};

// The page as the device reports it, in device units. Coordinates start at the top left of the
// printable area; the physical offsets are the unprintable margins left and above it.
struct DeviceCaps {
  int width = 0;   // printable width
  int height = 0;  // printable height
  int dpi_x = 0;   // device units per inch; 0 when the device gives no resolution
  int dpi_y = 0;
  int offset_x = 0;
  int offset_y = 0;
};

// One document being printed. Drawing calls between StartPage and EndPage land on that page.
class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  virtual DeviceCaps Caps() = 0;

  // Selects a font for the text that follows; false when it cannot be made, leaving the
  // font as it was. Until a font is selected the device's own font is used.
  virtual bool SetFont(const PrintFont& font) = 0;
  virtual FontMetrics Metrics() = 0;

  // One line of text whose top is at y: its left end, centre or right end at x.
  virtual void Text(int x, int y, TextAlign align, std::string_view text) = 0;
  // Text broken at word ends to fit between rect.left and rect.right, lines aligned by
  // `align`, the first line's top at rect.top. The text is never cut at rect.bottom: a longer
  // text runs on below it. Returns the height the text takes.
  virtual int TextBox(const PrintRect& rect, TextAlign align, std::string_view text) = 0;

  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // The outline of `rect`.
  virtual void Rectangle(const PrintRect& rect) = 0;
  // `rect` filled black.
  virtual void FillRectangle(const PrintRect& rect) = 0;
  // `rect` filled with a grey of `level` in each of red, green and blue (0 black, 255 white),
  // with no outline.
  virtual void ShadeRectangle(const PrintRect& rect, int level) = 0;
  // A picture given as the bytes of a .bmp file, stretched into `rect`. False when the bytes
  // are not a picture the device can draw; nothing is drawn then.
  virtual bool Bitmap(const PrintRect& rect, std::string_view bmp_file) = 0;

  // On: coordinates are hundredths of a millimetre from the same origin, y still growing
  // downwards (for barcodes, whose bar widths are physical sizes). Off: device units.
  virtual void SetMetricUnits(bool on) = 0;

  virtual void StartPage() = 0;
  virtual void EndPage() = 0;
  // Ends the document and releases the printer; false when the printer could not be
  // released. Nothing may be drawn afterwards.
  virtual bool EndDocument() = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;
  // Starts a document called `title` on the printer named `printer` (empty: the system's
  // default printer). `kind` says what it is ("receipt", "kitchen" ...), for outputs that keep
  // documents apart. Nothing when the printer cannot be opened.
  virtual std::unique_ptr<PrintCanvas> StartDocument(const std::string& printer,
                                                     const std::string& title,
                                                     const std::string& kind) = 0;
  // Starts a document written as the PDF file `file`, chosen by the user in place of a
  // printer. Nothing when the file cannot be written or this output makes no PDF files.
  virtual std::unique_ptr<PrintCanvas> StartPdfFile(const std::filesystem::path& /*file*/,
                                                    const std::string& /*title*/,
                                                    const std::string& /*kind*/) {
    return nullptr;
  }
};

}  // namespace ventro
