// The start-up picture: a frameless window of 400 x 198 centred on the desktop, shown for two
// seconds before the main window appears.
#pragma once

#include <functional>

#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QWidget>

namespace ventro {

inline constexpr QSize kSplashSize(400, 198);
inline constexpr int kSplashMilliseconds = 2000;

// The splash picture from `path` with pure blue (0, 0, 255) made transparent; when the file is
// missing or unreadable, a plain panel with the program's name.
QPixmap SplashPicture(const QString& path);

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(const QPixmap& picture, QWidget* parent = nullptr);

  // Shows the window centred on a desktop of `desktop`, closes it after `milliseconds` and
  // then calls `closed`.
  void showFor(QSize desktop, int milliseconds, std::function<void()> closed);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace ventro
