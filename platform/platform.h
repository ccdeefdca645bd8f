// The platform services the core reaches the user, the clock, the disk, the till's devices
// and the printers through. The Qt program, the script driver and the tests each supply
// their own set.
#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/ports.h"
#include "platform/print_canvas.h"
#include "platform/raw_printer.h"
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
  Ports& ports;
  RawPrinter& raw_printer;
  Printer& printer;
};

}  // namespace ventro
