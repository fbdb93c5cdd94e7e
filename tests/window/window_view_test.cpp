// The real window on a display (run under Xvfb by run-under-xvfb): the
// widgets where the table puts them, captions rendered as glyphs in both
// languages, typing Japanese, CR LF texts, clicks, requests from the search
// thread, one-line boxes showing the start of a text set, the wheel, the
// keys the program's loop takes, the window's own scroll bars, screenshots,
// the Network window opened by double-clicks on Result lines, and the
// program itself.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "drawing/pair_schematic.h"
#include "engine/message_table.h"
#include "engine/network_shapes.h"
#include "engine/pair_search.h"
#include "engine/pair_texts.h"
#include "engine/recorder.h"
#include "engine/search_inputs.h"
#include "engine/search_tasks.h"
#include "engine/shared_state.h"
#include "platform/linux/code_page.h"
#include "platform/linux/test_interface.h"
#include "platform/linux/view.h"
#include "platform/win32.h"
#include "tests/support/fresh_program.h"
#include "tests/support/main_window_class.h"
#include "tests/support/temp_directory.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/keyboard.h"
#include "window/main_window.h"
#include "window/network_window.h"
#include "window/pair_table.h"
#include "window/pair_window.h"
#include "window/scrolling.h"

extern char** environ;

namespace {

// Below, with the Network window's tests.
void expectPaintedOnScreen(HWND network, const std::string& path);

class Display : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(startView()) << "no display: run the tests under run-under-xvfb"; }
};
const ::testing::Environment* display = ::testing::AddGlobalTestEnvironment(new Display);

std::string utf8Of(const char* cp932) {
    static char out[4096];
    cp932ToUtf8(cp932, out, sizeof out);
    return out;
}

std::string widgetText(HWND window) {
    char text[4096];
    viewWidgetText(window, text, sizeof text);
    return text;
}

std::string recordText(HWND window) {
    char text[4096];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Runs a shell command to its end and returns what it printed.
std::string output(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return text;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) text += buffer;
    pclose(pipe);
    return text;
}

// The share of dark pixels in the region w x h + x + y of a screenshot.
double inkIn(const std::string& path, int x, int y, int w, int h) {
    std::string geometry =
        std::to_string(w) + "x" + std::to_string(h) + "+" + std::to_string(x) + "+" + std::to_string(y);
    std::string white = output("/usr/bin/convert " + path + " -crop " + geometry +
                               " -colorspace gray -threshold 50% -format '%[fx:mean]' info:");
    return 1.0 - atof(white.c_str());
}

bool isCaptioned(int kind) {
    return kind == PushButton || kind == RadioButton || kind == CheckBox || kind == GroupBox ||
           kind == StaticCaption;
}

std::vector<WPARAM> commands;

// The program's window procedure, with the commands noted on the way.
LRESULT CALLBACK notingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) commands.push_back(wParam);
    return mainWindowProcedure(window, message, wParam, lParam);
}

class RealWindow : public ::testing::TestWithParam<int> {
protected:
    TemporaryCurrentDirectory directory_;

    void SetUp() override {
        resetToFreshProgram();
        commands.clear();
        settings.language = GetParam();
        ASSERT_NE(registerMainWindowClassWith(notingProcedure), 0);
        main_ = createMainWindow(nullptr);
        ASSERT_NE(main_, nullptr);
        ShowWindow(main_, SW_SHOWNORMAL);
        UpdateWindow(main_);
        settle(0.5);
        ASSERT_NE(viewNativeWindow(main_), 0u);
    }

    void TearDown() override {
        platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 60.0);
        resetPairWindow();
        platform_test::reset();
        resetNetworkWindow();
        settle(0.1);
    }

    // Lets the window and the X server catch up for a while.
    static void settle(double seconds) {
        platform_test::pumpUntil([] { return false; }, seconds);
    }

    // Runs a command on another thread while this one keeps the window
    // alive, until `done` or the command has ended and `seconds` passed.
    static bool runWhilePumping(const std::string& command, const std::function<bool()>& done,
                                double seconds) {
        std::atomic<bool> ended{false};
        std::thread runner([&] {
            int status = system(command.c_str());
            (void)status;  // what matters is the window's state afterwards
            ended = true;
        });
        bool ok = platform_test::pumpUntil([&] { return done() || ended.load(); }, 30.0);
        if (ok && !done()) ok = platform_test::pumpUntil(done, seconds);
        platform_test::pumpUntil([&] { return ended.load(); }, 30.0);
        runner.join();
        return ok && done();
    }

    // The centre of a control on the screen (of the main window, unless
    // `top` names another).
    POINT centreOf(HWND control, HWND top = nullptr) {
        RECT window;
        RECT widget;
        viewWidgetRect(top ? top : main_, &window);
        viewWidgetRect(control, &widget);
        return POINT{window.left + (widget.left + widget.right) / 2, window.top + (widget.top + widget.bottom) / 2};
    }

    // The command that clicks into an edit box and types `text` (UTF-8).
    std::string clickAndType(HWND box, const std::string& text) {
        POINT p = centreOf(box);
        return "LC_ALL=C.UTF-8 xdotool mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) +
               " click 1 sleep 0.2 type --delay 60 '" + text + "'";
    }

    std::string screenshot(const std::string& name, HWND window = nullptr) {
        std::filesystem::create_directories(SCREENSHOT_DIR);
        std::string path = std::string(SCREENSHOT_DIR) + "/" + name;
        std::string command = "xwd -silent -id " + std::to_string(viewNativeWindow(window ? window : main_)) +
                              " | /usr/bin/convert xwd:- png:" + path;
        EXPECT_EQ(system(command.c_str()), 0);
        return path;
    }

    // The Network window once a drawing has reached it (*shown): its
    // caption in the test's language, to the right of the main window, and
    // everything it painted seen in its screenshot `name`.
    void expectNetworkWindowBesideMain(const std::string& name, HWND* shown) {
        settle(0.8);
        HWND network = networkWindow();
        *shown = network;
        EXPECT_EQ(widgetText(network), GetParam() == 1 ? "Network" : "回路図");
        RECT mainRect;
        RECT networkRect;
        viewWidgetRect(network, &networkRect);
        GetWindowRect(main_, &mainRect);
        EXPECT_GE(networkRect.left, mainRect.right);
        std::string path = screenshot(name, network);
        ASSERT_TRUE(std::filesystem::exists(path));
        expectPaintedOnScreen(network, path);
    }

    HWND main_ = nullptr;
};

TEST_P(RealWindow, OpensOneWindowWithTheCaptionAndTheDefaultOuterSize) {
    EXPECT_EQ(widgetText(main_), "Combinix : パーツの組合せ探索 R1.20");
    RECT r;
    ASSERT_TRUE(viewWidgetRect(main_, &r));
    EXPECT_EQ(r.right - r.left, 550);
    EXPECT_EQ(r.bottom - r.top, 648);
    std::string id = std::to_string(viewNativeWindow(main_));
    EXPECT_NE(output("xdotool getwindowgeometry " + id).find("Geometry: 550x648"), std::string::npos);
    EXPECT_EQ(output("xdotool getwindowname " + id), "Combinix : パーツの組合せ探索 R1.20\n");
}

TEST_P(RealWindow, EveryControlIsWhereTheTablePutsIt) {
    int checked = 0;
    for (int row = 0; row < ControlTableRows; ++row) {
        if (!controlWindows[row]) continue;
        SCOPED_TRACE(row);
        const ControlEntry& e = controlTable[row];
        RECT expected = tableRectToPixels(e.left, e.top, e.right, e.bottom);
        RECT actual;
        ASSERT_TRUE(viewWidgetRect(controlWindows[row], &actual));
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
        ++checked;
    }
    EXPECT_EQ(checked, 38 + 1 + 4);  // the classic 38, the Pair window's button, the parts' box, caption, check boxes
}

TEST_P(RealWindow, CaptionsAreThoseOfTheLanguageAndRenderAsGlyphs) {
    for (int row = 0; row < ControlTableRows; ++row) {
        const ControlEntry& e = controlTable[row];
        if (!isCaptioned(e.kind)) continue;
        std::string caption = GetParam() == 1 ? e.captionEnglish : utf8Of(e.captionJapanese);
        EXPECT_EQ(widgetText(controlWindows[row]), caption) << row;
        // The font the controls draw with has every character, so none is
        // drawn as a box.
        EXPECT_TRUE(viewFontCovers(caption.c_str())) << row;
    }
    EXPECT_EQ(widgetText(controlWindows[RowLanguage]), GetParam() == 1 ? "Japanese" : "English");
    EXPECT_TRUE(viewFontCovers("Combinix : パーツの組合せ探索 R1.20"));
    // A script the font lacks is reported, so the check can fail.
    EXPECT_FALSE(viewFontCovers("ภาษาไทย"));
}

TEST_P(RealWindow, ScreenshotShowsTheCaptionsInk) {
    setText(statusText, GetParam() == 1 ? "12 set(s) found." : "\x31\x32\x8c\xc2\x82\xcc\x91\x67\x8d\x87\x82\xb9\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42" /* 12個の組合せが見つかりました。 */);
    InvalidateRect(main_, nullptr, TRUE);
    settle(0.5);
    std::string path = screenshot(GetParam() == 1 ? "combinix-english.png" : "combinix-japanese.png");
    ASSERT_TRUE(std::filesystem::exists(path));
    // Dark pixels where the caption of the part type group stands (table
    // 10, 20: pixel 10, 32) and where the outcome line is painted (table
    // 15, 115: pixel 15, 184), but none in the empty stretch between the
    // outcome line and "Show All".
    auto ink = [&](int x, int y, int w, int h) { return inkIn(path, x, y, w, h); };
    EXPECT_GT(ink(16, 32, 50, 14), 0.05);
    EXPECT_GT(ink(16, 186, 80, 14), 0.05);
    EXPECT_EQ(ink(345, 188, 55, 12), 0.0);
}

TEST_P(RealWindow, TypedJapaneseReadsBackAsCp932) {
    HWND edit = controlWindows[RowTargetBox];
    SetWindowTextA(edit, "");
    std::string command = clickAndType(edit, "抵抗10k");
    const std::string expected = "\x92\xef\x8d\x52" /* 抵抗 */ "10k";
    EXPECT_TRUE(runWhilePumping(command, [&] { return recordText(edit) == expected; }, 5.0))
        << "read back: " << utf8Of(recordText(edit).c_str());
    EXPECT_EQ(widgetText(edit), "抵抗10k");
    // The edit box's notifications reached the window, which ignored them.
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(HIWORD(commands.back()), EN_CHANGE);
}

TEST_P(RealWindow, CrLfTextInAListBoxReadsBackByteForByte) {
    HWND list = controlWindows[RowList1Box];
    const std::string text =
        std::string("10\r\n4.7k\r\n\r\n") + "\x92\xef\x8d\x52" /* 抵抗 */ + "\r\n1M\r\n";
    SetWindowTextA(list, text.c_str());
    settle(0.1);
    EXPECT_EQ(recordText(list), text);
    EXPECT_EQ(widgetText(list), "10\n4.7k\n\n抵抗\n1M\n");
    // A keystroke makes the box hand its whole text back: the line breaks
    // come back as CR LF.
    POINT p = centreOf(list);
    std::string command = "LC_ALL=C.UTF-8 xdotool mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) +
                          " click 1 sleep 0.2 key ctrl+Home type x";
    EXPECT_TRUE(runWhilePumping(command, [&] { return recordText(list) == "x" + text; }, 5.0))
        << recordText(list);
}

TEST_P(RealWindow, ClickOnARadioButtonReachesTheProgramWhichMovesTheMark) {
    HWND capacitor = controlWindows[RowCapacitor];
    POINT p = centreOf(capacitor);
    std::string command =
        "xdotool mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " click 1";
    auto clicked = [] {
        for (WPARAM w : commands)
            if (LOWORD(w) == RowCapacitor && HIWORD(w) == BN_CLICKED) return true;
        return false;
    };
    EXPECT_TRUE(runWhilePumping(command, clicked, 5.0));
    settle(0.1);
    // Non-automatic: the toolkit leaves the marks alone and the program's
    // part type command moves the mark from Resistor to Capacitor.
    EXPECT_EQ(SendMessageA(capacitor, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(viewWidgetCheck(capacitor), 1);
    EXPECT_EQ(viewWidgetCheck(controlWindows[RowResistor]), 0);
}

TEST_P(RealWindow, SearchThreadSetsTheResultBoxOnScreen) {
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        setText(resultText, "2: 1.42k 0.000% 1k + 420\r\n");
        SetWindowTextA(controlWindows[RowResultBox], resultText);
        finished = true;
    });
    EXPECT_TRUE(platform_test::pumpUntil([&] { return finished.load(); }, 10.0));
    worker.join();
    EXPECT_EQ(widgetText(controlWindows[RowResultBox]), "2: 1.42k 0.000% 1k + 420\n");
}

TEST_P(RealWindow, OpenMessageBoxKeepsServingTheSearchThread) {
    std::atomic<bool> served{false};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        SetWindowTextA(controlWindows[RowResultBox], "1: 1k\r\n");
        served = true;
        // Only now close the box (Escape answers No). The key goes to the
        // window under the pointer: the box, or the window it belongs to.
        int status = system("xdotool mousemove 275 300 key Escape");
        (void)status;
    });
    int answer = MessageBoxA(main_, "\x96\x7b\x93\x96\x82\xc9\x8f\x49\x97\xb9\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48" /* 本当に終了しますか？ */, "Exit", MB_YESNO);
    worker.join();
    EXPECT_TRUE(served.load());
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(recordText(controlWindows[RowResultBox]), "1: 1k\r\n");
}

// The Abort question asked again and again while a search streams its
// matches and the progress line is repainted beneath the box, with two
// more threads keeping the cores busy: every time, the box shows its
// question, never the progress line, whatever was painted meanwhile. It
// once showed "探索中: 5本構成, 294組" about one time in four: the box kept a
// pointer into the text buffer the painting converted into. Each question
// is answered No (Escape), so the search goes on; one that ends is started
// again.
TEST_P(RealWindow, AbortQuestionKeepsItsTextWhileTheSearchPaints) {
    std::string stock;
    {
        FILE* file = fopen(SOURCE_DIR "/../../bench/stocks/irregular500.txt", "r");
        ASSERT_NE(file, nullptr);
        char line[64];
        while (fgets(line, sizeof line, file)) stock += std::string(line, strcspn(line, "\r\n")) + "\r\n";
        fclose(file);
    }
    SetWindowTextA(controlWindows[RowTargetBox], "4.71234k");
    SetWindowTextA(controlWindows[RowToleranceBox], "0.00000001");
    SetWindowTextA(controlWindows[RowList1Box], stock.c_str());
    SendMessageA(controlWindows[RowShowAll], BM_SETCHECK, BST_CHECKED, 0);
    settings.showAll = 1;
    // One search thread: the search lasts long enough for several questions.
    setSearchThreadCount(1);
    const std::string question = utf8Of(messageText(MsgReallyAbort));
    const POINT execute = centreOf(controlWindows[RowExecute]);
    const POINT abort = centreOf(controlWindows[RowAbort]);
    auto at = [](POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
    auto boxText = [](std::string* text) {
        char utf8[4096];
        bool open = false;
        auto read = [&] { open = viewMessageBoxText(utf8, sizeof utf8); };
        records::waitForMainThread(read);
        if (text) *text = utf8;
        return open;
    };
    auto waitFor = [](const std::function<bool()>& done, double seconds) {
        auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    };
    std::atomic<bool> finished{false};
    std::vector<std::thread> load;
    for (int i = 0; i < 2; ++i) {
        load.emplace_back([&finished] {
            volatile unsigned long spin = 0;
            while (!finished) ++spin;
        });
    }
    constexpr int Questions = 24;
    int asked = 0, wrong = 0;
    std::string shown;
    std::thread user([&] {
        for (int q = 0; q < Questions; ++q) {
            if (!searchWorkerAlive()) {
                int status = system(("xdotool mousemove " + at(execute) + " click 1").c_str());
                (void)status;
                if (!waitFor([] { return searchWorkerAlive(); }, 10.0)) break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            int status = system(("xdotool mousemove " + at(abort) + " click 1").c_str());
            (void)status;
            if (!waitFor([&] { return boxText(nullptr); }, 5.0)) continue;  // the search ended first
            // Four repaints of the progress line at most while it is open.
            std::this_thread::sleep_for(std::chrono::milliseconds(300 + 200 * (q % 4)));
            std::string text;
            if (boxText(&text)) {
                ++asked;
                if (text != question) {
                    ++wrong;
                    shown = text;
                }
                if (q == Questions / 2) {
                    std::filesystem::create_directories(SCREENSHOT_DIR);
                    std::string shot = std::string(SCREENSHOT_DIR) + "/abort-question-" +
                                       std::to_string(GetParam()) + ".png";
                    status = system(("xwd -silent -root | /usr/bin/convert xwd:- png:" + shot).c_str());
                }
            }
            status = system("xdotool key Escape");
            waitFor([&] { return !boxText(nullptr); }, 5.0);
        }
        finished = true;
    });
    EXPECT_TRUE(platform_test::pumpUntil([&] { return finished.load(); }, 240.0));
    finished = true;
    user.join();
    for (std::thread& t : load) t.join();
    stopSearch();
    setSearchThreadCount(0);
    EXPECT_GE(asked, Questions / 2);
    EXPECT_EQ(wrong, 0) << wrong << " of " << asked << " times; once it showed \"" << shown << "\" instead of \"" << question << "\"";
}

TEST_P(RealWindow, OneLineBoxShowsTheStartOfATextSetAfterTypingAtItsEnd) {
    HWND target = controlWindows[RowTargetBox];
    SetWindowTextA(target, "");
    std::string command = clickAndType(target, "0.0000000001");
    ASSERT_TRUE(runWhilePumping(command, [&] { return recordText(target) == "0.0000000001"; }, 5.0));
    settle(0.2);
    int cursor = -1;
    int mark = -1;
    int scrolled = -1;
    ASSERT_TRUE(viewEditShows(target, &cursor, &mark, &scrolled));
    EXPECT_EQ(cursor, 12);
    EXPECT_GT(scrolled, 0);  // typed to its end: the end is in view
    SetWindowTextA(target, "1.234567890k");
    settle(0.2);
    ASSERT_TRUE(viewEditShows(target, &cursor, &mark, &scrolled));
    EXPECT_EQ(cursor, 0);
    EXPECT_EQ(mark, 0);
    EXPECT_EQ(scrolled, 0);
    EXPECT_EQ(SendMessageA(target, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_P(RealWindow, ScrollBarsShowOnlyWhileTheContentDoesNotFit) {
    EXPECT_FALSE(viewScrollBarShown(main_, SB_VERT));
    EXPECT_FALSE(viewScrollBarShown(main_, SB_HORZ));
    RECT r;
    GetWindowRect(main_, &r);
    MoveWindow(main_, r.left, r.top, 400, 380, TRUE);
    settle(0.3);
    EXPECT_TRUE(viewScrollBarShown(main_, SB_VERT));
    EXPECT_TRUE(viewScrollBarShown(main_, SB_HORZ));
    MoveWindow(main_, r.left, r.top, 600, 380, TRUE);  // wide enough: 58 of 52 columns
    settle(0.3);
    EXPECT_TRUE(viewScrollBarShown(main_, SB_VERT));
    EXPECT_FALSE(viewScrollBarShown(main_, SB_HORZ));
}

TEST_P(RealWindow, WheelOverTheResultBoxEdgeScrollsNoBoxOutOfSight) {
    RECT r;
    GetWindowRect(main_, &r);
    MoveWindow(main_, r.left, r.top, 400, 380, TRUE);
    std::string lines;
    for (int i = 1; i <= 40; ++i) lines += std::to_string(i) + "\r\n";
    HWND result = controlWindows[RowResultBox];
    HWND list3 = controlWindows[RowList3Box];
    SetWindowTextA(result, lines.c_str());
    SetWindowTextA(list3, lines.c_str());
    settle(0.5);
    RECT window;
    RECT box;
    viewWidgetRect(main_, &window);
    viewWidgetRect(result, &box);
    auto firstLine = [](HWND edit) {
        int caret = 0;
        int anchor = 0;
        int first = -1;
        viewEditShows(edit, &caret, &anchor, &first);
        return first;
    };
    auto wheelDownAt = [&](int y) {
        std::string command = "xdotool mousemove " + std::to_string(window.left + 200) + " " +
                              std::to_string(window.top + y) + " click 5";
        runWhilePumping(command, [] { return false; }, 0.5);
    };
    // Just below the Result box, over the group frame: nothing scrolls.
    wheelDownAt(box.bottom);
    EXPECT_EQ(firstLine(list3), 0);
    EXPECT_EQ(firstLine(result), 0);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(main_, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 0);
    EXPECT_EQ(vScrollOffset, 0);
    // On its lower edge: the Result box scrolls, and only it.
    wheelDownAt(box.bottom - 1);
    EXPECT_EQ(firstLine(result), 3);
    EXPECT_EQ(firstLine(list3), 0);
}

TEST_P(RealWindow, TabEnterAndEscapeReachTheProgramsLoop) {
    HWND mainWindow = main_;
    platform_test::setMessageFilter([mainWindow](const MSG* m) { return translateWindowKey(mainWindow, m); });
    viewFocus(controlWindows[RowTargetBox]);
    settle(0.1);
    auto focusIs = [](int row) {
        return [row] { return viewHasFocus(controlWindows[row]) && GetFocus() == controlWindows[row]; };
    };
    EXPECT_TRUE(runWhilePumping("xdotool key Tab", focusIs(RowToleranceBox), 3.0));
    EXPECT_TRUE(runWhilePumping("xdotool key shift+Tab", focusIs(RowTargetBox), 3.0));
    // Enter in a list box starts a new line in it and runs nothing; Escape
    // with no search asks nothing.
    HWND list1 = controlWindows[RowList1Box];
    SetWindowTextA(list1, "");
    viewFocus(list1);
    EXPECT_TRUE(runWhilePumping("xdotool type 10; xdotool key Return; xdotool type 22; xdotool key Escape",
                                [&] { return recordText(list1) == "10\r\n22"; }, 3.0))
        << recordText(list1);
    settle(0.2);
    EXPECT_EQ(platform_test::messageBoxCount(), 0);
    for (WPARAM w : commands) EXPECT_NE(LOWORD(w), RowExecute);
}

// Every line, dot and ring the Network window painted where its client
// area shows it, and every text, is seen in the screenshot at `path` where
// it was painted.
void expectPaintedOnScreen(HWND network, const std::string& path) {
    RECT client;
    GetClientRect(network, &client);
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < client.right && y < client.bottom; };
    for (int i = 0; i < platform_test::drawnItemCount(network); ++i) {
        platform_test::DrawnItem item = platform_test::drawnItem(network, i);
        if (item.kind == platform_test::PaintKind::Lines) {
            // Dark pixels around the middle of the first stroke.
            int x = (item.points[0].x + item.points[1].x) / 2;
            int y = (item.points[0].y + item.points[1].y) / 2;
            if (!inside(x, y)) continue;
            EXPECT_GT(inkIn(path, x - 1, y - 1, 3, 3), 0.0) << "line " << i << " at " << x << "," << y;
        } else if (item.kind == platform_test::PaintKind::Ellipse) {
            int x = (item.rect.left + item.rect.right - 1) / 2;
            int y = (item.rect.top + item.rect.bottom - 1) / 2;
            if (!inside(item.rect.left, y) || !inside(x, y)) continue;
            // A dot is dark at its middle; a terminal is a dark ring
            // around a light middle.
            double middle = inkIn(path, x, y, 1, 1);
            EXPECT_EQ(middle, item.fillColor == RGB(0, 0, 0) ? 1.0 : 0.0) << "dot " << i;
            EXPECT_GT(inkIn(path, item.rect.left, y, 2, 1), 0.0) << "ring " << i;
        } else if (inside(item.rect.left, item.rect.top)) {
            // The header's texts and the labels are written in ink.
            int right = item.rect.right < client.right ? item.rect.right : client.right;
            int bottom = item.rect.bottom < client.bottom ? item.rect.bottom : client.bottom;
            EXPECT_GT(inkIn(path, item.rect.left, item.rect.top, right - item.rect.left, bottom - item.rect.top), 0.0)
                << "text " << i;
        }
    }
}

// Where the Network window drew the terminals' rings: their middles' x,
// the left one first (a ring outside the client area is not drawn).
std::vector<int> drawnTerminals(HWND network) {
    std::vector<int> rings;
    for (int i = 0; i < platform_test::drawnItemCount(network); ++i) {
        platform_test::DrawnItem item = platform_test::drawnItem(network, i);
        if (item.kind == platform_test::PaintKind::Ellipse && item.fillColor == RGB(255, 255, 255))
            rings.push_back((item.rect.left + item.rect.right) / 2);
    }
    return rings;
}

// The share of the pixels in region w x h + x + y of a screenshot painted
// in the selection's colour: blue, not grey.
double highlightIn(const std::string& path, int x, int y, int w, int h) {
    std::string geometry =
        std::to_string(w) + "x" + std::to_string(h) + "+" + std::to_string(x) + "+" + std::to_string(y);
    std::string share = output("/usr/bin/convert " + path + " -crop " + geometry +
                               " -fx '(b - r > 0.25) ? 1 : 0' -format '%[fx:mean]' info:");
    return atof(share.c_str());
}

// The default search, then double-clicks (xdotool) on its first line and on
// its first bridge: the Network window opens beside the main window and
// draws each, a screenshot of each is kept, and every line, dot and ring
// the window painted shows on the screen where it was painted. The line
// double-clicked is highlighted whole in the Result box, and stays so when
// the pointer moves on before the button is let go (screenshots). The
// bridge is drawn larger in a larger window and scrolls in a smaller one
// (screenshots). The close box closes it alone.
TEST_P(RealWindow, DoubleClickedLinesAreDrawnInTheNetworkWindow) {
    HWND mainWindow = main_;
    platform_test::setMessageFilter([mainWindow](const MSG* m) {
        return showNetworkOnDoubleClick(mainWindow, nullptr, m);
    });
    SendMessageA(main_, WM_COMMAND, MAKEWPARAM(RowExecute, BN_CLICKED),
                 reinterpret_cast<LPARAM>(controlWindows[RowExecute]));
    ASSERT_TRUE(platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 60.0));
    settle(0.5);
    HWND box = controlWindows[RowResultBox];
    const std::string language = GetParam() == 1 ? "english" : "japanese";
    struct Case {
        int line;
        const char* text;
        const char* shot;
    };
    const Case cases[] = {
        {0, "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k)", "default"},
        {8, "5: 1.42489k,  0.34%, Bridge(10k, 1k, 100, 1k, 1k)", "bridge"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        // The line in view, then a double-click on it.
        std::string text = recordText(box);
        size_t start = 0;
        for (int n = 0; n < c.line; ++n) start = text.find('\n', start) + 1;
        SendMessageA(box, EM_SETSEL, start, static_cast<LPARAM>(start));
        SendMessageA(box, EM_SCROLLCARET, 0, 0);
        settle(0.3);
        POINT at;
        ASSERT_TRUE(viewEditLinePoint(box, c.line, &at));
        RECT window;
        viewWidgetRect(main_, &window);
        // The second press moves on before it is let go, as a hand does.
        std::string command = "xdotool mousemove " + std::to_string(window.left + at.x + 20) + " " +
                              std::to_string(window.top + at.y) +
                              " click 1 sleep 0.08 mousedown 1 mousemove_relative 60 0 sleep 0.2 mouseup 1";
        auto shown = [&] {
            HWND network = networkWindow();
            return network && viewNativeWindow(network) != 0 && platform_test::drawnItemCount(network) > 2 &&
                   std::string(platform_test::drawnItem(network, 0).text) == c.text;
        };
        ASSERT_TRUE(runWhilePumping(command, shown, 5.0));
        HWND network = nullptr;
        ASSERT_NO_FATAL_FAILURE(expectNetworkWindowBesideMain("network-" + std::string(c.shot) + "-" + language + ".png",
                                                              &network));

        // The line is selected whole in the box, its caret at its start, and
        // highlighted along its text: the first 150 pixels of it, more than
        // any one word of it.
        size_t end = text.find("\r\n", start);
        int caret = -1;
        int anchor = -1;
        int first = -1;
        ASSERT_TRUE(viewEditShows(box, &caret, &anchor, &first));
        EXPECT_EQ(caret, static_cast<int>(start));
        EXPECT_EQ(anchor, static_cast<int>(end));
        std::string selected = screenshot("result-line-" + std::string(c.shot) + "-" + language + ".png");
        EXPECT_GT(highlightIn(selected, at.x, at.y - 3, 150, 6), 0.6) << selected;
        // The line below is not.
        EXPECT_LT(highlightIn(selected, at.x, at.y + 13, 150, 6), 0.05) << selected;
    }

    // The bridge's window, grown and shrunk as a user drags its edge: the
    // drawing grows with it, and in a window smaller than its own size keeps
    // that size and scrolls. Screenshots of both.
    HWND bridge = networkWindow();
    RECT own;
    viewWidgetRect(bridge, &own);
    const std::vector<int> ownTerminals = drawnTerminals(bridge);
    ASSERT_EQ(ownTerminals.size(), 2u);
    const int ownDistance = ownTerminals[1] - ownTerminals[0];
    struct Size {
        const char* shot;
        int width, height;
    };
    const Size sizes[] = {{"large", (own.right - own.left) * 2, (own.bottom - own.top) * 2},
                          {"small", (own.right - own.left) * 2 / 3, (own.bottom - own.top) * 2 / 3}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(size.shot);
        std::string command = "xdotool windowsize " + std::to_string(viewNativeWindow(bridge)) + " " +
                              std::to_string(size.width) + " " + std::to_string(size.height);
        auto sized = [&] {
            RECT r;
            GetWindowRect(bridge, &r);
            return r.right - r.left == size.width && r.bottom - r.top == size.height;
        };
        ASSERT_TRUE(runWhilePumping(command, sized, 5.0));
        settle(0.8);
        std::string path = screenshot("network-bridge-" + std::string(size.shot) + "-" + language + ".png", bridge);
        expectPaintedOnScreen(bridge, path);
        bool small = size.width < own.right - own.left;
        EXPECT_EQ(viewScrollBarShown(bridge, SB_HORZ), small);
        EXPECT_EQ(viewScrollBarShown(bridge, SB_VERT), small);
        if (small) {
            // Its own size, cut by the client area: the left terminal where
            // it stood at that size, the right one beyond the edge, and the
            // bars range over more than the client area shows.
            EXPECT_EQ(drawnTerminals(bridge), std::vector<int>{ownTerminals[0]});
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_ALL;
            GetScrollInfo(bridge, SB_HORZ, &info);
            EXPECT_GT(info.nMax - info.nMin + 1, static_cast<int>(info.nPage));
        } else {
            std::vector<int> rings = drawnTerminals(bridge);
            ASSERT_EQ(rings.size(), 2u);
            EXPECT_GT(rings[1] - rings[0], ownDistance * 3 / 2);
        }
    }
    // The close box closes the Network window alone.
    HWND network = networkWindow();
    std::string close = std::string(SOURCE_DIR) + "/close-window " + std::to_string(viewNativeWindow(network));
    EXPECT_TRUE(runWhilePumping(close, [] { return networkWindow() == nullptr; }, 5.0));
    EXPECT_FALSE(IsWindow(network));
    EXPECT_TRUE(IsWindow(main_));
}

// The Pair window as a user meets it: opened by a click on the main
// window's "Pair..." button, every control where its table puts it with its
// caption in glyphs, a size the user cannot drag away; its default divider
// (5 V to 3.3 V from E24) run by a click on Execute, and a double-click on
// the first result line drawing that pair in the Network window. The
// screenshots pair-open, pair-divider and pair-network (with the language)
// are kept.
TEST_P(RealWindow, PairWindowRunsADividerAndDrawsADoubleClickedPair) {
    HWND mainWindow = main_;
    platform_test::setMessageFilter([mainWindow](const MSG* m) {
        return translateWindowKey(mainWindow, m) || showNetworkOnDoubleClick(mainWindow, nullptr, m) ||
               translatePairWindowMessage(m);
    });
    const std::string language = GetParam() == 1 ? "english" : "japanese";
    auto click = [](POINT p) {
        return "xdotool mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " click 1";
    };
    ASSERT_TRUE(runWhilePumping(click(centreOf(controlWindows[RowPair])),
                                [] { return pairWindow() && viewNativeWindow(pairWindow()) != 0; }, 5.0));
    settle(0.8);
    HWND pair = pairWindow();
    EXPECT_EQ(widgetText(pair), GetParam() == 1 ? "Pair" : "ペア探索");
    int placed = 0;
    for (int row = 0; row < PairTableRows; ++row) {
        HWND control = pairControlWindows[row];
        if (!control) continue;
        SCOPED_TRACE(row);
        const PairControlEntry& e = pairControlTable[row];
        RECT expected = pairRectToPixels(e);
        RECT actual;
        ASSERT_TRUE(viewWidgetRect(control, &actual));
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
        if (isCaptionedKind(e.kind)) {
            std::string caption = utf8Of(GetParam() == 1 ? e.captionEnglish : e.captionJapanese);
            EXPECT_EQ(widgetText(control), caption);
            EXPECT_TRUE(viewFontCovers(caption.c_str()));
        }
        ++placed;
    }
    EXPECT_EQ(placed, PairTableRows - 1);  // all but the painted outcome line
    std::string open = screenshot("pair-open-" + language + ".png", pair);
    // The inputs the divider does not read are greyed: no dark ink in the
    // ratio box's caption, dark ink in Vin's.
    RECT ratioCaption = pairRectToPixels(pairControlTable[PairRowRatioCaption]);
    RECT vinCaption = pairRectToPixels(pairControlTable[PairRowVinCaption]);
    EXPECT_EQ(inkIn(open, ratioCaption.left, ratioCaption.top, ratioCaption.right - ratioCaption.left, 14), 0.0);
    EXPECT_GT(inkIn(open, vinCaption.left, vinCaption.top, vinCaption.right - vinCaption.left, 14), 0.0);

    // Its size is the table's: the window manager is told to offer no
    // other (its least and largest sizes are that size), while the main
    // window may be sized freely.
    RECT outer;
    viewWidgetRect(pair, &outer);
    const std::string size = std::to_string(outer.right - outer.left) + " by " + std::to_string(outer.bottom - outer.top);
    std::string hints = output("xprop -id " + std::to_string(viewNativeWindow(pair)) + " WM_NORMAL_HINTS");
    EXPECT_NE(hints.find("minimum size: " + size), std::string::npos) << hints;
    EXPECT_NE(hints.find("maximum size: " + size), std::string::npos) << hints;
    std::string mainHints = output("xprop -id " + std::to_string(viewNativeWindow(main_)) + " WM_NORMAL_HINTS");
    EXPECT_EQ(mainHints.find("maximum size"), std::string::npos) << mainHints;

    // Execute, clicked: the divider runs on its worker and lists its pairs.
    ASSERT_TRUE(runWhilePumping(click(centreOf(pairControlWindows[PairRowExecute], pair)), [] {
        return !pairSearchRunning() && pairOutcomeText()[0] != '\0';
    }, 30.0));
    settle(0.8);
    HWND box = pairControlWindows[PairRowResultBox];
    const PairSearch& search = lastPairSearch();
    ASSERT_GT(search.records().size(), 1u);
    char line[limits::PairTextSize];
    formatPairLine(lastPairRequest(), search.records()[0], PairShownAs::Quantity, GetParam(), line, sizeof line);
    std::string shownText = widgetText(box);
    EXPECT_EQ(shownText.substr(0, shownText.find('\n')), line);
    std::string divider = screenshot("pair-divider-" + language + ".png", pair);
    RECT outcome = pairRectToPixels(pairControlTable[PairRowOutcome]);
    EXPECT_GT(inkIn(divider, outcome.left, outcome.top + 2, 200, 12), 0.05);
    RECT lines = pairRectToPixels(pairControlTable[PairRowResultBox]);
    EXPECT_GT(inkIn(divider, lines.left + 4, lines.top + 4, 200, 40), 0.02);

    // A double-click on the first line draws its pair in the Network window.
    POINT at;
    ASSERT_TRUE(viewEditLinePoint(box, 0, &at));
    RECT window;
    viewWidgetRect(pair, &window);
    std::string doubleClick = "xdotool mousemove " + std::to_string(window.left + at.x + 20) + " " +
                              std::to_string(window.top + at.y) + " click --repeat 2 --delay 80 1";
    auto drawn = [&] {
        HWND network = networkWindow();
        return network && viewNativeWindow(network) != 0 && platform_test::drawnItemCount(network) > 2 &&
               std::string(platform_test::drawnItem(network, 0).text) == line;
    };
    ASSERT_TRUE(runWhilePumping(doubleClick, drawn, 5.0));
    settle(0.8);
    HWND network = networkWindow();
    std::vector<std::string> texts;
    for (int i = 0; i < platform_test::drawnItemCount(network); ++i) {
        platform_test::DrawnItem item = platform_test::drawnItem(network, i);
        if (item.kind == platform_test::PaintKind::Text) texts.push_back(item.text);
    }
    for (const char* name : {"in", "out", "GND", "R1", "R2"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
    }
    std::string path = screenshot("pair-network-" + language + ".png", network);
    expectPaintedOnScreen(network, path);

    // The close box closes the Pair window and the drawing it owns.
    std::string close = std::string(SOURCE_DIR) + "/close-window " + std::to_string(viewNativeWindow(pair));
    EXPECT_TRUE(runWhilePumping(close, [] { return pairWindow() == nullptr && networkWindow() == nullptr; }, 5.0));
    EXPECT_TRUE(IsWindow(main_));
}

// A stock of an E series' values over decades, names as "4.7k", every
// third from the second with `note` after the value as a user's lines have.
std::vector<StockItem> seriesStock(const std::vector<double>& steps, double first, int decades, const char* unit,
                                   const char* note = nullptr) {
    static const char* const prefixes[] = {"p", "n", "u", "m", "", "k", "M"};
    std::vector<StockItem> items;
    for (int d = 0; d < decades; ++d) {
        for (double step : steps) {
            const double value = step * first * std::pow(10.0, d);
            const int exponent = static_cast<int>(std::floor(std::log10(value * 1.0000001) / 3));
            StockItem item{};
            const bool noted = note != nullptr && items.size() % 3 == 1;
            snprintf(item.name, sizeof item.name, "%g%s%s%s%s", value / std::pow(1000.0, exponent),
                     prefixes[exponent + 4], unit, noted ? " " : "", noted ? note : "");
            item.value = value;
            items.push_back(item);
        }
    }
    return items;
}

// The pair's line as a list would show it: the parts, the quantity, the
// error, and each network's formula with its name.
std::string pairLine(const PairRecord& r, const PairRequest& q, const char* quantity) {
    std::string line = std::to_string(r.parts) + ": " + quantity;
    char error[32];
    snprintf(error, sizeof error, ", %+.2f%%", r.errorPercent);
    line += error;
    const PairNetwork* networks[2] = {&r.a, &r.b};
    const PairSide* sides[2] = {&q.a, &q.b};
    for (int k = 0; k < 2; ++k) {
        const char* names[3] = {"", "", ""};
        for (int i = 0; i < networks[k]->partCount; ++i) names[i] = sides[k]->parts[networks[k]->picks[i]].name;
        char formula[limits::LineSize];
        formatFormula(*networkShape(networks[k]->shape), names, formula, sizeof formula);
        line += std::string(k == 0 ? ", " : "; ") + pairNetworkName(q.mode, q.a.partType, k) + " = " + formula;
    }
    return line;
}

// The Pair window's double-click, as pair-window calls it: a divider from
// E24 for 5 V to 3.3 V, a regulator's feedback pair of three parts a side
// for 3.3 V from 1.25 V (some names in Japanese), a 1 kHz rc low-pass from
// E12 and E6 and a 455 kHz lc tank, each drawn in the Network window beside
// the window that asks; a screenshot of each, and every line, dot, ring and
// text the window painted seen on the screen where it was painted.
TEST_P(RealWindow, PairsAreDrawnInTheNetworkWindow) {
    const std::vector<double> e24 = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                     3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
    const std::vector<double> e12 = {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
    const std::vector<double> e6 = {1.0, 1.5, 2.2, 3.3, 4.7, 6.8};
    struct Case {
        const char* shot;
        PairMode mode;
        double target;
        std::vector<StockItem> a, b;
        int typeA, typeB, maxParts, partsWanted;
        const char* unit;  // of the quantity in the line
    };
    const Case cases[] = {
        {"divider", PairMode::Divider, 3.3 / 5, seriesStock(e24, 1e3, 2, ""), {}, Resistor, Resistor, 2, 4, ""},
        {"feedback", PairMode::Feedback, 3.3, seriesStock(e6, 1e3, 2, "", "\x8b\xe0\x91\xae" /* 金属 */), {},
         Resistor, Resistor, 3, 6, " V"},
        {"rc", PairMode::Rc, 1 / (2 * 3.14159265358979 * 1000), seriesStock(e12, 1e3, 1, ""),
         seriesStock(e6, 10e-9, 2, "F"), Resistor, Capacitor, 2, 4, " s"},
        {"lc", PairMode::Lc, 455e3, seriesStock(e6, 1e-6, 3, "H"), seriesStock(e6, 10e-12, 3, "F"), Inductor,
         Capacitor, 2, 3, " Hz"},
    };
    const std::string language = GetParam() == 1 ? "english" : "japanese";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shot);
        PairRequest request;
        request.mode = c.mode;
        request.target = c.target;
        request.reference = 1.25;
        request.tolerancePercent = c.mode == PairMode::Feedback ? 0.2 : 1;
        request.a = PairSide{c.typeA, c.a.data(), static_cast<int32_t>(c.a.size()), c.maxParts, {}};
        request.b = c.b.empty() ? request.a
                                : PairSide{c.typeB, c.b.data(), static_cast<int32_t>(c.b.size()), c.maxParts, {}};
        PairSearch search;
        ASSERT_EQ(search.run(request), PairFault::None);
        ASSERT_FALSE(search.records().empty());
        // The best record of the part count wanted, to show networks of
        // more than one part.
        const PairRecord* record = &search.records()[0];
        for (const PairRecord& r : search.records()) {
            if (r.parts == c.partsWanted && r.a.partCount > 1 && r.b.partCount > 1) {
                record = &r;
                break;
            }
        }
        char quantity[32];
        snprintf(quantity, sizeof quantity, "%.6g%s", record->quantity, c.unit);
        const std::string line = pairLine(*record, request, quantity);
        ASSERT_TRUE(showPairInNetworkWindow(main_, nullptr, *record, request, line.c_str()));
        auto shown = [&] {
            HWND network = networkWindow();
            return network && viewNativeWindow(network) != 0 && platform_test::drawnItemCount(network) > 2 &&
                   std::string(platform_test::drawnItem(network, 0).text) == line;
        };
        ASSERT_TRUE(platform_test::pumpUntil(shown, 5.0));
        HWND network = nullptr;
        ASSERT_NO_FATAL_FAILURE(expectNetworkWindowBesideMain(
            "network-pair-" + std::string(c.shot) + "-" + language + ".png", &network));
        // The terminals' rings: three for networks in a row, four apart.
        EXPECT_EQ(drawnTerminals(network).size(),
                  c.mode == PairMode::Divider || c.mode == PairMode::Feedback ? 3u : 4u);
    }
}

// The parts as built, as a user meets them: List 1 with a drawer's counts
// and a tolerance of its own ("10k 5% x2"), 1 % typed into the main
// window's part tolerance box, Quantities clicked, Execute: every line ends
// in its worst case and RSS, and no network uses the two 10k three times
// (screenshot parts-main). The first line double-clicked: the Network
// window lists each part's tolerance, sensitivity and share below its value
// (parts-network). The Pair window's own box and Quantities, a divider from
// the same list: its lines end in their spread (parts-pair), and its first
// pair drawn lists both sides' parts (parts-pair-network).
TEST_P(RealWindow, PartsAsBuiltWithToleranceAndQuantities) {
    HWND mainWindow = main_;
    platform_test::setMessageFilter([mainWindow](const MSG* m) {
        return translateWindowKey(mainWindow, m) || showNetworkOnDoubleClick(mainWindow, nullptr, m) ||
               translatePairWindowMessage(m);
    });
    const std::string language = GetParam() == 1 ? "english" : "japanese";
    auto click = [](POINT p) {
        return "xdotool mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " click 1";
    };
    SetWindowTextA(controlWindows[RowList1Box], "10k 5% x2\r\n1k x3\r\n2k2 1%\r\n4k7\r\n100\r\n");
    ASSERT_TRUE(runWhilePumping(clickAndType(controlWindows[RowPartToleranceBox], "1"),
                                [] { return recordText(controlWindows[RowPartToleranceBox]) == "1"; }, 5.0));
    ASSERT_TRUE(runWhilePumping(click(centreOf(controlWindows[RowQuantities])), [] {
        return SendMessageA(controlWindows[RowQuantities], BM_GETCHECK, 0, 0) == BST_CHECKED;
    }, 5.0));
    ASSERT_TRUE(runWhilePumping(click(centreOf(controlWindows[RowExecute])), [] {
        return !searchWorkerAlive() && IsWindowEnabled(controlWindows[RowExecute]) && statusText[0] != '\0';
    }, 60.0));
    settle(0.8);
    EXPECT_TRUE(partOptions.quantities);
    EXPECT_DOUBLE_EQ(partOptions.partTolerancePercent, 1);
    HWND box = controlWindows[RowResultBox];
    static char whole[limits::TextSize];
    GetWindowTextA(box, whole, sizeof whole);
    const std::string lines = whole;
    ASSERT_NE(lines, "");
    EXPECT_EQ(widgetText(box).substr(0, widgetText(box).find('\n')), lines.substr(0, lines.find('\r')));
    size_t start = 0;
    int lineCount = 0;
    while (start < lines.size()) {
        size_t end = lines.find("\r\n", start);
        if (end == std::string::npos) end = lines.size();
        const std::string line = lines.substr(start, end - start);
        if (!line.empty()) {
            ++lineCount;
            EXPECT_NE(line.find(", RSS "), std::string::npos) << line;
            size_t uses = 0;
            for (size_t at = line.find("10k 5% x2"); at != std::string::npos; at = line.find("10k 5% x2", at + 1)) ++uses;
            EXPECT_LE(uses, 2u) << line;
        }
        start = end + 2;
    }
    EXPECT_GT(lineCount, 0);
    std::string mainShot = screenshot("parts-main-" + language + ".png");
    for (int row : {RowPartToleranceCaption, RowWithinTolerance, RowQuantities}) {
        RECT r = tableRectToPixels(controlTable[row].left, controlTable[row].top, controlTable[row].right,
                                   controlTable[row].bottom);
        EXPECT_GT(inkIn(mainShot, r.left, r.top, r.right - r.left, r.bottom - r.top), 0.02) << row;
    }

    // The first line drawn, with its parts' list.
    POINT at;
    ASSERT_TRUE(viewEditLinePoint(box, 0, &at));
    RECT window;
    viewWidgetRect(main_, &window);
    const std::string first = lines.substr(0, lines.find("\r\n"));
    auto drawn = [&first] {
        HWND network = networkWindow();
        return network && viewNativeWindow(network) != 0 && platform_test::drawnItemCount(network) > 6 &&
               std::string(platform_test::drawnItem(network, 0).text) == first;
    };
    ASSERT_TRUE(runWhilePumping("xdotool mousemove " + std::to_string(window.left + at.x + 20) + " " +
                                    std::to_string(window.top + at.y) + " click --repeat 2 --delay 80 1",
                                drawn, 5.0));
    settle(0.8);
    HWND network = networkWindow();
    const std::string worst = platform_test::drawnItem(network, 2).text;
    EXPECT_EQ(worst.find(GetParam() == 1 ? "Worst case" : "\x8d\xc5\x88\xab\x92\x6c" /* 最悪値 */), 0u) << worst;
    std::string networkShot = screenshot("parts-network-" + language + ".png", network);
    expectPaintedOnScreen(network, networkShot);

    // Closed by its close box, so that the pair's drawing opens anew beside
    // the Pair window, which owns it.
    std::string close = std::string(SOURCE_DIR) + "/close-window " + std::to_string(viewNativeWindow(network));
    ASSERT_TRUE(runWhilePumping(close, [] { return networkWindow() == nullptr; }, 5.0));

    // The Pair window: its own box and Quantities, a divider from List 1.
    ASSERT_TRUE(runWhilePumping(click(centreOf(controlWindows[RowPair])),
                                [] { return pairWindow() && viewNativeWindow(pairWindow()) != 0; }, 5.0));
    settle(0.8);
    HWND pair = pairWindow();
    auto pairClick = [&](int row) { return click(centreOf(pairControlWindows[row], pair)); };
    ASSERT_TRUE(runWhilePumping(pairClick(PairRowStockAList1), [] {
        return SendMessageA(pairControlWindows[PairRowStockAList1], BM_GETCHECK, 0, 0) == BST_CHECKED;
    }, 5.0));
    ASSERT_TRUE(runWhilePumping(pairClick(PairRowQuantities), [] {
        return SendMessageA(pairControlWindows[PairRowQuantities], BM_GETCHECK, 0, 0) == BST_CHECKED;
    }, 5.0));
    POINT boxAt = centreOf(pairControlWindows[PairRowPartToleranceBox], pair);
    ASSERT_TRUE(runWhilePumping("LC_ALL=C.UTF-8 xdotool mousemove " + std::to_string(boxAt.x) + " " +
                                    std::to_string(boxAt.y) + " click 1 sleep 0.2 type --delay 60 '0.5'",
                                [] { return recordText(pairControlWindows[PairRowPartToleranceBox]) == "0.5"; }, 5.0));
    ASSERT_TRUE(runWhilePumping(pairClick(PairRowExecute), [] {
        return !pairSearchRunning() && pairOutcomeText()[0] != '\0';
    }, 30.0));
    settle(0.8);
    EXPECT_TRUE(lastPairRequest().quantities);
    EXPECT_DOUBLE_EQ(lastPairRequest().partTolerancePercent, 0.5);
    ASSERT_GT(lastPairSearch().records().size(), 0u);
    const std::string pairLines = recordText(pairControlWindows[PairRowResultBox]);
    EXPECT_NE(pairLines.substr(0, pairLines.find('\r')).find("RSS"), std::string::npos) << pairLines;
    std::string pairShot = screenshot("parts-pair-" + language + ".png", pair);
    for (int row : {PairRowPartToleranceCaption, PairRowWithinTolerance, PairRowQuantities}) {
        RECT r = pairRectToPixels(pairControlTable[row]);
        EXPECT_GT(inkIn(pairShot, r.left, r.top, r.right - r.left, r.bottom - r.top), 0.02) << row;
    }
    POINT pairAt;
    ASSERT_TRUE(viewEditLinePoint(pairControlWindows[PairRowResultBox], 0, &pairAt));
    RECT pairRect;
    viewWidgetRect(pair, &pairRect);
    const std::string pairFirst = pairLines.substr(0, pairLines.find("\r\n"));
    auto pairDrawn = [&pairFirst] {
        HWND n = networkWindow();
        return n && platform_test::drawnItemCount(n) > 5 && std::string(platform_test::drawnItem(n, 0).text) == pairFirst;
    };
    ASSERT_TRUE(runWhilePumping("xdotool mousemove " + std::to_string(pairRect.left + pairAt.x + 20) + " " +
                                    std::to_string(pairRect.top + pairAt.y) + " click --repeat 2 --delay 80 1",
                                pairDrawn, 5.0));
    settle(0.8);
    std::string pairNetworkShot = screenshot("parts-pair-network-" + language + ".png", networkWindow());
    expectPaintedOnScreen(networkWindow(), pairNetworkShot);
}

INSTANTIATE_TEST_SUITE_P(Languages, RealWindow, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 1 ? "English" : "Japanese";
                         });

TEST(Program, OpensExactlyOneWindowWithItsCaptionAndSize) {
    TemporaryCurrentDirectory directory;
    pid_t program = 0;
    char* arguments[] = {const_cast<char*>(COMBINIX_PROGRAM), nullptr};
    ASSERT_EQ(posix_spawn(&program, COMBINIX_PROGRAM, nullptr, nullptr, arguments, environ), 0);
    std::string ids = output("timeout 20 xdotool search --sync --onlyvisible --name '^Combinix : '");
    std::string id = ids.substr(0, ids.find('\n'));
    EXPECT_EQ(std::count(ids.begin(), ids.end(), '\n'), 1) << ids;
    EXPECT_EQ(output("xdotool getwindowname " + id), "Combinix : パーツの組合せ探索 R1.20\n");
    EXPECT_NE(output("xdotool getwindowgeometry " + id).find("Geometry: 550x648"), std::string::npos);
    kill(program, SIGTERM);
    int status = 0;
    waitpid(program, &status, 0);
}

}  // namespace
