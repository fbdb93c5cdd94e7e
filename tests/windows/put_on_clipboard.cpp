// Helper of scripts/check-windows-under-wine, built into the Windows build:
// puts the UTF-8 text of a file on the clipboard as Unicode text, as a
// Windows program the user copies from would, LF line ends made CR LF. The
// script then pastes it into the program's boxes with Ctrl+V.
// Usage: put-on-clipboard FILE   (exit status 1 when that fails)
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: put-on-clipboard FILE\n");
        return 2;
    }
    static char utf8[16384];
    static char lines[sizeof utf8 * 2];
    FILE* f = fopen(argv[1], "rb");
    if (f == nullptr) return 1;
    size_t n = fread(utf8, 1, sizeof utf8 - 1, f);
    fclose(f);
    utf8[n] = '\0';
    size_t used = 0;
    for (size_t i = 0; i < n; ++i) {
        if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) lines[used++] = '\r';
        lines[used++] = utf8[i];
    }
    lines[used] = '\0';
    int units = MultiByteToWideChar(CP_UTF8, 0, lines, -1, nullptr, 0);
    HGLOBAL memory = units > 0 ? GlobalAlloc(GMEM_MOVEABLE, units * sizeof(wchar_t)) : nullptr;
    if (memory == nullptr) return 1;
    MultiByteToWideChar(CP_UTF8, 0, lines, -1, static_cast<wchar_t*>(GlobalLock(memory)), units);
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr)) return 1;
    EmptyClipboard();
    bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return put ? 0 : 1;
}
