// Windows, controls and their texts in code page 932, through the wide
// calls: the program's class and windows, and the "button", "static" and
// "edit" controls, are Unicode windows, so an edit box holds what the user
// types or pastes in any script, and the program reads it back in code
// page 932, "?" for what that code page lacks.
#include "platform/windows/layer_font.h"
#include "platform/windows/wide_calls.h"
#include "platform/windows/wide_text.h"

#include <climits>

namespace {

// A CP932 text in UTF-16, on the caller's stack: the calls run on the
// search worker too, so no buffer is shared.
template <int Units>
class Wide {
public:
    explicit Wide(const char* text) { cp932ToWide(text ? text : "", -1, units_, Units); }
    const wchar_t* get() const { return units_; }

private:
    wchar_t units_[Units];
};
using WideText = Wide<WideTextUnits>;

// A class name (Win32 keeps at most 256 characters of one), or an atom
// passed in its place.
class WideClassName {
public:
    explicit WideClassName(const char* name) : text_(IS_INTRESOURCE(name) ? "" : name), name_(name) {}
    const wchar_t* get() const {
        if (name_ == nullptr) return nullptr;
        return IS_INTRESOURCE(name_) ? reinterpret_cast<const wchar_t*>(name_) : text_.get();
    }

private:
    Wide<257> text_;
    const char* name_;
};

// A window's text in code page 932 into `text` (room for maxCount bytes
// with the zero); its length. WM_GETTEXT asks the window itself, even in
// another process, where GetWindowTextW reads only the caption the system
// keeps (none for an edit box).
int windowTextInCp932(HWND window, char* text, int maxCount, bool byMessage) {
    if (text == nullptr || maxCount <= 0) return 0;
    wchar_t wide[WideTextUnits];
    int units = byMessage ? static_cast<int>(SendMessageW(window, WM_GETTEXT, WideTextUnits,
                                                          reinterpret_cast<LPARAM>(wide)))
                          : GetWindowTextW(window, wide, WideTextUnits);
    if (units < 0 || units >= WideTextUnits) units = 0;
    return wideToCp932(wide, units, text, maxCount);
}

}  // namespace

ATOM platformRegisterClass(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr) return 0;
    WideClassName className(windowClass->lpszClassName);
    WideClassName menuName(windowClass->lpszMenuName);
    WNDCLASSW wide{};
    wide.style = windowClass->style;
    wide.lpfnWndProc = windowClass->lpfnWndProc;
    wide.cbClsExtra = windowClass->cbClsExtra;
    wide.cbWndExtra = windowClass->cbWndExtra;
    wide.hInstance = windowClass->hInstance;
    wide.hIcon = windowClass->hIcon;
    wide.hCursor = windowClass->hCursor;
    wide.hbrBackground = windowClass->hbrBackground;
    wide.lpszMenuName = menuName.get();
    wide.lpszClassName = className.get();
    return RegisterClassW(&wide);
}

HWND platformCreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    WideClassName wideClass(className);
    WideText wideName(windowName);
    HWND window = CreateWindowExW(exStyle, wideClass.get(), windowName ? wideName.get() : nullptr,
                                  style, x, y, width, height, parent, menu, instance, param);
    // A control draws in the font it is given, else in the system font.
    if (window != nullptr && (style & WS_CHILD) != 0) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(layerFont()), FALSE);
    }
    return window;
}

LRESULT platformSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT: {
        if (lParam == 0) return SendMessageW(window, message, wParam, 0);
        WideText text(reinterpret_cast<const char*>(lParam));
        return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(text.get()));
    }
    case WM_GETTEXT:
        return windowTextInCp932(window, reinterpret_cast<char*>(lParam),
                                 static_cast<int>(wParam > INT_MAX ? INT_MAX : wParam), true);
    case WM_GETTEXTLENGTH:
        return platformGetWindowTextLength(window);
    default:
        return SendMessageW(window, message, wParam, lParam);
    }
}

BOOL platformSetWindowText(HWND window, LPCSTR text) {
    if (text == nullptr) return SetWindowTextW(window, nullptr);
    WideText wide(text);
    return SetWindowTextW(window, wide.get());
}

int platformGetWindowText(HWND window, LPSTR text, int maxCount) {
    return windowTextInCp932(window, text, maxCount, false);
}

int platformGetWindowTextLength(HWND window) {
    wchar_t wide[WideTextUnits];
    int units = GetWindowTextW(window, wide, WideTextUnits);
    bool whole = true;
    return cp932LengthOf(wide, units, &whole);
}
