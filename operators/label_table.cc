#include "operators/label_table.h"

#include <array>
#include <cstring>
#include <memory>

#include "base/bytes.h"

namespace ventro {
namespace {

// Default texts of entries 0 to 35, one column per language. Accented letters are
// Windows-1252 bytes: \xF3 is "o" with acute, \xE9 is "e" with acute.
constexpr const char* kDefaults[LabelTable::kUsedEntries][kLanguageCount] = {
    {"English", "Italiano", "Espanol", "Nederlands"},
    {"Receipt", "Ricevimento", "Recepci\xF3n", "Ontvangst"},
    {"Sub total", "Sub totale", "Sub total", "Subtotaal"},
    {"Total", "Totale", "Total", "Totaal"},
    {"Discount", "Sconto", "Descuento", "Korting"},
    {"Customer", "Cliente", "Cliente", "Klant"},
    {"Non taxable", "Non imponibile", "No imponible", "Niet-belastbare"},
    {"Taxable", "Imponibile", "Imponible", "Belastbaar"},
    {"Tendered", "Offerto", "Licitaci\xF3n", "Aangeboden"},
    {"Cash change", "Sostituzione del contante", "De introducci\xF3n del efectivo",
     "Naar de chartale euro"},
    {"Payment: Cash", "Pagamento: Contanti", "Pago: Efectivo", "Betaling: Cash"},
    {"Payment: Cheque", "Pagamento: Assegno", "Pago: transferencia bancaria", "Betaling: Cheque"},
    {"Payment: EFT", "Pagamento: EFT",
     "Pago: cr\xE9"
     "dito",
     "Betaling: EFT"},
    {"Payment: Credit", "Pagamento: Credit", "Pago: Credit", "Betaling: Credit"},
    {"Payment: CH with cash", "Pagamento: CH in contanti", "Pago: con dinero en efectivo CH",
     "Betaling: CH met contant geld"},
    {"Payment: EFT with cash", "Pagamento: EFT in contanti",
     "Pago: transferencia bancaria con dinero en efectivo", "Betaling: EFT met contant geld"},
    {"Refund", "Rimborso", "Reembolso", "Terugbetaling"},
    {"INVOICE", "FATTURA", "FACTURA", "FACTUUR"},
    {"Order Number", "Fattura No", "Factura Number", "FACTUUR No"},
    {"Associate", "Associate", "Associate", "Associate"},
    {"DESCRIPTION", "DESCRIZIONE", "DESCRIPCION", "BESCHRIJVING"},
    {"PRODUCT CODE", "ARTICOLI NO", "ARTICULOS NO", "ITEM NO"},
    {"LINE COST", "NET TOTALE", "NET TOTAL", "NET TOTAAL"},
    {"SUBTOTAL", "SUB TOTALE", "SUBTOTAL", "SUBTOTAAL"},
    {"TOTAL", "TOTALE", "TOTAL", "TOTAAL"},
    {"DISCOUNT", "SCONTO", "DESCUENTO", "KORTING"},
    {"CUSTOMER", "CLIENTE", "CLIENTE", "KLANT"},
    {"CUSTOMER NO", "CLIENTE NO", "CLIENTE NO", "KLANT NO"},
    {"TELEPHONE", "TELEFONO", "TELEFONO", "TELEFOON"},
    {"ITEMS", "ARTICOLI", "ARTICULOS", "ITEMS"},
    {"NON TX", "NON IMP", "NON IMP", "NON BELA"},
    {"TAXABLE", "IMPONIBILE", "IMPONIBLE", "BELASTBAAR"},
    {"Authorized", "Autorizzato", "Autorizado", "Geautoriseerde"},
    {"Received", "Ricevuto", "Recibido", "Ontvangen"},
    {"Unit price", "Prezzo unitario", "Precio por unidad", "Eenheidsprijs"},
    {"Terms", "Condizioni", "Condiciones", "Voorwaarden"},
};

bool ValidEntry(int k) { return k >= 0 && k < LabelTable::kEntries; }

}  // namespace

std::string LabelTable::Label(int k) const {
  if (!ValidEntry(k)) return {};
  // A table read from a damaged file may lack a terminator; the printing code relies on
  // never getting more than 79 bytes.
  return GetText(bytes_.data() + k * kEntrySize, kEntrySize - 1);
}

void LabelTable::SetLabel(int k, std::string_view text) {
  if (!ValidEntry(k)) return;
  PutText(bytes_.data() + k * kEntrySize, kEntrySize, text);
}

LabelTable LabelTable::Defaults(int language) {
  LabelTable table;
  if (language < 0 || language >= kLanguageCount) return table;
  for (int k = 0; k < kUsedEntries; ++k) table.SetLabel(k, kDefaults[k][language]);
  return table;
}

bool LoadLabelFile(Files& files, const Path& path, LabelTable& table) {
  std::unique_ptr<File> file = files.Open(path, OpenMode::kRead);
  if (!file) return false;
  // Only the bytes actually read replace the table's, so a short file leaves the rest as it
  // was.
  std::array<uint8_t, LabelTable::kSize> buffer{};
  size_t length = file->ReadAt(0, buffer.data(), buffer.size());
  std::memcpy(table.data(), buffer.data(), length);
  return true;
}

bool SaveLabelFile(Files& files, const Path& path, const LabelTable& table) {
  return files.WriteWhole(path, table.view());
}

}  // namespace ventro
