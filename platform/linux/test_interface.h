// The test-only interface of the Linux platform layer: what a test needs to
// drive the window with no one at the keyboard. It runs the message loop
// until nothing is left to do, answers message boxes, reads what WM_PAINT
// drew, and stands in for the user's clicks and typing. The program itself
// never calls it.
#pragma once

#include <functional>

#include "platform/linux/window_records.h"
#include "platform/win32.h"

namespace platform_test {

// One thing that painting drew into a window's client area: kind, rectangle
// in client coordinates, format or edge, colours and the CP932 text.
using DrawnItem = records::PaintedItem;
using records::PaintKind;

// Every window, class, queued message, request and drawing forgotten; the
// calling thread becomes the main thread. No view hooks are touched.
void reset();

// Serves requests, dispatches posted messages and paints until nothing is
// left; returns how many messages were taken. WM_QUIT is not taken (see
// quitRequested).
int runUntilIdle();
// Dispatches the messages posted so far, as runUntilIdle does, and nothing
// else: no other thread's request is served and nothing is painted, so a
// search worker waiting for this thread keeps waiting. Returns how many.
int dispatchPostedMessages();
// What the program's message loop takes before TranslateMessage and
// DispatchMessageA: a message for which `filter` returns true is not
// dispatched. Empty (as after reset): every message is dispatched.
void setMessageFilter(const std::function<bool(const MSG*)>& filter);
// Runs the loop until `done` is true or `seconds` have passed (another
// thread may be waiting for the main thread meanwhile); true when done.
bool pumpUntil(const std::function<bool()>& done, double seconds);

// True, with its exit code, once PostQuitMessage was called.
bool quitRequested(int* exitCode);

// Answers for the next message boxes, in order. Without one, a box answers
// IDNO (yes/no), IDCANCEL (OK/cancel) or IDOK.
void answerMessageBox(int answer);
int messageBoxCount();
const char* lastMessageBoxText();
const char* lastMessageBoxCaption();
UINT lastMessageBoxType();
// The captions of the last box's buttons, left to right (CP932; "" past
// the last).
const char* lastMessageBoxButton(int n);

// Timers: a timer's WM_TIMER comes from runUntilIdle (and pumpUntil) once
// its period has gone by, after the posted messages and the painting, as
// from GetMessageA. expireTimers makes the timers of `window` (null: of
// every window) due at once, so that the next runUntilIdle dispatches one
// WM_TIMER of each; returns how many. timerPeriod: the period in
// milliseconds of timer `id` of `window`, 0 while it is not set.
int expireTimers(HWND window = nullptr);
UINT timerPeriod(HWND window, UINT_PTR id);

// What painting drew into `window`, oldest first.
int drawnItemCount(HWND window);
DrawnItem drawnItem(HWND window, int n);

// What a user would do: click a button (only an enabled one reacts, and
// takes the focus), replace an edit box's text by typing (CP932, CR LF line
// breaks, the caret left at the end), drag.
void click(HWND button);
void type(HWND edit, const char* text);
// The thumb of a window's scroll bar held at `position` (SIF_TRACKPOS).
void dragThumb(HWND window, int bar, int position);
// A key (VK_TAB, VK_RETURN, VK_ESCAPE) pressed while `topLevel` is the
// active window.
void pressKey(HWND topLevel, int virtualKey, bool shift = false);
// The wheel turned by `delta` over client point (x, y) of `topLevel`.
void turnWheel(HWND topLevel, int x, int y, int delta, bool horizontal = false);
// A double-click of the left button at client point (x, y) of a
// multi-line edit box, which takes the focus.
void doubleClick(HWND edit, int x, int y);

// The fixed metrics of the system font and the screen size reported while
// headless.
void setSystemFont(int averageWidth, int height, int externalLeading, int pitchAndFamily);
void setScreenSize(int width, int height);

int windowCount();

}  // namespace platform_test
