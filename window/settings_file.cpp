// Reading and writing the settings file.
#include "window/settings_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/shared_state.h"
#include "window/commands.h"
#include "window/control_table.h"

char settingsPath[limits::SettingsPathSize];

namespace {

constexpr char Bel = '\x07';
constexpr int SettingsLines = 20;
constexpr int TextLines = 32;

// A stored text back into a buffer: every pair of BEL bytes is a CR LF.
void storeText(char* buffer, const char* line) {
    int n = 0;
    for (const char* p = line; *p != '\0' && n < limits::TextSize - 1; ++p) {
        if (p[0] == Bel && p[1] == Bel) {
            if (n + 2 > limits::TextSize - 1) break;
            buffer[n++] = '\r';
            buffer[n++] = '\n';
            ++p;
        } else {
            buffer[n++] = *p;
        }
    }
    buffer[n] = '\0';
}

// A text onto one line: CR LF and a lone LF (the abort message ends in
// one) both become two BEL bytes, which read back as CR LF.
bool writeText(FILE* f, const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        if (p[0] == '\r' && p[1] == '\n') {
            if (fputc(Bel, f) == EOF || fputc(Bel, f) == EOF) return false;
            ++p;
        } else if (p[0] == '\n') {
            if (fputc(Bel, f) == EOF || fputc(Bel, f) == EOF) return false;
        } else if (fputc(*p, f) == EOF) {
            return false;
        }
    }
    return fputs("\r\n", f) != EOF;
}

void copyBuffer(int to, int from) {
    setText(textBuffers[to], textBuffers[from]);
}

}  // namespace

bool readSettingsLine(FILE* f, char* line, int size) {
    int c = fgetc(f);
    if (c == EOF) return false;
    int n = 0;
    while (c != EOF && c != '\n') {
        if (n < size - 1) line[n++] = static_cast<char>(c);
        c = fgetc(f);
    }
    if (n > 0 && line[n - 1] == '\r') --n;
    line[n] = '\0';
    return true;
}

int leadingSettingsInteger(const char* line) {
    errno = 0;
    long value = strtol(line, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool moveSettingsFileIntoPlace(const char* temporary, const char* path) {
    // rename() would do on Linux, but Windows' C library refuses to rename
    // onto an existing file: every save after the first would be lost.
    if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    remove(temporary);
    return false;
}

bool readSettingsFile(const char* path) {
    FILE* f = fopen(path, "rb");
    if (f == nullptr) return false;
    static char line[limits::TextSize];
    if (readSettingsLine(f, line, limits::TextSize)) {
        int count = leadingSettingsInteger(line);
        bool complete = true;
        for (int i = 0; i < count; ++i) {
            if (!readSettingsLine(f, line, limits::TextSize)) {
                complete = false;
                break;
            }
            if (i < SettingsLines) settingsField(i) = leadingSettingsInteger(line);
        }
        if (complete && readSettingsLine(f, line, limits::TextSize)) {
            int texts = leadingSettingsInteger(line);
            for (int i = 0; i < texts; ++i) {
                if (!readSettingsLine(f, line, limits::TextSize)) break;
                if (i < TextLines) storeText(textBuffers[i], line);
            }
            // Files of an older layout held the first lists in buffers 5 to 7.
            if (texts == 9 || texts == 10) {
                copyBuffer(10, 5);
                copyBuffer(11, 6);
                copyBuffer(12, 7);
            }
        }
    }
    fclose(f);
    return true;
}

bool writeSettingsFile(const char* path) {
    char temporary[limits::SettingsPathSize + 8];
    if (snprintf(temporary, sizeof temporary, "%s.new", path) >= static_cast<int>(sizeof temporary)) {
        return false;
    }
    FILE* f = fopen(temporary, "wb");
    if (f == nullptr) return false;
    bool ok = fprintf(f, "%d\r\n", SettingsLines) > 0;
    for (int i = 0; ok && i < SettingsLines; ++i) {
        ok = fprintf(f, "%d\r\n", static_cast<int>(settingsField(i))) > 0;
    }
    ok = ok && fprintf(f, "%d\r\n", TextLines) > 0;
    for (int i = 0; ok && i < TextLines; ++i) ok = writeText(f, textBuffers[i]);
    ok = fflush(f) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (ok) return moveSettingsFileIntoPlace(temporary, path);
    remove(temporary);
    return false;
}

void formSettingsPath() {
    char name[] = "Combinix.exe";
    DWORD n = GetFullPathNameA(name, limits::SettingsPathSize, settingsPath, nullptr);
    // Zero is failure; a value of the buffer size or more is the size the
    // path would need, which means it did not fit.
    if (n == 0 || n >= static_cast<DWORD>(limits::SettingsPathSize) || n < 3) {
        settingsPath[0] = '\0';
        return;
    }
    memcpy(settingsPath + n - 3, "ini", 3);
}

int firstStartLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? 0 : 1;
}

void loadSettings() {
    if (settingsPath[0] == '\0') return;
    readSettingsFile(settingsPath);
}

void checkLanguageAndShowLists() {
    // Only 0 and 1 have a caption column; anything else reads as Japanese.
    if (settings.language >= 2 || settings.language < 0) settings.language = 0;
    int t = settings.partType;
    if (t >= 0 && t <= 2) {
        copyBuffer(BufDisplayedList1, 10 + t);
        copyBuffer(BufDisplayedList2, 13 + t);
        copyBuffer(BufDisplayedList3, 16 + t);
    }
}

namespace {

int clampToInt(long long v) {
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

}  // namespace

void placeWindow(HWND mainWindow) {
    // In 64 bits: a hand-edited file may hold any 32-bit values.
    long long left = settings.windowLeft, top = settings.windowTop;
    long long width = static_cast<long long>(settings.windowRight) - left;
    long long height = static_cast<long long>(settings.windowBottom) - top;
    if (left + 200 > GetSystemMetrics(SM_CXVIRTUALSCREEN)) {
        settings.windowRight = clampToInt(width);
        settings.windowLeft = 0;
    }
    if (top + 150 > GetSystemMetrics(SM_CYVIRTUALSCREEN)) {
        settings.windowBottom = clampToInt(height);
        settings.windowTop = 0;
    }
    if (width > 5 && height > 5) {
        MoveWindow(mainWindow, settings.windowLeft, settings.windowTop, clampToInt(width),
                   clampToInt(height), TRUE);
    } else {
        SIZE size = defaultWindowSize();
        MoveWindow(mainWindow, settings.windowLeft, settings.windowTop, size.cx, size.cy,
                   TRUE);
    }
}

void saveSettings(HWND mainWindow) {
    captureInputs();
    RECT r;
    if (GetWindowRect(mainWindow, &r)) {
        settings.windowLeft = r.left;
        settings.windowTop = r.top;
        settings.windowRight = r.right;
        settings.windowBottom = r.bottom;
    }
    writeSettingsFile(settingsPath);
    PostQuitMessage(0);
}
