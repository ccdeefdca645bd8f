// One sheet of barcode labels on a page: rows from the top of the printable area, each label a
// barcode with its text beside it (video spine) or under it (two and three columns), the
// columns filled row by row. The bars are drawn in hundredths of a millimetre, the texts in
// the device's units with the listing font.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/print_canvas.h"
#include "print/label_feed.h"
#include "print/label_job.h"

namespace ventro {

// The font of printed listings for the settings' lines-per-page value: the device's own face
// with a height of the printable height divided by the value; nothing for 0, which keeps the
// printer's own font.
std::optional<PrintFont> ListingFont(const DeviceCaps& caps, int64_t lines_per_page);

// Where a label's parts go, in hundredths of a millimetre from the top left of the printable
// area, y growing downwards.
struct LabelPlace {
  int bars_x = 0;  // where the symbol is drawn from (an EAN-13 symbol starts a module further)
  int top = 0;     // the top of the bars
  int text_x = 0;
  int text_top = 0;
  TextAlign text_align = TextAlign::kLeft;
  int price_top = -1;  // the price on a line of its own; -1 when it follows the text
};

// The place of label `k` (0 for the first) of a sheet `printable_width` wide, for a symbol of
// `digits` digits.
LabelPlace PlaceOfLabel(const LabelJob& job, int k, int printable_width, int digits);

// Draws the next labels of `feed` on the page, up to the job's labels per sheet, with `font`
// for the texts (the device's font when none). True when the feed has labels left for
// another sheet.
bool DrawLabelSheet(PrintCanvas& canvas, const LabelJob& job, LabelFeed& feed,
                    const std::optional<PrintFont>& font);

}  // namespace ventro
