// The one crossing point for text between the core (Windows-1252 bytes) and Qt (UTF-16).
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace ventro {

// Core text to show: Windows-1252 bytes to a QString.
QString ToQt(std::string_view cp1252);

// Text to hand to the core: a character Windows-1252 cannot hold becomes '?' and sets *lossy
// when given.
std::string ToCore(const QString& text, bool* lossy = nullptr);

// True when every character of `text` has a Windows-1252 byte.
bool FitsCp1252(const QString& text);

}  // namespace ventro
