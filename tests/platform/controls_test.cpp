// The built-in controls: check marks, clicks, texts and enabled states.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/edit_selection.h"

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

int firstVisible(HWND edit) { return static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); }

TEST_F(Controls, TextSetInABoxIsShownFromItsStartWhateverTheCaretWas) {
    // The target box (60 by 12 pixels, 8 characters of the system font) and
    // the Result box (a multi-line box of 7 lines).
    HWND line = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 60, 19,
                                parent_, nullptr, nullptr, nullptr);
    HWND lines = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, 0, 0, 300, 114,
                                 parent_, nullptr, nullptr, nullptr);
    struct Case {
        HWND edit;
        const char* typed;
        const char* set;
    };
    const Case cases[] = {
        {line, "0.0000000001", "1.234567k"},
        {lines, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11", "2: 1k\r\n3: 1k\r\n4: 1k\r\n5: 1k\r\n6: 1k\r\n7: 1k\r\n8: 1k\r\n9: 1k\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        // Typing leaves the caret at the end, scrolled into view.
        platform_test::type(c.edit, c.typed);
        DWORD length = static_cast<DWORD>(strlen(c.typed));
        EXPECT_EQ(selectionOf(c.edit).start, length);
        EXPECT_GT(firstVisible(c.edit), 0);
        // Either way of setting the text shows it from the start.
        SetWindowTextA(c.edit, c.set);
        EXPECT_EQ(selectionOf(c.edit).start, 0u);
        EXPECT_EQ(selectionOf(c.edit).end, 0u);
        EXPECT_EQ(firstVisible(c.edit), 0);
        platform_test::type(c.edit, c.typed);
        SendMessageA(c.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.set));
        EXPECT_EQ(selectionOf(c.edit).end, 0u);
        EXPECT_EQ(firstVisible(c.edit), 0);
    }
}

TEST_F(Controls, SetSelTakesAnchorAndCaretAsWin32Does) {
    HWND edit = make("edit", ES_AUTOHSCROLL | WS_BORDER, 11);
    // "1k" then "抵抗" (two double-byte characters): 6 bytes.
    SetWindowTextA(edit, "1k\x92\xef\x8d\x52" /* 1k抵抗 */);
    struct Case {
        WPARAM start;
        LPARAM end;
        DWORD low;
        DWORD high;
    };
    const Case cases[] = {
        {0, -1, 0, 6},                       // all
        {6, 0, 0, 6},                        // all, the caret at the start
        {1, 3, 1, 2},                        // 3 is inside a character: back to 2
        {100, 200, 6, 6},                    // past the end
        {static_cast<WPARAM>(-1), 0, 6, 6},  // deselects, the caret stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        SendMessageA(edit, EM_SETSEL, c.start, c.end);
        EditSelection s = selectionOf(edit);
        EXPECT_EQ(s.start, c.low);
        EXPECT_EQ(s.end, c.high);
        EXPECT_EQ(static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0)), static_cast<DWORD>(MAKELONG(c.low, c.high)));
    }
}

TEST_F(Controls, ScrollCaretBringsTheCaretIntoView) {
    HWND edit = make("edit", ES_AUTOHSCROLL | WS_BORDER, 13);  // 98 pixels: 14 characters
    SetWindowTextA(edit, "0.000000000000000000000001");   // 26 characters
    SendMessageA(edit, EM_SETSEL, 26, 26);
    EXPECT_EQ(firstVisible(edit), 0);  // EM_SETSEL alone does not scroll
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(firstVisible(edit), 26 - 14);
    SendMessageA(edit, EM_SETSEL, 26, 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(firstVisible(edit), 0);
}

TEST_F(Controls, WheelScrollsAMultiLineBoxThreeLinesANotchWithinItsLines) {
    // 114 pixels: 112 inside the border, 7 lines of 16; 20 lines of text,
    // so lines 0 to 13 can be the first shown.
    HWND lines = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, 0, 0, 300, 114,
                                 parent_, nullptr, nullptr, nullptr);
    std::string text;
    for (int i = 1; i < 20; ++i) text += std::to_string(i) + "\r\n";
    text += "20";
    SetWindowTextA(lines, text.c_str());
    struct Step {
        int delta;
        int first;
    };
    const Step steps[] = {
        {-WHEEL_DELTA, 3},      {-2 * WHEEL_DELTA, 9}, {WHEEL_DELTA, 6},
        {-60, 6},               {-60, 9},              // half a notch waits for the other half
        {-10 * WHEEL_DELTA, 13}, {20 * WHEEL_DELTA, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.delta);
        SendMessageA(lines, WM_MOUSEWHEEL, MAKEWPARAM(0, step.delta), 0);
        EXPECT_EQ(firstVisible(lines), step.first);
    }
}

TEST_F(Controls, CharFromPosFindsTheCharacterAndLineUnderAPoint) {
    // 7 lines of 16 pixels inside the border; characters of 7 pixels.
    HWND lines = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, 0, 0, 300, 114,
                                 parent_, nullptr, nullptr, nullptr);
    // Line 1 holds "抵抗" (two double-byte characters); the text ends in a
    // line break, so line 3 is empty.
    SetWindowTextA(lines, (std::string("4: 1k\r\n") + "\x92\xef\x8d\x52" /* 抵抗 */ + "\r\n5: 22\r\n").c_str());
    struct Case {
        int x, y;
        int character;
        int line;
    };
    const Case cases[] = {
        {0, 0, 0, 0},      {2, 8, 0, 0},      {4, 8, 1, 0},  // the nearer edge of a character
        {200, 15, 5, 0},   // right of the line's end: its end
        {10, 16, 7, 1},    // inside "抵": its first byte
        {14, 31, 9, 1},    // "抗"
        {0, 40, 13, 2},    {100, 50, 20, 3},  // the empty line after the last break
        {100, 300, 20, 3}, // below the text: its last line
        {-20, -5, 0, 0},   // left of and above the box: the first character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        LRESULT at = SendMessageA(lines, EM_CHARFROMPOS, 0, MAKELPARAM(c.x, c.y));
        EXPECT_EQ(LOWORD(at), c.character);
        EXPECT_EQ(HIWORD(at), c.line);
    }
    // Scrolled down three lines, the top row shows line 3.
    std::string numbers;
    for (int i = 1; i <= 20; ++i) numbers += std::to_string(i) + "\r\n";
    SetWindowTextA(lines, numbers.c_str());
    SendMessageA(lines, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    ASSERT_EQ(firstVisible(lines), 3);
    EXPECT_EQ(SendMessageA(lines, EM_CHARFROMPOS, 0, MAKELPARAM(10, 20)), MAKELONG(13, 4));  // "5"
    // A one-line box has one line, scrolled by characters.
    HWND line = make("edit", ES_AUTOHSCROLL | WS_BORDER, 11);
    SetWindowTextA(line, "1.42k");
    EXPECT_EQ(SendMessageA(line, EM_CHARFROMPOS, 0, MAKELPARAM(15, 30)), MAKELONG(2, 0));
}

TEST_F(Controls, LineIndexAndLengthCountTheBoxsCharactersWithoutTheLineBreak) {
    HWND lines = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, 0, 0, 300, 114,
                                 parent_, nullptr, nullptr, nullptr);
    // "4: 1k" at 0, "抵抗 10" (two double-byte characters) at 7, an empty
    // line at 16 and the empty line after the last break at 18.
    SetWindowTextA(lines, (std::string("4: 1k\r\n") + "\x92\xef\x8d\x52" /* 抵抗 */ + " 10\r\n\r\n").c_str());
    struct Case {
        int line;
        LRESULT index;   // EM_LINEINDEX
        LRESULT length;  // EM_LINELENGTH of that index
    };
    const Case cases[] = {{0, 0, 5}, {1, 7, 7}, {2, 16, 0}, {3, 18, 0}, {4, -1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        LRESULT index = SendMessageA(lines, EM_LINEINDEX, static_cast<WPARAM>(c.line), 0);
        EXPECT_EQ(index, c.index);
        if (index >= 0) {
            EXPECT_EQ(SendMessageA(lines, EM_LINELENGTH, static_cast<WPARAM>(index), 0), c.length);
        }
    }
    // Any character of a line, its break included, gives that line's length.
    EXPECT_EQ(SendMessageA(lines, EM_LINELENGTH, 3, 0), 5);
    EXPECT_EQ(SendMessageA(lines, EM_LINELENGTH, 5, 0), 5);  // its CR
    EXPECT_EQ(SendMessageA(lines, EM_LINELENGTH, 12, 0), 7);
    EXPECT_EQ(SendMessageA(lines, EM_LINELENGTH, 99, 0), 0);  // past the text: its last line
    // -1: the caret's line.
    SendMessageA(lines, EM_SETSEL, 16, 9);
    EXPECT_EQ(SendMessageA(lines, EM_LINEINDEX, static_cast<WPARAM>(-1), 0), 7);
    // A one-line box: one line, its whole text.
    HWND line = make("edit", ES_AUTOHSCROLL | WS_BORDER, 11);
    SetWindowTextA(line, "1.42k");
    EXPECT_EQ(SendMessageA(line, EM_LINEINDEX, 0, 0), 0);
    EXPECT_EQ(SendMessageA(line, EM_LINEINDEX, 1, 0), -1);
    EXPECT_EQ(SendMessageA(line, EM_LINELENGTH, 0, 0), 5);
}

TEST_F(Controls, DoubleClickIsPostedToAnEnabledEditBoxWithItsPoint) {
    HWND lines = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, 0, 0, 300, 114,
                                 parent_, nullptr, nullptr, nullptr);
    HWND button = make("button", BS_PUSHBUTTON, 21);
    std::vector<MSG> posted;
    platform_test::setMessageFilter([&](const MSG* m) {
        posted.push_back(*m);
        return false;
    });
    platform_test::doubleClick(lines, 12, 40);
    platform_test::doubleClick(button, 1, 1);  // no edit box: nothing
    EnableWindow(lines, FALSE);
    platform_test::doubleClick(lines, 1, 1);   // disabled: nothing
    platform_test::runUntilIdle();
    platform_test::setMessageFilter(nullptr);
    std::vector<MSG> clicks;
    for (const MSG& m : posted)
        if (m.message == WM_LBUTTONDBLCLK) clicks.push_back(m);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].hwnd, lines);
    EXPECT_EQ(clicks[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(clicks[0].lParam, MAKELPARAM(12, 40));
    // Headless, the box changes nothing by it.
    EXPECT_EQ(selectionOf(lines).end, 0u);
}

}  // namespace
