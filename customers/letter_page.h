// The A4 page of the customer letters and statements: the font a fortieth of the page high,
// lines counted from the top in line heights, and the letterhead (letter.bmp beside the store
// heading, or the heading centred).
#pragma once

#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "platform/files.h"
#include "platform/print_canvas.h"
#include "print/print_job.h"

namespace ventro {

class LetterPage {
 public:
  // Selects the letter font on `canvas`.
  explicit LetterPage(PrintCanvas& canvas);

  PrintCanvas& canvas() { return canvas_; }
  int width() const { return caps_.width; }
  // Line n's top.
  int Y(int line) const { return line * line_height_; }
  // The last line that fits on the page.
  int last_line() const { return caps_.height / line_height_ - 1; }

  void Left(int line, const std::string& text) { canvas_.Text(0, Y(line), TextAlign::kLeft, text); }
  void Centred(int line, const std::string& text) {
    canvas_.Text(caps_.width / 2, Y(line), TextAlign::kCentre, text);
  }
  void Right(int line, const std::string& text) {
    canvas_.Text(caps_.width, Y(line), TextAlign::kRight, text);
  }

  // letter.bmp of `data_folder` at the top left, a quarter of the page wide, with the six store
  // heading lines on lines 2 to 7 beside it; without the picture the lines are centred. Gives
  // the last line used (7).
  int DrawLetterhead(Files& files, const Path& data_folder, const SettingsRecord& settings);

  // `lines` from pages.resume_line on, one a line from `first_line`; when they do not fit the
  // page, the next page is asked for through `pages`, where they go on.
  void DrawLines(const std::vector<std::string>& lines, int first_line, DocumentPages& pages);

 private:
  PrintCanvas& canvas_;
  DeviceCaps caps_;
  int line_height_ = 1;
};

}  // namespace ventro
