// The main window's class and its window procedure.
//
// Window creation measures the layout units, fills the built-in texts, reads
// the settings file and the Pair window's, shows the stored lists of the
// current part type in the list boxes, creates and labels the controls and
// restores the saved window rectangle. Painting, resizing and scrolling go
// to the control table and to scrolling, the progress timer to the progress
// line; clicks go to the commands, with the focus given back to its control
// once a search or a sort has let go of the controls; destruction closes the
// Pair window and saves both settings files.
// Every message handled here returns 0; the rest go to DefWindowProcA.
#include "window/main_window.h"

#include "engine/builtin_lists.h"
#include "platform/program_resources.h"
#include "engine/result_display.h"
#include "engine/shared_state.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/keyboard.h"
#include "window/pair_window.h"
#include "window/progress_line.h"
#include "window/scrolling.h"
#include "window/settings_file.h"

const char MainWindowClass[] = "Combinix";
const char MainWindowCaption[] =
    "Combinix : "
    "\x83\x70\x81\x5b\x83\x63\x82\xcc\x91\x67\x8d\x87\x82\xb9\x92\x54\x8d\xf5" /* パーツの組合せ探索 */
    " R" COMBINIX_VERSION;  // the project's version, from CMakeLists.txt

namespace {

void onCreate(HWND window, const CREATESTRUCTA* create) {
    installResultDisplay(showInResultBox);
    measureUnits(window);
    fillDefaultTexts();
    formSettingsPath();
    loadSettings();
    loadPairSettings(create ? create->hInstance : nullptr);
    checkLanguageAndShowLists();
    createControls(window, create ? create->hInstance : nullptr);
    applyCaptions();
    placeWindow(window);
}

void onDestroy(HWND window) {
    // A search still running is stopped first, so that the result and
    // outcome texts it would go on writing are saved whole.
    stopSearch();
    stopProgressLine(window);
    // The Pair window goes first, its own search stopped, its inputs into
    // their file.
    closePairWindowAndSave();
    if (settingsPath[0] != '\0') {
        saveSettings(window);
    } else {
        PostQuitMessage(0);
    }
}

}  // namespace

ATOM registerWindowClass(const char* name, WNDPROC procedure, HINSTANCE instance, int background) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // The program's own icon, so that the desktop shows it for the window;
    // a module without it (a test program) keeps the standard one.
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ProgramIconResource));
    if (windowClass.hIcon == nullptr) windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass);
}

ATOM registerMainWindowClass(HINSTANCE instance) {
    return registerWindowClass(MainWindowClass, mainWindowProcedure, instance, COLOR_BTNFACE);
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
        onDestroy(window);
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
        if (HIWORD(wParam) == BN_CLICKED) {
            noteFocusBeforeCommand(window);
            onCommand(window, wParam);
            restoreFocusAfterRun(window);
        }
        return 0;
    case WM_TIMER:
        if (wParam == ProgressTimerId) onProgressTimer(window);
        return 0;
    case WM_SEARCHFINISHED:
        onSearchFinished(window, static_cast<uint32_t>(wParam));
        restoreFocusAfterRun(window);
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
