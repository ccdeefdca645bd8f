#include "app/basket_link.h"

namespace ventro {

// The basket's ClearBasket (list, totals, pole display, void tone) is called from here once it
// is built; until then there is no open sale to discard.
void ClearOpenBasket(Ventro&) {}

}  // namespace ventro
