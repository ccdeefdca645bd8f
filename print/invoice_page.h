// The A4 page every invoice, quotation and delivery note is drawn on: its three fonts and its
// geometry, taken from the printer, or the A4 page at 600 dots per inch when the printer tells
// nothing.
#pragma once

#include "platform/print_canvas.h"
#include "platform/ui.h"

namespace ventro {

class InvoicePage {
 public:
  // Selects the body font and measures the page; a printer that reports no line height gives
  // "Printer detail unavailable, using defaults" titled "Problem" and the A4 defaults.
  InvoicePage(PrintCanvas& on_canvas, Ui& on_ui);

  PrintCanvas& canvas;
  Ui& ui;
  int h = 0;   // line height of the body font
  int W = 0;   // half the printable width
  int H = 0;   // printable height
  int ox = 0;  // physical offsets
  int oy = 0;
  int d = 0;  // dots per inch, vertically
  int T = 0;  // the top of the heading blocks, a twentieth of the page down
  int average_char_width = 0;

  // The inner right edge the right-aligned amounts end at.
  int Right() const { return 2 * W - ox - 60; }
  // The bottom reserve the rows must stay above.
  int Reserve() const { return H - oy - d; }
  int Y(double lines) const { return static_cast<int>(lines * h); }

  // The three fonts: 9 point (the page's line height), 18 point bold (store name and title)
  // and 9 point bold (the rest of the page). A font that cannot be made gives "Unable set
  // font" titled "Problem" and the text goes on in the font the canvas has.
  void BodyFont();
  void TitleFont();
  void BoldFont();

  void Text(int x, int y, TextAlign align, std::string_view text) {
    canvas.Text(x, y, align, text);
  }
  // A light grey band between two corners given in either order.
  void GreyBand(int x1, int y1, int x2, int y2);

 private:
  void Select(int points, bool bold);
};

}  // namespace ventro
