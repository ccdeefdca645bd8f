// Where the sign-on reaches the basket. Kept apart so that the basket's own code can fill it
// without touching the sign-on.
#pragma once

namespace ventro {

class Ventro;

// Discards the open, unpaid sale and empties the basket list, as a new clerk signing on
// expects an empty basket.
void ClearOpenBasket(Ventro& ventro);

}  // namespace ventro
