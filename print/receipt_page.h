// The geometry every printed document shares: a line is the font's height plus its external
// leading, line n has its top at n line heights, the page centre is half the printable width,
// the left margin sits 10 units inside the physical offset and the right edge the offset short
// of the full width.
#pragma once

#include <string_view>

#include "formats/settings_record.h"
#include "platform/files.h"
#include "platform/print_canvas.h"
#include "platform/ui.h"

namespace ventro {

inline constexpr char kDoubleRule[] = "========================";
inline constexpr char kSingleRule[] = "------------------------";

class ReceiptPage {
 public:
  // Takes the device's size and the selected font's metrics: select the font first.
  explicit ReceiptPage(PrintCanvas& on_canvas);

  PrintCanvas& canvas;
  DeviceCaps caps;
  FontMetrics metrics;
  int line_height = 1;  // never 0, so line arithmetic stays defined on a broken device
  int centre = 0;
  int left = 0;   // left margin
  int right = 0;  // right edge

  int Y(double line) const { return static_cast<int>(line * line_height); }
  void Centred(double line, std::string_view text) {
    canvas.Text(centre, Y(line), TextAlign::kCentre, text);
  }
  void Left(double line, std::string_view text) {
    canvas.Text(left, Y(line), TextAlign::kLeft, text);
  }
  void Right(double line, std::string_view text) {
    canvas.Text(right, Y(line), TextAlign::kRight, text);
  }
  void At(int x, double line, TextAlign align, std::string_view text) {
    canvas.Text(x, Y(line), align, text);
  }
};

// The width and height stored in a .bmp file's headers; false for anything else.
bool BitmapSize(std::string_view bytes, int& width, int& height);

// Selects "Arial" at the receipt font size of the settings (9 to 12 points); "Printer default"
// keeps the device's font. A font that cannot be made gives "Unable set font" titled "Problem"
// and printing goes on with the font the device has.
void SelectReceiptFont(PrintCanvas& canvas, const SettingsRecord& settings, Ui& ui);

// Draws receipt.bmp from the data folder 10 units from the top, across the page width or
// across its middle half, keeping its proportions. Gives the number of lines the receipt text
// starts below the top; 0 (and nothing drawn) when the file is missing or not a picture.
int DrawReceiptLogo(ReceiptPage& page, Files& files, const Path& data_folder, bool page_width);

}  // namespace ventro
