#include "qt/shortcut_panel.h"

#include "qt/button_pictures.h"
#include "qt/glyphs.h"

namespace ventro {
namespace {

struct ShortcutEntry {
  Glyph glyph;
  const char* caption;
};

// Buttons 2761 to 2768 in order.
constexpr ShortcutEntry kEntries[kShortcutCount] = {
    {Glyph::kTruck, "RECEIVED"},  {Glyph::kPercentTag, "DISCOUNT"}, {Glyph::kPhone, "PHONE"},
    {Glyph::kCheque, "CHEQUE"},   {Glyph::kClipboard, "REORDER"},   {Glyph::kEmptyBox, "NO STOCK"},
    {Glyph::kReceipt, "REPRINT"}, {Glyph::kPerson, "CUSTOMER"},
};

}  // namespace

ButtonGroup<TileButton> MakeShortcutPanel(QWidget* parent,
                                          const std::function<void(int)>& command) {
  ButtonGroup<TileButton> panel;
  for (int index = 0; index < kShortcutCount; ++index) {
    const ShortcutEntry entry = kEntries[index];
    auto picture = [entry](QSize size, bool pressed) {
      return CaptionedPicture(size, art::kDarkTeal, entry.glyph, QString::fromLatin1(entry.caption),
                              pressed);
    };
    panel.add(new TileButton(kShortcutFirst + index, picture, parent), parent, command);
  }
  return panel;
}

}  // namespace ventro
