#include "print/order_mail.h"

#include "base/cp1252.h"
#include "base/format.h"

namespace ventro {
namespace {

constexpr char kLineEnd[] = "%0D%0A";

// An address keeps its last "@" as the separator; both sides are encoded.
std::string EncodedAddress(const std::string& address) {
  const size_t at = address.rfind('@');
  if (at == std::string::npos) return PercentEncoded(address);
  return PercentEncoded(address.substr(0, at)) + "@" + PercentEncoded(address.substr(at + 1));
}

std::string ClerkName(const SettingsRecord& settings, int64_t clerk) {
  if (clerk < 1 || clerk > SettingsRecord::kClerkCount) return "";
  return settings.Get(cfg::kClerkName, static_cast<int>(clerk));
}

}  // namespace

std::string OrderMailLink(const SettingsRecord& settings, const Basket& basket,
                          const std::string& customer_email, Locale& locale, const LocalTime& now) {
  const std::string store = settings.Get(cfg::kHeadingLine, 1);
  std::string body;
  for (int line = 1; line <= 5; ++line) {
    body += PercentEncoded(settings.Get(cfg::kHeadingLine, line)) + kLineEnd;
  }
  body += kLineEnd;
  body += PercentEncoded(
      StringPrintf("Order reference: %lld", static_cast<long long>(basket.transaction_number)));
  body += kLineEnd;
  body += PercentEncoded(StringPrintf("Date: %02d:%02d ", now.hour, now.minute) +
                         locale.FormatDate("MMM d yyyy", now));
  body += kLineEnd;
  const int64_t clerk = settings.Get(cfg::kSignedOnClerk);
  body += PercentEncoded(StringPrintf("Associate: %lld, ", static_cast<long long>(clerk)) +
                         ClerkName(settings, clerk));
  body += kLineEnd;
  body += PercentEncoded("Total : " + FormatAmount(basket.totals.grand_total));
  body += kLineEnd;
  body += kLineEnd;
  body += PercentEncoded("Thank you for your purchase. Please find your invoice attached.");
  body += kLineEnd;
  body += PercentEncoded("If you have any further questions please let us know.");
  body += kLineEnd;
  body += PercentEncoded("Kind Regards");

  std::string link = "mailto:";
  if (!customer_email.empty()) link += EncodedAddress(customer_email);
  link += "?subject=" + PercentEncoded(store + " Order Confirmation") + "&body=" + body;
  return link;
}

void OpenOrderMail(Platform& platform, const SettingsRecord& settings, const Basket& basket,
                   const std::string& customer_email) {
  const std::string link =
      OrderMailLink(settings, basket, customer_email, platform.locale, platform.clock.Now());
  if (!platform.shell.Open(link)) {
    platform.ui.Message("Problem", "Unable to produce email.", Icon::kWarning);
  }
}

}  // namespace ventro
