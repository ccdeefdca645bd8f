// Font faces the documents ask for by name, mapped to a metric-compatible face where the
// machine lacks them (Arial is not installed on most Linux systems; Liberation Sans has the
// same character widths, so lines and columns come out as designed).
#pragma once

#include <QString>

namespace ventro {

// `face` when the system has it, else its metric-compatible substitute when that is
// installed, else `face` (the system then picks what it can). Needs a QGuiApplication.
QString AvailableFontFamily(const QString& face);

}  // namespace ventro
