// The layer's own record of every window, shared by the files of
// platform/linux and read by the view. The record is the truth: texts, check
// marks, enabled states, rectangles and scroll bars are read from it, and the
// view only mirrors it. Records live in one fixed store and are touched by
// the main thread only; other threads reach them through requests
// (windows_messages.cpp).
#pragma once

#include <cstddef>

#include "platform/win32.h"

namespace records {

// Room for the main window and its 41 controls, the Pair window and its 68,
// the Network window and a few windows more.
constexpr int MaxWindows = 160;
// A window text: 31999 bytes and a zero, as much as a text buffer holds.
constexpr int WindowTextSize = 32000;
// Registered classes, the three built-in ones included.
constexpr int MaxClasses = 16;
constexpr int ClassNameSize = 64;
// The width of the main window's scroll bars, in pixels.
constexpr int ScrollBarSize = 17;

// What the layer itself implements for a window of a built-in class
// (Program: a class of the program, with its own procedure).
enum class Builtin { Program, Button, Static, Edit };

struct ScrollBarState {
    int min;
    int max;
    int page;
    int pos;
    int trackPos;
};

struct WindowClass {
    bool inUse;
    char name[ClassNameSize];
    WNDPROC procedure;
    Builtin builtin;
    HBRUSH background;
    UINT style;
    // The class's icon: the program's own (programIcon) is the one the view
    // shows for the class's top-level windows; any other shows none.
    HICON icon;
};

}  // namespace records

struct PlatformWindow {
    bool inUse;
    int classIndex;
    records::Builtin builtin;
    WNDPROC procedure;
    DWORD style;
    DWORD exStyle;
    HWND parent;
    // A top-level window's owner (a top-level window too), or null: an
    // owned window goes when its owner goes.
    HWND owner;
    int id;
    // Children: relative to the parent's client area. Top-level windows: in
    // screen coordinates; the frame is the desktop's, so the rectangle is
    // the client area plus the window's own scroll bars.
    RECT rect;
    bool enabled;
    bool visible;
    int check;
    char text[records::WindowTextSize];
    records::ScrollBarState scroll[2];  // SB_HORZ, SB_VERT
    // The update region, kept as one rectangle in client coordinates.
    bool needsPaint;
    bool erase;
    RECT update;
    bool destroying;
    // Edit boxes: the selection as an anchor and a caret (byte offsets into
    // the text, never inside a character; the caret is where the selection
    // ends), the first line a multi-line box shows or the first character a
    // one-line box shows, and the part of a wheel turn short of a notch.
    int selectionAnchor;
    int selectionCaret;
    int firstVisible;
    int wheelRemainder;
    // The view's widget for this window, null when headless.
    void* view;
};

namespace records {

// Every window slot; a slot is a window while inUse is set.
extern PlatformWindow windows[MaxWindows];
extern WindowClass classes[MaxClasses];

// What LoadIconA gives for the program's icon resource (ProgramIconResource
// of platform/program_resources.h), which the view builds in (dialogs.cpp).
HICON programIcon();

// True when `window` is a live record (not null, inside the store, in use).
bool isLive(HWND window);
// True on the thread that owns the windows.
bool onMainThread();
// Makes the calling thread the main thread when none is set yet.
void claimMainThread();

// The client area's size: the rectangle less the window's own scroll bars
// (and a one-pixel border for bordered controls).
int clientWidth(HWND window);
int clientHeight(HWND window);

// Stores a text into the record, cut to the record's size at a character
// boundary of CP932.
void storeText(HWND window, const char* text);

// True for the first byte of a CP932 double-byte character.
bool isLeadByte(unsigned char c);

// The window with the keyboard focus, or null (input.cpp). Only the main
// thread reads or sets it.
extern HWND focus;
// Moves the focus as SetFocus does (WM_KILLFOCUS, WM_SETFOCUS); with
// `tellView` the view's widget is told as well.
HWND moveFocus(HWND window, bool tellView);
// A window that can no longer hold the focus (disabled, hidden, being
// destroyed) gives it up, with its children: to its parent when `toParent`
// (hiding), else to nobody (disabling and destroying), as in Win32.
void dropFocus(HWND window, bool toParent);

// The client area's size changed because a scroll bar appeared or went:
// the window hears WM_SIZE and, for a class with CS_HREDRAW or CS_VREDRAW,
// is painted anew.
void clientAreaChanged(HWND window, int oldWidth, int oldHeight);

// Painting (painting.cpp): the draw list holds what painting drew into each
// window's client area, so that the view can draw it again whenever the
// desktop asks and tests can read it. An item lies in client coordinates.
// Room for a window of a hundred lines, shapes and labels beside the
// main window's few texts.
constexpr int MaxPaintedItems = 256;
constexpr int PaintedTextSize = 2048;
// The points of one Lines item; a longer polyline becomes several items
// that share their end points.
constexpr int MaxPaintedPoints = 16;

enum class PaintKind { Text, Edge, Lines, Ellipse };

struct PaintedItem {
    PaintKind kind;
    RECT rect;          // Lines: the points' bounds, widened by the pen
    UINT format;        // DrawTextA format, or DrawEdge edge type
    UINT flags;         // DrawEdge border flags
    COLORREF textColor;
    COLORREF backColor;
    int backMode;
    const char* text;   // CP932, at most PaintedTextSize - 1 bytes
    // Lines and Ellipse: the pen's width (0: a null pen, no outline) and
    // colour, and whether the brush fills the ellipse, in which colour.
    int penWidth;
    COLORREF penColor;
    bool filled;
    COLORREF fillColor;
    // Lines: the polyline, in client coordinates.
    int pointCount;
    const POINT* points;
};

int paintedItemCount(HWND window);
PaintedItem paintedItem(HWND window, int n);
// The colour of the window's class background brush.
COLORREF backgroundColor(HWND window);

// The metrics GetTextMetricsA reports for the system font, and the screen
// size reported while headless.
struct SystemFont {
    int averageWidth;
    int height;
    int externalLeading;
    int pitchAndFamily;
};
extern SystemFont systemFont;
extern int headlessScreenWidth;
extern int headlessScreenHeight;

// Pens and brushes (pens_and_brushes.cpp). A device context draws lines
// with its pen and outlines and fills shapes with its pen and brush.
struct DrawingTool {
    bool isPen;
    bool isBrush;
    bool draws;  // false for a null pen or brush
    int width;   // a pen's width in pixels, at least 1
    COLORREF color;
};
// What `object` is; neither pen nor brush for anything else.
DrawingTool drawingTool(HGDIOBJ object);
// True while `object` is selected into a device context (painting.cpp).
bool selectedInContext(HGDIOBJ object);
void resetDrawingTools();

void forgetDrawItems(HWND window);
void shiftDrawItems(HWND window, int dx, int dy);
// What lies outside a client area that shrank is gone, as its pixels are.
void dropDrawItemsOutside(HWND window);
void invalidate(HWND window, const RECT* rect, bool erase);
HWND windowNeedingPaint();

// The built-in class procedures (controls.cpp).
LRESULT CALLBACK buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Requests of other threads. runOnMainThread waits until the main thread
// has run `run`; postToMainThread queues it with a copy of `payload` (at most
// 48 bytes) and returns at once. serveRequests, on the main thread, carries
// out everything queued; true when there was anything.
void runOnMainThread(void (*run)(void*), void* context);
void postToMainThread(void (*run)(void*), const void* payload, size_t size);
bool serveRequests();

template <class Call>
void waitForMainThread(Call& call) {
    runOnMainThread([](void* c) { (*static_cast<Call*>(c))(); }, &call);
}

// The oldest posted message, taken from the queue; whether PostQuitMessage
// was called (and its code), without taking it.
bool takePostedMessage(MSG* message);
bool quitPending(int* exitCode);

// Timers (timers.cpp), main thread only. takeDueTimer makes the WM_TIMER
// of the timer due longest (false when none is due) and starts its next
// period; secondsToNextTimer is the time until the next one is due, at
// most `longest`. expireTimers makes the timers of `window` (null: of every
// window) due at once and returns how many; timerPeriod is a timer's
// period in milliseconds, 0 when it is not set; forgetTimers kills the
// timers of `window` (null: all).
bool takeDueTimer(MSG* message);
double secondsToNextTimer(double longest);
int expireTimers(HWND window);
UINT timerPeriod(HWND window, UINT_PTR id);
void forgetTimers(HWND window);

// Message boxes shown so far and the answers queued for the next ones
// (test interface).
void queueBoxAnswer(int answer);
int boxesShown();
const char* lastBoxText();
const char* lastBoxCaption();
UINT lastBoxType();
// The captions of the last box's buttons, left to right (CP932); "" past
// the last.
const char* lastBoxButton(int n);

// Back to the state at process start (test interface).
void resetWindows();
void resetPainting();
void resetDialogs();

}  // namespace records
