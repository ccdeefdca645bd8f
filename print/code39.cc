#include "print/code39.h"

#include "base/format.h"

namespace ventro {
namespace {

// How far above the printable bottom the barcode's top goes without a line, in inches.
constexpr double kBottomPlace = 0.54;
constexpr double kHigherBottomPlace = 0.79;
constexpr int kHundredthsPerInch = 2540;

}  // namespace

std::string Code39Pattern(char c) {
  switch (c) {
    case '0':
      return "000110100";
    case '1':
      return "100100001";
    case '2':
      return "001100001";
    case '3':
      return "101100000";
    case '4':
      return "000110001";
    case '5':
      return "100110000";
    case '6':
      return "001110000";
    case '7':
      return "000100101";
    case '8':
      return "100100100";
    case '9':
      return "001100100";
    case '-':
      return "010000101";
    case '*':
      return "010010100";
    default:
      return "";
  }
}

std::string BarcodeDigits(int64_t transaction_number) {
  std::string digits = StringPrintf("%lld", static_cast<long long>(transaction_number));
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return digits;
}

int Code39Width(std::string_view digits, int module_width) {
  return (static_cast<int>(digits.size()) + 2) * kCode39CharModules * module_width - module_width;
}

void DrawCode39(PrintCanvas& canvas, int x, int top, int module_width, std::string_view digits) {
  const std::string text = "*" + std::string(digits) + "*";
  for (char c : text) {
    const std::string pattern = Code39Pattern(c);
    for (size_t k = 0; k < pattern.size(); ++k) {
      const int element = (pattern[k] == '1' ? 2 : 1) * module_width;
      if (k % 2 == 0) canvas.FillRectangle({x, top, x + element, top + kCode39BarHeight});
      x += element;
    }
    x += module_width;
  }
}

void DrawBarcode(PrintCanvas& canvas, Ui& ui, int64_t transaction_number,
                 const BarcodePlace& place) {
  const DeviceCaps caps = canvas.Caps();
  if (caps.dpi_x <= 0 || caps.dpi_y <= 0) {
    ui.Message("Problem", "Unable to get printer", Icon::kWarning);
    return;
  }
  const std::string digits = BarcodeDigits(transaction_number);

  int top_device = 0;
  if (place.line > 0) {
    top_device = (place.line + 2) * place.line_height;
  } else {
    const double above = place.mode == 2 ? kHigherBottomPlace : kBottomPlace;
    top_device = caps.height - static_cast<int>(caps.dpi_y * above) - caps.offset_y - 10;
  }
  auto to_hundredths = [](int device, int dpi) {
    return static_cast<int>(static_cast<int64_t>(device) * kHundredthsPerInch / dpi);
  };
  const int top = to_hundredths(top_device, caps.dpi_y);
  const int centre = to_hundredths(caps.width / 2, caps.dpi_x);
  // Centred as a run of whole characters, the gap after the stop character included.
  const int width = Code39Width(digits, kCode39Module) + kCode39Module;

  canvas.SetMetricUnits(true);
  DrawCode39(canvas, centre - width / 2, top, kCode39Module, digits);
  canvas.SetMetricUnits(false);
}

}  // namespace ventro
