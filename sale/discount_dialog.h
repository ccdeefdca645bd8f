// The state of the sale screen while a discount or price dialog is open: the payment in
// progress (payments and the other discount commands are ignored) and the discount entry mode
// (the entry box's keys and the shortcut keys are ignored). Both are set for the life of a
// DiscountDialogOpen and cleared by Close or when it goes out of scope, however the dialog ends.
#pragma once

#include "sale/sale_session.h"

namespace ventro {

class DiscountDialogOpen {
 public:
  explicit DiscountDialogOpen(SaleSession& session) : session_(session) {
    session_.sale.payment_in_progress = true;
    session_.screen.entry_mode = kEntryModeDiscount;
    session_.window.ScreenChanged();
  }
  ~DiscountDialogOpen() { Close(); }
  DiscountDialogOpen(const DiscountDialogOpen&) = delete;
  DiscountDialogOpen& operator=(const DiscountDialogOpen&) = delete;

  void Close() {
    if (closed_) return;
    closed_ = true;
    session_.sale.payment_in_progress = false;
    session_.screen.entry_mode = kEntryModeNormal;
    session_.window.ScreenChanged();
  }

 private:
  SaleSession& session_;
  bool closed_ = false;
};

}  // namespace ventro
