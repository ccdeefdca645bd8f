#include "qt/sale_screen.h"

#include <QListWidget>
#include <QPainter>

#include "qt/basket_status.h"
#include "qt/category_bar.h"
#include "qt/entry_box.h"
#include "qt/keypad.h"
#include "qt/quick_select_panel.h"
#include "qt/sale_toolbar.h"
#include "qt/screen_buttons.h"
#include "qt/shortcut_panel.h"
#include "qt/tile_button.h"
#include "qt/totals_panel.h"

namespace ventro {
namespace {

const QColor kBackground(190, 200, 202);
const QColor kFrame(Qt::white);

QRect RectOf(const ScreenRect& r) { return QRect(r.x, r.y, r.width, r.height); }

void DrawFrame(QPainter& painter, const ScreenFrame& frame, int pen_width) {
  painter.setPen(QPen(kFrame, pen_width));
  painter.setBrush(kFrame);
  // The frame's corner is the width of the corner's ellipse; Qt wants the radius.
  painter.drawRoundedRect(RectOf(frame.rect), frame.corner / 2.0, frame.corner / 2.0);
}

}  // namespace

SaleScreen::SaleScreen(Handlers handlers, QWidget* parent)
    : QWidget(parent), handlers_(std::move(handlers)) {
  setObjectName(QStringLiteral("saleScreen"));
  auto command = [this](int id) {
    if (handlers_.command) handlers_.command(id);
  };
  toolbar_ = new SaleToolbar(command, this);

  // Created in the order the keyboard focus would visit them; only the entry box takes it.
  entry_ = new EntryBox(this);
  auto key_command = [this](int id) {
    if (handlers_.key_command) handlers_.key_command(id);
  };
  entry_->setHandlers(key_command, [this] {
    if (handlers_.enter) handlers_.enter();
  });
  connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (handlers_.entry_edited) handlers_.entry_edited(text);
  });

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("basketList"));
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setFrameShape(QFrame::NoFrame);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QFont list_font(QStringLiteral("DejaVu Sans Mono"));
  list_font.setPixelSize(14);
  list_->setFont(list_font);
  list_->setStyleSheet(QStringLiteral(
      "QListWidget { background: #fbf8ef; color: #14181c; border: 1px solid #b8c2c4; }"
      "QListWidget::item { padding: 2px 4px; }"
      "QListWidget::item:selected { background: #218b96; color: white; }"));
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && handlers_.line_selected) handlers_.line_selected(row);
  });

  status_ = new BasketStatus(this);
  totals_ = new TotalsPanel(this);
  screen_buttons_ = std::make_unique<ScreenButtons>(this, command);
  keypad_ = MakeKeypad(this, command);
  categories_ = std::make_unique<CategoryBar>(this, command);
  quick_select_ = std::make_unique<QuickSelectPanel>(this, command);
  shortcuts_ = MakeShortcutPanel(this, command);
  setFocusProxy(entry_);
}

SaleScreen::~SaleScreen() = default;

QWidget* SaleScreen::button(int id) const {
  if (QWidget* found = screen_buttons_->button(id)) return found;
  if (QWidget* found = keypad_.button(id)) return found;
  if (QWidget* found = categories_->button(id)) return found;
  if (QWidget* found = quick_select_->button(id)) return found;
  return shortcuts_.button(id);
}

void SaleScreen::setEnabledBy(const std::function<bool(int)>& is_built) {
  toolbar_->setEnabledBy(is_built);
  screen_buttons_->setEnabledBy(is_built);
  keypad_.setEnabledBy(is_built);
  categories_->setEnabledBy(is_built);
  quick_select_->setEnabledBy(is_built);
  shortcuts_.setEnabledBy(is_built);
}

void SaleScreen::refresh(const ScreenView& view) {
  refreshing_ = true;
  if (entry_->text() != view.entry_text) entry_->setText(view.entry_text);
  entry_->setKeysIgnored(view.discount_open);

  QStringList shown;
  for (int i = 0; i < list_->count(); ++i) shown << list_->item(i)->text();
  if (shown != view.basket_lines) {
    list_->clear();
    list_->addItems(view.basket_lines);
  }
  if (list_->currentRow() != view.selected_line) list_->setCurrentRow(view.selected_line);
  if (view.selected_line >= 0) list_->scrollToItem(list_->item(view.selected_line));
  refreshing_ = false;

  status_->setStatus(view.line_count, view.transaction, view.trade, view.barcode_mode);
  totals_->setLines(view.totals);
  categories_->show(view.category_codes, view.current_category);
  quick_select_->show(view.quick_select);
  screen_buttons_->setTipsShown(!view.tips_off);
  screen_buttons_->setBasketNumber(view.basket_number);
}

void SaleScreen::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyLayout();
}

void SaleScreen::applyLayout() {
  const int old_count = layout_.quick_select_count;
  layout_ = LayOutSaleScreen(width(), height(), kToolbarBandHeight);
  toolbar_->setGeometry(0, 0, width(), kToolbarBandHeight - 1);
  entry_->setGeometry(RectOf(layout_.entry_box));
  list_->setGeometry(RectOf(layout_.basket_list));
  status_->setGeometry(RectOf(layout_.basket_status));
  totals_->setGeometry(RectOf(layout_.totals));
  screen_buttons_->place(layout_);
  keypad_.place(layout_);
  categories_->place(layout_);
  quick_select_->place(layout_);
  shortcuts_.place(layout_);
  if (layout_.quick_select_count != old_count && handlers_.quick_select_count_changed) {
    handlers_.quick_select_count_changed(layout_.quick_select_count);
  }
}

void SaleScreen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);
  const QRect band(0, 0, width(), kToolbarBandHeight);
  painter.fillRect(band, palette().color(QPalette::Window));
  painter.setPen(QColor(150, 160, 162));
  painter.drawLine(band.bottomLeft(), band.bottomRight());

  painter.setRenderHint(QPainter::Antialiasing);
  DrawFrame(painter, layout_.basket_frame, 2);
  DrawFrame(painter, layout_.quick_select_frame, 1);
  if (layout_.scroll_frame) DrawFrame(painter, *layout_.scroll_frame, 1);
}

}  // namespace ventro
