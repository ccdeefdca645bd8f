#include "qtprint/font_fallback.h"

#include <QFontDatabase>
#include <QStringList>

namespace ventro {
namespace {

struct Substitute {
  const char* face;
  const char* metric_compatible;
};

constexpr Substitute kSubstitutes[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

bool Installed(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

QString AvailableFontFamily(const QString& face) {
  if (Installed(face)) return face;
  for (const Substitute& substitute : kSubstitutes) {
    if (face.compare(QLatin1String(substitute.face), Qt::CaseInsensitive) != 0) continue;
    const QString family = QString::fromLatin1(substitute.metric_compatible);
    if (Installed(family)) return family;
  }
  return face;
}

}  // namespace ventro
