// The line speed of a pseudo-terminal, custom rates included. Kept apart because the kernel's
// termios2 header clashes with <termios.h>.
#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...) noexcept;

int PtyOutputSpeed(int fd)
{
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return 0;
    return static_cast<int>(tio.c_ospeed);
}
