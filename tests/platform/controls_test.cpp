// The built-in controls: check marks, clicks, texts and enabled states.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/linux/test_interface.h"
#include "platform/win32.h"

namespace {

std::vector<MSG> commands;

LRESULT CALLBACK parentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        MSG m{};
        m.hwnd = window;
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        commands.push_back(m);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        commands.clear();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = parentProcedure;
        windowClass.lpszClassName = "Parent";
        RegisterClassA(&windowClass);
        parent_ = CreateWindowExA(0, "Parent", "", WS_OVERLAPPEDWINDOW, 0, 0, 550, 648, nullptr, nullptr,
                                  nullptr, nullptr);
    }
    void TearDown() override { platform_test::reset(); }

    HWND make(const char* className, DWORD style, int id) {
        return CreateWindowExA(0, className, " ", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 19, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    HWND parent_ = nullptr;
};

TEST_F(Controls, ClickTellsTheParentAndOnlyAutomaticStylesChangeTheirMark) {
    struct Case {
        DWORD style;
        int checkAfterClick;
    };
    // The program's radio buttons and check boxes are the plain styles: the
    // program sets the mark itself when it hears the click.
    const Case cases[] = {
        {BS_RADIOBUTTON, BST_UNCHECKED},
        {BS_CHECKBOX, BST_UNCHECKED},
        {BS_AUTOCHECKBOX, BST_CHECKED},
        {BS_AUTORADIOBUTTON, BST_CHECKED},
        {BS_PUSHBUTTON, BST_UNCHECKED},
    };
    int id = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        commands.clear();
        HWND button = make("button", c.style, ++id);
        platform_test::click(button);
        EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), c.checkAfterClick);
        platform_test::runUntilIdle();
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(LOWORD(commands[0].wParam), id);
        EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
        EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button));
    }
}

TEST_F(Controls, DisabledButtonsAndGroupBoxesIgnoreClicks) {
    HWND abort = make("button", BS_PUSHBUTTON, 23);
    HWND group = make("button", BS_GROUPBOX, 5);
    EXPECT_FALSE(EnableWindow(abort, FALSE));  // it was enabled
    EXPECT_TRUE(EnableWindow(abort, FALSE));   // now it was disabled
    platform_test::click(abort);
    platform_test::click(group);
    platform_test::runUntilIdle();
    EXPECT_TRUE(commands.empty());
    EnableWindow(abort, TRUE);
    platform_test::click(abort);
    platform_test::runUntilIdle();
    EXPECT_EQ(commands.size(), 1u);
}

TEST_F(Controls, CheckMarksAreSetOnlyByMessage) {
    HWND radio = make("button", BS_RADIOBUTTON, 6);
    EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(radio, BM_SETCHECK, 7, 0);  // anything else unchecks
    EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Controls, TypingStoresTheTextAndSendsEnChange) {
    HWND edit = make("edit", ES_AUTOHSCROLL | WS_BORDER, 11);
    platform_test::type(edit, "4.7k");
    char text[16];
    EXPECT_EQ(GetWindowTextA(edit, text, sizeof text), 4);
    EXPECT_STREQ(text, "4.7k");
    platform_test::runUntilIdle();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(HIWORD(commands[0].wParam), EN_CHANGE);
}

TEST_F(Controls, TextsAreCutBetweenCharacters) {
    HWND edit = make("edit", ES_MULTILINE, 29);
    // 31998 bytes and one two-byte character: the character would end at
    // byte 32000, past the 31999 a text may hold, so it is left out whole.
    std::string text(31998, 'a');
    text += "\x82\xa0"; /* あ */
    SetWindowTextA(edit, text.c_str());
    EXPECT_EQ(GetWindowTextLengthA(edit), 31998);

    // Reading "あい" into 4 bytes gives "あ" alone: "い" would need bytes 3
    // and 4, and the fourth is the zero byte.
    SetWindowTextA(edit, "\x82\xa0\x82\xa2" /* あい */);
    char small[4];
    memset(small, 'x', sizeof small);
    EXPECT_EQ(GetWindowTextA(edit, small, sizeof small), 2);
    EXPECT_STREQ(small, "\x82\xa0");
    char big[8];
    EXPECT_EQ(GetWindowTextA(edit, big, sizeof big), 4);
}

}  // namespace
