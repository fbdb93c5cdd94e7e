// Windows, messages and other threads' requests of the headless layer.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/linux/test_interface.h"
#include "platform/linux/view_hooks.h"
#include "platform/win32.h"

namespace {

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::thread::id thread;
};
std::vector<Seen> seen;

LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back(Seen{window, message, wParam, lParam, std::this_thread::get_id()});
    if (message == WM_CREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (create->lpCreateParams == reinterpret_cast<LPVOID>(1)) return -1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class WindowsAndMessages : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        seen.clear();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = recordingProcedure;
        windowClass.lpszClassName = "Probe";
        ASSERT_NE(RegisterClassA(&windowClass), 0);
    }
    void TearDown() override { platform_test::reset(); }

    HWND makeWindow(DWORD style = WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, LPVOID param = nullptr) {
        return CreateWindowExA(0, "Probe", "probe", style, 0, 0, 550, 648, nullptr, nullptr, nullptr, param);
    }

    std::vector<UINT> messagesTo(HWND window) {
        std::vector<UINT> result;
        for (const Seen& s : seen)
            if (s.window == window) result.push_back(s.message);
        return result;
    }
};

TEST_F(WindowsAndMessages, EveryCallOnANullHandleDoesNothing) {
    HWND window = makeWindow();
    char text[8] = "x";
    RECT rect{1, 2, 3, 4};
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    PAINTSTRUCT paint{};
    seen.clear();
    EXPECT_FALSE(SetWindowTextA(nullptr, "text"));
    EXPECT_EQ(GetWindowTextA(nullptr, text, sizeof text), 0);
    EXPECT_EQ(GetWindowTextLengthA(nullptr), 0);
    EXPECT_EQ(SendMessageA(nullptr, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("t")), 0);
    EXPECT_FALSE(PostMessageA(nullptr, WM_COMMAND, 0, 0));
    EXPECT_FALSE(EnableWindow(nullptr, FALSE));
    EXPECT_FALSE(IsWindowEnabled(nullptr));
    EXPECT_FALSE(InvalidateRect(nullptr, nullptr, TRUE));
    EXPECT_FALSE(UpdateWindow(nullptr));
    EXPECT_FALSE(ShowWindow(nullptr, SW_SHOW));
    EXPECT_FALSE(MoveWindow(nullptr, 0, 0, 10, 10, TRUE));
    EXPECT_FALSE(SetWindowPos(nullptr, nullptr, 0, 0, 10, 10, 0));
    EXPECT_FALSE(GetWindowRect(nullptr, &rect));
    EXPECT_FALSE(GetClientRect(nullptr, &rect));
    EXPECT_EQ(SetScrollInfo(nullptr, SB_VERT, &info, TRUE), 0);
    EXPECT_FALSE(GetScrollInfo(nullptr, SB_VERT, &info));
    EXPECT_FALSE(ScrollWindow(nullptr, 0, 10, nullptr, nullptr));
    EXPECT_EQ(BeginPaint(nullptr, &paint), nullptr);
    EXPECT_FALSE(DestroyWindow(nullptr));
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
    // Nothing was written and no window heard anything.
    EXPECT_STREQ(text, "x");
    EXPECT_EQ(rect.left, 1);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(platform_test::runUntilIdle(), 0);
}

TEST_F(WindowsAndMessages, CreationSendsCreateThenSizeWithTheClientArea) {
    HWND window = makeWindow();
    ASSERT_NE(window, nullptr);
    std::vector<UINT> expected{WM_CREATE, WM_SIZE, WM_MOVE};
    EXPECT_EQ(messagesTo(window), expected);
    // The client area is the rectangle less the two scroll bars of 17 pixels.
    EXPECT_EQ(seen[1].lParam, MAKELPARAM(550 - 17, 648 - 17));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 533);
    EXPECT_EQ(client.bottom, 631);
    char caption[16];
    EXPECT_EQ(GetWindowTextA(window, caption, sizeof caption), 5);
    EXPECT_STREQ(caption, "probe");
}

TEST_F(WindowsAndMessages, CreationFailsForUnknownClassMissingParentOrRefusedCreate) {
    EXPECT_EQ(CreateWindowExA(0, "Unknown", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowExA(0, "button", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(makeWindow(WS_OVERLAPPEDWINDOW, reinterpret_cast<LPVOID>(1)), nullptr);
    EXPECT_EQ(platform_test::windowCount(), 0);
    // The built-in classes exist already, whatever the letter case.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = recordingProcedure;
    windowClass.lpszClassName = "BUTTON";
    EXPECT_EQ(RegisterClassA(&windowClass), 0);
    windowClass.lpszClassName = "Probe";
    EXPECT_EQ(RegisterClassA(&windowClass), 0);
}

TEST_F(WindowsAndMessages, ChildrenHaveIdsAndScreenRectanglesInsideTheParent) {
    HWND parent = makeWindow();
    MoveWindow(parent, 100, 50, 550, 648, TRUE);
    HWND child = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 95, 56, 100, 19, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(21)), nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetDlgItem(parent, 21), child);
    EXPECT_EQ(GetDlgCtrlID(child), 21);
    EXPECT_EQ(GetParent(child), parent);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 195);
    EXPECT_EQ(r.top, 106);
    EXPECT_EQ(r.right, 295);
    EXPECT_EQ(r.bottom, 125);
}

TEST_F(WindowsAndMessages, PostedMessagesComeBeforeQuitAndQuitBeforePaint) {
    HWND window = makeWindow();
    ShowWindow(window, SW_SHOW);
    // Creation left the whole client area to paint; posted messages still
    // come before WM_PAINT, and WM_QUIT only when nothing else is left.
    PostMessageA(window, WM_USER, 1, 0);
    PostMessageA(window, WM_USER, 2, 0);
    PostQuitMessage(3);
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(message.wParam, 1u);
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.wParam, 2u);
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    DispatchMessageA(&message);
    // The default procedure validated the window: no second WM_PAINT.
    EXPECT_EQ(platform_test::runUntilIdle(), 0);
    EXPECT_EQ(messagesTo(window).back(), static_cast<UINT>(WM_PAINT));
}

TEST_F(WindowsAndMessages, UserResizeSendsTheNewClientSizeAndRepaintsARedrawClass) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = recordingProcedure;
    windowClass.lpszClassName = "Redrawn";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND redrawn = CreateWindowExA(0, "Redrawn", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, 0, 550,
                                   648, nullptr, nullptr, nullptr, nullptr);
    HWND plain = makeWindow();
    ShowWindow(redrawn, SW_SHOW);
    ShowWindow(plain, SW_SHOW);
    platform_test::runUntilIdle();
    seen.clear();
    // The desktop's frame was dragged: 400 by 300 pixels with the bars.
    viewWindowMoved(redrawn, 0, 0, 400, 300);
    viewWindowMoved(plain, 0, 0, 400, 300);
    platform_test::runUntilIdle();
    std::vector<UINT> expected{WM_SIZE, WM_PAINT};
    EXPECT_EQ(messagesTo(redrawn), expected);
    EXPECT_EQ(messagesTo(plain), std::vector<UINT>{WM_SIZE});
    EXPECT_EQ(seen[0].lParam, MAKELPARAM(383, 283));
}

TEST_F(WindowsAndMessages, HiddenWindowsAreNotPainted) {
    HWND window = makeWindow();
    seen.clear();
    platform_test::runUntilIdle();
    EXPECT_TRUE(messagesTo(window).empty());
    ShowWindow(window, SW_SHOW);
    platform_test::runUntilIdle();
    EXPECT_EQ(messagesTo(window), std::vector<UINT>{WM_PAINT});
}

TEST_F(WindowsAndMessages, CloseDestroysTheParentBeforeItsChildren) {
    HWND parent = makeWindow();
    HWND child = CreateWindowExA(0, "Probe", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    seen.clear();
    SendMessageA(parent, WM_CLOSE, 0, 0);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(seen[1].window, parent);
    EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(seen[2].window, child);
    EXPECT_EQ(seen[2].message, static_cast<UINT>(WM_DESTROY));
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(WindowsAndMessages, OwnedWindowsGoBeforeTheirOwnerAndAloneWithoutIt) {
    HWND owner = makeWindow();
    HWND child = CreateWindowExA(0, "Probe", "", WS_CHILD, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
    // Given the child as its parent, a top-level window is owned by the
    // child's top-level window; it is no child, and keeps its own place.
    HWND owned = CreateWindowExA(0, "Probe", "", WS_OVERLAPPEDWINDOW, 600, 0, 200, 100, child, nullptr, nullptr,
                                 nullptr);
    HWND other = makeWindow();
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(GetParent(owned), nullptr);
    RECT r;
    GetWindowRect(owned, &r);
    EXPECT_EQ(r.left, 600);
    // Closed by itself, the owned window goes alone.
    SendMessageA(owned, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_TRUE(IsWindow(owner));
    // Another one goes with its owner, before the owner hears WM_DESTROY.
    owned = CreateWindowExA(0, "Probe", "", WS_OVERLAPPEDWINDOW, 600, 0, 200, 100, owner, nullptr, nullptr,
                            nullptr);
    seen.clear();
    SendMessageA(owner, WM_CLOSE, 0, 0);
    std::vector<HWND> destroyed;
    for (const Seen& s : seen)
        if (s.message == WM_DESTROY) destroyed.push_back(s.window);
    EXPECT_EQ(destroyed, (std::vector<HWND>{owned, owner, child}));
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_TRUE(IsWindow(other));
}

TEST_F(WindowsAndMessages, WorkerSetWindowTextWaitsUntilTheMainThreadHasSetIt) {
    HWND window = makeWindow();
    seen.clear();
    std::atomic<bool> finished{false};
    char readBack[16] = "";
    std::thread worker([&] {
        SetWindowTextA(window, "1: 1k");
        // Returning means the main thread has done it: the text is there.
        GetWindowTextA(window, readBack, sizeof readBack);
        finished = true;
    });
    EXPECT_TRUE(platform_test::pumpUntil([&] { return finished.load(); }, 10.0));
    worker.join();
    EXPECT_STREQ(readBack, "1: 1k");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_SETTEXT));
    EXPECT_EQ(seen[0].thread, std::this_thread::get_id());
}

TEST_F(WindowsAndMessages, WorkerInvalidateAndEnableAreCarriedOutLaterOnTheMainThread) {
    HWND window = makeWindow();
    ShowWindow(window, SW_SHOW);
    HWND button = CreateWindowExA(0, "button", "Exit", WS_CHILD | WS_VISIBLE, 0, 0, 60, 19, window, nullptr,
                                  nullptr, nullptr);
    platform_test::runUntilIdle();
    seen.clear();
    std::thread worker([&] {
        EnableWindow(button, FALSE);
        InvalidateRect(window, nullptr, TRUE);
    });
    worker.join();
    // Queued, not yet done: the worker did not wait for the main thread.
    EXPECT_TRUE(IsWindowEnabled(button));
    platform_test::runUntilIdle();
    EXPECT_FALSE(IsWindowEnabled(button));
    std::vector<UINT> expected{WM_PAINT};
    EXPECT_EQ(messagesTo(window), expected);
    EXPECT_EQ(seen.back().thread, std::this_thread::get_id());
}

TEST_F(WindowsAndMessages, WorkerCallsOnANullHandleNeedNoMainThread) {
    // The search calls SetWindowTextA on the Result box's handle, which is
    // null when no window exists: nothing may wait for a message loop.
    std::thread worker([] {
        EXPECT_FALSE(SetWindowTextA(nullptr, "1: 1k"));
        EXPECT_FALSE(InvalidateRect(nullptr, nullptr, TRUE));
        EXPECT_FALSE(EnableWindow(nullptr, TRUE));
    });
    worker.join();
}

}  // namespace
