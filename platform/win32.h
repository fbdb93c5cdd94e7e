// The seam between the program and the system's window calls.
//
// Everything above this header speaks Win32. On Windows the header is
// <windows.h> with the calls that carry texts routed to platform/windows
// (see below); on Linux it declares the subset the program uses, carried out
// by platform/linux: a record of every window that is the truth for texts,
// check marks, enabled states, rectangles and scroll bars, mirrored by real
// widgets when a display is available and running headless otherwise.
//
// Implemented, with Win32's behaviour where the program relies on it:
//   [x] RegisterClassA (class name, procedure, background brush; styles,
//       icon and cursor are accepted and kept; on a display a top-level
//       window of a class with the program's icon shows it, and every
//       top-level window carries the desktop's class name "combinix", by
//       which the menu entry knows it), CreateWindowExA for the
//       program's classes and for "button", "static" and "edit";
//       DestroyWindow, IsWindow, GetDlgItem, GetDlgCtrlID, GetParent
//   [x] owned windows: a top-level window created with a parent handle is
//       owned by that window's top-level window and destroyed, before the
//       owner hears WM_DESTROY, when its owner is destroyed; on a display it
//       stays above the other windows (transient for them)
//   [x] a top-level window without WS_THICKFRAME keeps the size the program
//       gives it: on a display the user cannot resize it
//   [x] WM_CREATE (with CREATESTRUCTA), WM_SIZE, WM_MOVE, WM_DESTROY,
//       WM_CLOSE (the default destroys), WM_SETTEXT, WM_GETTEXT,
//       WM_GETTEXTLENGTH, WM_ENABLE, WM_PAINT, WM_COMMAND, WM_HSCROLL,
//       WM_VSCROLL, WM_QUIT
//   [x] button styles BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_CHECKBOX,
//       BS_RADIOBUTTON (never checked by the layer itself), BS_GROUPBOX,
//       BS_AUTOCHECKBOX and BS_AUTORADIOBUTTON (toggle/check on a click);
//       BM_SETCHECK, BM_GETCHECK, BM_CLICK; a click is WM_COMMAND BN_CLICKED
//   [x] static styles SS_LEFT, SS_CENTER, SS_RIGHT
//   [x] edit styles ES_AUTOHSCROLL (one line), ES_MULTILINE with WS_VSCROLL
//       (no wrapping), WS_BORDER; typing sends WM_COMMAND EN_CHANGE
//   [x] GetMessageA, PostMessageA, TranslateMessage (does nothing),
//       DispatchMessageA, SendMessageA, PostQuitMessage; WM_PAINT is
//       generated when the queue is empty and a window has an update region
//   [x] another thread's SetWindowTextA, SendMessageA and GetWindowTextA
//       are carried out on the main thread and wait for it; its
//       InvalidateRect and EnableWindow are handed to the main thread
//   [x] SetWindowTextA, GetWindowTextA, GetWindowTextLengthA (texts up to
//       31999 bytes, cut at a character boundary), EnableWindow,
//       IsWindowEnabled, ShowWindow, MoveWindow, SetWindowPos, GetWindowRect,
//       GetClientRect
//   [x] InvalidateRect (the update region is one rectangle, always erased),
//       UpdateWindow, BeginPaint, EndPaint, GetDC, ReleaseDC,
//       GetTextMetricsA (a fixed system font: average width 7, height 16,
//       variable pitch), SetTextColor, SetBkColor, SetBkMode, GetSysColor,
//       DrawTextA (DT_LEFT/CENTER/RIGHT, DT_TOP/VCENTER/BOTTOM with
//       DT_SINGLELINE, DT_WORDBREAK, DT_NOCLIP, DT_NOPREFIX, DT_CALCRECT),
//       DrawEdge (BDR_* edges, BF_LEFT/TOP/RIGHT/BOTTOM)
//   [x] lines and shapes: Polyline and Ellipse (the figure within left ..
//       right - 1, top .. bottom - 1) with the device context's pen and
//       brush; CreatePen (PS_SOLID and PS_NULL, any width), GetStockObject
//       (WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN),
//       SelectObject (returns the pen or brush it replaces), DeleteObject
//       (FALSE for an object still selected; stock objects stay); a new
//       device context draws with the black pen and the white brush
//   [x] the window's own SB_HORZ and SB_VERT bars: SetScrollInfo and
//       GetScrollInfo with the position kept within min .. max - page + 1;
//       a bar whose page covers its range is hidden (WS_HSCROLL / WS_VSCROLL
//       cleared, WM_SIZE with the larger client area) and shown again when
//       it no longer does, unless SIF_DISABLENOSCROLL keeps it shown;
//       ScrollWindow (whole client area) moving the child windows
//   [x] keyboard focus: SetFocus (not to a disabled window), GetFocus (null
//       on another thread), WM_SETFOCUS and WM_KILLFOCUS; a window that is
//       disabled, hidden or destroyed gives the focus up
//   [x] keys: the view posts WM_KEYDOWN for Tab, Enter and Escape to the
//       focus window (WM_SYSKEYDOWN to the top-level window when nothing has
//       the focus), for the message loop to take before dispatch; GetKeyState
//       (VK_SHIFT at that key). Every other key, and Enter in a multi-line
//       box (a new line), is carried out by the box itself
//   [x] edit boxes: EM_SETSEL (anchor, caret; -1), EM_GETSEL, EM_SCROLLCARET,
//       EM_GETFIRSTVISIBLELINE; WM_SETTEXT puts the caret at the start with
//       no selection and scrolls to it, so a box shows the start of its text;
//       on a display a selection set ends a mouse selection the user is
//       dragging, which would otherwise put its own back at the next move
//   [x] EM_LINEINDEX (the first character of a line, -1 for the caret's
//       line, -1 past the last line) and EM_LINELENGTH (the length of the
//       line holding a character, without its line break; the index -1,
//       the unselected rest of the selected lines, is not implemented and
//       gives 0)
//   [x] EM_CHARFROMPOS: the character nearest a client point (the last one
//       for a point past the text) and, for a multi-line box, its line; on
//       a display as the widget lays the text out, headless by the system
//       font's average width and height from the first visible line
//   [x] the double-click: the view posts WM_LBUTTONDBLCLK (MK_LBUTTON, the
//       point in client coordinates) to a multi-line edit box double-clicked
//       in its text, for the message loop to look at; the box selects the
//       word itself on a display (already as the message is posted, so a
//       loop that takes the message sets the selection it wants instead),
//       and headless the message changes nothing
//   [x] the mouse wheel: WM_MOUSEWHEEL / WM_MOUSEHWHEEL go to the window
//       under the pointer (hidden, disabled, static and group box windows
//       let it through to what lies beneath), only inside the client area; a
//       multi-line edit box scrolls 3 lines a notch, any other child passes
//       the message to its parent, a top-level window's default ignores it
//   [x] SetThreadUILanguage / GetThreadUILanguage: the language of the
//       message boxes' buttons (Japanese: はい, いいえ, OK, キャンセル; any
//       other: English), per thread, English until set
//   [x] GetUserDefaultUILanguage: the language of the user's locale, from
//       the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty:
//       Japanese when it names the language "ja" ("ja", "ja_JP.UTF-8"),
//       English (US) for any other or none
//   [x] timers: SetTimer on a window of the main thread (period 10 ms at
//       least; setting it again restarts it), KillTimer, WM_TIMER made by
//       GetMessageA when nothing is posted and nothing needs painting, one
//       for however many periods went by; destroying a window kills its
//       timers
//   [x] GetSystemMetrics (screen, virtual screen, scroll bar sizes),
//       MessageBoxA (MB_OK, MB_OKCANCEL, MB_YESNO, icons), GetFullPathNameA,
//       LoadIconA (the stock icons with a null instance; with the
//       program's instance its icon, ProgramIconResource of
//       platform/program_resources.h, built in from packaging/icons) and
//       LoadCursorA (stock cursors only)
//   [x] MoveFileExA (MOVEFILE_REPLACE_EXISTING; MOVEFILE_WRITE_THROUGH is
//       accepted, the move being a rename within one folder)
//   [x] every call on a null handle does nothing and returns 0 / FALSE
//       (GetDC and MessageBoxA take null as the screen and as no owner, as
//       in Win32)
//
// Deliberately not implemented:
//   [ ] menus, accelerators, dialog resources (IsDialogMessage), thread
//       timers (SetTimer without a window) and timer procedures, activation
//       (WM_ACTIVATE), mouse button and other key messages (the view turns
//       user actions into the messages above); TranslateMessage makes no
//       WM_CHAR
//   [ ] fonts (WM_SETFONT, selecting a font), brushes and pens other than
//       those above, regions, clipping beyond the update rectangle;
//       MoveToEx and LineTo (Polyline draws the lines)
//   [ ] scroll bar controls (SB_CTL) and an edit box's horizontal scroll
//       state (on a display a multi-line box also shows a horizontal bar for
//       long lines); ScrollWindow with a scroll or clip rectangle (ignored)
//   [ ] headless, an edit box has no font: a one-line box's first visible
//       character and a multi-line box's last line follow the system font's
//       average width and height; on a display the widget's own are read
//   [ ] a message box's own loop dispatches nothing: posted messages,
//       WM_PAINT and WM_TIMER wait until it closes (other threads' requests
//       are still carried out, and the view still shows what was painted)
//   [ ] the message filters of GetMessageA (every message is taken), and
//       minimised or maximised showing (ShowWindow only shows or hides)
//   [ ] window extra bytes, properties, subclassing, Unicode (W) calls
//   [ ] ownership of windows by several threads: the thread that registers
//       the first class or creates the first window is the main thread;
//       another thread cannot create, destroy or paint windows
//
// On Windows the calls that carry the program's code-page-932 texts go to
// the layer's own versions in platform/windows (wide_calls.h): they
// convert with code page 932 itself and call the wide (W) functions, so
// that the window shows Japanese and English alike whatever the system's
// code page:
//   [x] RegisterClassA, CreateWindowExA (the windows are Unicode windows;
//       a control is given the layer's font), SendMessageA (WM_SETTEXT,
//       WM_GETTEXT, WM_GETTEXTLENGTH converted), SetWindowTextA,
//       GetWindowTextA, GetWindowTextLengthA ("?" for a character typed or
//       pasted that code page 932 lacks)
//   [x] DefWindowProcA, GetMessageA, DispatchMessageA and PostMessageA are
//       the W functions themselves: their messages carry no program text
//   [x] GetDC and BeginPaint select the layer's font (a Japanese UI font);
//       GetTextMetricsA reports for it the cell the layout is drawn in,
//       the same as on Linux; DrawTextA draws by DrawTextW
//   [x] Polyline, Ellipse, the pens and brushes, EM_CHARFROMPOS,
//       EM_LINEINDEX, EM_LINELENGTH, EM_SETSEL and WM_LBUTTONDBLCLK are the
//       system's own: they carry no text (the Network window finds a line by
//       EM_CHARFROMPOS's line number, never by its character index, which
//       counts UTF-16 units there, and highlights it by EM_LINEINDEX and
//       EM_LINELENGTH, which count the same units as EM_SETSEL)
//   [x] MessageBoxA, text and title
//   [x] GetFullPathNameA, MoveFileExA and fopen (the settings file); a
//       folder code page 932 cannot name is given relative to the current
//       folder
//   [ ] remove stays the C library's (ANSI): the settings file's writer
//       removes its temporary file with it only after a failed save
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>

#include "platform/windows/wide_calls.h"

#define RegisterClassA platformRegisterClass
#define CreateWindowExA platformCreateWindowEx
#define SendMessageA platformSendMessage
#define SetWindowTextA platformSetWindowText
#define GetWindowTextA platformGetWindowText
#define GetWindowTextLengthA platformGetWindowTextLength
#define DefWindowProcA DefWindowProcW
#define GetMessageA GetMessageW
#define DispatchMessageA DispatchMessageW
#define PostMessageA PostMessageW
#define GetDC platformGetDC
#define BeginPaint platformBeginPaint
#define GetTextMetricsA platformGetTextMetrics
#define DrawTextA platformDrawText
#define MessageBoxA platformMessageBox
#define GetFullPathNameA platformGetFullPathName
#define MoveFileExA platformMoveFileEx
#define fopen(name, mode) platformOpenFile(name, mode)
#else

#include <cstdint>

// ---- Types --------------------------------------------------------------

struct PlatformWindow;
struct PlatformDeviceContext;
struct PlatformInstance;
struct PlatformMenu;
struct PlatformBrush;
struct PlatformPen;
struct PlatformIcon;

typedef PlatformWindow* HWND;
typedef PlatformDeviceContext* HDC;
typedef PlatformInstance* HINSTANCE;
typedef PlatformMenu* HMENU;
typedef PlatformBrush* HBRUSH;
typedef PlatformPen* HPEN;
typedef void* HGDIOBJ;
typedef PlatformIcon* HICON;
typedef PlatformIcon* HCURSOR;

typedef int BOOL;
typedef int INT;
typedef unsigned int UINT;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int16_t SHORT;
typedef int32_t LONG;
typedef WORD ATOM;
typedef DWORD COLORREF;
typedef WORD LANGID;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef void* LPVOID;
typedef char* LPSTR;
typedef const char* LPCSTR;

#define WINAPI
#define CALLBACK
#define APIENTRY

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
};

struct CREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
typedef TEXTMETRICA* LPTEXTMETRICA;

struct SCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};
typedef SCROLLINFO* LPSCROLLINFO;
typedef const SCROLLINFO* LPCSCROLLINFO;

// ---- Macros -------------------------------------------------------------

#define LOWORD(l) (static_cast<WORD>(static_cast<DWORD_PTR>(l) & 0xffff))
#define HIWORD(l) (static_cast<WORD>((static_cast<DWORD_PTR>(l) >> 16) & 0xffff))
#define MAKELONG(a, b) \
    (static_cast<LONG>((static_cast<DWORD>(static_cast<WORD>(a))) | \
                       (static_cast<DWORD>(static_cast<WORD>(b)) << 16)))
#define MAKEWPARAM(l, h) (static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define MAKELPARAM(l, h) (static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define RGB(r, g, b) \
    (static_cast<COLORREF>(static_cast<BYTE>(r) | (static_cast<WORD>(static_cast<BYTE>(g)) << 8) | \
                           (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))
#define GetRValue(c) (static_cast<BYTE>((c) & 0xff))
#define GetGValue(c) (static_cast<BYTE>(((c) >> 8) & 0xff))
#define GetBValue(c) (static_cast<BYTE>(((c) >> 16) & 0xff))
#define GET_WHEEL_DELTA_WPARAM(w) (static_cast<short>(HIWORD(w)))
#define MAKELANGID(p, s) (static_cast<LANGID>((static_cast<WORD>(s) << 10) | static_cast<WORD>(p)))
#define PRIMARYLANGID(l) (static_cast<WORD>(l) & 0x3ff)
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<WORD>(i))))

// ---- Constants ----------------------------------------------------------

// Messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_LBUTTONDBLCLK 0x0203
#define WM_MOUSEWHEEL 0x020A
#define WM_MOUSEHWHEEL 0x020E
#define WM_USER 0x0400
#define WM_APP 0x8000

// Buttons.
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002
#define BN_CLICKED 0
#define EN_CHANGE 0x0300

// Edit boxes.
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_SCROLLCARET 0x00B7
#define EM_LINEINDEX 0x00BB
#define EM_LINELENGTH 0x00C1
#define EM_GETFIRSTVISIBLELINE 0x00CE
#define EM_CHARFROMPOS 0x00D7

// The mouse.
#define MK_LBUTTON 0x0001

// Keys and the wheel.
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_ESCAPE 0x1B
#define WHEEL_DELTA 120

// Languages.
#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define LANG_JAPANESE 0x11
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_JAPANESE_JAPAN 0x01

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)

#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_TYPEMASK 0x0000000FL
#define BS_LEFT 0x00000100L
#define BS_RIGHT 0x00000200L
#define BS_CENTER 0x00000300L

#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L
#define SS_TYPEMASK 0x0000001FL

#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_MULTILINE 0x0004L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008

#define CW_USEDEFAULT (static_cast<int>(0x80000000u))

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1

#define HWND_TOP (static_cast<HWND>(nullptr))
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOOWNERZORDER 0x0200

// Scroll bars.
#define SB_HORZ 0
#define SB_VERT 1
#define SB_CTL 2
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_LEFT 6
#define SB_BOTTOM 7
#define SB_RIGHT 7
#define SB_ENDSCROLL 8
#define SIF_RANGE 0x0001
#define SIF_PAGE 0x0002
#define SIF_POS 0x0004
#define SIF_DISABLENOSCROLL 0x0008
#define SIF_TRACKPOS 0x0010
#define SIF_ALL (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS)

// Drawing.
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800

#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define EDGE_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP (BDR_RAISEDOUTER | BDR_SUNKENINNER)
#define BF_LEFT 0x0001
#define BF_TOP 0x0002
#define BF_RIGHT 0x0004
#define BF_BOTTOM 0x0008
#define BF_RECT (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)

#define TRANSPARENT 1
#define OPAQUE 2

#define PS_SOLID 0
#define PS_NULL 5
#define WHITE_BRUSH 0
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define BLACK_PEN 7
#define NULL_PEN 8
#define TMPF_FIXED_PITCH 0x01
#define FF_SWISS 0x20

#define COLOR_WINDOW 5
#define COLOR_WINDOWTEXT 8
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22

// System metrics.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_XVIRTUALSCREEN 76
#define SM_YVIRTUALSCREEN 77
#define SM_CXVIRTUALSCREEN 78
#define SM_CYVIRTUALSCREEN 79

// Message boxes.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_YESNO 0x00000004L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONERROR 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONWARNING 0x00000030L
#define MB_ICONINFORMATION 0x00000040L
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

// Stock resources.
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)

// Files.
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH 0x00000008
#define IDC_ARROW MAKEINTRESOURCEA(32512)

// ---- Calls --------------------------------------------------------------

// Windows and messages.
ATOM RegisterClassA(const WNDCLASSA* windowClass);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND window);
HWND GetParent(HWND window);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL ShowWindow(HWND window, int command);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);

// Controls.
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR text, int maxCount);
int GetWindowTextLengthA(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);

// Keyboard.
HWND SetFocus(HWND window);
HWND GetFocus();
SHORT GetKeyState(int virtualKey);

// Painting.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
HDC BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
DWORD GetSysColor(int index);
int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags);

// Lines, shapes, pens and brushes.
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
HPEN CreatePen(int style, int width, COLORREF color);
HGDIOBJ GetStockObject(int object);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);

// Timers.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure);
BOOL KillTimer(HWND window, UINT_PTR id);

// Scroll bars.
int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info);
BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scrollRect, const RECT* clipRect);

// Dialogs and the system.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
LANGID SetThreadUILanguage(LANGID language);
LANGID GetThreadUILanguage();
LANGID GetUserDefaultUILanguage();
int GetSystemMetrics(int index);
DWORD GetFullPathNameA(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart);
BOOL MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);

// The program's entry point, called by the platform's main().
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

#endif
