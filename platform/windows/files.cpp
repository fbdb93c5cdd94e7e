// Files named in code page 932: the settings file's path is formed, opened
// and renamed through the wide calls, so that a folder named in Japanese is
// found on any Windows.
#include "platform/windows/wide_calls.h"
#include "platform/windows/wide_text.h"

#include <cstring>
#include <cwchar>

namespace {

// Win32's longest path, in UTF-16 units with the zero.
constexpr int PathUnits = 32768;

// The start of the last component of a CP932 path, whose second bytes may
// be 0x5C, the backslash.
char* lastComponent(char* path) {
    char* start = path;
    int left = static_cast<int>(strlen(path));
    for (char* p = path; left > 0;) {
        wchar_t wide[2];
        int units = 0;
        int n = readCp932Character(reinterpret_cast<unsigned char*>(p), left, wide, &units);
        p += n;
        left -= n;
        if (n == 1 && (p[-1] == '\\' || p[-1] == '/')) start = p;
    }
    return start;
}

}  // namespace

DWORD platformGetFullPathName(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart) {
    if (fileName == nullptr) return 0;
    wchar_t name[PathUnits];
    wchar_t full[PathUnits];
    cp932ToWide(fileName, -1, name, PathUnits);
    DWORD units = GetFullPathNameW(name, PathUnits, full, nullptr);
    if (units == 0 || units >= static_cast<DWORD>(PathUnits)) return 0;
    const wchar_t* path = full;
    bool whole = true;
    int length = cp932LengthOf(full, static_cast<int>(units), &whole);
    // A folder whose name code page 932 cannot hold ("Jürgen" on a German
    // Windows) has no full path in it. The name as given, relative to the
    // current folder, which the program never changes, reaches the same
    // file, where a "?" in its place would name none.
    if (!whole) {
        path = name;
        length = cp932LengthOf(name, -1, &whole);
    }
    // Win32: the size needed, with the zero, when the buffer is too small.
    if (buffer == nullptr || static_cast<DWORD>(length) >= bufferLength) {
        return static_cast<DWORD>(length) + 1;
    }
    wideToCp932(path, -1, buffer, static_cast<int>(bufferLength));
    if (filePart != nullptr) *filePart = lastComponent(buffer);
    return static_cast<DWORD>(length);
}

BOOL platformMoveFileEx(LPCSTR existingName, LPCSTR newName, DWORD flags) {
    if (existingName == nullptr) return FALSE;
    wchar_t from[PathUnits];
    wchar_t to[PathUnits];
    cp932ToWide(existingName, -1, from, PathUnits);
    if (newName != nullptr) cp932ToWide(newName, -1, to, PathUnits);
    return MoveFileExW(from, newName ? to : nullptr, flags);
}

FILE* platformOpenFile(const char* name, const char* mode) {
    if (name == nullptr || mode == nullptr) return nullptr;
    wchar_t wideName[PathUnits];
    wchar_t wideMode[16];
    cp932ToWide(name, -1, wideName, PathUnits);
    cp932ToWide(mode, -1, wideMode, 16);
    return _wfopen(wideName, wideMode);
}
