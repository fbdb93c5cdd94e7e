// Controls: the procedures of the built-in classes "button", "static" and
// "edit", window texts, check marks and enabled states, an edit box's
// selection and scrolling, and what a click or typing in the view turns
// into.
//
// Radio buttons and check boxes of the plain styles (BS_RADIOBUTTON,
// BS_CHECKBOX) never change their check mark by themselves: a click only
// tells the parent, which sets the mark with BM_SETCHECK. Only the AUTO
// styles change it on a click, as in Win32.
//
// An edit box keeps a selection (anchor and caret) and a first visible line
// (a one-line box: character). Setting its text puts the caret at the start
// and scrolls there, so that the box shows the beginning of its text, as a
// Win32 edit box does. On a display the widget moves caret and scroll by
// itself as the user works; the layer asks the view for them before it
// reads them, and for the character under a point (EM_CHARFROMPOS).
#include <cstring>

#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"

namespace {

using records::Builtin;

using records::isLeadByte;

// Lines a multi-line box scrolls for one notch of the wheel (Win32's
// default of SPI_GETWHEELSCROLLLINES).
constexpr int WheelLines = 3;

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

// ---- Edit boxes ---------------------------------------------------------

bool isMultiline(HWND edit) { return (edit->style & ES_MULTILINE) != 0; }

void tellView(void (*const ViewHooks::*hook)(HWND), HWND window) {
    const ViewHooks* hooks = viewHooks();
    if (hooks && hooks->*hook) (hooks->*hook)(window);
}

// `offset` within the text (a negative one counts as past the end, as
// Win32 reads it unsigned), moved back to the start of its character.
int textOffset(HWND edit, WPARAM offset) {
    int length = static_cast<int>(strlen(edit->text));
    long long wanted = static_cast<long long>(static_cast<int>(offset));
    if (wanted < 0 || wanted > length) return length;
    int at = 0;
    while (at < wanted) {
        int size = isLeadByte(static_cast<unsigned char>(edit->text[at])) && edit->text[at + 1] != '\0' ? 2 : 1;
        if (at + size > wanted) break;
        at += size;
    }
    return at;
}

int lineOf(HWND edit, int offset) {
    int line = 0;
    for (int i = 0; i < offset && edit->text[i] != '\0'; ++i) line += edit->text[i] == '\n' ? 1 : 0;
    return line;
}

// What the box can show, by the system font's metrics (headless; the view
// writes back what its widget really shows).
int visibleLines(HWND edit) {
    int line = records::systemFont.height + records::systemFont.externalLeading;
    int n = line > 0 ? records::clientHeight(edit) / line : 1;
    return n > 0 ? n : 1;
}

int visibleCharacters(HWND edit) {
    int width = records::systemFont.averageWidth;
    int n = width > 0 ? records::clientWidth(edit) / width : 1;
    return n > 0 ? n : 1;
}

// The first visible line (character) that keeps the caret in view.
int scrolledToCaret(HWND edit) {
    int first = edit->firstVisible;
    if (isMultiline(edit)) {
        int line = lineOf(edit, edit->selectionCaret);
        if (line < first) return line;
        if (line >= first + visibleLines(edit)) return line - visibleLines(edit) + 1;
        return first;
    }
    int caret = edit->selectionCaret;
    if (caret < first) return caret;
    if (caret > first + visibleCharacters(edit))
        return textOffset(edit, static_cast<WPARAM>(caret - visibleCharacters(edit)));
    return first;
}

void setSelection(HWND edit, WPARAM start, LPARAM end) {
    if (static_cast<int>(start) == -1) {
        edit->selectionAnchor = edit->selectionCaret;  // deselects, the caret stays
    } else {
        edit->selectionAnchor = textOffset(edit, start);
        edit->selectionCaret = textOffset(edit, static_cast<WPARAM>(end));
    }
    tellView(&ViewHooks::selectionChanged, edit);
}

LRESULT getSelection(HWND edit, WPARAM start, LPARAM end) {
    tellView(&ViewHooks::readEditState, edit);
    DWORD low = static_cast<DWORD>(edit->selectionAnchor < edit->selectionCaret ? edit->selectionAnchor
                                                                                : edit->selectionCaret);
    DWORD high = static_cast<DWORD>(edit->selectionAnchor < edit->selectionCaret ? edit->selectionCaret
                                                                                 : edit->selectionAnchor);
    if (start) *reinterpret_cast<DWORD*>(start) = low;
    if (end) *reinterpret_cast<DWORD*>(end) = high;
    return (low > 0xFFFF || high > 0xFFFF) ? -1 : MAKELONG(low, high);
}

// The start of line `line` (counted from 0, at most the last line) and its
// length without the line break.
int lineStart(HWND edit, int line, int* length) {
    const char* text = edit->text;
    int start = 0;
    for (int n = 0; n < line; ++n) {
        const char* end = strchr(text + start, '\n');
        if (!end) break;
        start = static_cast<int>(end - text) + 1;
    }
    int end = start;
    while (text[end] != '\0' && text[end] != '\n') ++end;
    if (end > start && text[end - 1] == '\r') --end;
    *length = end - start;
    return start;
}

// The character nearest client point (x, y) by the system font's metrics:
// the line under it from the first visible one, the column nearest it.
int estimatedCharAt(HWND edit, int x, int y) {
    int average = records::systemFont.averageWidth > 0 ? records::systemFont.averageWidth : 1;
    int column = (x > 0 ? x : 0) + average / 2;
    column /= average;
    int start = 0;
    int length = static_cast<int>(strlen(edit->text));
    if (isMultiline(edit)) {
        int height = records::systemFont.height + records::systemFont.externalLeading;
        int line = edit->firstVisible + (y > 0 && height > 0 ? y / height : 0);
        start = lineStart(edit, line, &length);
    } else {
        start = edit->firstVisible;
        length -= start;
    }
    return textOffset(edit, static_cast<WPARAM>(start + (column < length ? column : length)));
}

// EM_LINEINDEX: the first character of line `line` (-1: the caret's), -1
// for a line past the last one; a one-line box has line 0 only.
LRESULT lineIndex(HWND edit, WPARAM wParam) {
    tellView(&ViewHooks::readEditState, edit);
    int line = static_cast<int>(wParam);
    if (line == -1) line = isMultiline(edit) ? lineOf(edit, edit->selectionCaret) : 0;
    int lines = isMultiline(edit) ? lineOf(edit, static_cast<int>(strlen(edit->text))) + 1 : 1;
    if (line < 0 || line >= lines) return -1;
    int length = 0;
    return isMultiline(edit) ? lineStart(edit, line, &length) : 0;
}

// EM_LINELENGTH: the length of the line that holds character `wParam`,
// without its line break (a one-line box: its text).
LRESULT lineLength(HWND edit, WPARAM wParam) {
    int offset = static_cast<int>(wParam);
    int total = static_cast<int>(strlen(edit->text));
    if (!isMultiline(edit)) return total;
    if (offset < 0) return 0;
    int length = 0;
    lineStart(edit, lineOf(edit, offset < total ? offset : total), &length);
    return length;
}

// EM_CHARFROMPOS: the character in the low word, its line in the high word
// (always 0 in a one-line box).
LRESULT charFromPosition(HWND edit, LPARAM point) {
    int x = static_cast<SHORT>(LOWORD(point));
    int y = static_cast<SHORT>(HIWORD(point));
    int offset = 0;
    const ViewHooks* hooks = viewHooks();
    tellView(&ViewHooks::readEditState, edit);
    if (!isMultiline(edit) || !hooks || !hooks->editCharFromPoint || !hooks->editCharFromPoint(edit, x, y, &offset))
        offset = estimatedCharAt(edit, x, y);
    return MAKELONG(offset, isMultiline(edit) ? lineOf(edit, offset) : 0);
}

void scrollTo(HWND edit, int first) {
    if (first == edit->firstVisible) return;
    edit->firstVisible = first;
    tellView(&ViewHooks::editScrolled, edit);
}

// WM_MOUSEWHEEL over a multi-line box: three lines a notch, a part of a
// notch kept for the next turn, never past the first or the last line.
void turnWheel(HWND edit, int delta) {
    edit->wheelRemainder += delta;
    int notches = edit->wheelRemainder / WHEEL_DELTA;
    edit->wheelRemainder -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    tellView(&ViewHooks::readEditState, edit);
    int last = lineOf(edit, static_cast<int>(strlen(edit->text))) + 1 - visibleLines(edit);
    int first = edit->firstVisible - notches * WheelLines;
    if (first > last) first = last;
    if (first < 0) first = 0;
    scrollTo(edit, first);
}

}  // namespace

namespace records {

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

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
    switch (message) {
    case WM_SETTEXT:
        // Before the text goes in, so that the widget shows it from the
        // start.
        window->selectionAnchor = window->selectionCaret = 0;
        window->firstVisible = 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case EM_SETSEL:
        setSelection(window, wParam, lParam);
        return 0;
    case EM_GETSEL:
        return getSelection(window, wParam, lParam);
    case EM_SCROLLCARET:
        tellView(&ViewHooks::readEditState, window);
        scrollTo(window, scrolledToCaret(window));
        return TRUE;
    case EM_GETFIRSTVISIBLELINE:
        tellView(&ViewHooks::readEditState, window);
        return window->firstVisible;
    case EM_CHARFROMPOS:
        return charFromPosition(window, lParam);
    case EM_LINEINDEX:
        return lineIndex(window, wParam);
    case EM_LINELENGTH:
        return lineLength(window, wParam);
    case WM_MOUSEWHEEL:
        if (!isMultiline(window)) break;
        turnWheel(window, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    default:
        break;
    }
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

void viewEditDoubleClicked(HWND edit, int x, int y) {
    if (!records::isLive(edit) || edit->builtin != Builtin::Edit || !edit->enabled) return;
    PostMessageA(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
}

void viewTextTyped(HWND edit, const char* text) {
    if (!records::isLive(edit) || !text) return;
    records::storeText(edit, text);
    // Typing leaves the caret after what was typed, in view. The widget
    // shows that already: it is not told.
    if (edit->builtin == Builtin::Edit) {
        edit->selectionAnchor = edit->selectionCaret = static_cast<int>(strlen(edit->text));
        edit->firstVisible = scrolledToCaret(edit);
    }
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
        // A disabled window cannot keep the focus: nothing has it then.
        if (!now) records::dropFocus(window, false);
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
