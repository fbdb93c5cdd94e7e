// Helper of scripts/check-windows-under-wine, built into the Windows build:
// finds the running program's main window by its class and prints, for the
// control of a given row, its centre in screen coordinates, whether it is
// enabled, and its caption or text in UTF-8, each line break in it as the
// two characters "\n". The script clicks there, whatever metrics the font
// gives the layout. Given a LINE of a multi-line box, the point printed is
// inside that line instead, at its first character (exit status 1 when the
// line is not shown).
// Usage: control-position ROW [LINE]   (exit status 1 when there is no such control)
#include <cstdio>
#include <cstdlib>

#include "platform/code_page.h"
#include "platform/win32.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        fprintf(stderr, "usage: control-position ROW [LINE]\n");
        return 2;
    }
    HWND mainWindow = FindWindowA("Combinix", nullptr);
    HWND control = mainWindow ? GetDlgItem(mainWindow, atoi(argv[1])) : nullptr;
    RECT r;
    if (control == nullptr || !GetWindowRect(control, &r)) return 1;
    // WM_GETTEXT rather than GetWindowTextA, which reads only the captions
    // of another process's windows, not what its edit boxes hold.
    static char text[32000];
    static char utf8[sizeof text * 3];
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    cp932ToUtf8(text, utf8, sizeof utf8);
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    if (argc == 3) {
        // The top left of the line's first character, a little inside.
        LRESULT first = SendMessageA(control, EM_LINEINDEX, static_cast<WPARAM>(atoi(argv[2])), 0);
        LRESULT corner = first < 0 ? -1 : SendMessageA(control, EM_POSFROMCHAR, static_cast<WPARAM>(first), 0);
        if (corner == -1) return 1;
        at = POINT{static_cast<SHORT>(LOWORD(corner)) + 6, static_cast<SHORT>(HIWORD(corner)) + 6};
        ClientToScreen(control, &at);
    }
    printf("%ld %ld %d ", static_cast<long>(at.x), static_cast<long>(at.y), IsWindowEnabled(control) ? 1 : 0);
    for (const char* p = utf8; *p != '\0'; ++p) {
        if (*p == '\r' && p[1] == '\n') continue;
        if (*p == '\n') {
            fputs("\\n", stdout);
        } else {
            putchar(*p);
        }
    }
    putchar('\n');
    return 0;
}
