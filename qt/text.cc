#include "qt/text.h"

#include "base/cp1252.h"

namespace ventro {

QString ToQt(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

std::string ToCore(const QString& text, bool* lossy) {
  return Utf8ToCp1252(text.toUtf8().toStdString(), lossy);
}

bool FitsCp1252(const QString& text) {
  bool lossy = false;
  ToCore(text, &lossy);
  return !lossy;
}

}  // namespace ventro
