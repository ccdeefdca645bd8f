// The platform services the core reaches the user, the clock and the disk through. The Qt
// program, the script driver and the tests each supply their own set.
#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/ui.h"

namespace ventro {

struct Platform {
  Ui& ui;
  Clock& clock;
  Locale& locale;
  Sound& sound;
  Shell& shell;
  Files& files;
};

}  // namespace ventro
