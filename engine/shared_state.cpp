// Storage of the shared stores and their bounded text writes.
#include "engine/shared_state.h"

#include <cstring>

#include "engine/recorder.h"
#include "engine/stock_list.h"

Settings settings;
char textBuffers[limits::TextBufferCount][limits::TextSize];
char (&resultText)[limits::TextSize] = textBuffers[BufResult];
char (&statusText)[limits::TextSize] = textBuffers[BufStatus];

namespace {

std::atomic<int32_t> Settings::* const fieldTable[limits::SettingsCount] = {
    &Settings::language,   &Settings::windowLeft,   &Settings::windowTop,
    &Settings::windowRight, &Settings::windowBottom, &Settings::reserved5,
    &Settings::reserved6,  &Settings::reserved7,    &Settings::reserved8,
    &Settings::matchCount, &Settings::partType,     &Settings::showAll,
    &Settings::parallelOnly, &Settings::listSelection, &Settings::reserved14,
    &Settings::reserved15, &Settings::reserved16,   &Settings::reserved17,
    &Settings::reserved18, &Settings::reserved19,
};

std::atomic<int32_t> outOfRangeField{0};

}  // namespace

std::atomic<int32_t>& settingsField(int n) {
    if (n < 0 || n >= limits::SettingsCount) {
        outOfRangeField = 0;
        return outOfRangeField;
    }
    return settings.*fieldTable[n];
}

void setTextN(char* buffer, const char* text, int length) {
    int n = 0;
    while (n < length && n < limits::TextSize - 1 && text[n] != '\0') {
        buffer[n] = text[n];
        ++n;
    }
    buffer[n] = '\0';
}

void setText(char* buffer, const char* text) {
    setTextN(buffer, text, limits::TextSize - 1);
}

int appendTextN(char* buffer, const char* text, int length) {
    int used = static_cast<int>(strnlen(buffer, limits::TextSize - 1));
    int n = 0;
    while (n < length && text[n] != '\0') {
        if (used + n >= limits::TextSize - 1) {
            buffer[used + n] = '\0';
            return -1;
        }
        buffer[used + n] = text[n];
        ++n;
    }
    buffer[used + n] = '\0';
    return 0;
}

void appendText(char* buffer, const char* text) {
    appendTextN(buffer, text, limits::TextSize);
}

void resetSharedState() {
    for (int n = 0; n < limits::SettingsCount; ++n) settingsField(n) = 0;
    for (auto& buffer : textBuffers) buffer[0] = '\0';
    partOptions = PartOptions{};
    for (StockLineNotes& notes : stockNotes) notes = StockLineNotes{};
}
