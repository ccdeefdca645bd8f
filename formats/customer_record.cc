#include "formats/customer_record.h"

namespace ventro {

void CustomerRecord::MarkDeleted() {
  Set(cust::kNumber, -1);
  data()[cust::kName.offset] = 0;
  data()[cust::kName.offset + 1] = 0;
}

void CustomerRecord::InitialiseAddedCustomer() {
  Set(cust::kLastUsed, "NEW");
  Set(cust::kLastPayment, "");
  Set(cust::kLastTransaction, 0);
  Set(cust::kReservedFlag, 0);
}

}  // namespace ventro
