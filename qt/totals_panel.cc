#include "qt/totals_panel.h"

#include <QFont>
#include <QPainter>

namespace ventro {
namespace {

const QColor kFigures(100, 100, 100);
const QColor kGrand(20, 20, 20);
constexpr int kLineHeight = 22;
constexpr int kGrandHeight = 34;

bool SameLines(const std::vector<TotalsLine>& a, const std::vector<TotalsLine>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].label != b[i].label || a[i].amount != b[i].amount || a[i].grand != b[i].grand) {
      return false;
    }
  }
  return true;
}

}  // namespace

TotalsPanel::TotalsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("totals"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TotalsPanel::setLines(const std::vector<TotalsLine>& lines) {
  if (SameLines(lines, lines_)) return;
  lines_ = lines;
  update();
}

void TotalsPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  int y = 0;
  for (const TotalsLine& line : lines_) {
    const int height = line.grand ? kGrandHeight : kLineHeight;
    font.setPixelSize(line.grand ? 24 : 15);
    font.setBold(line.grand);
    painter.setFont(font);
    painter.setPen(line.grand ? kGrand : kFigures);
    const QRect row(0, y, width(), height);
    painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, line.amount);
    font.setPixelSize(line.grand ? 15 : 13);
    painter.setFont(font);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, line.label);
    y += height;
  }
}

}  // namespace ventro
