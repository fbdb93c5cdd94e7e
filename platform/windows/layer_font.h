// The one font of the program's controls and painted texts on Windows: a
// Japanese UI font, since the system font of a Windows that is not Japanese
// has no Japanese glyphs, drawn in the cell of the classic system font that
// the control table lays the window out in.
#pragma once

#include <windows.h>

// The cell: 7 pixels average width, 16 high, no external leading, variable
// pitch, as the Linux layer reports too; the window then has the same
// layout on every Windows and on Linux.
constexpr LONG CellAverageWidth = 7;
constexpr LONG CellHeight = 16;

// Chosen and created at the first call (painting.cpp), kept for the life of
// the process.
HFONT layerFont();
