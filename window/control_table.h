// The control table: one constant row per control of the main window, from
// which the window creates its child windows, labels them in the current
// language and paints the items it draws itself. A row's number is its
// control id and its command id (window/control_rows.h names the rows).
//
// Geometry in the table is in tenths of the layout units, the system font's
// character width and line height, so the whole layout scales with the font.
#pragma once

#include <cstdint>

#include "engine/limits.h"
#include "platform/win32.h"
#include "window/control_rows.h"

// What a row is. Kinds 1 to 11 are painted by the main window itself, 21 to
// 41 are child windows of the classes "button", "static" and "edit". Any
// other value behaves like Empty.
enum ControlKind : int32_t {
    Empty = -1,
    PaintCaption = 1,   // the caption of the current language
    PaintText = 2,      // text buffer `index`
    PaintNumber = 3,    // Settings field `index` as "%d"
    PaintHex = 4,       // Settings field `index` as "%#x"
    PaintEdge = 11,     // DrawEdge with edge `style` and border flags `group`
    PushButton = 21,
    RadioButton = 22,   // checked when Settings field `index` equals row - group
    CheckBox = 23,      // checked when Settings field `index` is not 0
    GroupBox = 24,
    StaticCaption = 31,
    StaticText = 32,    // text buffer `index`
    StaticNumber = 33,  // Settings field `index` as "%d"
    StaticHex = 34,     // Settings field `index` as "%x"
    EditBox = 41,       // text buffer `index`
};

struct ControlEntry {
    int32_t kind;    // a ControlKind
    int32_t index;   // Settings field or text buffer the row shows; -1 if none
    int32_t group;   // radio: first row of its group; edge: border flags;
                     // otherwise 2 starts the control disabled
    uint32_t style;  // window style, DrawTextA format or DrawEdge edge type
    int32_t left;    // tenths of charWidth
    int32_t top;     // tenths of lineHeight
    int32_t right;
    int32_t bottom;
    const char* captionJapanese;  // CP932; shown when language is 0
    const char* captionEnglish;   // shown when language is 1
};

// The rows 0 to 54: the classic 50 rows in their places, and after them, in
// room that no classic row uses, the button that opens the Pair window and
// the parts' tolerance box beside the sort buttons, its Within tolerance
// check box beside the part types and its Qty xN check box right of the
// sort buttons (their
// values are kept by window/part_options.h, not in Settings or the text
// buffers: their `index` is -1); the definition's own count is checked
// against this.
constexpr int ControlTableRows = 55;
extern const ControlEntry controlTable[];

// Child windows by control-table row; null until the window creates them.
extern HWND controlWindows[limits::ControlCount];

// Every handle back to null, as at process start (for tests).
void resetControlWindows();

// The window's result display (engine/result_display.h): the text goes
// into the Result box, on the main thread, the calling thread waiting until
// the box holds it. Installed when the main window is created.
void showInResultBox(const char* text);

// The layout units in pixels, measured once when the window is created.
extern int charWidth;
extern int lineHeight;

// Fills charWidth and lineHeight from the system font's metrics: the average
// width, half as wide again for a variable-pitch font (which Win32 marks by
// setting the bit called TMPF_FIXED_PITCH), and the height with external
// leading.
void measureUnits(HWND mainWindow);

// A table rectangle in client pixels, shifted by the scroll offsets. Each
// coordinate multiplies before it divides, truncating.
RECT tableRectToPixels(int left, int top, int right, int bottom);

// Creates the child window of every row that has one, stores the handles in
// controlWindows and gives each its initial check mark, text or disabled
// state from Settings and the text buffers. Reads them, so it runs after the
// texts and settings are in place.
void createControls(HWND mainWindow, HINSTANCE instance);

// Labels every button, group box and caption in the current language, and
// makes it the UI language of the calling thread, in which the message
// boxes caption their buttons. The texts of the input, list and result
// boxes never change with it.
void applyCaptions();

// The WM_PAINT handler: draws the painted rows, skipping any whose left edge
// lies left of the client area.
void paintWindow(HWND mainWindow);

// The outer size of the main window when no saved rectangle is usable.
SIZE defaultWindowSize();

// The caption of `entry` in the current language; never null.
const char* captionOf(const ControlEntry& entry);

// The window class of a kind's child window ("button", "static", "edit");
// null for the kinds a window paints itself and for Empty.
const char* controlClassOf(int32_t kind);
// Whether a kind's child window shows a caption of the table.
bool isCaptionedKind(int32_t kind);
