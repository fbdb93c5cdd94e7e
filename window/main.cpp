// The program's entry point: registers the main window's class, creates the
// window (in the user's language at a first start), shows it with the focus
// in the target box and runs the message loop until a quit request; the loop
// lets the window take its keys before anything is dispatched, and takes a
// double-click on a Result line, whose network it shows, and the Pair
// window's keys and double-clicks. The command line is not read.
#include <cstdio>
#include <cstdlib>

#include "engine/shared_state.h"
#include "platform/win32.h"
#include "window/commands.h"
#include "window/keyboard.h"
#include "window/main_window.h"
#include "window/network_window.h"
#include "window/pair_window.h"
#include "window/settings_file.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!registerMainWindowClass(instance)) {
        MessageBoxA(nullptr, "Few resource or Wrong coding", MainWindowClass, MB_ICONERROR | MB_OK);
        return 0;
    }
    // Creating the window reads the settings file, whose language wins.
    settings.language = firstStartLanguage();
    HWND window = createMainWindow(instance);
    // Without a window nothing would ever ask the loop to end.
    if (!window) return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    // Only now: showing activates the window, which takes the focus itself.
    focusTargetBox();

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0)) {
        if (translateWindowKey(window, &message)) continue;
        if (showNetworkOnDoubleClick(window, instance, &message)) continue;
        if (translatePairWindowMessage(&message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // A search stopped by closing the window may still be on its way out,
    // perhaps waiting for the message loop that has just ended. It writes
    // nothing more, and the settings are saved: end the process as Win32
    // does, with the thread, rather than tear down what it waits on.
    if (searchWorkerAlive()) {
        fflush(nullptr);
        _Exit(static_cast<int>(message.wParam));
    }
    return static_cast<int>(message.wParam);
}
