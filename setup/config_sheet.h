// The "Configuration" property sheet (menu Utilities, "Configuration").
#pragma once

#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/ui.h"

namespace ventro {

// Runs the sheet over `settings`. OK applies every page and closes; the "Apply" button applies
// every page and leaves the sheet open; Cancel keeps what was applied before and nothing else.
// The record is only changed in memory: it reaches vt.cfg at the next save. `platform` gives
// the till pages their ports (null: no device is shown or previewed).
void RunConfigurationSheet(Ui& ui, const LocalTime& today, SettingsRecord& settings,
                           Platform* platform = nullptr);

}  // namespace ventro
