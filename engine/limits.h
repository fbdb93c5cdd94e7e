// Every fixed size of the program, each with the reason it has that size.
// The stores are allocated once for the process; nothing grows while the
// program runs, so these numbers are the whole memory budget of a search.
// Where one size depends on another, a compile-time check ties them.
#pragma once

namespace limits {

// ---- Texts and settings ---------------------------------------------------

// A text buffer holds what an edit box holds: 31999 characters and a zero.
constexpr int TextSize = 32000;

// Text buffers 1 to 4 hold the inputs, 5 to 7 the displayed lists, 8 and 9
// the result and outcome texts, 10 to 30 the seven lists of each part type
// (three editable, four built-in series); 0 and 31 are kept free, as the
// settings file has always stored 32 texts.
constexpr int TextBufferCount = 32;

// The lists of a part type: List 1 to 3 and the series E24, E12, E6 and E3.
constexpr int ListsPerPartType = 7;
constexpr int PartTypeCount = 3;
constexpr int FirstStoredListBuffer = 10;

// Integer settings persisted in the settings file: the settings file has
// always stored twenty, reserved ones included.
constexpr int SettingsCount = 20;

// The settings file's full path; a longer path is not used at all.
constexpr int SettingsPathSize = 1000;

// The built-in lists are made at compile time in a buffer of this size; the
// longest, the capacitor E24 series, needs about 1400 bytes.
constexpr int BuiltinListSize = 2048;

// ---- The main window ------------------------------------------------------

// One handle per row of the main window's control table: the classic 50
// rows and the button that opens the Pair window after them.
constexpr int ControlCount = 51;

// ---- The stock list -------------------------------------------------------

// A stock list is read up to this many items; the rest is ignored. Five
// nested loops over it must stay a search of minutes, not of days.
constexpr int StockCapacity = 500;

// A stock part's label: the first 15 characters of its line and a zero.
constexpr int StockNameSize = 16;

// ---- Recording ------------------------------------------------------------

// A search stops recording after this many matches: more cannot be read.
constexpr int RecordCapacity = 10000;

// All result lines of a search, each with its zero byte.
constexpr int LineStoreSize = 700000;

// One formatted result line: 199 characters and a zero byte.
constexpr int LineSize = 200;

// The shortest line there is, with its zero byte: a one-part network with a
// one-character name, "1:   1.000,  0.00%, 1" and CR LF.
constexpr int ShortestLineSize = 24;

// The recorder's patched copy of a network's format string.
constexpr int FormatSize = 100;

// ---- Networks -------------------------------------------------------------

// Largest network searched, and the number of its shapes of each size
// (1, 2, 4, 10 and 25, the last the bridge): 42 in all.
constexpr int MaxNetworkParts = 5;
constexpr int NetworkShapeCount = 42;

// A network described as a tree: its five parts and at most four series or
// parallel groups around them (a group holds two or more members).
constexpr int NetworkNodeCapacity = 2 * MaxNetworkParts - 1;

// Depths of the network walk: stage 0 holds the acceptance window, stages
// 1 to 4 are written by the outer four levels of a five-part network (the
// innermost level only tests).
constexpr int StageCount = MaxNetworkParts;

// The bridge's meet keeps the bridges of one view each that lie within its
// guarded window before checking their other views; a meet that keeps more
// falls back to the sweep in the plain order (slower, the same result).
constexpr int BridgeKeptCapacity = 8192;

// The bridge's meet looks the cross part of each cell up among the
// candidates in a table of this many buckets: eight for each of 500
// candidates, so that a bucket seldom holds two.
constexpr int BridgeLookupSize = 4096;

// ---- Schematics -----------------------------------------------------------

// A network's schematic: every series join, rung, rail piece and bridge arm
// is one straight wire. The most any shape needs is 27 (a part across two
// parallel pairs in series); a test lays out every shape and checks the room.
constexpr int SchematicWireCapacity = 40;
// Points where three or more wires meet: two on the rails for each inner
// rung and for a group's terminal row; eight for five parts in parallel.
constexpr int SchematicJunctionCapacity = 16;
// The terminal drawing's grid: the widest shape (five parts in series with
// 15-character names) needs 93 columns, the tallest (five in parallel) 19
// rows.
constexpr int SchematicMaxColumns = 128;
constexpr int SchematicMaxRows = 32;
// A schematic's parts: a network's five, or the two networks of a pair of
// up to three parts each.
constexpr int SchematicPartCapacity = 6;
// Its terminals: a network's two, a divider's three (in, out, ground), two
// networks drawn apart four.
constexpr int SchematicTerminalCapacity = 4;
// Its free labels: the names of a pair's two networks ("R1", "R2").
constexpr int SchematicLabelCapacity = 2;

// ---- Threads of the search ------------------------------------------------

// The search runs its tasks on as many threads as the process may use, up
// to this many: past eight, the recording thread and the memory of the
// task slots below are worth more than one more thread.
constexpr int MaxSearchThreads = 8;

// A loop over fewer indices than this runs as one task on the recording
// thread: below the stocks that the five-part templates meet in the middle
// (FewestCandidatesToMeet), a whole search takes a few milliseconds, and
// handing its hundreds of tasks to other threads would cost more than they
// save.
constexpr int FewestIndicesForTasks = 56;

// A search hands tasks to other threads only once it has run this long
// (from its first job): a search that ends sooner (tens of milliseconds,
// such as one that records its 10000 matches early) spends its time
// recording on its own thread, and each hand-over would cost it more than
// the threads save.
constexpr int SoloMilliseconds = 20;

// Tasks that may have finished or be running ahead of the recording
// thread, each with its own store of matches: every thread has a task in
// hand and the next few wait, finished, to be recorded.
constexpr int TaskSlots = MaxSearchThreads + 4;

// The matches one task keeps for the recording thread: one more than a
// search records, so that a task whose store fills holds more than the
// recorder can take, and the recordings end the search at its limit.
constexpr int TaskMatchCapacity = RecordCapacity + 1;

// The five-part networks meet in the middle: every pair of candidates, in
// series and in parallel, sorted by value once per search.
constexpr int PairCapacity = StockCapacity * (StockCapacity + 1) / 2;

// The five-part templates meet in the middle from this many candidates on;
// below it the walk, whose cost grows faster but starts lower, is the
// quicker of the two.
constexpr int FewestCandidatesToMeet = 56;

// The networks a five-part template meets in the middle before they are
// sorted into loop order and tried with the placement steps; a template
// with more falls back to the walk (it has matches enough to reach a limit
// soon).
constexpr int MiddleCandidateCapacity = 4 * TaskMatchCapacity;

// ---- The pair search ------------------------------------------------------

// A pair keeps as many records as a search: more cannot be read either.
constexpr int PairRecordCapacity = RecordCapacity;

// The networks one side of a pair search may have, its sizes together: 16.7
// million of 12 bytes each, 200 MB, so that two sides of different stocks
// stay within memory a desktop has to spare. Three parts a side reach it
// from about 230 stock values (E96 over two decades, 192 values, gives 9.6
// million); a side with more is refused, never cut.
constexpr int PairNetworkCapacity = 1 << 24;

// The most parts on a side: the shapes of up to three parts.
constexpr int PairMaxParts = 3;

// A text of the pair search (pair_texts.h): a result line of two
// three-part formulas with 15-character names takes some 150 bytes, the
// longest fault message, in Japanese with its values, some 250.
constexpr int PairTextSize = 400;

static_assert(SchematicPartCapacity >= MaxNetworkParts && SchematicPartCapacity >= 2 * PairMaxParts,
              "a schematic holds a network's parts and a pair's");
static_assert(LineSize <= TextSize, "a result line fits the Result text");
static_assert(FormatSize <= LineSize, "a format string is shorter than its line");
static_assert(RecordCapacity * ShortestLineSize <= LineStoreSize,
              "the line store holds the records of the shortest lines: only long lines "
              "fill it before the record count ends the search");
static_assert(FirstStoredListBuffer + ListsPerPartType * PartTypeCount <= TextBufferCount,
              "every list of every part type has its text buffer");

}  // namespace limits
