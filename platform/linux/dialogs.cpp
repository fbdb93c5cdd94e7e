// Dialogs and the system: message boxes, system metrics, full path names,
// moving a file over another, and the stock icon and cursor.
//
// A message box is modal: the view shows it and keeps serving other threads'
// requests while it is open. Headless, a box takes the next answer a test
// queued (or the cautious one: No, Cancel, OK) and is remembered for the
// test to read.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"

namespace records {

int headlessScreenWidth = 1920;
int headlessScreenHeight = 1080;

}  // namespace records

namespace {

constexpr int MaxAnswers = 16;
constexpr int RememberedTextSize = 1024;

int answers[MaxAnswers];
int answerCount = 0;
int boxCount = 0;
char lastText[RememberedTextSize];
char lastCaption[RememberedTextSize];
UINT lastType = 0;

int headlessAnswer(UINT type) {
    if (answerCount > 0) {
        int answer = answers[0];
        for (int i = 1; i < answerCount; ++i) answers[i - 1] = answers[i];
        --answerCount;
        return answer;
    }
    switch (type & MB_TYPEMASK) {
    case MB_YESNO: return IDNO;
    case MB_OKCANCEL: return IDCANCEL;
    default: return IDOK;
    }
}

// Stock resources need no storage: a fixed non-null handle stands for each.
PlatformIcon* stockResource() {
    static char token;
    return reinterpret_cast<PlatformIcon*>(&token);
}

}  // namespace

namespace records {

void resetDialogs() {
    answerCount = 0;
    boxCount = 0;
    lastText[0] = '\0';
    lastCaption[0] = '\0';
    lastType = 0;
    headlessScreenWidth = 1920;
    headlessScreenHeight = 1080;
}

void queueBoxAnswer(int answer) {
    if (answerCount < MaxAnswers) answers[answerCount++] = answer;
}
int boxesShown() { return boxCount; }
const char* lastBoxText() { return lastText; }
const char* lastBoxCaption() { return lastCaption; }
UINT lastBoxType() { return lastType; }

}  // namespace records

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (!records::onMainThread()) {
        int result = 0;
        auto call = [&] { result = MessageBoxA(owner, text, caption, type); };
        records::waitForMainThread(call);
        return result;
    }
    if (!text) text = "";
    if (!caption) caption = "Error";
    ++boxCount;
    snprintf(lastText, sizeof lastText, "%s", text);
    snprintf(lastCaption, sizeof lastCaption, "%s", caption);
    lastType = type;
    const ViewHooks* hooks = viewHooks();
    if (hooks && hooks->messageBox) return hooks->messageBox(records::isLive(owner) ? owner : nullptr, text, caption, type);
    return headlessAnswer(type);
}

int GetSystemMetrics(int index) {
    int width = records::headlessScreenWidth;
    int height = records::headlessScreenHeight;
    const ViewHooks* hooks = viewHooks();
    if (hooks && hooks->screenSize && records::onMainThread()) hooks->screenSize(&width, &height);
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return width;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return height;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return records::ScrollBarSize;
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN: return 0;
    default: return 0;
    }
}

// The name resolved against the current directory. As in Win32: the length
// of the path on success, the size needed (with the zero byte) when the
// buffer is too small, and 0 on failure; nothing is written beyond the
// buffer.
DWORD GetFullPathNameA(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart) {
    if (!fileName || fileName[0] == '\0') return 0;
    char path[4096];
    if (fileName[0] == '/') {
        if (snprintf(path, sizeof path, "%s", fileName) >= static_cast<int>(sizeof path)) return 0;
    } else {
        char directory[4096];
        if (!getcwd(directory, sizeof directory)) return 0;
        const char* separator = directory[strlen(directory) - 1] == '/' ? "" : "/";
        if (snprintf(path, sizeof path, "%s%s%s", directory, separator, fileName) >= static_cast<int>(sizeof path))
            return 0;
    }
    size_t length = strlen(path);
    if (!buffer || length + 1 > bufferLength) return static_cast<DWORD>(length + 1);
    memcpy(buffer, path, length + 1);
    if (filePart) {
        char* slash = strrchr(buffer, '/');
        *filePart = (slash && slash[1] != '\0') ? slash + 1 : nullptr;
    }
    return static_cast<DWORD>(length);
}

BOOL MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags) {
    if (!existingName || !newName) return FALSE;
    // rename() always replaces; without the flag Win32 keeps an existing file.
    if (!(flags & MOVEFILE_REPLACE_EXISTING) && access(newName, F_OK) == 0) return FALSE;
    return rename(existingName, newName) == 0 ? TRUE : FALSE;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR) { return instance ? nullptr : stockResource(); }

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR) { return instance ? nullptr : stockResource(); }
