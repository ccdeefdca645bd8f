// A printer for core tests: every document is kept with what was drawn on it, on a device
// whose size, resolution and font metrics the test chooses.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/print_canvas.h"

namespace ventro::test {

// One drawing call as recorded: text (also a text box), a line, a rectangle, a filled
// rectangle, a shaded rectangle or a picture, with the font and the units in use when it was drawn.
struct DrawnItem {
  enum Kind { kText, kTextBox, kLine, kRectangle, kFill, kShade, kBitmap } kind = kText;
  int x = 0;  // text: the x given; shapes: left (or x1)
  int y = 0;  // text: the top; shapes: top (or y1)
  int x2 = 0;
  int y2 = 0;
  TextAlign align = TextAlign::kLeft;
  std::string text;
  bool metric = false;  // drawn in hundredths of a millimetre
  int page = 0;         // 1 for the first page
  int level = 0;        // shaded rectangles: the grey level
};

struct RecordedDocument {
  std::string printer;
  std::filesystem::path pdf_file;  // a document saved as a PDF file rather than printed
  std::string title;
  std::string kind;
  std::vector<PrintFont> fonts;  // every font selected, in order
  std::vector<DrawnItem> items;
  int pages = 0;
  bool ended = false;
};

struct TestDevice {
  DeviceCaps caps{576, 3000, 203, 203, 12, 0};   // a 203 dpi receipt printer, 72 mm printable
  FontMetrics metrics{30, 2, 12, false};         // line height 32
  FontMetrics default_metrics{24, 0, 10, true};  // the device's own font
  bool font_fails = false;
  bool release_fails = false;
  int text_box_lines = 1;  // how many lines a text box's text takes
};

class RecordingCanvas : public PrintCanvas {
 public:
  RecordingCanvas(RecordedDocument& document, const TestDevice& device)
      : document_(document), device_(device) {}

  DeviceCaps Caps() override { return device_.caps; }
  bool SetFont(const PrintFont& font) override {
    if (device_.font_fails) return false;
    document_.fonts.push_back(font);
    return true;
  }
  FontMetrics Metrics() override {
    return document_.fonts.empty() ? device_.default_metrics : device_.metrics;
  }
  void Text(int x, int y, TextAlign align, std::string_view text) override {
    Add({DrawnItem::kText, x, y, 0, 0, align, std::string(text), false, 0});
  }
  int TextBox(const PrintRect& r, TextAlign align, std::string_view text) override {
    Add({DrawnItem::kTextBox, r.left, r.top, r.right, r.bottom, align, std::string(text), false,
         0});
    const FontMetrics m = Metrics();
    return device_.text_box_lines * (m.height + m.external_leading);
  }
  void Line(int x1, int y1, int x2, int y2) override { Shape(DrawnItem::kLine, {x1, y1, x2, y2}); }
  void Rectangle(const PrintRect& r) override { Shape(DrawnItem::kRectangle, r); }
  void FillRectangle(const PrintRect& r) override { Shape(DrawnItem::kFill, r); }
  void ShadeRectangle(const PrintRect& r, int level) override {
    Shape(DrawnItem::kShade, r);
    document_.items.back().level = level;
  }
  bool Bitmap(const PrintRect& r, std::string_view) override {
    Shape(DrawnItem::kBitmap, r);
    return true;
  }
  void SetMetricUnits(bool on) override { metric_ = on; }
  void StartPage() override { ++document_.pages; }
  void EndPage() override {}
  bool EndDocument() override {
    document_.ended = true;
    return !device_.release_fails;
  }

 private:
  void Shape(DrawnItem::Kind kind, const PrintRect& r) {
    DrawnItem item;
    item.kind = kind;
    item.x = r.left;
    item.y = r.top;
    item.x2 = r.right;
    item.y2 = r.bottom;
    Add(std::move(item));
  }
  void Add(DrawnItem item) {
    item.metric = metric_;
    item.page = document_.pages;
    document_.items.push_back(std::move(item));
  }
  RecordedDocument& document_;
  const TestDevice& device_;
  bool metric_ = false;
};

class RecordingPrinter : public Printer {
 public:
  TestDevice device;
  std::vector<std::unique_ptr<RecordedDocument>> documents;
  bool unreachable = false;  // every document fails to start

  std::unique_ptr<PrintCanvas> StartDocument(const std::string& printer, const std::string& title,
                                             const std::string& kind) override {
    if (unreachable) return nullptr;
    documents.push_back(std::make_unique<RecordedDocument>());
    documents.back()->printer = printer;
    documents.back()->title = title;
    documents.back()->kind = kind;
    return std::make_unique<RecordingCanvas>(*documents.back(), device);
  }

  std::unique_ptr<PrintCanvas> StartPdfFile(const std::filesystem::path& file,
                                            const std::string& title,
                                            const std::string& kind) override {
    auto canvas = StartDocument("", title, kind);
    if (canvas) documents.back()->pdf_file = file;
    return canvas;
  }

  const RecordedDocument& last() const { return *documents.back(); }
};

}  // namespace ventro::test
