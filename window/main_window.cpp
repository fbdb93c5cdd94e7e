// The main window's class and its window procedure.
//
// Window creation measures the layout units, fills the built-in texts,
// shows the stored lists of the current part type in the list boxes, creates
// and labels the controls and gives the window its default size. Painting,
// resizing and scrolling go to the control table and to scrolling; a click
// repaints the window. Every message handled here returns 0; the rest go to
// DefWindowProcA.
#include "window/main_window.h"

#include "control/builtin_lists.h"
#include "control/shared_state.h"
#include "window/control_table.h"
#include "window/scrolling.h"

const char MainWindowClass[] = "Combinix";
const char MainWindowCaption[] =
    "Combinix : "
    "\x83\x70\x81\x5b\x83\x63\x82\xcc\x91\x67\x8d\x87\x82\xb9\x92\x54\x8d\xf5" /* パーツの組合せ探索 */
    " R1.20";

namespace {

// The list boxes show List 1 to 3 of the current part type (buffers 5 to 7
// are copies of 10 + t, 13 + t and 16 + t); an unknown part type leaves them
// as they are.
void selectDisplayedLists() {
    int partType = settings.partType;
    if (partType < 0 || partType > 2) return;
    for (int list = 0; list < 3; ++list) {
        setText(textBuffers[BufDisplayedList1 + list], textBuffers[storedListBuffer(list, partType)]);
    }
}

void onCreate(HWND window, const CREATESTRUCTA* create) {
    measureUnits(window);
    fillDefaultTexts();
    selectDisplayedLists();
    createControls(window, create ? create->hInstance : nullptr);
    applyCaptions();
    SIZE size = defaultWindowSize();
    MoveWindow(window, 0, 0, size.cx, size.cy, TRUE);
}

}  // namespace

ATOM registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = MainWindowClass;
    return RegisterClassA(&windowClass);
}

HWND createMainWindow(HINSTANCE instance) {
    return CreateWindowExA(0, MainWindowClass, MainWindowCaption, MainWindowStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        onSize(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        paintWindow(window);
        return 0;
    case WM_COMMAND:
        // Only clicks (notification code 0) count; the edit boxes' change
        // and focus notifications are ignored without a repaint.
        if (HIWORD(wParam) == BN_CLICKED) InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_HSCROLL:
        onHScroll(window, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        onVScroll(window, LOWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
