#include "qt/shortcut_panel.h"

#include "qt/button_pictures.h"
#include "qt/glyphs.h"
#include "qt/place_buttons.h"

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

ShortcutPanel::ShortcutPanel(QWidget* parent, const std::function<void(int)>& command) {
  for (int index = 0; index < kShortcutCount; ++index) {
    const int id = kShortcutFirst + index;
    const ShortcutEntry entry = kEntries[index];
    auto picture = [entry](QSize size, bool pressed) {
      return CaptionedPicture(size, art::kDarkTeal, entry.glyph, QString::fromLatin1(entry.caption),
                              pressed);
    };
    auto* button = new TileButton(id, picture, parent);
    QObject::connect(button, &QAbstractButton::clicked, parent, [command, id] { command(id); });
    buttons_.push_back(button);
  }
}

void ShortcutPanel::place(const SaleScreenLayout& layout) { PlaceButtons(buttons_, layout); }

void ShortcutPanel::setEnabledBy(const std::function<bool(int)>& is_built) {
  EnableButtons(buttons_, is_built);
}

TileButton* ShortcutPanel::button(int id) const {
  const int index = id - kShortcutFirst;
  return index >= 0 && index < kShortcutCount ? buttons_[index] : nullptr;
}

}  // namespace ventro
