// The list window: a table whose model reads the core's rows only as the view shows them, so
// a list of any length opens at once; a count of rows above it, its actions and "Close" below.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include "platform/table_view.h"

namespace ventro {

// The rows of a RowSource as a table model; each row is read when the view asks for it.
class RowSourceModel : public QAbstractTableModel {
 public:
  explicit RowSourceModel(TableView& view, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  TableView& view_;
  // The last row read, kept because the view asks for each of its cells in turn.
  mutable int cached_row_ = -1;
  mutable std::vector<std::string> cached_cells_;
};

// Runs the list window modally over `owner` until it closes.
void RunTableWindow(TableView& view, QWidget* owner);

}  // namespace ventro
