// Serial rates that termios has no constant for (14400, 128000, 256000 ...), set through the
// Linux termios2 interface. Kept apart because its kernel header cannot share a file with
// <termios.h>.
#pragma once

namespace ventro {

// Sets the line of `fd` to `baud` bits per second in both directions; false where the system
// or the device does not allow it.
bool SetOtherBaudRate(int fd, int baud);

}  // namespace ventro
