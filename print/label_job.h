// A barcode label job: what the labels carry, how the sheet is laid out and which symbol is
// drawn. Lengths are hundredths of a millimetre; values out of their range fall back to the
// layout's usual value, and the range itself is checked before anything is printed.
#pragma once

#include <cstdint>

#include "base/status.h"

namespace ventro {

enum class LabelSource {
  kInventory,     // the items numbered within the range
  kCustomers,     // the customers numbered within the range
  kPlainNumbers,  // every number of the range, no record
  kRepeat,        // the start item, `quantity` times
};

enum class LabelFormat { kVideoSpine, kTwoColumn, kThreeColumn };

enum class LabelSymbol { kEan13, kCode39 };

// The highest number a label range may name.
inline constexpr int64_t kLabelRangeLimit = 100'000'000'000'000'000;

struct LabelJob {
  int64_t start = 1;
  int64_t finish = 2;
  LabelSource source = LabelSource::kInventory;
  int64_t quantity = 1;  // kRepeat only
  LabelFormat format = LabelFormat::kVideoSpine;
  LabelSymbol symbol = LabelSymbol::kCode39;
  int origin_x = 3600;  // the video spine's left edge
  int origin_y = 400;   // the first row's top, below the top of the printable area
  int label_height = 1690;
  int per_sheet = 16;
  int from_centre = 5600;  // three columns: the outer columns' centres from the page centre
  int element_width = 40;  // the narrowest bar
  bool price = false;
  bool price_without_tax = false;
  bool store_name = false;  // video spine: the store name before the number
  bool text_below = false;  // video spine: the price on a line of its own under the text
};

// The label height and labels per sheet a format starts with.
struct LabelFormatSize {
  int label_height;
  int per_sheet;
};
LabelFormatSize FormatSize(LabelFormat format);

// The element width a symbol starts with: 50 for EAN-13, 40 for Code 39.
int SymbolElementWidth(LabelSymbol symbol);

// Values of the layout as typed: each is taken when within its range and replaced by its
// fallback otherwise (origins, label height and the centre distance 1 to 20000, labels per
// sheet and element width 1 to 200).
int OriginOrFallback(int64_t typed, int fallback);
int LabelHeightOrFallback(int64_t typed);
int PerSheetOrFallback(int64_t typed);
int FromCentreOrFallback(int64_t typed);
int ElementWidthOrFallback(int64_t typed);

// The range as typed: a number above kLabelRangeLimit gives "Range limit 100000000000000000";
// a number below 0, a finish below the start, or for kRepeat a quantity below 1 gives "Invalid
// range"; both titled "Problem". Whether a repeated start names an item is the caller's check.
Status CheckLabelRange(const LabelJob& job);

}  // namespace ventro
