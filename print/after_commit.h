// What follows a completed payment, before the sale is committed: the drawer and the pole
// display, the "Auto receipt" document printed at once when the summary box is turned off,
// the summary box's print buttons, and the extra kitchen ticket.
#pragma once

#include <string>

#include "devices/till_ports.h"
#include "formats/settings_record.h"
#include "print/printing_context.h"
#include "sale/basket.h"
#include "sale/cash_box.h"

namespace ventro {

// The summary box's print buttons.
inline constexpr char kStandardReceiptButton[] = "&Standard receipt";
inline constexpr char kCustomReceiptButton[] = "&Custom receipt";
inline constexpr char kInvoice1Button[] = "&Invoice 1";
inline constexpr char kInvoice2Button[] = "Invoice 2";
inline constexpr char kCustomInvoiceButton[] = "Custom invoice";
inline constexpr char kEmailDocumentButton[] = "Email document";
inline constexpr char kDeliveryNoteButton[] = "Delivery note";

// What the sale's customer record adds to the documents: the terms band and the e-mail
// address (both empty without a customer).
struct SaleCustomerFacts {
  int32_t terms = 0;
  std::string email;
};

// First: the drawer opens when "Open automatically" is set, and the pole display (when in use)
// shows the amount tendered and the change. A device that fails shows its message and the
// sale goes on.
void ShowPaymentOnTillDevices(const TillPorts& till, const SettingsRecord& settings,
                              const Tendered& tendered);

// With the summary box turned off: the "Auto receipt" document of the open basket, as many
// copies as the copies option says. Nothing for "None".
void PrintAutomaticDocument(const PrintingContext& printing, const SaleState& sale,
                            const Tendered& tendered, const SaleCustomerFacts& customer);

// As the summary box opens: the "Auto receipt" document pressed once, and once more for each
// extra copy the copies option asks for.
void PressConfiguredDocument(const PrintingContext& printing, const SaleState& sale,
                             const Tendered& tendered, const SaleCustomerFacts& customer);

// A button of the summary box: its document of the open basket, or the order mail. Other
// keys: nothing.
void PrintFromSummary(const PrintingContext& printing, const std::string& button,
                      const SaleState& sale, const Tendered& tendered,
                      const SaleCustomerFacts& customer);

// With "Auto print additional receipt to kitchen printer": the kitchen ticket of the open
// basket.
void PrintKitchenAfterCommit(const PrintingContext& printing, const SaleState& sale);

}  // namespace ventro
