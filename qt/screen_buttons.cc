#include "qt/screen_buttons.h"

#include "qt/button_pictures.h"
#include "qt/glyphs.h"

namespace ventro {
namespace {

struct ScreenButtonEntry {
  int id;
  const char* tooltip;
  Glyph glyph;
  const char* caption;
  QColor color;
};

// Colours by kind: green takes money, red takes lines away, teal adds lines, blue changes
// prices, orange is the till and the kitchen.
const ScreenButtonEntry kEntries[] = {
    {2442, "Add item to basket   ENTER to find", Glyph::kBasketAdd, "ADD", art::kTeal},
    {2459, "Pay by cash", Glyph::kBanknote, "CASH", art::kGreen},
    {2426, "Pay by credit to customer", Glyph::kAccount, "CREDIT", art::kGreen},
    {2427, "Adjust price of last item by weight", Glyph::kScales, "WEIGHT", art::kBlue},
    {2408, "Sell an item not on the database, shortcut Ctrl K", Glyph::kTagQuestion, "MISC",
     art::kTeal},
    {2428, "Pay by credit debit card", Glyph::kCard, "CARD", art::kGreen},
    {2415, "Remove highlighted item", Glyph::kVoidLine, "VOID", art::kRed},
    {2425, "Empty basket", Glyph::kBin, "CLEAR", art::kRed},
    {2410, "Open cash till drawer", Glyph::kDrawer, "DRAWER", art::kOrange},
    {2413, "Toggle between trade and retail prices", Glyph::kTradeTags, "TRADE", art::kBlue},
    {2417, "Repeat last also multiple of last with quantity in item box", Glyph::kRepeat, "REPEAT",
     art::kTeal},
    {1081, "Add a note to the transaction", Glyph::kNote, "NOTE", art::kTeal},
    {2458, "Refund basket", Glyph::kRefund, "REFUND", art::kRed},
    {1008, "Adjust price of last item", Glyph::kPriceTag, "PRICE", art::kBlue},
    {2453, "Scroll back through category", Glyph::kArrowUp, "BACK", art::kDarkTeal},
    {2456, "Scroll forwards through category", Glyph::kArrowDown, "NEXT", art::kDarkTeal},
    {2466, "Print basket to kitchen printer", Glyph::kChefHat, "KITCHEN", art::kOrange},
    {2467, "Change basket table", Glyph::kTable, "TABLE", art::kOrange},
};

}  // namespace

ScreenButtons::ScreenButtons(QWidget* parent, const std::function<void(int)>& command) {
  for (const ScreenButtonEntry& entry : kEntries) {
    auto picture = [entry](QSize size, bool pressed) {
      return CaptionedPicture(size, entry.color, entry.glyph, QString::fromLatin1(entry.caption),
                              pressed);
    };
    TileButton* button = add(new TileButton(entry.id, picture, parent), parent, command);
    button->setToolTip(QString::fromLatin1(entry.tooltip));
  }
}

void ScreenButtons::setTipsShown(bool shown) {
  for (size_t i = 0; i < buttons().size(); ++i) {
    buttons()[i]->setToolTip(shown ? QString::fromLatin1(kEntries[i].tooltip) : QString());
  }
}

void ScreenButtons::setBasketNumber(int number) {
  // The table number sits in the top corner, clear of the drawing.
  if (TileButton* table = button(kBasketTableButton)) {
    table->setLabel(QString::number(number), art::kOutline, art::kOutline, 20,
                    Qt::AlignTop | Qt::AlignRight);
  }
}

}  // namespace ventro
