#include "app/simple_commands.h"

#include <array>
#include <memory>
#include <string>

#include "app/ventro.h"
#include "base/format.h"

namespace ventro {
namespace {

constexpr int64_t kFewestLines = 10;  // "Large"
constexpr int64_t kMostLines = 200;   // "Tiny"
constexpr int64_t kLargestIndent = 40;
constexpr int kCalendarWeeks = 6;

void Problem(Ui& ui, const char* text) { ui.Message("Problem", text, Icon::kWarning); }

// A whole number typed on its own (blanks around it allowed), or -1.
int64_t PlainNumber(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return -1;
  std::string digits = text.substr(first, last - first + 1);
  if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  return AtoI64(digits);
}

constexpr std::array<std::string_view, 18> kTips = {
    "Press F9 when you leave the till: the next clerk signs on with their own number and "
    "password, and every sale carries the number of the clerk who made it.",
    "Type an item number or scan its barcode into the entry box and press Enter to add it to "
    "the basket.",
    "Press F5 to take cash. Type the amount handed over and VENTRO shows the change to give.",
    "F6 puts the sale on a customer's credit account, F7 takes a card payment.",
    "The picture buttons sell their item with one touch. Up and Down, or the arrow buttons, "
    "step through the categories; Left shows all items.",
    "Select a basket line and press the void button to take it off the sale before payment.",
    "Type a quantity in the entry box and press the repeat button to ring up that many more of "
    "the last item.",
    "Serving several tables or customers at once? Ctrl W parks the open basket and switches to "
    "another of the sixteen baskets.",
    "F2 finds an item by number, description or part of a word; \"?\" stands for any one "
    "character.",
    "F4 adds a new item to the inventory, F3 amends one: price, stock, category and picture.",
    "F12 shows today's activity summary: takings by payment type, refunds, taxes and the "
    "number of sales.",
    "At the end of the day count the drawer and run Reports, \"Till reconciliation\" to see "
    "whether the cash matches the sales.",
    "Back up your data regularly with Utilities, \"Backup\", and keep the copy away from the "
    "till.",
    "The administrator sets each clerk's name and password in Utilities, \"Operator setup\".",
    "Utilities, \"User control\" decides what clerks 3 and above may do: deleting items, "
    "refunds, discounts, opening the drawer and more.",
    "Your shop's name and address on receipts come from Utilities, \"Store print heading\".",
    "Reports, \"Reorder list\" shows the items that have fallen below their reorder level.",
    "Press F1 at any time to open the help page.",
};

// The tip for `today`: another one each day.
int TipOfDay(const LocalTime& today) {
  int ordinal = today.year * 372 + today.month * 31 + today.day;
  return ordinal % static_cast<int>(kTips.size());
}

void ShowTip(Dialog& dialog, int tip) {
  dialog.Field("number").text =
      StringPrintf("Tip %d of %d", tip + 1, static_cast<int>(kTips.size()));
  dialog.Field("tip").text = std::string(kTips[static_cast<size_t>(tip)]);
}

// Month lengths as the program's date arithmetic counts them: February has 29 days in every
// year divisible by 4.
int MonthLength(int month, int year) {
  static constexpr int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && year % 4 == 0) return 29;
  return kLength[month - 1];
}

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

struct CalendarMonth {
  int month = 1;
  int year = 2000;
  int first_day_of_week = 0;  // of the 1st, 0 Sunday
};

CalendarMonth NextMonth(CalendarMonth shown) {
  shown.first_day_of_week = (shown.first_day_of_week + MonthLength(shown.month, shown.year)) % 7;
  if (++shown.month > 12) {
    shown.month = 1;
    ++shown.year;
  }
  return shown;
}

CalendarMonth PreviousMonth(CalendarMonth shown) {
  if (--shown.month < 1) {
    shown.month = 12;
    --shown.year;
  }
  int length = MonthLength(shown.month, shown.year);
  shown.first_day_of_week = ((shown.first_day_of_week - length) % 7 + 7) % 7;
  return shown;
}

std::string TrimRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// Fills the month line and the six week lines; each day takes four characters and today is
// shown in brackets.
void ShowMonth(Dialog& dialog, const CalendarMonth& shown, const LocalTime& today) {
  dialog.Field("month").text = StringPrintf("%s %d", kMonthNames[shown.month - 1], shown.year);
  int length = MonthLength(shown.month, shown.year);
  bool this_month = shown.month == today.month && shown.year == today.year;
  int day = 1 - shown.first_day_of_week;
  for (int week = 1; week <= kCalendarWeeks; ++week) {
    std::string line;
    for (int column = 0; column < 7; ++column, ++day) {
      if (day < 1 || day > length) {
        line += "    ";
      } else if (this_month && day == today.day) {
        line += StringPrintf(day < 10 ? " [%d]" : "[%d]", day);
      } else {
        line += StringPrintf("%4d", day);
      }
    }
    dialog.Field(StringPrintf("week%d", week)).text = TrimRight(line);
  }
}

DialogField ReadOnlyField(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

}  // namespace

void RunPrinterFontSize(Ventro& ventro) {
  SettingsRecord& settings = ventro.settings;
  int64_t stored = settings.Get(cfg::kListingLinesPerPage);
  int64_t shown = stored < kFewestLines ? kFewestLines : stored > kMostLines ? kMostLines : stored;
  Dialog dialog;
  dialog.name = "Printer font size";
  dialog.title = "Printer font size";
  DialogField lines = TextField("lines", "Lines per page (10 Large to 200 Tiny)",
                                StringPrintf("%lld", static_cast<long long>(shown)), 3);
  lines.kind = FieldKind::kNumber;
  dialog.Add(std::move(lines));
  dialog.Add(CheckField("printer_default", "Use the printer default", stored == 0));
  if (!ventro.ui().RunDialog(dialog) || !dialog.Pressed("OK")) return;

  if (dialog.Field("printer_default").checked) {
    settings.Set(cfg::kListingLinesPerPage, 0);
    return;
  }
  // The value stands for a slider position, so it is held within the slider's ends.
  int64_t value = AtoI64(dialog.Field("lines").text);
  if (value < kFewestLines) value = kFewestLines;
  if (value > kMostLines) value = kMostLines;
  settings.Set(cfg::kListingLinesPerPage, value);
}

void ToggleIndentListings(Ventro& ventro) {
  SettingsRecord& settings = ventro.settings;
  if (settings.Get(cfg::kListingIndent) != 0) {
    settings.Set(cfg::kListingIndent, 0);
    return;
  }
  std::string text = "10";
  if (!ventro.ui().EditBox("Indent (in characters, 0-40)", text, 10)) return;
  int64_t indent = PlainNumber(text);
  if (indent < 0 || indent > kLargestIndent) {
    Problem(ventro.ui(), "Outside range");
    return;
  }
  settings.Set(cfg::kListingIndent, indent);
  ventro.ui().Message("Indent set to", std::to_string(indent), Icon::kInformation);
}

void ToggleSoundEffects(Ventro& ventro) {
  SettingsRecord& settings = ventro.settings;
  settings.Set(cfg::kSoundsOff, OnOff(settings.Get(cfg::kSoundsOff) == 0));
}

void ToggleButtonTips(Ventro& ventro) {
  SettingsRecord& settings = ventro.settings;
  settings.Set(cfg::kButtonTipsOff, OnOff(settings.Get(cfg::kButtonTipsOff) == 0));
  ventro.host.ScreenChanged();  // the window turns its tooltips on or off at once
}

bool IsMenuEntryChecked(const Ventro& ventro, int id) {
  const SettingsRecord& settings = ventro.settings;
  switch (id) {
    case 3021:
      return settings.Get(cfg::kListingIndent) != 0;
    case 3024:
      return settings.Get(cfg::kSoundsOff) == 0;
    case 3017:
      return settings.Get(cfg::kButtonTipsOff) == 0;
    default:
      return false;
  }
}

void OpenHelp(Ventro& ventro) {
  Path page = ventro.paths.program / "ventro.htm";
  std::u8string utf8 = page.u8string();
  if (!ventro.files().Exists(page) ||
      !ventro.platform.shell.Open(std::string(utf8.begin(), utf8.end()))) {
    Problem(ventro.ui(), "Unable to open the help file ventro.htm");
  }
}

std::span<const std::string_view> TipsOfTheDay() { return kTips; }

void ShowTipOfTheDay(Ventro& ventro) {
  Dialog dialog;
  dialog.name = "2211";
  dialog.title = "TIP OF THE DAY";
  dialog.Add(ReadOnlyField("number", "", ""));
  dialog.Add(NoteField("tip", ""));
  dialog.Add(CheckField("no_tips", "Do not show tips at start-up",
                        ventro.settings.Get(cfg::kTipsOff) != 0));
  ShowTip(dialog, TipOfDay(ventro.Now()));
  dialog.actions = {"Next tip"};
  dialog.buttons = {"OK"};
  dialog.on_change = [tip = TipOfDay(ventro.Now())](Dialog& d, const std::string& key) mutable {
    if (key != "Next tip") return;
    tip = (tip + 1) % static_cast<int>(kTips.size());
    ShowTip(d, tip);
  };
  if (!ventro.ui().RunDialog(dialog)) return;
  ventro.settings.Set(cfg::kTipsOff, OnOff(dialog.Field("no_tips").checked));
}

void ShowCalendar(Ventro& ventro) {
  LocalTime today = ventro.Now();
  CalendarMonth shown{today.month, today.year, ((today.day_of_week - (today.day - 1)) % 7 + 7) % 7};
  Dialog dialog;
  dialog.name = "Calendar";
  dialog.title = "Calendar";
  dialog.Add(ReadOnlyField("month", "", ""));
  dialog.Add(ReadOnlyField("days", "", "  Su  Mo  Tu  We  Th  Fr  Sa"));
  for (int week = 1; week <= kCalendarWeeks; ++week) {
    dialog.Add(ReadOnlyField(StringPrintf("week%d", week), "", ""));
  }
  ShowMonth(dialog, shown, today);
  dialog.actions = {"Previous", "Next"};
  dialog.buttons = {"OK"};
  dialog.on_change = [shown, today](Dialog& d, const std::string& key) mutable {
    if (key == "Previous") shown = PreviousMonth(shown);
    if (key == "Next") shown = NextMonth(shown);
    ShowMonth(d, shown, today);
  };
  ventro.ui().RunDialog(dialog);
}

void ShowAbout(Ventro& ventro) {
  ventro.ui().Message("About VENTRO",
                      "VENTRO\n"
                      "Point of sale and back office for a small shop: the sale screen, "
                      "inventory, customers and their accounts, suppliers, reports and the "
                      "day's journal in one program.\n\n"
                      "Press F1 for help.",
                      Icon::kInformation);
}

}  // namespace ventro
