#include "qt/qt_shell.h"

#include <QDesktopServices>

namespace ventro {

QUrl ShellUrl(const std::string& target) {
  QString text = QString::fromStdString(target);
  QUrl url(text, QUrl::TolerantMode);
  // A one-letter scheme is a drive letter ("C:\..."), not a link.
  if (url.isValid() && url.scheme().size() > 1) return url;
  return QUrl::fromLocalFile(text);
}

bool QtShell::Open(const std::string& target) {
  return QDesktopServices::openUrl(ShellUrl(target));
}

}  // namespace ventro
