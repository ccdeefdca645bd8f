#include "records/customer_record.h"

namespace ventro {

void CustomerRecord::MarkDeleted() {
  set_number(-1);
  data()[8] = 0;
  data()[9] = 0;
}

void CustomerRecord::InitialiseAddedCustomer() {
  set_last_used("NEW");
  set_last_payment("");
  set_last_transaction(0);
  set_reserved_flag(0);
}

}  // namespace ventro
