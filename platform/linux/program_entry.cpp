// main() of the desktop program on Linux: opens the view and hands over to
// WinMain. Without a display there is no window to show; the command-line
// search needs none. The window takes no arguments; --version alone says
// which program it is and its licence, as combinix-search's does.
#include <cstdio>
#include <cstring>

#include "platform/linux/view.h"
#include "platform/win32.h"

int main(int argc, char** argv) {
    if (argc == 2 && strcmp(argv[1], "--version") == 0) {
        fputs("combinix (Combinix) " COMBINIX_VERSION "\n"
              "MIT License: free to use, change and pass on, with no warranty.\n",
              stdout);
        return 0;
    }
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
