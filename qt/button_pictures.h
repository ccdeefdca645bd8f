// The faces of the sale screen's buttons, drawn at run time in one style: a rounded tile with a
// dark outline, lit from above, and a line drawing with a word under it. Every face has a
// normal and a pressed variant; the pressed one is darker and sunk by a pixel.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "qt/glyphs.h"

namespace ventro {

// A tile of `color` with `glyph` above `caption` (upper case, a word or two). A wide tile puts
// the drawing at the left and the caption beside it.
QPixmap CaptionedPicture(QSize size, const QColor& color, Glyph glyph, const QString& caption,
                         bool pressed);

// A plain tile of `color` for buttons that print their own text (keypad, categories,
// quick-select).
QPixmap PlainTile(QSize size, const QColor& color, bool pressed);

}  // namespace ventro
