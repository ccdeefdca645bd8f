#include "print/invoice_page.h"

#include <algorithm>

namespace ventro {
namespace {

constexpr int kPointsPerInch = 72;
// The bands behind the signature lines and the totals: RGB 230, 230, 230.
constexpr int kBandGrey = 230;
// A4 at 600 dots per inch.
constexpr int kDefaultLineHeight = 100;
constexpr int kDefaultHalfWidth = 2480;
constexpr int kDefaultHeight = 7016;
constexpr int kDefaultDpi = 600;

}  // namespace

InvoicePage::InvoicePage(PrintCanvas& on_canvas, Ui& on_ui) : canvas(on_canvas), ui(on_ui) {
  const DeviceCaps caps = canvas.Caps();
  d = caps.dpi_y > 0 ? caps.dpi_y : kDefaultDpi;
  BodyFont();
  const FontMetrics metrics = canvas.Metrics();
  h = metrics.height + metrics.external_leading;
  average_char_width = metrics.average_char_width;
  W = caps.width / 2;
  H = caps.height;
  if (h <= 0 || W <= 0 || H <= 0) {
    ui.Message("Problem", "Printer detail unavailable, using defaults", Icon::kWarning);
    h = kDefaultLineHeight;
    W = kDefaultHalfWidth;
    H = kDefaultHeight;
    d = kDefaultDpi;
  }
  if (average_char_width <= 0) average_char_width = std::max(1, h / 2);
  ox = caps.offset_x;
  oy = caps.offset_y;
  // A printer that tells no margins gets a quarter inch on both.
  if (ox <= 0) {
    ox = d / 4;
    oy = d / 4;
  }
  T = H / 20;
}

void InvoicePage::Select(int points, bool bold) {
  const PrintFont font{"Arial", points * d / kPointsPerInch, bold};
  if (!canvas.SetFont(font)) ui.Message("Problem", "Unable set font", Icon::kWarning);
}

void InvoicePage::BodyFont() { Select(9, false); }
void InvoicePage::TitleFont() { Select(18, true); }
void InvoicePage::BoldFont() { Select(9, true); }

void InvoicePage::GreyBand(int x1, int y1, int x2, int y2) {
  canvas.ShadeRectangle({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)},
                        kBandGrey);
}

}  // namespace ventro
