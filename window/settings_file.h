// The settings file: every Settings field and every text buffer, kept
// between runs in "Combinix.ini" in the current directory. Read once when
// the window is created, written once when it is destroyed; neither ever
// reports anything to the user.
//
// Layout, one item a line, lines ending in CR LF: the count 20, the twenty
// Settings fields, the count 32, the thirty-two texts. A line break inside a
// text is stored as two BEL bytes so that every text stays on one line.
#pragma once

#include <cstdio>

#include "engine/limits.h"
#include "platform/win32.h"


// Full path of the settings file; empty when it could not be formed, and
// then the file is neither read nor written.
extern char settingsPath[limits::SettingsPathSize];

// Forms settingsPath from "Combinix.exe" in the current directory.
void formSettingsPath();

// The language of a first start, before any settings file is read: the
// user's (GetUserDefaultUILanguage), Japanese (0) for a Japanese user and
// English (1) for any other. A settings file's language then wins.
int firstStartLanguage();

// Reads the file at settingsPath into Settings and TextBuffers, as far as
// it goes. A missing or short file leaves the values it does not reach.
void loadSettings();

// After loading: a language the captions do not have becomes Japanese, and
// the displayed lists (buffers 5 to 7) show the stored lists of partType.
void checkLanguageAndShowLists();

// Restores the saved window rectangle, pulled back onto the virtual screen
// and replaced by the default size when it is too small.
void placeWindow(HWND mainWindow);

// Captures the boxes, writes the file and posts the quit request. The file
// is written beside the old one and renamed over it, so a failed save leaves
// the previous file intact.
void saveSettings(HWND mainWindow);

// The file itself, for the two functions above and for tests.
bool readSettingsFile(const char* path);
bool writeSettingsFile(const char* path);

// What the Pair window's settings file shares with this one:
// Reads one line into `line` (at most `size` - 1 bytes are kept; the rest
// of a longer line is passed over, so the next read starts on the next
// line). The line end, LF or CR LF, is not kept. False at the end of the
// file.
bool readSettingsLine(FILE* f, char* line, int size);
// The leading decimal integer of a line, 0 when there is none; values
// beyond 32 bits are held at the nearest end.
int leadingSettingsInteger(const char* line);
// Moves a file written in full at `temporary` over `path`; false, with
// the temporary file removed, when it cannot.
bool moveSettingsFileIntoPlace(const char* temporary, const char* path);
