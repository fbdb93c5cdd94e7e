// Helper of scripts/check-windows-under-wine, built into the Windows build:
// finds the running program's main window by its class and prints, for the
// control of a given row, its centre in screen coordinates, whether it is
// enabled, and its caption in UTF-8. The script clicks there, whatever
// metrics the system font gives the layout.
// Usage: control-position ROW   (exit status 1 when there is no such control)
#include <cstdio>
#include <cstdlib>

#include "platform/code_page.h"
#include "platform/win32.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: control-position ROW\n");
        return 2;
    }
    HWND mainWindow = FindWindowA("Combinix", nullptr);
    HWND control = mainWindow ? GetDlgItem(mainWindow, atoi(argv[1])) : nullptr;
    RECT r;
    if (control == nullptr || !GetWindowRect(control, &r)) return 1;
    char caption[256];
    char utf8[1024];
    GetWindowTextA(control, caption, sizeof caption);
    cp932ToUtf8(caption, utf8, sizeof utf8);
    printf("%ld %ld %d %s\n", static_cast<long>((r.left + r.right) / 2),
           static_cast<long>((r.top + r.bottom) / 2), IsWindowEnabled(control) ? 1 : 0, utf8);
    return 0;
}
