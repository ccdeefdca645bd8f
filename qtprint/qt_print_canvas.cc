#include "qtprint/qt_print_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPen>
#include <QTransform>
#include <algorithm>

#include "base/cp1252.h"
#include "qtprint/font_fallback.h"

namespace ventro {
namespace {

constexpr double kHundredthsPerInch = 2540.0;
constexpr double kPointsPerInch = 72.0;

QString ToQt(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

Qt::Alignment HorizontalAlignment(TextAlign align) {
  switch (align) {
    case TextAlign::kCentre:
      return Qt::AlignHCenter;
    case TextAlign::kRight:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

// The average character width as the classic faces' font tables define it: the advances of
// the lowercase letters and the space, weighted by how often they occur in English text (the
// weights add up to 1000). Measured from the glyphs, a metric-compatible substitute gives the
// same figure as the face it stands in for, whatever its own tables say.
int AverageCharWidth(const QFontMetricsF& metrics) {
  static constexpr int kWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                       56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
  constexpr int kSpaceWeight = 166;
  double sum = metrics.horizontalAdvance(QLatin1Char(' ')) * kSpaceWeight;
  for (int k = 0; k < 26; ++k) {
    sum += metrics.horizontalAdvance(QLatin1Char(static_cast<char>('a' + k))) * kWeights[k];
  }
  return static_cast<int>(sum / 1000 + 0.5);
}

QRectF ToRect(const PrintRect& r) {
  return QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

std::unique_ptr<QtPrintCanvas> QtPrintCanvas::Create(std::unique_ptr<QPagedPaintDevice> device,
                                                     std::function<void(bool)> on_end,
                                                     const QFont* device_font) {
  std::unique_ptr<QtPrintCanvas> canvas(new QtPrintCanvas(std::move(device), std::move(on_end)));
  if (!canvas->painter_.begin(canvas->device_.get())) return nullptr;
  if (device_font) canvas->painter_.setFont(*device_font);
  canvas->device_family_ = canvas->painter_.font().family();
  canvas->painter_.setPen(QPen(Qt::black, 1));
  canvas->painter_.setBrush(Qt::NoBrush);
  return canvas;
}

QtPrintCanvas::QtPrintCanvas(std::unique_ptr<QPagedPaintDevice> device,
                             std::function<void(bool)> on_end)
    : device_(std::move(device)), on_end_(std::move(on_end)) {}

QtPrintCanvas::~QtPrintCanvas() {
  if (painter_.isActive()) painter_.end();
}

DeviceCaps QtPrintCanvas::Caps() {
  DeviceCaps caps;
  caps.width = device_->width();
  caps.height = device_->height();
  caps.dpi_x = device_->logicalDpiX();
  caps.dpi_y = device_->logicalDpiY();
  const QPageLayout layout = device_->pageLayout();
  const QRect paint = layout.paintRectPixels(caps.dpi_x);
  caps.offset_x = paint.left();
  caps.offset_y = layout.paintRectPixels(caps.dpi_y).top();
  return caps;
}

bool QtPrintCanvas::SetFont(const PrintFont& font) {
  const int dpi = device_->logicalDpiY();
  if (font.height <= 0 || dpi <= 0) return false;
  QFont chosen(font.face.empty() ? device_family_ : AvailableFontFamily(ToQt(font.face)));
  chosen.setPointSizeF(font.height * kPointsPerInch / dpi);
  chosen.setWeight(font.bold ? QFont::Bold : QFont::Normal);
  chosen.setHintingPreference(QFont::PreferNoHinting);
  painter_.setFont(chosen);
  return true;
}

FontMetrics QtPrintCanvas::Metrics() {
  const QFontMetrics metrics = painter_.fontMetrics();
  FontMetrics result;
  result.height = metrics.ascent() + metrics.descent();
  result.external_leading = std::max(0, metrics.leading());
  result.average_char_width = AverageCharWidth(QFontMetricsF(painter_.font(), device_.get()));
  result.fixed_pitch = QFontInfo(painter_.font()).fixedPitch();
  return result;
}

void QtPrintCanvas::Text(int x, int y, TextAlign align, std::string_view text) {
  const QString shown = ToQt(text);
  const QFontMetricsF metrics(painter_.font(), device_.get());
  double left = x;
  const double width = metrics.horizontalAdvance(shown);
  if (align == TextAlign::kCentre) left -= width / 2;
  if (align == TextAlign::kRight) left -= width;
  painter_.drawText(QPointF(left, y + metrics.ascent()), shown);
}

int QtPrintCanvas::TextBox(const PrintRect& rect, TextAlign align, std::string_view text) {
  const QString shown = ToQt(text);
  const int flags = Qt::TextWordWrap | Qt::AlignTop | HorizontalAlignment(align);
  const int width = std::max(1, rect.right - rect.left);
  const QRect needed = painter_.boundingRect(QRect(rect.left, rect.top, width, 1), flags, shown);
  // The text is drawn whole, even where it runs below the rectangle.
  const int height = std::max(needed.height(), rect.bottom - rect.top);
  painter_.drawText(QRect(rect.left, rect.top, width, height), flags, shown);
  return needed.height();
}

void QtPrintCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void QtPrintCanvas::Rectangle(const PrintRect& rect) { painter_.drawRect(ToRect(rect)); }

void QtPrintCanvas::FillRectangle(const PrintRect& rect) {
  painter_.fillRect(ToRect(rect), Qt::black);
}

void QtPrintCanvas::ShadeRectangle(const PrintRect& rect, int level) {
  const int grey = std::clamp(level, 0, 255);
  painter_.fillRect(ToRect(rect), QColor(grey, grey, grey));
}

bool QtPrintCanvas::Bitmap(const PrintRect& rect, std::string_view bmp_file) {
  QImage image;
  const auto* bytes = reinterpret_cast<const uchar*>(bmp_file.data());
  if (!image.loadFromData(bytes, static_cast<int>(bmp_file.size()), "BMP")) return false;
  painter_.drawImage(ToRect(rect), image);
  return true;
}

void QtPrintCanvas::SetMetricUnits(bool on) {
  if (!on) {
    painter_.setTransform(QTransform());
    return;
  }
  painter_.setTransform(QTransform::fromScale(device_->logicalDpiX() / kHundredthsPerInch,
                                              device_->logicalDpiY() / kHundredthsPerInch));
}

void QtPrintCanvas::StartPage() {
  // The painter begins on the first page; each later page is asked for.
  if (pages_started_++ > 0) device_->newPage();
}

void QtPrintCanvas::EndPage() {}

bool QtPrintCanvas::EndDocument() {
  const bool ended = painter_.end();
  if (on_end_) on_end_(ended);
  return ended;
}

}  // namespace ventro
