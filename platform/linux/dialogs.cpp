// Dialogs and the system: message boxes and the language of their buttons,
// system metrics, full path names, moving a file over another, the stock
// icon and cursor, and the program's icon.
//
// A message box is modal: the view shows it and keeps serving other threads'
// requests while it is open. Headless, a box takes the next answer a test
// queued (or the cautious one: No, Cancel, OK) and is remembered for the
// test to read. Its buttons are captioned in the calling thread's UI
// language (SetThreadUILanguage), as a Windows with that language shows
// them: Japanese, or English for any other.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"
#include "platform/program_resources.h"

namespace records {

int headlessScreenWidth = 1920;
int headlessScreenHeight = 1080;

}  // namespace records

namespace {

constexpr int MaxAnswers = 16;
constexpr int RememberedTextSize = 1024;
constexpr int MaxButtons = 2;
constexpr int ButtonCaptionSize = 32;

const LANGID English = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Per thread, as in Win32; a thread that set none has English.
thread_local LANGID uiLanguage = English;

// The captions of the buttons, left to right, by box type.
struct ButtonCaptions {
    const char* yesNo[MaxButtons];
    const char* okCancel[MaxButtons];
    const char* ok;
};

const ButtonCaptions englishButtons = {{"Yes", "No"}, {"OK", "Cancel"}, "OK"};
const ButtonCaptions japaneseButtons = {
    {"\x82\xcd\x82\xa2" /* はい */, "\x82\xa2\x82\xa2\x82\xa6" /* いいえ */},
    {"OK", "\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b" /* キャンセル */},
    "OK",
};

int answers[MaxAnswers];
int answerCount = 0;
int boxCount = 0;
char lastText[RememberedTextSize];
char lastCaption[RememberedTextSize];
UINT lastType = 0;
char lastButtons[MaxButtons][ButtonCaptionSize];

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

// The buttons of a box of `type` in `language`; returns how many.
int buttonsOf(UINT type, LANGID language, const char* buttons[MaxButtons]) {
    const ButtonCaptions& captions =
        PRIMARYLANGID(language) == LANG_JAPANESE ? japaneseButtons : englishButtons;
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
        buttons[0] = captions.yesNo[0];
        buttons[1] = captions.yesNo[1];
        return 2;
    case MB_OKCANCEL:
        buttons[0] = captions.okCancel[0];
        buttons[1] = captions.okCancel[1];
        return 2;
    default:
        buttons[0] = captions.ok;
        return 1;
    }
}

int showBox(HWND owner, const char* text, const char* caption, UINT type, LANGID language) {
    if (!text) text = "";
    if (!caption) caption = "Error";
    const char* buttons[MaxButtons] = {};
    int count = buttonsOf(type, language, buttons);
    ++boxCount;
    snprintf(lastText, sizeof lastText, "%s", text);
    snprintf(lastCaption, sizeof lastCaption, "%s", caption);
    lastType = type;
    for (int i = 0; i < MaxButtons; ++i)
        snprintf(lastButtons[i], sizeof lastButtons[i], "%s", i < count ? buttons[i] : "");
    const ViewHooks* hooks = viewHooks();
    if (hooks && hooks->messageBox)
        return hooks->messageBox(records::isLive(owner) ? owner : nullptr, text, caption, type, buttons, count);
    return headlessAnswer(type);
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
    for (char* button : lastButtons) button[0] = '\0';
    uiLanguage = English;
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
const char* lastBoxButton(int n) { return n >= 0 && n < MaxButtons ? lastButtons[n] : ""; }

}  // namespace records

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    // Shown by the main thread, in the language of the thread that asks.
    LANGID language = uiLanguage;
    if (!records::onMainThread()) {
        int result = 0;
        auto call = [&] { result = showBox(owner, text, caption, type, language); };
        records::waitForMainThread(call);
        return result;
    }
    return showBox(owner, text, caption, type, language);
}

LANGID SetThreadUILanguage(LANGID language) {
    // 0 asks for the default, which is English here.
    uiLanguage = language != 0 ? language : English;
    return uiLanguage;
}

LANGID GetThreadUILanguage() { return uiLanguage; }

LANGID GetUserDefaultUILanguage() {
    // The locale's messages category, as the C library would choose it.
    const char* locale = nullptr;
    static const char* const categories[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (const char* name : categories) {
        const char* value = getenv(name);
        if (value && value[0] != '\0') {
            locale = value;
            break;
        }
    }
    // "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP@variant".
    bool japanese = locale && strncmp(locale, "ja", 2) == 0 &&
                    (locale[2] == '\0' || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
    return japanese ? MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN) : English;
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

namespace records {

HICON programIcon() {
    static char token;
    return reinterpret_cast<PlatformIcon*>(&token);
}

}  // namespace records

// The program is the only module: its instance holds the one icon resource
// it carries; a null instance the stock icons, each of them the same here.
HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (!instance) return stockResource();
    return name == MAKEINTRESOURCEA(ProgramIconResource) ? records::programIcon() : nullptr;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR) { return instance ? nullptr : stockResource(); }
