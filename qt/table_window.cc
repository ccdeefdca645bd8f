#include "qt/table_window.h"

#include <QDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>

#include "qt/text.h"

namespace ventro {

RowSourceModel::RowSourceModel(TableView& view, QObject* parent)
    : QAbstractTableModel(parent), view_(view) {}

int RowSourceModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !view_.rows) return 0;
  const int64_t count = view_.rows->Count();
  return static_cast<int>(std::min<int64_t>(count, std::numeric_limits<int>::max()));
}

int RowSourceModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(view_.columns.size());
}

QVariant RowSourceModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const TableColumn& column = view_.columns[static_cast<size_t>(index.column())];
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter | (column.right ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role != Qt::DisplayRole) return {};
  if (index.row() != cached_row_) {
    cached_cells_ = view_.rows->Row(index.row());
    cached_row_ = index.row();
  }
  const size_t cell = static_cast<size_t>(index.column());
  return cell < cached_cells_.size() ? ToQt(cached_cells_[cell]) : QString();
}

QVariant RowSourceModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return ToQt(view_.columns[static_cast<size_t>(section)].heading);
}

void RunTableWindow(TableView& view, QWidget* owner) {
  QDialog window(owner);
  window.setObjectName(ToQt(view.name));
  window.setWindowTitle(ToQt(view.title));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(ToQt(view.heading), &window));

  RowSourceModel model(view);
  auto* table = new QTableView(&window);
  table->setModel(&model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Fixed row heights and column widths from the columns: the view never measures every row.
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  const int char_width = table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  for (size_t i = 0; i < view.columns.size(); ++i) {
    table->setColumnWidth(static_cast<int>(i), (view.columns[i].width + 2) * char_width);
  }
  layout->addWidget(table);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (const std::string& action : view.actions) {
    auto* button = new QPushButton(ToQt(action), &window);
    QObject::connect(button, &QPushButton::clicked, &window, [&view, action] {
      if (view.on_action) view.on_action(action);
    });
    buttons->addWidget(button);
  }
  auto* close = new QPushButton(QStringLiteral("Close"), &window);
  QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  int width = 60;
  for (const TableColumn& column : view.columns) width += (column.width + 2) * char_width;
  window.resize(std::min(1200, width), 600);
  window.exec();
}

}  // namespace ventro
