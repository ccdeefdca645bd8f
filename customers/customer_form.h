// The customer form (dialog "802"): every field of the account a user may type, for a new
// customer ("NEW CUSTOMER", with an opening balance and "Next") or for an amendment ("Amend
// customer").
#pragma once

#include <cstdint>

#include "formats/customer_record.h"
#include "formats/settings_record.h"
#include "platform/dialog.h"

namespace ventro {

enum class CustomerFormMode { kNew, kAmend };

// The form showing `record`; the terms list holds the texts of the settings' eight bands.
Dialog CustomerForm(const SettingsRecord& settings, const CustomerRecord& record,
                    CustomerFormMode mode);

// The values that are checked before anything is stored, as typed.
struct CustomerFormValues {
  int64_t number = 0;
  int64_t group = 0;
};

// Copies the form into `record` (texts cut to the form's limits; the group only when it is 1
// to 2000; the balance only for a new customer) and gives the number and group as typed.
CustomerFormValues ReadCustomerForm(const Dialog& form, CustomerFormMode mode,
                                    CustomerRecord& record);

}  // namespace ventro
