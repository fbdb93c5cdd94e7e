// main() of the desktop program on Linux: opens the view and hands over to
// WinMain. Without a display there is no window to show; the command-line
// search needs none.
#include <cstdio>

#include "platform/linux/view.h"
#include "platform/win32.h"

int main() {
    if (!startView()) {
        fprintf(stderr,
                "combinix: needs a graphical display (X11) and none could be opened; "
                "combinix-search searches without a window.\n");
        return 1;
    }
    // The program only hands its instance on to the windows it creates.
    static char instanceToken;
    static char commandLine[] = "";
    return WinMain(reinterpret_cast<HINSTANCE>(&instanceToken), nullptr, commandLine, SW_SHOWNORMAL);
}
