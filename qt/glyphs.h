// The small line drawings the sale screen's buttons and toolbar are made of: flat shapes with a
// dark outline, drawn in a 24 x 24 design box so that one drawing serves every size.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace ventro {

// The program's colours: the teal and orange of the splash, a warm paper white and one dark
// outline colour, so that every picture reads as one set.
namespace art {
inline const QColor kOutline(38, 44, 54);
inline const QColor kPaper(252, 247, 233);
inline const QColor kTeal(33, 139, 150);
inline const QColor kDarkTeal(22, 88, 98);
inline const QColor kOrange(243, 150, 46);
inline const QColor kRed(214, 64, 52);
inline const QColor kGreen(64, 160, 84);
inline const QColor kBlue(58, 118, 196);
inline const QColor kPurple(128, 84, 170);
inline const QColor kYellow(250, 204, 70);
inline const QColor kGrey(150, 156, 164);
inline const QColor kLightGreen(196, 232, 184);
}  // namespace art

// A new glyph goes last, with its drawing in glyph_pictures.cc.
enum class Glyph {
  kBasketAdd,
  kBanknote,
  kAccount,
  kScales,
  kTagQuestion,
  kCard,
  kVoidLine,
  kBin,
  kDrawer,
  kTradeTags,
  kRepeat,
  kNote,
  kRefund,
  kPriceTag,
  kArrowUp,
  kArrowDown,
  kChefHat,
  kTable,
  kBox,
  kPerson,
  kTruck,
  kPrinter,
  kReceipt,
  kPicture,
  kChart,
  kUpload,
  kClipboard,
  kEnvelope,
  kStatement,
  kLogOff,
  kDisk,
  kPercentTag,
  kPhone,
  kCheque,
  kEmptyBox,
};

// A small round sign in the lower right corner that turns a base drawing into an action.
enum class Badge { kNone, kPlus, kCross, kMagnifier, kPencil, kStar, kBang };

// Draws `glyph` (and `badge`) scaled to fit `box`, centred.
void DrawGlyph(QPainter& painter, const QRectF& box, Glyph glyph, Badge badge = Badge::kNone);

}  // namespace ventro
