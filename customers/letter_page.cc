#include "customers/letter_page.h"

#include <algorithm>
#include <optional>

#include "print/receipt_page.h"

namespace ventro {
namespace {

// A font of a 64th of the page's height: at a 40th a debtor letter needs more lines than the
// page holds, and its closing paragraphs fell off the sheet.
constexpr int kFontDivisor = 64;
constexpr int kPictureMargin = 10;
constexpr int kHeadingGap = 30;
constexpr int kHeadingLines = 6;
constexpr int kFirstLine = 2;

}  // namespace

LetterPage::LetterPage(PrintCanvas& canvas) : canvas_(canvas), caps_(canvas.Caps()) {
  canvas_.SetFont({"Arial", std::max(1, caps_.height / kFontDivisor), false});
  const FontMetrics metrics = canvas_.Metrics();
  line_height_ = std::max(1, metrics.height + metrics.external_leading);
}

int LetterPage::DrawLetterhead(Files& files, const Path& data_folder,
                               const SettingsRecord& settings) {
  const std::optional<std::string> bytes = files.ReadAll(data_folder / "letter.bmp");
  int picture_width = 0;
  int picture_height = 0;
  bool picture = bytes && BitmapSize(*bytes, picture_width, picture_height);
  if (picture) {
    const int drawn_width = caps_.width / 4;
    const int64_t drawn_height = static_cast<int64_t>(drawn_width) * picture_height / picture_width;
    picture = drawn_height <= caps_.height &&
              canvas_.Bitmap({kPictureMargin, kPictureMargin, kPictureMargin + drawn_width,
                              kPictureMargin + static_cast<int>(drawn_height)},
                             *bytes);
  }
  for (int k = 1; k <= kHeadingLines; ++k) {
    const int line = kFirstLine + k - 1;
    const std::string text = settings.Get(cfg::kHeadingLine, k);
    if (picture) {
      canvas_.Text(caps_.width / 4 + kHeadingGap, Y(line), TextAlign::kLeft, text);
    } else {
      Centred(line, text);
    }
  }
  return kFirstLine + kHeadingLines - 1;
}

void LetterPage::DrawLines(const std::vector<std::string>& lines, int first_line,
                           DocumentPages& pages) {
  int line = first_line;
  for (size_t k = static_cast<size_t>(pages.resume_line); k < lines.size(); ++k, ++line) {
    // At least one line a page, however small the page.
    if (line > last_line() && line > first_line) {
      pages.resume_line = static_cast<int>(k);
      ++pages.page;
      return;
    }
    Left(line, lines[k]);
  }
}

}  // namespace ventro
