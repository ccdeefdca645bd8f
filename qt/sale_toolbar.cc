#include "qt/sale_toolbar.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "qt/glyphs.h"

namespace ventro {
namespace {

struct ToolbarEntry {
  int id;  // 0 for a separator
  const char* tooltip;
  Glyph glyph;
  Badge badge;
};

constexpr ToolbarEntry kEntries[] = {
    {1050, "Amend inventory (F3)", Glyph::kBox, Badge::kPencil},
    {1067, "Display transaction (F11)", Glyph::kReceipt, Badge::kMagnifier},
    {3014, "Print reorder list", Glyph::kClipboard, Badge::kBang},
    {1076, "Add image to inventory", Glyph::kPicture, Badge::kPlus},
    {0, nullptr, Glyph::kBox, Badge::kNone},
    {2411, "Add new inventory (F4)", Glyph::kBox, Badge::kPlus},
    {3012, "Add customer", Glyph::kPerson, Badge::kPlus},
    {3054, "Upload report", Glyph::kUpload, Badge::kNone},
    {3047, "Sales report", Glyph::kChart, Badge::kNone},
    {0, nullptr, Glyph::kBox, Badge::kNone},
    {1027, "Find inventory (F2)", Glyph::kBox, Badge::kMagnifier},
    {1051, "Delete inventory", Glyph::kBox, Badge::kCross},
    {1009, "Find customer", Glyph::kPerson, Badge::kMagnifier},
    {1023, "Delete customer", Glyph::kPerson, Badge::kCross},
    {0, nullptr, Glyph::kBox, Badge::kNone},
    {3036, "Add supplier", Glyph::kTruck, Badge::kPlus},
    {1071, "Delete supplier", Glyph::kTruck, Badge::kCross},
    {1040, "Print inventory", Glyph::kPrinter, Badge::kNone},
    {1047, "Print custom inventory", Glyph::kPrinter, Badge::kStar},
    {0, nullptr, Glyph::kBox, Badge::kNone},
    {1068, "Print overdue letter", Glyph::kEnvelope, Badge::kBang},
    {3026, "Payments", Glyph::kStatement, Badge::kNone},
    {2457, "Log off (Shortcut F9)", Glyph::kLogOff, Badge::kNone},
    {1005, "Backup", Glyph::kDisk, Badge::kNone},
};

constexpr int kIconSize = 24;

QIcon Icon(Glyph glyph, Badge badge) {
  QIcon icon;
  // Drawn at one and two times the size, so a high-density screen gets sharp lines.
  for (int scale : {1, 2}) {
    QPixmap pixmap(kIconSize * scale, kIconSize * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawGlyph(painter, QRectF(0, 0, pixmap.width(), pixmap.height()), glyph, badge);
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

SaleToolbar::SaleToolbar(std::function<void(int)> command, QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("toolbar"));
  setMovable(false);
  setFloatable(false);
  setFocusPolicy(Qt::NoFocus);
  setIconSize(QSize(kIconSize, kIconSize));
  for (const ToolbarEntry& entry : kEntries) {
    if (entry.id == 0) {
      addSeparator();
      continue;
    }
    QAction* action = addAction(Icon(entry.glyph, entry.badge), QString::fromLatin1(entry.tooltip));
    action->setToolTip(QString::fromLatin1(entry.tooltip));
    action->setData(entry.id);
    connect(action, &QAction::triggered, this, [command, id = entry.id] { command(id); });
  }
  // The buttons must not take the focus from the item entry box.
  for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
}

QAction* SaleToolbar::commandAction(int id) const {
  for (QAction* action : actions()) {
    if (!action->isSeparator() && action->data().toInt() == id) return action;
  }
  return nullptr;
}

void SaleToolbar::setEnabledBy(const std::function<bool(int)>& is_built) {
  for (QAction* action : actions()) {
    if (!action->isSeparator()) action->setEnabled(!is_built || is_built(action->data().toInt()));
  }
}

}  // namespace ventro
