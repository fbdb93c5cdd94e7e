// Reading and writing the Pair window's settings file.
#include "window/pair_settings.h"

#include <cstdio>
#include <cstring>

#include "window/settings_file.h"

char pairSettingsPath[limits::SettingsPathSize];

namespace {

const char MainName[] = "Combinix.ini";
const char PairName[] = "CombinixPair.ini";

// A box's text onto one line: a line break pasted into a one-line box
// would split it, and becomes a blank.
bool writeLine(FILE* f, const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        char c = *p == '\r' || *p == '\n' ? ' ' : *p;
        if (fputc(c, f) == EOF) return false;
    }
    return fputs("\r\n", f) != EOF;
}

}  // namespace

void formPairSettingsPath() {
    pairSettingsPath[0] = '\0';
    size_t n = strlen(settingsPath);
    const size_t name = sizeof MainName - 1;
    if (n < name || strcmp(settingsPath + n - name, MainName) != 0) return;
    size_t folder = n - name;
    if (folder + sizeof PairName > sizeof pairSettingsPath) return;
    memcpy(pairSettingsPath, settingsPath, folder);
    memcpy(pairSettingsPath + folder, PairName, sizeof PairName);
}

bool readPairSettingsFile(const char* path, PairInputs* inputs) {
    FILE* f = fopen(path, "rb");
    if (f == nullptr) return false;
    char line[PairInputTextSize * 2];
    if (readSettingsLine(f, line, sizeof line)) {
        int count = leadingSettingsInteger(line);
        bool complete = true;
        for (int i = 0; i < count; ++i) {
            if (!readSettingsLine(f, line, sizeof line)) {
                complete = false;
                break;
            }
            if (i < PairFieldCount) inputs->fields[i] = leadingSettingsInteger(line);
        }
        if (complete && readSettingsLine(f, line, sizeof line)) {
            int texts = leadingSettingsInteger(line);
            for (int i = 0; i < texts; ++i) {
                if (!readSettingsLine(f, line, sizeof line)) break;
                if (i < PairTextCount) setPairText(inputs, i, line);
            }
        }
    }
    fclose(f);
    checkPairInputs(inputs);
    return true;
}

bool writePairSettingsFile(const char* path, const PairInputs& inputs) {
    if (path[0] == '\0') return false;
    char temporary[limits::SettingsPathSize + 8];
    if (snprintf(temporary, sizeof temporary, "%s.new", path) >= static_cast<int>(sizeof temporary)) return false;
    FILE* f = fopen(temporary, "wb");
    if (f == nullptr) return false;
    bool ok = fprintf(f, "%d\r\n", PairFieldCount) > 0;
    for (int i = 0; ok && i < PairFieldCount; ++i) ok = fprintf(f, "%d\r\n", static_cast<int>(inputs.fields[i])) > 0;
    ok = ok && fprintf(f, "%d\r\n", PairTextCount) > 0;
    for (int i = 0; ok && i < PairTextCount; ++i) ok = writeLine(f, inputs.texts[i]);
    ok = fflush(f) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (ok) return moveSettingsFileIntoPlace(temporary, path);
    remove(temporary);
    return false;
}
