#include "print/label_sheet.h"

#include <string>

#include "base/format.h"
#include "print/code39.h"
#include "print/ean13.h"

namespace ventro {
namespace {

constexpr int kHundredthsPerInch = 2540;
// The text beside the bars starts this far below their top.
constexpr int kTextBelowTop = 400;
// Text under the bars starts this far below their top: under the EAN-13 guards, with a gap.
constexpr int kTextUnderBars = 1250;
// The modules from x to the text beside an EAN-13 symbol: its 95 modules, one before them and
// a margin after.
constexpr int kEanTextModules = 110;

int Columns(LabelFormat format) {
  switch (format) {
    case LabelFormat::kTwoColumn:
      return 2;
    case LabelFormat::kThreeColumn:
      return 3;
    case LabelFormat::kVideoSpine:
      break;
  }
  return 1;
}

// The symbol's width from the x it is drawn at.
int SymbolWidth(const LabelJob& job, int digits) {
  if (job.symbol == LabelSymbol::kEan13) return (kEan13Modules + 1) * job.element_width;
  return Code39Width(std::string(static_cast<size_t>(digits), '0'), job.element_width);
}

int ToDevice(int hundredths, int dpi) {
  return static_cast<int>(static_cast<int64_t>(hundredths) * dpi / kHundredthsPerInch);
}

std::string SymbolDigits(const LabelJob& job, int64_t number) {
  if (job.symbol == LabelSymbol::kEan13) return Ean13Digits(number);
  return BarcodeDigits(number);
}

}  // namespace

std::optional<PrintFont> ListingFont(const DeviceCaps& caps, int64_t lines_per_page) {
  if (lines_per_page <= 0) return std::nullopt;
  const int64_t height = caps.height / lines_per_page;
  if (height < 1) return std::nullopt;
  return PrintFont{"", static_cast<int>(height), false};
}

LabelPlace PlaceOfLabel(const LabelJob& job, int k, int printable_width, int digits) {
  const int columns = Columns(job.format);
  const int row = k / columns;
  const int column = k % columns;
  LabelPlace place;
  place.top = job.origin_y + row * job.label_height;
  const int centre = printable_width / 2;
  switch (job.format) {
    case LabelFormat::kVideoSpine: {
      place.bars_x = job.origin_x;
      place.text_x = job.symbol == LabelSymbol::kEan13
                         ? place.bars_x + kEanTextModules * job.element_width
                         : place.bars_x + (digits + 3) * kCode39CharModules * job.element_width;
      place.text_top = place.top + kTextBelowTop;
      if (job.text_below) {
        place.text_top -= 4 * job.element_width;
        place.price_top = place.text_top + 6 * job.element_width;
      }
      return place;
    }
    case LabelFormat::kTwoColumn:
      place.bars_x = column == 0 ? 0 : centre;
      place.text_x = place.bars_x;
      break;
    case LabelFormat::kThreeColumn: {
      const int column_centre = centre + (column - 1) * job.from_centre;
      place.bars_x = column_centre - SymbolWidth(job, digits) / 2;
      place.text_x = column_centre;
      place.text_align = TextAlign::kCentre;
      break;
    }
  }
  place.text_top = place.top + kTextUnderBars;
  return place;
}

bool DrawLabelSheet(PrintCanvas& canvas, const LabelJob& job, LabelFeed& feed,
                    const std::optional<PrintFont>& font) {
  const DeviceCaps caps = canvas.Caps();
  if (caps.dpi_x <= 0 || caps.dpi_y <= 0) return false;
  if (font) canvas.SetFont(*font);
  const int printable_width =
      static_cast<int>(static_cast<int64_t>(caps.width) * kHundredthsPerInch / caps.dpi_x);
  for (int k = 0; k < job.per_sheet; ++k) {
    std::optional<Label> label = feed.Next();
    if (!label) break;
    const std::string digits = SymbolDigits(job, label->number);
    const LabelPlace place = PlaceOfLabel(job, k, printable_width, static_cast<int>(digits.size()));

    canvas.SetMetricUnits(true);
    if (job.symbol == LabelSymbol::kEan13) {
      DrawEan13(canvas, place.bars_x, place.top, job.element_width, label->number);
    } else {
      DrawCode39(canvas, place.bars_x, place.top, job.element_width, digits);
    }
    canvas.SetMetricUnits(false);

    const int x = ToDevice(place.text_x, caps.dpi_x);
    if (place.price_top < 0) {
      const std::string price = label->price.empty() ? "" : " " + label->price;
      canvas.Text(x, ToDevice(place.text_top, caps.dpi_y), place.text_align, label->text + price);
    } else {
      canvas.Text(x, ToDevice(place.text_top, caps.dpi_y), place.text_align, label->text);
      if (!label->price.empty()) {
        canvas.Text(x, ToDevice(place.price_top, caps.dpi_y), place.text_align, label->price);
      }
    }
  }
  return !feed.AtEnd();
}

}  // namespace ventro
