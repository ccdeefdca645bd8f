// The drawing of each button picture without its badge, in the 24 x 24 design box: one small
// function per picture and a table from the glyph to its function.
#pragma once

#include "qt/glyphs.h"

class QPainter;

namespace ventro {

// Draws `glyph` in design units; the painter is already scaled to the box.
void DrawGlyphBase(QPainter& painter, Glyph glyph);

}  // namespace ventro
