#include "print/custom_receipt_dialog.h"

#include <array>
#include <string>

#include "base/format.h"
#include "print/receipt_elements.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr char kHeaderGroup[] = "Header (lines from the top)";
constexpr char kFooterGroup[] = "Footer (lines from the last item)";
constexpr size_t kLineDigits = 3;
constexpr size_t kTextLength = 49;  // 50-byte fields with their terminator
constexpr int kBlankLineChoices = 20;
constexpr int32_t kOn = 2;

struct LineField {
  int element;
  const char* key;
  const char* label;
};

constexpr std::array kLineFields = {
    LineField{kElementStoreName, "store_name", "Store name"},
    LineField{kElementStoreAddress1, "store_address1", "Store Address 1"},
    LineField{kElementStoreAddress2, "store_address2", "Store Address 2"},
    LineField{kElementStoreAddress3, "store_address3", "Store Address 3"},
    LineField{kElementStoreAddress4, "store_address4", "Store Address 4"},
    LineField{kElementStoreTelephone, "store_telephone", "Store telephone"},
    LineField{kElementDate, "date", "Date"},
    LineField{kElementCustomerNumber, "customer_number", "Customer number"},
    LineField{kElementCustomerName, "customer_name", "Customer name"},
    LineField{kElementClerk, "clerk", "Clerk"},
    LineField{kElementReceipt, "receipt", "Receipt"},
    LineField{kElementText1, "text1_line", "Text 1"},
    LineField{kElementAddress1, "address1", "Address 1"},
    LineField{kElementAddress2, "address2", "Address 2"},
    LineField{kElementAddress3, "address3", "Address 3"},
    LineField{kElementAddress4, "address4", "Address 4"},
    LineField{kElementCustomerPhone, "customer_phone", "Customer phone"},
    LineField{kElementByLine, "by_line", "By line"},
    LineField{kElementNonTaxable, "non_taxable", "Non taxable"},
    LineField{kElementTaxable, "taxable", "Taxable"},
    LineField{kElementTax1, "tax1", "Tax 1"},
    LineField{kElementTax2, "tax2", "Tax 2"},
    LineField{kElementTotal, "total", "Total"},
    LineField{kElementTendered, "total_tendered", "Total tendered"},
    LineField{kElementChange, "cash_change", "Cash change"},
    LineField{kElementText2, "text2_line", "Text 2"},
    LineField{kElementText3, "text3_line", "Text 3"},
    LineField{kElementPaymentType, "payment_type", "Payment type"},
};

void SetLayoutLine(SettingsRecord& s, int element, int32_t line) {
  if (element < SettingsRecord::kCustomReceiptElements) {
    s.Set(cfg::kCustomReceiptLayout, element, line);
  } else if (element >= kElementText1 && element <= kElementText3) {
    s.Set(cfg::kCustomReceiptTextLine, element - kElementText1 + 1, line);
  } else if (element == kElementPaymentType) {
    s.Set(cfg::kCustomReceiptPaymentLine, line);
  } else if (element >= kElementAddress1 && element <= kElementCustomerPhone) {
    s.Set(cfg::kCustomReceiptCustomerLine, element - kElementAddress1 + 1, line);
  }
}

DialogField LineEntry(const std::string& key, const std::string& label, int line,
                      const char* group) {
  DialogField field = NumberField(key, label, StringPrintf("%d", line), kLineDigits);
  field.group = group;
  return field;
}

// A typed line number, when it lies in 0 to `high`.
bool ReadLine(const Dialog& d, const std::string& key, int high, int32_t& line) {
  const std::string text = FieldText(d, key);
  if (text.find_first_not_of(" 0123456789") != std::string::npos) return false;
  const int64_t value = AtoI64(text);
  if (value < 0 || value > high) return false;
  line = static_cast<int32_t>(value);
  return true;
}

std::vector<std::string> CutterPorts() {
  std::vector<std::string> ports;
  for (int index = 0; index < kPortCount; ++index) ports.push_back(PortName(index));
  return ports;
}

std::string CutterDevice(Ports& ports, int port) {
  if (port < 0 || port >= kPortCount) return "";
  return ports.DeviceOf(PortName(port));
}

Dialog BuildDialog(const SettingsRecord& s, Ports& ports) {
  Dialog d;
  d.name = "CUSTOM";
  d.title = "Custom receipt";
  for (const LineField& field : kLineFields) {
    d.Add(LineEntry(field.key, field.label, CustomLayoutLine(s, field.element),
                    IsFooterElement(field.element) ? kFooterGroup : kHeaderGroup));
  }
  d.Add(LineEntry("note_line", "Transaction note", CustomNoteLine(s), kFooterGroup));
  DialogField footer_note = NoteField(
      "footer_note",
      "The footer line value is the number of lines from the last item (1-40). A zero value "
      "omits.");
  footer_note.group = kFooterGroup;
  d.Add(std::move(footer_note));
  for (int k = 1; k <= SettingsRecord::kCustomReceiptTextCount; ++k) {
    DialogField text = TextField(StringPrintf("text%d", k), StringPrintf("Text %d", k),
                                 s.Get(cfg::kCustomReceiptText, k), kTextLength);
    text.group = "Texts";
    d.Add(std::move(text));
  }
  d.Add(ChoiceField("items", "Items", {"Items (Excluding tax)", "Items (Including tax)"},
                    s.Get(cfg::kCustomReceiptExcludingTax) == kOn ? 0 : 1));
  d.Add(CheckField("centred",
                   "Justify items centred (default is description on left, price on right)",
                   s.Get(cfg::kCustomReceiptItemsCentred) != 0));
  d.Add(CheckField("mark_exempt", "Denote tax exempt item with E",
                   s.Get(cfg::kCustomReceiptMarkExempt) != 0));
  d.Add(CheckField("logo", "Include logo (set from Utilities, Configuration, Receipts)",
                   s.Get(cfg::kCustomReceiptOmitLogo) == 0));
  d.Add(CheckField("barcode", "Include barcode", s.Get(cfg::kCustomReceiptBarcode) != 0));
  d.Add(CheckField("second_currency", "Include second currency",
                   s.Get(cfg::kCustomReceiptSecondCurrency) != 0));
  const int32_t blank = s.Get(cfg::kCustomReceiptBlankLines);
  d.Add(ChoiceField("blank_lines", "Blank lines at end", NumberList(1, kBlankLineChoices),
                    blank >= 0 && blank < kBlankLineChoices ? blank : 0));
  d.Add(TextField("cutter", "Cutter", s.Get(cfg::kCutterSequence), kTextLength));
  const int32_t port = s.Get(cfg::kCutterPort);
  const int shown_port = port >= 0 && port < kPortCount ? port : -1;
  d.Add(ChoiceField("cutter_port", "Port", CutterPorts(), shown_port));
  DialogField device = TextField("cutter_device", "Device", CutterDevice(ports, shown_port), 0);
  device.kind = FieldKind::kReadOnly;
  d.Add(std::move(device));
  return d;
}

void Apply(const Dialog& d, SettingsRecord& s) {
  for (const LineField& field : kLineFields) {
    int32_t line = 0;
    if (ReadLine(d, field.key, IsFooterElement(field.element) ? kMaxFooterLine : kMaxHeaderLine,
                 line)) {
      SetLayoutLine(s, field.element, line);
    }
  }
  int32_t note_line = 0;
  if (ReadLine(d, "note_line", kMaxFooterLine, note_line))
    s.Set(cfg::kCustomReceiptNoteLine, note_line);
  for (int k = 1; k <= SettingsRecord::kCustomReceiptTextCount; ++k) {
    s.Set(cfg::kCustomReceiptText, k, FieldText(d, StringPrintf("text%d", k)));
  }
  const int items = FieldChoice(d, "items", 2);
  if (items >= 0) s.Set(cfg::kCustomReceiptExcludingTax, items == 0 ? kOn : 0);
  s.Set(cfg::kCustomReceiptItemsCentred, d.Field("centred").checked ? kOn : 0);
  s.Set(cfg::kCustomReceiptMarkExempt, d.Field("mark_exempt").checked ? kOn : 0);
  s.Set(cfg::kCustomReceiptOmitLogo, d.Field("logo").checked ? 0 : kOn);
  s.Set(cfg::kCustomReceiptBarcode, d.Field("barcode").checked ? kOn : 0);
  s.Set(cfg::kCustomReceiptSecondCurrency, d.Field("second_currency").checked ? kOn : 0);
  const int blank = FieldChoice(d, "blank_lines", kBlankLineChoices);
  if (blank >= 0) s.Set(cfg::kCustomReceiptBlankLines, blank);
  s.Set(cfg::kCutterSequence, FieldText(d, "cutter"));
  const int port = FieldChoice(d, "cutter_port", kPortCount);
  if (port >= 0) s.Set(cfg::kCutterPort, port);
}

}  // namespace

void RunCustomReceiptDialog(Ui& ui, SettingsRecord& settings, Ports& ports) {
  Dialog dialog = BuildDialog(settings, ports);
  dialog.on_change = [&ports](Dialog& d, const std::string& key) {
    if (key != "cutter_port") return;
    d.Field("cutter_device").text = CutterDevice(ports, FieldChoice(d, "cutter_port", kPortCount));
  };
  if (ui.RunDialog(dialog) && dialog.Pressed("OK")) Apply(dialog, settings);
}

}  // namespace ventro
