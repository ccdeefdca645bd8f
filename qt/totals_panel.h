// The basket's totals, drawn in the basket area below the list: a right-aligned column of
// amounts in grey with their names, then the grand total (and a second-currency total) darker
// and larger. Empty while the basket has no lines.
#pragma once

#include <vector>

#include <QWidget>

#include "qt/screen_view.h"

namespace ventro {

class TotalsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TotalsPanel(QWidget* parent = nullptr);

  void setLines(const std::vector<TotalsLine>& lines);
  const std::vector<TotalsLine>& lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<TotalsLine> lines_;
};

}  // namespace ventro
