// The status line above the basket list: the next transaction number, the word "Trade" while
// trade prices are in use, a barcode sign while entries are matched against barcodes, and the
// number of lines in the basket.
#pragma once

#include <QWidget>

namespace ventro {

class BasketStatus : public QWidget {
  Q_OBJECT

 public:
  explicit BasketStatus(QWidget* parent = nullptr);

  // `line_count` and `transaction` are drawn as they are given.
  void setStatus(const QString& line_count, const QString& transaction, bool trade,
                 bool barcode_mode);

  QString transactionText() const { return transaction_; }
  QString lineCountText() const { return line_count_; }
  bool trade() const { return trade_; }
  bool barcodeMode() const { return barcode_mode_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString line_count_;
  QString transaction_;
  bool trade_ = false;
  bool barcode_mode_ = false;
};

}  // namespace ventro
