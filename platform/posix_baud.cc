#include "platform/posix_baud.h"

#ifdef __linux__
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

namespace ventro {

bool SetOtherBaudRate([[maybe_unused]] int fd, [[maybe_unused]] int baud) {
#ifdef __linux__
  if (baud <= 0) return false;
  struct termios2 line;
  if (ioctl(fd, TCGETS2, &line) != 0) return false;
  line.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
  line.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
  line.c_ispeed = static_cast<speed_t>(baud);
  line.c_ospeed = static_cast<speed_t>(baud);
  return ioctl(fd, TCSETS2, &line) == 0;
#else
  return false;
#endif
}

}  // namespace ventro
