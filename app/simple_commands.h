// The commands of the menus that only change a setting or show something: the listing font
// size and indent, sounds and button tips, the help page, the tip of the day, the calendar and
// the about box.
#pragma once

#include <span>
#include <string_view>

namespace ventro {

class Ventro;

// File, "Listing font size": the "Printer font size" dialog. On OK stores the listing lines
// per page (10 large to 200 tiny), or 0 when "Use the printer default" is checked.
void RunPrinterFontSize(Ventro& ventro);

// File, "Indent listings": clears a set indent; otherwise asks for one (0 to 40, "Outside
// range" titled "Problem" for anything else) and shows the value titled "Indent set to".
void ToggleIndentListings(Ventro& ventro);

// Utilities, "Sound effects" and "Button tips": flip the sounds-off and button-tips-off
// switches.
void ToggleSoundEffects(Ventro& ventro);
void ToggleButtonTips(Ventro& ventro);

// True when the menu entry of command `id` carries a check mark: "Indent listings" while an
// indent is set, "Sound effects" while sounds are on, "Button tips" while tips are on.
bool IsMenuEntryChecked(const Ventro& ventro, int id);

// Help, "Contents" and F1: opens ventro.htm from the program's folder with the desktop's
// handler; "Unable to open the help file ventro.htm" titled "Problem" when nothing opens it.
void OpenHelp(Ventro& ventro);

// The tips shown by the "TIP OF THE DAY" dialog.
std::span<const std::string_view> TipsOfTheDay();

// Help, "Tip of the day" and the start: dialog 2211 shows the day's tip ("Next tip" moves on)
// and the check box "Do not show tips at start-up", stored in the settings on closing.
void ShowTipOfTheDay(Ventro& ventro);

// Help, "Calendar": this month as a grid of weeks with today marked; "Previous" and "Next"
// move by a month.
void ShowCalendar(Ventro& ventro);

// Help, "About".
void ShowAbout(Ventro& ventro);

}  // namespace ventro
