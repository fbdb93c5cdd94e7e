// The program's main window on the real system (under Wine, on the check's
// virtual display): what the Linux layer does as Win32 does it, seen where
// the calls are Win32's own. A one-line box shows the start of a text set
// into it, at start-up too; the window's own scroll bars are hidden while
// the client area holds the whole layout and shown when it does not; the
// message boxes' buttons are asked for in the program's language; the
// wheel scrolls the box under the pointer and nothing where no box shows;
// the windows' classes show the program's icon from its resources; the
// Pair window opens at its table's size, runs its search on its worker and
// keeps its inputs beside the settings file.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "engine/message_table.h"
#include "engine/pair_texts.h"
#include "engine/shared_state.h"
#include "platform/program_resources.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/keyboard.h"
#include "window/main_window.h"
#include "window/network_window.h"
#include "window/pair_table.h"
#include "window/pair_window.h"

namespace {

// Dispatches what the window's thread has for `ms` milliseconds; a quit
// request is taken and noted.
bool quitSeen = false;
void pump(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quitSeen = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

int firstVisible(HWND edit) { return static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); }

void selection(HWND edit, DWORD* start, DWORD* end) {
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(start), reinterpret_cast<LPARAM>(end));
}

// The main window as WinMain makes it, in a folder of its own, so that it
// reads and writes a settings file of its own.
class RealMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, previous_);
        char temporary[MAX_PATH];
        GetTempPathA(MAX_PATH, temporary);
        snprintf(folder_, MAX_PATH, "%scombinix-window-%lu", temporary, GetCurrentProcessId());
        CreateDirectoryA(folder_, nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(folder_));
        start();
    }
    void TearDown() override {
        close();
        SetCurrentDirectoryA(previous_);
        char file[MAX_PATH + 32];
        for (const char* name : {"Combinix.ini", "Combinix.ini.new", "CombinixPair.ini", "CombinixPair.ini.new"}) {
            snprintf(file, sizeof file, "%s\\%s", folder_, name);
            DeleteFileA(file);
        }
        RemoveDirectoryA(folder_);
        settings.language = 0;
    }

    void start() {
        resetSharedState();
        resetControlWindows();
        HINSTANCE instance = GetModuleHandleA(nullptr);
        registerMainWindowClass(instance);
        main_ = createMainWindow(instance);
        ASSERT_NE(main_, nullptr);
        ShowWindow(main_, SW_SHOWNORMAL);
        UpdateWindow(main_);
        focusTargetBox();
        pump(200);
    }

    // Closing saves the settings and asks the loop to end.
    void close() {
        if (main_ == nullptr) return;
        quitSeen = false;
        DestroyWindow(main_);
        pump(100);
        EXPECT_TRUE(quitSeen);
        main_ = nullptr;
    }

    void resize(int width, int height) {
        SetWindowPos(main_, HWND_TOP, 40, 40, width, height, SWP_NOZORDER);
        pump(200);
    }

    bool barShown(DWORD bar) { return (GetWindowLongW(main_, GWL_STYLE) & bar) != 0; }

    // A control's rectangle in the main window's client coordinates.
    RECT clientRectOf(int row) {
        RECT r;
        GetWindowRect(controlWindows[row], &r);
        MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // One notch of the wheel, towards the user, with the pointer at client
    // point (x, y) of the main window.
    void wheelAt(int x, int y) {
        POINT p{x, y};
        ClientToScreen(main_, &p);
        SetCursorPos(p.x, p.y);
        pump(50);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
        SendInput(1, &input, sizeof input);
        pump(300);
    }

    char previous_[MAX_PATH] = "";
    char folder_[MAX_PATH] = "";
    HWND main_ = nullptr;
};

TEST_F(RealMainWindow, OneLineBoxesShowTheStartOfATextSetAndAtStartUp) {
    HWND target = controlWindows[RowTargetBox];
    HWND tolerance = controlWindows[RowToleranceBox];
    const char longTarget[] = "1.234567890123456789k";
    const char longTolerance[] = "0.0000000000000000001";
    // Scrolled to its end first, as after typing there.
    SetWindowTextA(target, "9.999999999999999999k");
    SendMessageA(target, EM_SETSEL, 21, 21);
    SendMessageA(target, EM_SCROLLCARET, 0, 0);
    ASSERT_GT(firstVisible(target), 0) << "the box is too wide to test";
    SendMessageA(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longTarget));
    EXPECT_EQ(firstVisible(target), 0);
    DWORD first = 99, last = 99;
    selection(target, &first, &last);
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 0u);
    SetWindowTextA(tolerance, longTolerance);
    EXPECT_EQ(firstVisible(tolerance), 0);

    // Saved, and shown from their start at the next start, the target box
    // focused with all of it selected.
    close();
    start();
    target = controlWindows[RowTargetBox];
    tolerance = controlWindows[RowToleranceBox];
    char text[64];
    GetWindowTextA(target, text, sizeof text);
    EXPECT_STREQ(text, longTarget);
    EXPECT_EQ(GetFocus(), target);
    EXPECT_EQ(firstVisible(target), 0);
    EXPECT_EQ(firstVisible(tolerance), 0);
    selection(target, &first, &last);
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, static_cast<DWORD>(sizeof longTarget - 1));
}

// This test program carries Combinix.exe's resources (window/combinix.rc):
// the main window's class and the Network window's show the program's own
// icon, which the taskbar and the title bar take from the class, not the
// system's standard one.
TEST_F(RealMainWindow, ItsWindowClassesShowTheProgramsIcon) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON own = LoadIconA(instance, MAKEINTRESOURCEA(ProgramIconResource));
    ASSERT_NE(own, nullptr) << "no icon resource " << ProgramIconResource;
    EXPECT_NE(own, LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(main_, GCLP_HICON)), own);
    // The Network window's class, as its first window registers it.
    registerWindowClass(NetworkWindowClass, networkWindowProcedure, instance, COLOR_WINDOW);
    WNDCLASSW network{};
    ASSERT_TRUE(GetClassInfoW(instance, L"CombinixNetwork", &network));
    EXPECT_EQ(network.hIcon, own);
}

TEST_F(RealMainWindow, ScrollBarsShowOnlyWhileTheLayoutDoesNotFit) {
    SIZE size = defaultWindowSize();
    struct Case {
        int width;
        int height;
        bool vertical;
        bool horizontal;
    };
    // A bar's range is 0 to 52 characters or 36 lines, so it goes once the
    // page is 53 characters or 37 lines. Wider than the default by 50
    // pixels, the client area keeps 53 characters beside the vertical bar
    // whatever the frame.
    const Case cases[] = {
        {size.cx, size.cy, false, false},
        {400, 380, true, true},
        {size.cx + 50, 380, true, false},
        {400, size.cy + 50, false, true},
        {size.cx, size.cy, false, false},
    };
    for (const Case& c : cases) {
        resize(c.width, c.height);
        RECT client;
        GetClientRect(main_, &client);
        printf("window %d x %d: client %ld x %ld, bars: vertical %d, horizontal %d\n", c.width, c.height,
               static_cast<long>(client.right), static_cast<long>(client.bottom), barShown(WS_VSCROLL) ? 1 : 0,
               barShown(WS_HSCROLL) ? 1 : 0);
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height << ", client " << client.right
                                          << " x " << client.bottom);
        EXPECT_EQ(barShown(WS_VSCROLL), c.vertical);
        EXPECT_EQ(barShown(WS_HSCROLL), c.horizontal);
    }
}

// What the buttons of a yes/no box read, left to right, while it is open.
struct BoxButtons {
    std::wstring yes;
    std::wstring no;
};

BoxButtons askAndRead(HWND owner, const char* caption, const wchar_t* wideCaption) {
    BoxButtons read;
    std::atomic<bool> answered{false};
    std::thread reader([&] {
        for (int i = 0; i < 500 && !answered; ++i) {
            HWND box = FindWindowW(L"#32770", wideCaption);
            if (box != nullptr) {
                wchar_t text[64];
                GetDlgItemTextW(box, IDYES, text, 64);
                read.yes = text;
                GetDlgItemTextW(box, IDNO, text, 64);
                read.no = text;
                PostMessageW(box, WM_COMMAND, IDNO, 0);
                answered = true;
                return;
            }
            Sleep(10);
        }
    });
    int answer = MessageBoxA(owner, messageText(MsgReallyExit), caption, MB_YESNO);
    answered = true;
    reader.join();
    EXPECT_EQ(answer, IDNO);
    return read;
}

std::string utf8Of(const std::wstring& text) {
    char out[256];
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
    return n > 0 ? std::string(out) : std::string();
}

// The program asks for its language's buttons (SetThreadUILanguage, as
// applyCaptions does); what the system shows is the system's. The test
// prints what it shows and expects English captions in English and, where
// the system follows the request, Japanese ones in Japanese.
TEST_F(RealMainWindow, MessageBoxButtonsAreAskedForInTheProgramsLanguage) {
    struct Case {
        int language;
        LANGID asked;
    };
    const Case cases[] = {
        {1, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
        {0, MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN)},
    };
    for (const Case& c : cases) {
        settings.language = c.language;
        applyCaptions();
        LANGID now = GetThreadUILanguage();
        BoxButtons buttons = askAndRead(main_, "Exit", L"Exit");
        printf("language %d: asked for UI language 0x%04x, the thread has 0x%04x; buttons \"%s\" \"%s\"\n",
               c.language, c.asked, now, utf8Of(buttons.yes).c_str(), utf8Of(buttons.no).c_str());
        RecordProperty(c.language == 1 ? "english_buttons" : "japanese_buttons",
                       utf8Of(buttons.yes) + " " + utf8Of(buttons.no));
        ASSERT_FALSE(buttons.yes.empty()) << "no box was found";
        if (now != c.asked) continue;  // the system does not follow the request
        if (c.language == 1) {
            EXPECT_EQ(buttons.yes, L"&Yes");
            EXPECT_EQ(buttons.no, L"&No");
        } else {
            EXPECT_EQ(buttons.yes.find(L"\u306f\u3044"), 0u) << utf8Of(buttons.yes);     // はい
            EXPECT_EQ(buttons.no.find(L"\u3044\u3044\u3048"), 0u) << utf8Of(buttons.no);  // いいえ
        }
    }
}

TEST_F(RealMainWindow, WheelScrollsTheVisibleBoxUnderThePointerOnly) {
    // Lines enough to scroll in the Result box; List 3 holds its series.
    std::string lines;
    for (int i = 1; i <= 40; ++i) lines += "line " + std::to_string(i) + "\r\n";
    SetWindowTextA(controlWindows[RowResultBox], lines.c_str());
    HWND list3 = controlWindows[RowList3Box];
    // Small, but with the Result box's lower edge in view; List 3 is below
    // the client area, and has the focus (where a wheel sent to the focus
    // would go).
    resize(400, 440);
    SetForegroundWindow(main_);
    SetFocus(list3);
    pump(100);
    RECT client;
    GetClientRect(main_, &client);
    RECT result = clientRectOf(RowResultBox);
    RECT third = clientRectOf(RowList3Box);
    ASSERT_LT(result.bottom, client.bottom) << "the Result box's edge is out of view";
    ASSERT_GE(third.top, client.bottom) << "List 3 is in view";
    ASSERT_TRUE(barShown(WS_VSCROLL));

    // Below the Result box, inside its group box: nothing moves.
    wheelAt(200, result.bottom + 3);
    EXPECT_EQ(firstVisible(controlWindows[RowResultBox]), 0);
    EXPECT_EQ(firstVisible(list3), 0);
    SCROLLINFO bar{sizeof bar, SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(main_, SB_VERT, &bar);
    EXPECT_EQ(bar.nPos, 0);

    // On the Result box's lower edge: the Result box scrolls, alone.
    wheelAt(200, result.bottom - 2);
    EXPECT_GT(firstVisible(controlWindows[RowResultBox]), 0);
    EXPECT_EQ(firstVisible(list3), 0);
}


// The Pair window on the real system: opened by the main window's button
// at the size of its table, which the user cannot change, every control of
// the table made, the program's icon in its class; its default divider
// runs on its worker, whose finish the window's loop hands back, and lists
// the library's lines; the main window's close writes CombinixPair.ini.
TEST_F(RealMainWindow, ThePairWindowRunsItsSearchAndKeepsItsInputs) {
    SendMessageA(main_, WM_COMMAND, MAKEWPARAM(RowPair, BN_CLICKED), 0);
    pump(200);
    HWND pair = pairWindow();
    ASSERT_NE(pair, nullptr);
    RECT client;
    GetClientRect(pair, &client);
    SIZE size = pairClientSize();
    EXPECT_EQ(client.right, size.cx);
    EXPECT_EQ(client.bottom, size.cy);
    EXPECT_EQ(GetWindowLongW(pair, GWL_STYLE) & WS_THICKFRAME, 0);
    for (int row = 0; row < PairTableRows; ++row) {
        if (controlClassOf(pairControlTable[row].kind) == nullptr) continue;
        ASSERT_NE(pairControlWindows[row], nullptr) << row;
        EXPECT_EQ(GetParent(pairControlWindows[row]), pair) << row;
    }
    HICON own = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ProgramIconResource));
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(pair, GCLP_HICON)), own);

    SendMessageA(pair, WM_COMMAND, MAKEWPARAM(PairRowExecute, BN_CLICKED), 0);
    EXPECT_TRUE(pairSearchRunning());
    EXPECT_FALSE(IsWindowEnabled(pairControlWindows[PairRowExecute]));
    for (int i = 0; i < 300 && pairSearchRunning(); ++i) pump(100);
    ASSERT_FALSE(pairSearchRunning());
    const PairSearch& search = lastPairSearch();
    ASSERT_GT(search.records().size(), 0u);
    char line[limits::PairTextSize];
    formatPairLine(lastPairRequest(), search.records()[0], PairShownAs::Quantity, settings.language, line,
                   sizeof line);
    static char text[limits::TextSize];
    GetWindowTextA(pairControlWindows[PairRowResultBox], text, sizeof text);
    EXPECT_EQ(std::string(text).substr(0, strlen(line) + 2), std::string(line) + "\r\n");
    EXPECT_NE(pairOutcomeText()[0], '\0');

    SetWindowTextA(pairControlWindows[PairRowToleranceBox], "0.5");
    close();
    EXPECT_EQ(pairWindow(), nullptr);
    // Read whole: 25 lines, each ended by CR LF, the tolerance among them.
    FILE* f = fopen("CombinixPair.ini", "rb");
    ASSERT_NE(f, nullptr);
    std::string file;
    char buffer[256];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, f)) > 0;) file.append(buffer, n);
    fclose(f);
    int lines = 0;
    for (size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 25);
    EXPECT_EQ(file.find('\n'), file.find("\r\n") + 1);
    bool toleranceSaved = file.find("\r\n0.5\r\n") != std::string::npos;
    EXPECT_TRUE(toleranceSaved);
}

}  // namespace
