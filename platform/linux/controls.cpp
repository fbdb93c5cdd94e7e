// Controls: the procedures of the built-in classes "button", "static" and
// "edit", window texts, check marks and enabled states, and what a click or
// typing in the view turns into.
//
// Radio buttons and check boxes of the plain styles (BS_RADIOBUTTON,
// BS_CHECKBOX) never change their check mark by themselves: a click only
// tells the parent, which sets the mark with BM_SETCHECK. Only the AUTO
// styles change it on a click, as in Win32.
#include <cstring>

#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"

namespace {

using records::Builtin;

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

DWORD buttonType(HWND window) { return window->style & BS_TYPEMASK; }

void notifyCheck(HWND window) {
    const ViewHooks* hooks = viewHooks();
    if (hooks && hooks->checkChanged) hooks->checkChanged(window);
}

void setCheck(HWND window, int state) {
    if (window->check == state) return;
    window->check = state;
    notifyCheck(window);
}

// What a click does to the button itself before the parent hears of it.
void clickedOwnState(HWND button) {
    switch (buttonType(button)) {
    case BS_AUTOCHECKBOX:
        setCheck(button, button->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTORADIOBUTTON:
        for (PlatformWindow& sibling : records::windows) {
            if (sibling.inUse && &sibling != button && sibling.parent == button->parent &&
                sibling.builtin == Builtin::Button &&
                (sibling.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
                setCheck(&sibling, BST_UNCHECKED);
            }
        }
        setCheck(button, BST_CHECKED);
        break;
    default:
        break;
    }
}

bool clickable(HWND button) {
    return records::isLive(button) && button->builtin == Builtin::Button && button->enabled &&
           buttonType(button) != BS_GROUPBOX;
}

WPARAM commandParam(HWND window, int code) {
    return MAKEWPARAM(static_cast<WORD>(window->id), static_cast<WORD>(code));
}

struct EnableRequest {
    HWND window;
    BOOL enable;
};

}  // namespace

namespace records {

void storeText(HWND window, const char* text) {
    size_t n = 0;
    while (text[n] != '\0') {
        size_t size = (isLeadByte(static_cast<unsigned char>(text[n])) && text[n + 1] != '\0') ? 2 : 1;
        if (n + size > static_cast<size_t>(WindowTextSize - 1)) break;
        n += size;
    }
    memmove(window->text, text, n);
    window->text[n] = '\0';
}

LRESULT CALLBACK buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return window->check;
    case BM_SETCHECK:
        setCheck(window, static_cast<int>(wParam) == BST_CHECKED         ? BST_CHECKED
                         : static_cast<int>(wParam) == BST_INDETERMINATE ? BST_INDETERMINATE
                                                                         : BST_UNCHECKED);
        return 0;
    case BM_CLICK:
        if (clickable(window)) {
            clickedOwnState(window);
            SendMessageA(window->parent, WM_COMMAND, commandParam(window, BN_CLICKED),
                         reinterpret_cast<LPARAM>(window));
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace records

// ---- What the user did --------------------------------------------------

void viewButtonClicked(HWND button) {
    if (!clickable(button)) return;
    clickedOwnState(button);
    PostMessageA(button->parent, WM_COMMAND, commandParam(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void viewTextTyped(HWND edit, const char* text) {
    if (!records::isLive(edit) || !text) return;
    records::storeText(edit, text);
    if (records::isLive(edit->parent)) {
        PostMessageA(edit->parent, WM_COMMAND, commandParam(edit, EN_CHANGE),
                     reinterpret_cast<LPARAM>(edit));
    }
}

// ---- Texts and states ---------------------------------------------------

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (!window) return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextA(HWND window, LPSTR text, int maxCount) {
    if (!window || !text || maxCount <= 0) return 0;
    text[0] = '\0';
    return static_cast<int>(
        SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND window) {
    if (!window) return 0;
    return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL EnableWindow(HWND window, BOOL enable) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        // Carried out later on the main thread; whether the window was
        // disabled before is not known here.
        EnableRequest request{window, enable};
        records::postToMainThread(
            [](void* p) {
                EnableRequest* r = static_cast<EnableRequest*>(p);
                EnableWindow(r->window, r->enable);
            },
            &request, sizeof request);
        return FALSE;
    }
    if (!records::isLive(window)) return FALSE;
    bool wasDisabled = !window->enabled;
    bool now = enable != FALSE;
    if (window->enabled != now) {
        window->enabled = now;
        const ViewHooks* hooks = viewHooks();
        if (hooks && hooks->enabledChanged) hooks->enabledChanged(window);
        SendMessageA(window, WM_ENABLE, now ? TRUE : FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = IsWindowEnabled(window); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    return window->enabled ? TRUE : FALSE;
}
