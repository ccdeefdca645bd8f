#include "print/receipt_page.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/bytes.h"

namespace ventro {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kLogoTop = 10;
constexpr int kLogoGap = 20;

}  // namespace

bool BitmapSize(std::string_view bytes, int& width, int& height) {
  constexpr size_t kHeaderEnd = 26;
  if (bytes.size() < kHeaderEnd || bytes.substr(0, 2) != "BM") return false;
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  width = GetI32(data + 18);
  // A negative height marks a picture stored top row first.
  const int32_t stored = GetI32(data + 22);
  if (width <= 0 || stored == 0 || stored == INT32_MIN) return false;
  height = std::abs(stored);
  return true;
}

ReceiptPage::ReceiptPage(PrintCanvas& on_canvas)
    : canvas(on_canvas), caps(on_canvas.Caps()), metrics(on_canvas.Metrics()) {
  line_height = metrics.height + metrics.external_leading;
  if (line_height < 1) line_height = 1;
  centre = caps.width / 2;
  left = caps.offset_x + 10;
  right = 2 * centre - caps.offset_x;
}

void SelectReceiptFont(PrintCanvas& canvas, const SettingsRecord& settings, Ui& ui) {
  const int32_t size_choice = settings.Get(cfg::kReceiptFontSize);
  if (size_choice < 1 || size_choice > 4) return;
  const int points = 8 + size_choice;
  PrintFont font{"Arial", points * canvas.Caps().dpi_y / kPointsPerInch, false};
  if (!canvas.SetFont(font)) ui.Message("Problem", "Unable set font", Icon::kWarning);
}

int DrawReceiptLogo(ReceiptPage& page, Files& files, const Path& data_folder, bool page_width) {
  const std::optional<std::string> bytes = files.ReadAll(data_folder / "receipt.bmp");
  int width = 0;
  int height = 0;
  if (!bytes || !BitmapSize(*bytes, width, height)) return 0;
  const int x = page_width ? 0 : page.centre / 2;
  const int drawn_width = page_width ? 2 * page.centre : page.centre;
  const int64_t scaled = static_cast<int64_t>(drawn_width) * height / width;
  // A header claiming a picture many pages long is not a logo.
  if (scaled > 8 * static_cast<int64_t>(std::max(page.caps.height, page.line_height))) return 0;
  const int drawn_height = static_cast<int>(scaled);
  if (!page.canvas.Bitmap({x, kLogoTop, x + drawn_width, kLogoTop + drawn_height}, *bytes)) {
    return 0;
  }
  return (drawn_height + kLogoGap) / page.line_height;
}

}  // namespace ventro
