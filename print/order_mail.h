// The order confirmation of a sale handed to the user's mail program as a "mailto:" link: the
// store heading, the order reference, date, associate and total, and a closing greeting.
#pragma once

#include <string>

#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/platform.h"
#include "sale/basket.h"

namespace ventro {

// The link for `basket`, addressed to `customer_email` when it is not empty. Every text put
// into it is percent-encoded as UTF-8, so a "&" or "?" in a store name, clerk name or address
// stays text; only the link's own "?", "&", "=" and its "%0D%0A" line ends are written as they
// are.
std::string OrderMailLink(const SettingsRecord& settings, const Basket& basket,
                          const std::string& customer_email, Locale& locale, const LocalTime& now);

// "Email document": opens the link with the desktop's mail program; "Unable to produce email."
// titled "Problem" when nothing could open it.
void OpenOrderMail(Platform& platform, const SettingsRecord& settings, const Basket& basket,
                   const std::string& customer_email);

}  // namespace ventro
