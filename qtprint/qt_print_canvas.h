// The print canvas drawn with a QPainter on a paged device: a QPdfWriter for PDF files, a
// QPrinter for the system's printers. Device units are the device's pixels at its resolution,
// counted from the top left of the printable area, as the core expects.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>

#include "platform/print_canvas.h"

namespace ventro {

class QtPrintCanvas : public PrintCanvas {
 public:
  // Starts painting on `device`; nothing when the device cannot be painted on. `on_end` runs
  // after the document has ended, with whether it ended cleanly. `device_font`, when given,
  // stands for the device's own font (used until the document selects one).
  static std::unique_ptr<QtPrintCanvas> Create(std::unique_ptr<QPagedPaintDevice> device,
                                               std::function<void(bool)> on_end = {},
                                               const QFont* device_font = nullptr);
  ~QtPrintCanvas() override;

  DeviceCaps Caps() override;
  bool SetFont(const PrintFont& font) override;
  FontMetrics Metrics() override;
  void Text(int x, int y, TextAlign align, std::string_view text) override;
  int TextBox(const PrintRect& rect, TextAlign align, std::string_view text) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Rectangle(const PrintRect& rect) override;
  void FillRectangle(const PrintRect& rect) override;
  void ShadeRectangle(const PrintRect& rect, int level) override;
  bool Bitmap(const PrintRect& rect, std::string_view bmp_file) override;
  void SetMetricUnits(bool on) override;
  void StartPage() override;
  void EndPage() override;
  bool EndDocument() override;

 private:
  QtPrintCanvas(std::unique_ptr<QPagedPaintDevice> device, std::function<void(bool)> on_end);

  std::unique_ptr<QPagedPaintDevice> device_;
  QPainter painter_;
  std::function<void(bool)> on_end_;
  QString device_family_;  // the face of the device's own font
  int pages_started_ = 0;
};

}  // namespace ventro
