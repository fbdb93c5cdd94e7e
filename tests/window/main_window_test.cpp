// The main window as the program creates it, its window procedure, the
// search's cross-thread update of the Result box, and the program without a
// display.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "engine/recorder.h"
#include "engine/shared_state.h"
#include "platform/linux/code_page.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/fresh_program.h"
#include "tests/support/temp_directory.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/scrolling.h"

namespace {

std::string textOf(HWND window) {
    char text[512];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        resetToFreshProgram();
        ASSERT_NE(registerMainWindowClass(nullptr), 0);
        main_ = createMainWindow(nullptr);
        ASSERT_NE(main_, nullptr);
    }
    void TearDown() override {
        resetToFreshProgram();
    }

    TemporaryCurrentDirectory directory_;
    HWND main_ = nullptr;
};

TEST_F(MainWindow, OpensWithCaptionStyleDefaultSizeAndJapaneseCaptions) {
    char caption[64];
    cp932ToUtf8(textOf(main_).c_str(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Combinix : パーツの組合せ探索 R1.20");
    // Created with both scroll bars; at the default size the whole content
    // fits, so both are hidden and their style bits cleared, as in Win32.
    EXPECT_EQ(MainWindowStyle, 0x00FF0000u);
    EXPECT_EQ(main_->style, MainWindowStyle & ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(registerMainWindowClass(nullptr), 0);  // "Combinix" exists now
    RECT r;
    GetWindowRect(main_, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 550);
    EXPECT_EQ(r.bottom - r.top, 648);
    EXPECT_EQ(platform_test::windowCount(), 1 + 38 + 1);  // and the Pair window's button
    EXPECT_EQ(textOf(controlWindows[RowLanguage]), "English");
    EXPECT_EQ(SendMessageA(controlWindows[RowResistor], BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(controlWindows[RowAbort]));
    // The scroll bars were set for the client area of 550 by 648 pixels.
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(main_, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 52);
    EXPECT_EQ(info.nPage, 53u);  // 53 columns fit; the page is cut to the range
}

TEST_F(MainWindow, ListBoxesShowTheResistorListsAndInputsTheirDefaults) {
    EXPECT_STREQ(textBuffers[BufDisplayedList1], textBuffers[10]);
    EXPECT_STREQ(textBuffers[BufDisplayedList2], textBuffers[13]);
    EXPECT_STREQ(textBuffers[BufDisplayedList3], textBuffers[16]);
    EXPECT_EQ(textOf(controlWindows[RowList1Box]).substr(0, 4), "10\r\n");
    EXPECT_EQ(textOf(controlWindows[RowTargetBox]), "1.42k");
}

TEST_F(MainWindow, ClicksRepaintAndEditNotificationsDoNothing) {
    ShowWindow(main_, SW_SHOW);
    platform_test::runUntilIdle();
    SendMessageA(main_, WM_COMMAND, MAKEWPARAM(RowTargetBox, EN_CHANGE),
                 reinterpret_cast<LPARAM>(controlWindows[RowTargetBox]));
    EXPECT_FALSE(main_->needsPaint);
    platform_test::click(controlWindows[RowE12Choice]);
    platform_test::runUntilIdle();
    // The click was dispatched and painted the window again.
    setText(statusText, "painted");
    platform_test::click(controlWindows[RowE24Choice]);
    platform_test::runUntilIdle();
    ASSERT_EQ(platform_test::drawnItemCount(main_), 1);
    EXPECT_STREQ(platform_test::drawnItem(main_, 0).text, "painted");
}

TEST_F(MainWindow, ScrollMessagesReachScrolling) {
    MoveWindow(main_, 0, 0, 300 + 17, 320 + 17, TRUE);  // 30 characters, 20 lines
    SendMessageA(main_, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    SendMessageA(main_, WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), 0);
    EXPECT_EQ(vScrollOffset, -1);
    EXPECT_EQ(hScrollOffset, -23);
    RECT r;
    GetWindowRect(controlWindows[RowExecute], &r);
    EXPECT_EQ(r.left, 210 - 230);
    EXPECT_EQ(r.top, 136 - 16);
}

TEST_F(MainWindow, ClosingEndsTheMessageLoopWithExitCodeZero) {
    PostMessageA(main_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    int code = -1;
    EXPECT_TRUE(platform_test::quitRequested(&code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(IsWindow(main_));
    EXPECT_FALSE(IsWindow(controlWindows[RowResultBox]));
}

TEST_F(MainWindow, SearchUpdatesTheResultBoxFromItsThreadThroughTheMainThread) {
    // What the recorder does for every displayed match, from the worker.
    std::atomic<bool> finished{false};
    std::string seenByWorker;
    std::thread worker([&] {
        setText(resultText, "2: 1.42k  0.000%  1k + 420\r\n");
        SetWindowTextA(controlWindows[RowResultBox], resultText);
        char text[64];
        GetWindowTextA(controlWindows[RowResultBox], text, sizeof text);
        seenByWorker = text;
        finished = true;
    });
    EXPECT_TRUE(platform_test::pumpUntil([&] { return finished.load(); }, 10.0));
    worker.join();
    EXPECT_EQ(seenByWorker, "2: 1.42k  0.000%  1k + 420\r\n");
    EXPECT_EQ(textOf(controlWindows[RowResultBox]), seenByWorker);
}

TEST(Program, WithoutADisplayExplainsInOneLineAndExitsWithOne) {
    std::string command = std::string("env -u DISPLAY ") + COMBINIX_PROGRAM + " 2>&1";
    FILE* output = popen(command.c_str(), "r");
    ASSERT_NE(output, nullptr);
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, output)) text += buffer;
    int status = pclose(output);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(text.find('\n'), text.size() - 1) << text;
    EXPECT_NE(text.find("display"), std::string::npos) << text;
    EXPECT_NE(text.find("combinix-search"), std::string::npos) << text;
}

}  // namespace
