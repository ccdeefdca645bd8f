#include "print/label_job.h"

namespace ventro {
namespace {

constexpr int kLongest = 20000;
constexpr int kMostPerSheet = 200;
constexpr int kWidestElement = 200;

int WithinOr(int64_t typed, int64_t highest, int fallback) {
  return typed >= 1 && typed <= highest ? static_cast<int>(typed) : fallback;
}

}  // namespace

LabelFormatSize FormatSize(LabelFormat format) {
  switch (format) {
    case LabelFormat::kTwoColumn:
      return {3380, 16};
    case LabelFormat::kThreeColumn:
      return {1690, 48};
    case LabelFormat::kVideoSpine:
      break;
  }
  return {1690, 16};
}

int SymbolElementWidth(LabelSymbol symbol) { return symbol == LabelSymbol::kEan13 ? 50 : 40; }

int OriginOrFallback(int64_t typed, int fallback) { return WithinOr(typed, kLongest, fallback); }
int LabelHeightOrFallback(int64_t typed) { return WithinOr(typed, kLongest, 1690); }
int PerSheetOrFallback(int64_t typed) { return WithinOr(typed, kMostPerSheet, 16); }
int FromCentreOrFallback(int64_t typed) { return WithinOr(typed, kLongest, 4800); }
int ElementWidthOrFallback(int64_t typed) { return WithinOr(typed, kWidestElement, 200); }

Status CheckLabelRange(const LabelJob& job) {
  if (job.start > kLabelRangeLimit || job.finish > kLabelRangeLimit) {
    return Status::Failed("Problem", "Range limit 100000000000000000", Severity::kWarning);
  }
  // A negative number would put a minus sign into a symbol of digits only.
  bool invalid = job.start < 0;
  if (job.source == LabelSource::kRepeat) {
    // The finish is not used; a quantity below 1 would never count down to the end.
    invalid = invalid || job.quantity < 1;
  } else {
    invalid = invalid || job.finish < job.start;
  }
  if (invalid) return Status::Failed("Problem", "Invalid range", Severity::kWarning);
  return Status::Ok();
}

}  // namespace ventro
