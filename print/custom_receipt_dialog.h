// The "Custom receipt" dialog ("CUSTOM", menu Utilities): the line of each element of the
// custom receipt, its three free texts, its options and the cutter of the receipt printer.
#pragma once

#include "formats/settings_record.h"
#include "platform/ports.h"
#include "platform/ui.h"

namespace ventro {

// Runs the dialog over the settings. OK stores every field; a line number out of range (above
// 40 for the footer lines) keeps the stored value. Cancel changes nothing. The settings reach
// vt.cfg at the next save.
void RunCustomReceiptDialog(Ui& ui, SettingsRecord& settings, Ports& ports);

}  // namespace ventro
