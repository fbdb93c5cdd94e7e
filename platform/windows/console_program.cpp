// The command-line search on Windows: its arguments are taken from the wide
// command line as UTF-8, and its streams are made byte-exact.
//
// Standard output and error that are a console are relayed to it as
// UTF-16 by WriteConsoleW, which shows every character whatever the
// console's code page. Handing a console the UTF-8 bytes themselves (in
// code page 65001) shows them only on some Windows and under some Wine
// consoles, and then only when no write cuts a character in two, while the
// C library writes an unbuffered stream a byte at a time.
#include "platform/console_program.h"

#include <windows.h>

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Room for the longest command line Windows accepts (32767 UTF-16 units,
// at most 3 UTF-8 bytes each, plus a zero per argument).
constexpr int ArgumentStoreSize = 32768 * 4;
constexpr int MaxArguments = 16384;
char argumentStore[ArgumentStoreSize];
const char* arguments[MaxArguments + 1];

// ---- The relay to the console --------------------------------------------

constexpr DWORD RelayChunk = 4096;

// Both streams write into one pipe, so that they reach the console in the
// order they were written; one thread reads it.
HANDLE relayPipe = nullptr;
HANDLE relayConsole = nullptr;
HANDLE relayThread = nullptr;
bool relayingOutput = false;
bool relayingErrors = false;

// The length of `bytes` up to the last whole UTF-8 character: a sequence
// still lacking its continuation bytes waits for the next read.
DWORD wholeCharacters(const char* bytes, DWORD n) {
    for (DWORD back = 1; back <= 3 && back <= n; ++back) {
        unsigned char b = static_cast<unsigned char>(bytes[n - back]);
        if ((b & 0xC0) == 0x80) continue;
        DWORD announced = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return announced > back ? n - back : n;
    }
    return n;
}

void writeToConsole(const char* bytes, DWORD n) {
    static wchar_t wide[RelayChunk + 8];
    if (n == 0) return;
    int units = MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(n), wide, RelayChunk + 8);
    for (int done = 0; done < units;) {
        DWORD written = 0;
        if (!WriteConsoleW(relayConsole, wide + done, static_cast<DWORD>(units - done), &written,
                           nullptr) ||
            written == 0) {
            return;
        }
        done += static_cast<int>(written);
    }
}

DWORD WINAPI relayToConsole(void*) {
    static char bytes[RelayChunk + 4];
    DWORD kept = 0;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(relayPipe, bytes + kept, RelayChunk, &got, nullptr) || got == 0) break;
        DWORD n = kept + got;
        DWORD whole = wholeCharacters(bytes, n);
        writeToConsole(bytes, whole);
        kept = n - whole;
        memmove(bytes, bytes + whole, kept);
    }
    // A character cut short by the end shows as the replacement character.
    writeToConsole(bytes, kept);
    return 0;
}

bool isConsole(int fd) {
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode);
}

// At the end of the program: what the streams still hold goes into the
// pipe, closing them ends the pipe, and the thread has shown the rest.
void finishRelay() {
    fflush(stdout);
    fflush(stderr);
    if (relayingOutput) _close(_fileno(stdout));
    if (relayingErrors) _close(_fileno(stderr));
    WaitForSingleObject(relayThread, INFINITE);
}

void relayConsoleStreams() {
    bool out = isConsole(_fileno(stdout));
    bool err = isConsole(_fileno(stderr));
    if (!out && !err) return;
    // The console itself rather than the streams' handles, which the
    // redirection below closes.
    relayConsole = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                               nullptr);
    if (relayConsole == INVALID_HANDLE_VALUE) return;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&relayPipe, &writeEnd, nullptr, 0)) {
        CloseHandle(relayConsole);
        return;
    }
    int pipeFd = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), _O_BINARY);
    relayThread = pipeFd < 0 ? nullptr : CreateThread(nullptr, 0, relayToConsole, nullptr, 0, nullptr);
    if (relayThread == nullptr) {
        // Without the relay the streams stay as they are.
        if (pipeFd >= 0) {
            _close(pipeFd);
        } else {
            CloseHandle(writeEnd);
        }
        CloseHandle(relayPipe);
        CloseHandle(relayConsole);
        return;
    }
    relayingOutput = out && _dup2(pipeFd, _fileno(stdout)) == 0;
    relayingErrors = err && _dup2(pipeFd, _fileno(stderr)) == 0;
    _close(pipeFd);
    // Standard error stays unbuffered, as C has it.
    setvbuf(stderr, nullptr, _IONBF, 0);
    atexit(finishRelay);
}

}  // namespace

const char* const* startConsoleProgram(int argc, char** argv, int* count) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    relayConsoleStreams();

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
