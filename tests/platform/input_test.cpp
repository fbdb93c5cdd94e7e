// Keyboard focus, keys and the mouse wheel of the headless layer.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/linux/test_interface.h"
#include "platform/linux/view_hooks.h"
#include "platform/win32.h"

namespace {

struct Heard {
    HWND window;
    UINT message;
    WPARAM wParam;
};
std::vector<Heard> heard;

// The parent notes what it hears of focus, keys and the wheel.
LRESULT CALLBACK notingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        heard.push_back(Heard{window, message, wParam});
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        heard.clear();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = notingProcedure;
        windowClass.lpszClassName = "Main";
        RegisterClassA(&windowClass);
        // 400 by 380 with both bars: a client area of 383 by 363 pixels.
        main_ = CreateWindowExA(0, "Main", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, 0, 400, 380,
                                nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override { platform_test::reset(); }

    HWND child(const char* className, DWORD style, int x, int y, int w, int h, const char* text = "") {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, main_, nullptr,
                               nullptr, nullptr);
    }

    static std::string thirtyLines() {
        std::string text;
        for (int i = 1; i <= 30; ++i) text += std::to_string(i) + "\r\n";
        return text;
    }

    HWND listBox(int x, int y) {
        return child("edit", WS_BORDER | WS_VSCROLL | ES_MULTILINE, x, y, 150, 100, thirtyLines().c_str());
    }

    std::vector<UINT> heardBy(HWND window) {
        std::vector<UINT> messages;
        for (const Heard& h : heard)
            if (h.window == window) messages.push_back(h.message);
        return messages;
    }

    HWND main_ = nullptr;
};

int firstLine(HWND edit) { return static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); }

TEST_F(Input, FocusMovesWithKillAndSetFocusButNeverToADisabledWindow) {
    HWND box = child("edit", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 60, 19);
    HWND button = child("button", BS_PUSHBUTTON, 10, 40, 60, 19);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(main_), nullptr);
    EXPECT_EQ(SetFocus(box), main_);
    EXPECT_EQ(GetFocus(), box);
    std::vector<UINT> expected{WM_SETFOCUS, WM_KILLFOCUS};
    EXPECT_EQ(heardBy(main_), expected);
    EnableWindow(button, FALSE);
    EXPECT_EQ(SetFocus(button), nullptr);
    EXPECT_EQ(GetFocus(), box);
    // Another thread has no focus and cannot set it.
    std::thread([&] {
        EXPECT_EQ(GetFocus(), nullptr);
        EXPECT_EQ(SetFocus(main_), nullptr);
    }).join();
    EXPECT_EQ(GetFocus(), box);
}

TEST_F(Input, AWindowThatCannotKeepTheFocusGivesItUp) {
    struct Case {
        const char* what;
        void (*act)(HWND);
        bool toParent;
    };
    const Case cases[] = {
        {"disabled", [](HWND w) { EnableWindow(w, FALSE); }, false},
        {"hidden", [](HWND w) { ShowWindow(w, SW_HIDE); }, true},
        {"destroyed", [](HWND w) { DestroyWindow(w); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND box = child("edit", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 60, 19);
        SetFocus(box);
        c.act(box);
        EXPECT_EQ(GetFocus(), c.toParent ? main_ : nullptr);
    }
}

TEST_F(Input, KeysGoToTheFocusWindowOrAsSystemKeysToTheWindow) {
    HWND box = child("edit", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 60, 19);
    HWND lines = listBox(10, 40);
    SetFocus(box);
    heard.clear();
    platform_test::setMessageFilter([](const MSG* m) {
        heard.push_back(Heard{m->hwnd, m->message, m->wParam});
        return true;
    });
    // Only Enter in a multi-line box is the box's own as well (a new line).
    EXPECT_FALSE(viewKeyPressed(main_, VK_RETURN, false));
    platform_test::pressKey(main_, VK_TAB, true);
    SetFocus(lines);
    EXPECT_TRUE(viewKeyPressed(main_, VK_RETURN, false));
    SetFocus(nullptr);
    platform_test::pressKey(main_, VK_ESCAPE);
    platform_test::runUntilIdle();
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_EQ(heard[0].window, box);
    EXPECT_EQ(heard[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(heard[0].wParam, static_cast<WPARAM>(VK_RETURN));
    EXPECT_EQ(heard[1].wParam, static_cast<WPARAM>(VK_TAB));
    EXPECT_EQ(heard[2].window, lines);
    EXPECT_EQ(heard[3].window, main_);
    EXPECT_EQ(heard[3].message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(heard[3].wParam, static_cast<WPARAM>(VK_ESCAPE));
    // GetKeyState tells of Shift as at the last key.
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
    platform_test::pressKey(main_, VK_TAB, true);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
}

TEST_F(Input, WheelScrollsOnlyTheBoxUnderThePointerWhileItIsInTheClientArea) {
    // A group box around two list boxes, the second scrolled out of the
    // client area below; a disabled list box, a static text, a one-line box.
    HWND group = child("button", BS_GROUPBOX, 0, 0, 383, 500);
    HWND visible = listBox(10, 20);
    HWND outOfSight = listBox(200, 370);
    HWND disabled = listBox(200, 20);
    EnableWindow(disabled, FALSE);
    HWND caption = child("static", SS_LEFT, 10, 130, 150, 16, "List 1");
    HWND line = child("edit", WS_BORDER | ES_AUTOHSCROLL, 10, 160, 60, 19);
    ASSERT_NE(group, nullptr);
    ASSERT_NE(caption, nullptr);
    ASSERT_NE(line, nullptr);
    struct Case {
        const char* where;
        int x;
        int y;
        HWND scrolled;  // the box that moves, or null
        bool mainHears;
    };
    const Case cases[] = {
        {"inside the visible box", 80, 70, visible, false},
        {"on its bottom border", 80, 119, visible, false},
        {"just below it", 80, 120, nullptr, true},
        {"the disabled box", 250, 70, nullptr, true},
        {"the caption", 20, 135, nullptr, true},
        {"the one-line box", 20, 165, nullptr, true},
        {"the last client row above the hidden box", 250, 362, nullptr, true},
        {"below the client area, where the hidden box lies", 250, 372, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        // Setting a text shows it from its first line again.
        for (HWND box : {visible, outOfSight, disabled}) SetWindowTextA(box, thirtyLines().c_str());
        heard.clear();
        platform_test::turnWheel(main_, c.x, c.y, -WHEEL_DELTA);
        platform_test::runUntilIdle();
        for (HWND box : {visible, outOfSight, disabled}) EXPECT_EQ(firstLine(box), box == c.scrolled ? 3 : 0);
        EXPECT_EQ(heardBy(main_), c.mainHears ? std::vector<UINT>{WM_MOUSEWHEEL} : std::vector<UINT>{});
    }
    // Sideways, a box hands the wheel on too.
    heard.clear();
    platform_test::turnWheel(main_, 80, 70, WHEEL_DELTA, true);
    platform_test::runUntilIdle();
    EXPECT_EQ(heardBy(main_), std::vector<UINT>{WM_MOUSEHWHEEL});
    EXPECT_EQ(firstLine(visible), 0);
}

}  // namespace
