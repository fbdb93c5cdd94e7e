// Every fixed size of the program, each with the reason it has that size.
// The stores are allocated once for the process; nothing grows while the
// program runs, so these numbers are the whole memory budget of a search.
#pragma once

namespace limits {

// A text buffer holds what an edit box can hold: 31999 characters and a zero.
constexpr int TextSize = 32000;

// Number of text buffers: inputs, the displayed and stored lists, the
// result and outcome texts, and the built-in series of every part type.
constexpr int TextBufferCount = 32;

// Integer settings persisted in the settings file.
constexpr int SettingsCount = 20;

// One handle per control-table row.
constexpr int ControlCount = 50;

// A stock list is read up to this many items; the rest is ignored.
constexpr int StockCapacity = 500;

// A stock part's label: 15 characters of its line and a zero byte.
constexpr int StockNameSize = 16;

// A search stops recording after this many matches.
constexpr int RecordCapacity = 10000;

// All result lines of a search, each with its zero byte.
constexpr int LineStoreSize = 700000;

// One formatted result line: 199 characters and a zero byte.
constexpr int LineSize = 200;

// The recorder's patched copy of a template's format string.
constexpr int FormatSize = 100;

// Depths of the network walk: stage 0 holds the acceptance window, stages
// 1 to 4 are written by the levels of a five-part template.
constexpr int StageCount = 5;

// Largest network size searched.
constexpr int MaxNetworkParts = 5;

static_assert(LineSize < TextSize, "a result line must fit the result text");
static_assert(RecordCapacity * 2 <= LineStoreSize,
              "the line store must hold at least the shortest lines of every record");
static_assert(StockCapacity < 32768, "stock indices are kept in 32-bit integers");

}  // namespace limits
