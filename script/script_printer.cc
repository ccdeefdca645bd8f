#include "script/script_printer.h"

#include "base/cp1252.h"
#include "script/script_line.h"

namespace ventro::script {
namespace {

// The reports whose printed lines are written into the transcript as they are drawn, so that
// a script can check what was printed; receipts and the other documents are only named.
bool ShowsTextLines(const std::string& kind) {
  return kind == "day-log" || kind == "till-closeout" || kind == "activity-summary" ||
         kind == "sales-report" || kind == "item-summary" || kind == "stock-list" ||
         kind == "listing" || kind == "takings-graph";
}

// A 203 dpi receipt printer, 72 mm printable, with a font of 10 points, so documents lay out
// as they would on paper.
class BlankCanvas : public PrintCanvas {
 public:
  BlankCanvas(std::ostream& transcript, std::string line, bool show_text)
      : transcript_(transcript), line_(std::move(line)), show_text_(show_text) {}
  DeviceCaps Caps() override { return {576, 2362, 203, 203, 32, 24}; }
  bool SetFont(const PrintFont& font) override { return font.height > 0; }
  FontMetrics Metrics() override { return {32, 0, 12, false}; }
  void Text(int, int, TextAlign, std::string_view text) override {
    if (show_text_) transcript_ << "print " << Quote(Cp1252ToUtf8(std::string(text))) << "\n";
  }
  int TextBox(const PrintRect&, TextAlign, std::string_view) override { return 32; }
  void Line(int, int, int, int) override {}
  void Rectangle(const PrintRect&) override {}
  void FillRectangle(const PrintRect&) override {}
  void ShadeRectangle(const PrintRect&, int) override {}
  bool Bitmap(const PrintRect&, std::string_view) override { return true; }
  void SetMetricUnits(bool) override {}
  void StartPage() override {}
  void EndPage() override {}
  bool EndDocument() override {
    transcript_ << line_ << std::endl;
    return true;
  }

 private:
  std::ostream& transcript_;
  std::string line_;
  bool show_text_ = false;
};

}  // namespace

std::string PrintedLine(const std::string& kind, const std::string& printer,
                        const std::string& file) {
  std::string line = "printed " + kind;
  if (!printer.empty()) line += " printer=" + Quote(Cp1252ToUtf8(printer));
  if (!file.empty()) line += " file=" + file;
  return line;
}

std::unique_ptr<PrintCanvas> TranscriptPrinter::StartDocument(const std::string& printer,
                                                              const std::string&,
                                                              const std::string& kind) {
  return std::make_unique<BlankCanvas>(transcript_, PrintedLine(kind, printer),
                                       ShowsTextLines(kind));
}

}  // namespace ventro::script
