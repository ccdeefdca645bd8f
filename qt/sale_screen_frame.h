// The sale screen's background: the light-grey client area, the band the toolbar sits in and
// the white rounded frames around the basket and quick-select areas. The controls come on top.
#pragma once

#include <optional>

#include <QRect>
#include <QWidget>

namespace ventro {

// Height of the toolbar band at the top of the client area.
inline constexpr int kToolbarBandHeight = 40;

// The painted frames of a client area `width` x `height` with a band of `band` pixels.
struct SaleScreenFrames {
  QRect basket;                    // basket list and totals
  QRect quick_select;              // the quick-select picture buttons
  std::optional<QRect> shortcuts;  // the shortcut panel, only with three or more columns
};
SaleScreenFrames FramesFor(int width, int height, int band);

// Columns of quick-select buttons that fit a client area `width` wide.
int QuickSelectColumns(int width);

class SaleScreenFrame : public QWidget {
  Q_OBJECT

 public:
  explicit SaleScreenFrame(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ventro
