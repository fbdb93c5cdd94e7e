// The command-line search on Windows: its arguments are taken from the wide
// command line as UTF-8, and its streams are made byte-exact.
#include "platform/console_program.h"

#include "platform/win32.h"

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Room for the longest command line Windows accepts (32767 UTF-16 units,
// at most 3 UTF-8 bytes each, plus a zero per argument).
constexpr int ArgumentStoreSize = 32768 * 4;
constexpr int MaxArguments = 16384;
char argumentStore[ArgumentStoreSize];
const char* arguments[MaxArguments + 1];

UINT consoleCodePage;

void restoreConsoleCodePage() { SetConsoleOutputCP(consoleCodePage); }

}  // namespace

const char* const* startConsoleProgram(int argc, char** argv, int* count) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    // A console shows what it is given in its output code page; the program
    // prints UTF-8. The console's own code page is given back at the end,
    // since the console outlives the program.
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        atexit(restoreConsoleCodePage);
    }

    int wideCount = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    if (wide == nullptr || wideCount > MaxArguments) {
        if (wide != nullptr) LocalFree(wide);
        *count = argc;
        return argv;
    }
    int used = 0;
    for (int i = 0; i < wideCount; ++i) {
        int n = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argumentStore + used,
                                    ArgumentStoreSize - used, nullptr, nullptr);
        if (n <= 0) {
            // Cannot happen within the store's size; the ANSI arguments
            // rather than cut ones.
            LocalFree(wide);
            *count = argc;
            return argv;
        }
        arguments[i] = argumentStore + used;
        used += n;
    }
    arguments[wideCount] = nullptr;
    LocalFree(wide);
    *count = wideCount;
    return arguments;
}

namespace {

// The wide form of a file name given in UTF-8; null when it is no UTF-8.
const wchar_t* wideNameOf(const char* utf8Name) {
    static wchar_t wideName[32768];
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Name, -1, wideName, 32768) <= 0) {
        return nullptr;
    }
    return wideName;
}

}  // namespace

FILE* openArgumentFile(const char* utf8Name, const char* mode) {
    const wchar_t* wideName = wideNameOf(utf8Name);
    wchar_t wideMode[8];
    if (wideName == nullptr || MultiByteToWideChar(CP_UTF8, 0, mode, -1, wideMode, 8) <= 0) {
        return nullptr;
    }
    return _wfopen(wideName, wideMode);
}

bool makeArgumentDirectory(const char* utf8Name) {
    const wchar_t* wideName = wideNameOf(utf8Name);
    if (wideName == nullptr) return false;
    if (_wmkdir(wideName) == 0) return true;
    DWORD attributes = GetFileAttributesW(wideName);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
