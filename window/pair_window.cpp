// The Pair window: its class and procedure, its commands, the worker that
// runs its search, the results and the outcome line, the progress line,
// the double-click into the Network window, and its settings.
#include "window/pair_window.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>

#include "engine/message_table.h"
#include "engine/outcome_line_texts.h"
#include "engine/pair_texts.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/keyboard.h"
#include "window/main_window.h"
#include "window/network_window.h"
#include "window/pair_settings.h"
#include "window/pair_table.h"
#include "window/progress_line.h"

const char PairWindowClass[] = "CombinixPair";

namespace {

// A search and everything it reads: the request made on the main thread,
// the stocks its sides point at, and the context the worker fills. Never
// destroyed, as a worker may still be leaving while the process ends.
struct PairJob {
    PairSearch search;
    PairRequest request;
    PairStocks stocks;
    PairShownAs shownAs = PairShownAs::Quantity;
    PairFault fault = PairFault::None;
    std::thread worker;
    std::atomic<bool> returned{false};
    uint32_t number = 0;  // of the search running or last run; 0 for none
};
PairJob& job = *new PairJob;

// What the outcome line shows when no search runs, kept as its parts so
// that it is written anew in the language the captions switch to.
enum class Outcome {
    None,     // nothing searched yet
    Records,  // a search returned: its matches, shown lines, stop
    Fault,    // the search refused the request
    Problem,  // the inputs did not read
    NoThread, // the worker could not be started
};

struct WindowState {
    HWND window = nullptr;
    HINSTANCE instance = nullptr;
    bool running = false;
    Outcome outcome = Outcome::None;
    PairInputProblem problem;
    int shownLines = 0;  // result lines in the box: the first records
    int rowBeforeRun = -1;
    // What the progress line last painted: total parts, permille, matches.
    int32_t paintedParts = -1, paintedPermille = -1;
    int64_t paintedMatches = -1;
};
WindowState state;

char outcomeText[limits::PairTextSize];
char pairResultText[limits::TextSize];

// ---- Texts of the window's own --------------------------------------------

struct Caption {
    const char* japanese;
    const char* english;
};

const char* inLanguage(const Caption& caption) {
    return settings.language == 1 ? caption.english : caption.japanese;
}

// The boxes as a message names them, by PairText.
const Caption BoxNames[PairTextCount] = {
    {"\x94\xe4\x20\x41\x2f\x42" /* 比 A/B */, "Ratio A/B"},
    {"Vin", "Vin"},
    {"Vout", "Vout"},
    {"Vref", "Vref"},
    {"\x83\xd1" /* τ */, "\x83\xd1" /* τ */},
    {"f", "f"},
    {"\x81\x7d\x28\x25\x29" /* ±(%) */, "+-(%)"},
    {"\x95\x94\x95\x69\x90\x94" /* 部品数 */, "Parts/side"},
    {"A \x82\xcc\x8d\xc5\x8f\xac" /* A の最小 */, "lowest A"},
    {"A \x82\xcc\x8d\xc5\x91\xe5" /* A の最大 */, "highest A"},
    {"B \x82\xcc\x8d\xc5\x8f\xac" /* B の最小 */, "lowest B"},
    {"B \x82\xcc\x8d\xc5\x91\xe5" /* B の最大 */, "highest B"},
    {"A+B \x82\xcc\x8d\xc5\x8f\xac" /* A+B の最小 */, "lowest A+B"},
    {"A+B \x82\xcc\x8d\xc5\x91\xe5" /* A+B の最大 */, "highest A+B"},
};

// The window's messages, each with its "%s" (a box's or a side's name)
// and for a list's line its "%d".
const Caption UnreadableMessage = {
    "\x81\x75%s\x81\x76\x82\xcc\x92\x6c\x82\xf0\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* 「%s」の値を読めません。 */,
    "The value of \"%s\" cannot be read."};
const Caption ListEmptyMessage = {
    "%s \x82\xcc\x83\x8a\x83\x58\x83\x67\x82\xc9\x95\x94\x95\x69\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* %s のリストに部品がありません。 */,
    "The list of %s names no part."};
const Caption ListFaultMessage = {
    "%s \x82\xcc\x83\x8a\x83\x58\x83\x67\x82\xcc %d \x8d\x73\x96\xda\x82\xaa\x90\xb3\x82\xcc\x92\x6c\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* %s のリストの %d 行目が正の値ではありません。 */,
    "The list of %s: line %d is not a positive value."};
const Caption SeriesNoneMessage = {
    "%s \x82\xcc\x8c\x6e\x97\xf1\x82\xc9\x82\xcd\x94\xcd\x88\xcd\x93\xe0\x82\xcc\x92\x6c\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* %s の系列には範囲内の値がありません。 */,
    "The series of %s has no value in its range."};
const Caption NoThreadMessage = {
    "\x92\x54\x8d\xf5\x82\xf0\x8e\x6e\x82\xdf\x82\xe7\x82\xea\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42" /* 探索を始められませんでした。 */,
    "The search could not be started."};

PairMode inputMode() { return static_cast<PairMode>(pairInputs.fields[PairFieldMode]); }

// The label the result lines give side `side` ("R1", "C"), for messages.
const char* sideLabel(int side) {
    PairMode mode = inputMode();
    int typeA = mode == PairMode::Rc ? Resistor : mode == PairMode::Lc ? Inductor : pairInputs.fields[PairFieldPartType];
    return pairSideLabel(mode, typeA, side);
}

void formatProblem(const PairInputProblem& p, char* out, int size) {
    const int n = p.text >= 0 && p.text < PairTextCount ? p.text : 0;
    switch (p.fault) {
    case PairInputFault::Unreadable:
        snprintf(out, static_cast<size_t>(size), inLanguage(UnreadableMessage), inLanguage(BoxNames[n]));
        break;
    case PairInputFault::ListEmpty:
        snprintf(out, static_cast<size_t>(size), inLanguage(ListEmptyMessage), sideLabel(p.side));
        break;
    case PairInputFault::ListFault:
        snprintf(out, static_cast<size_t>(size), inLanguage(ListFaultMessage), sideLabel(p.side), p.line);
        break;
    case PairInputFault::SeriesNone:
        snprintf(out, static_cast<size_t>(size), inLanguage(SeriesNoneMessage), sideLabel(p.side));
        break;
    case PairInputFault::SeriesTooMany:
        formatPairSeriesRefusal(sideLabel(p.side), p.valuesPerDecade, p.values, settings.language, out, size);
        break;
    case PairInputFault::None:
        out[0] = '\0';
        break;
    }
}

// The outcome line in the current language.
void writeOutcome() {
    const int size = sizeof outcomeText;
    switch (state.outcome) {
    case Outcome::None: outcomeText[0] = '\0'; break;
    case Outcome::Records:
        formatPairOutcome(job.search.matches(), state.shownLines, job.search.stopped(), settings.language,
                          outcomeText, size);
        break;
    case Outcome::Fault: formatPairFault(job.fault, job.request, settings.language, outcomeText, size); break;
    case Outcome::Problem: formatProblem(state.problem, outcomeText, size); break;
    case Outcome::NoThread: snprintf(outcomeText, sizeof outcomeText, "%s", inLanguage(NoThreadMessage)); break;
    }
}

void invalidateOutcome() {
    if (state.window == nullptr) return;
    RECT r = pairRectToPixels(pairControlTable[PairRowOutcome]);
    InvalidateRect(state.window, &r, TRUE);
}

// ---- The keyboard ---------------------------------------------------------

int32_t pairKindOf(int row) { return pairControlTable[row].kind; }

const int InputRows[] = {PairRowRatioBox,   PairRowVinBox,      PairRowVoutBox,      PairRowVrefBox,
                         PairRowTimeConstantBox, PairRowFrequencyBox, PairRowToleranceBox, PairRowMaxPartsBox,
                         PairRowAMinBox,    PairRowAMaxBox,     PairRowBMinBox,      PairRowBMaxBox,
                         PairRowTotalMinBox, PairRowTotalMaxBox};

const KeyboardTable Keys = {PairTableRows,  pairKindOf,     pairControlWindows,
                            InputRows,      sizeof InputRows / sizeof InputRows[0],
                            PairRowExecute, PairRowAbort,   &state.rowBeforeRun};

// The first box the mode reads takes the focus, its text selected.
void focusFirstBox() {
    for (int row : InputRows) {
        HWND box = pairControlWindows[row];
        if (box == nullptr || !IsWindowEnabled(box)) continue;
        SetFocus(box);
        selectWholeText(box);
        return;
    }
}

// ---- The search -------------------------------------------------------------

void waitForWorker() {
    if (!job.worker.joinable()) return;
    // run() begins by clearing the stop request: one made before the
    // worker got there would be lost, so it is made again until the
    // search has returned.
    while (!job.returned) {
        job.search.requestStop();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    job.worker.join();
}

// The result lines of the first records, as many as the box holds.
void showRecords() {
    const std::vector<PairRecord>& records = job.search.records();
    char line[limits::PairTextSize];
    size_t length = 0;
    int shown = 0;
    for (const PairRecord& record : records) {
        int n = formatPairLine(job.request, record, job.shownAs, settings.language, line, sizeof line);
        if (n < 0 || n >= static_cast<int>(sizeof line)) break;
        if (length + static_cast<size_t>(n) + 2 > sizeof pairResultText - 1) break;
        memcpy(pairResultText + length, line, static_cast<size_t>(n));
        length += static_cast<size_t>(n);
        pairResultText[length++] = '\r';
        pairResultText[length++] = '\n';
        ++shown;
    }
    pairResultText[length] = '\0';
    state.shownLines = shown;
    SetWindowTextA(pairControlWindows[PairRowResultBox], pairResultText);
}

void setRunning(bool running) {
    state.running = running;
    enablePairRows(running);
    if (state.window == nullptr) return;
    if (running) {
        state.paintedParts = state.paintedPermille = -1;
        state.paintedMatches = -1;
        SetTimer(state.window, PairProgressTimerId, ProgressPeriod, nullptr);
    } else {
        KillTimer(state.window, PairProgressTimerId);
    }
    invalidateOutcome();
}

// The search has returned (or was stopped and has returned): its records
// and its outcome, the controls back.
void finishSearch() {
    waitForWorker();
    state.outcome = job.fault == PairFault::None ? Outcome::Records : Outcome::Fault;
    if (state.outcome == Outcome::Records) showRecords();
    writeOutcome();
    setRunning(false);
    restoreTableFocus(state.window, Keys);
}

void showOutcome(Outcome outcome) {
    state.outcome = outcome;
    writeOutcome();
    invalidateOutcome();
}

void execute() {
    if (state.running) return;
    waitForWorker();
    capturePairInputs();
    // The lists typed in the main window, stored under their part type,
    // unless a search of its own runs, which reads them: its boxes are
    // locked then and the stored lists are what they show.
    if (workerHandle.load() == nullptr) captureInputs();
    PairListTexts lists;
    for (int type = 0; type < 3; ++type) {
        for (int list = 0; list < 3; ++list) lists.lists[type][list] = textBuffers[storedListBuffer(list, type)];
    }
    state.shownLines = 0;
    pairResultText[0] = '\0';
    SetWindowTextA(pairControlWindows[PairRowResultBox], "");
    if (!readPairRequest(pairInputs, lists, &job.stocks, &job.request, &state.problem)) {
        showOutcome(Outcome::Problem);
        return;
    }
    job.shownAs = inputMode() == PairMode::Rc && pairInputs.fields[PairFieldRcBy] == PairRcByFrequency
                      ? PairShownAs::Cutoff
                      : PairShownAs::Quantity;
    job.fault = checkPairRequest(job.request);
    if (job.fault != PairFault::None) {
        showOutcome(Outcome::Fault);
        return;
    }
    const uint32_t number = ++job.number;
    const HWND window = state.window;
    job.returned = false;
    try {
        job.worker = std::thread([number, window] {
            job.fault = job.search.run(job.request);
            job.returned = true;
            PostMessageA(window, WM_PAIRFINISHED, number, 0);
        });
    } catch (const std::system_error&) {
        job.returned = true;
        showOutcome(Outcome::NoThread);
        return;
    }
    setRunning(true);
}

void abortSearch() {
    if (MessageBoxA(state.window, messageText(MsgReallyAbort), "Abort", MB_YESNO) != IDYES) return;
    // The search may have returned while the question was open.
    if (!state.running) return;
    finishSearch();
}

// The progress line while a search runs, from the context's counts.
void formatProgress(char* out, int size) {
    int32_t parts = job.search.progress.parts;
    int32_t permille = job.search.progress.permille;
    int64_t matches = job.search.progress.matches;
    state.paintedParts = parts;
    state.paintedPermille = permille;
    state.paintedMatches = matches;
    formatProgressLine(out, size, parts, permille / 10, matches > INT_MAX ? INT_MAX : static_cast<int>(matches));
}

void onProgressTimer() {
    if (!state.running) return;
    if (job.search.progress.parts != state.paintedParts || job.search.progress.permille != state.paintedPermille ||
        job.search.progress.matches != state.paintedMatches) {
        invalidateOutcome();
    }
}

void chooseField(int field, int value) {
    pairInputs.fields[field] = value;
    showPairChoices();
    enablePairRows(state.running);
}

void onCommand(int row) {
    const PairControlEntry& entry = pairControlTable[row >= 0 && row < PairTableRows ? row : 0];
    if (row == PairRowExecute) {
        execute();
    } else if (row == PairRowAbort) {
        abortSearch();
    } else if (row > 0 && row < PairTableRows && entry.kind == RadioButton && !state.running) {
        chooseField(entry.index, row - entry.group);
    }
}

// ---- The window -------------------------------------------------------------

SIZE outerSize(HWND window, SIZE client) {
    RECT outer, inner;
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    return SIZE{client.cx + (outer.right - outer.left) - inner.right,
                client.cy + (outer.bottom - outer.top) - inner.bottom};
}

// Where the window opens: where it was last closed, pulled onto the
// screen; at the first opening beside the main window, to its right where
// there is room.
POINT placeOf(HWND mainWindow, SIZE size) {
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int right = left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int bottom = top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const int32_t* f = pairInputs.fields;
    POINT p;
    if (f[PairFieldWindowRight] > f[PairFieldWindowLeft] && f[PairFieldWindowBottom] > f[PairFieldWindowTop]) {
        p = POINT{f[PairFieldWindowLeft], f[PairFieldWindowTop]};
    } else {
        RECT main;
        GetWindowRect(mainWindow, &main);
        p = POINT{main.right, main.top};
    }
    if (p.x + size.cx > right) p.x = right - size.cx;
    if (p.y + size.cy > bottom) p.y = bottom - size.cy;
    if (p.x < left) p.x = left;
    if (p.y < top) p.y = top;
    return p;
}

void onCreate(HWND window, const CREATESTRUCTA* create) {
    state.window = window;
    createPairControls(window, create ? create->hInstance : nullptr);
    applyPairCaptions(window);
    enablePairRows(false);
    // Opened again, it shows the last search's records, which are still
    // there to be drawn, and its outcome.
    if (state.outcome == Outcome::Records) showRecords();
    writeOutcome();
}

void onDestroy(HWND window) {
    if (window != state.window) return;
    // Closing the window stops its search: nobody would see its records.
    if (state.running) {
        waitForWorker();
        state.running = false;
        state.outcome = Outcome::None;
    }
    KillTimer(window, PairProgressTimerId);
    capturePairInputs();
    RECT r;
    if (GetWindowRect(window, &r)) {
        pairInputs.fields[PairFieldWindowLeft] = r.left;
        pairInputs.fields[PairFieldWindowTop] = r.top;
        pairInputs.fields[PairFieldWindowRight] = r.right;
        pairInputs.fields[PairFieldWindowBottom] = r.bottom;
    }
    state.window = nullptr;
    state.shownLines = 0;
    resetPairControlWindows();
}

void paint(HWND window) {
    char progress[128];
    if (state.running) formatProgress(progress, sizeof progress);
    paintPairWindow(window, outcomeText, state.running ? progress : nullptr);
}

// Copies line `line` of `text` into `out`, without its line end; its
// length, -1 past the text.
int copyLine(const char* text, int line, char* out, int size) {
    const char* p = text;
    for (int n = 0; n < line; ++n) {
        p = strchr(p, '\n');
        if (p == nullptr) return -1;
        ++p;
    }
    int end = static_cast<int>(strcspn(p, "\r\n"));
    if (end > size - 1) end = size - 1;
    memcpy(out, p, static_cast<size_t>(end));
    out[end] = '\0';
    return end;
}

bool onDoubleClick(const MSG* message) {
    HWND box = pairControlWindows[PairRowResultBox];
    if (box == nullptr || message->hwnd != box) return false;
    LRESULT at = SendMessageA(box, EM_CHARFROMPOS, 0, message->lParam);
    int line = HIWORD(at);
    if (!showPairLine(line)) return false;
    // The line drawn is highlighted whole, its start kept in view.
    LRESULT start = SendMessageA(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    if (start >= 0) {
        LRESULT length = SendMessageA(box, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
        SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(start + length), start);
    }
    return true;
}

}  // namespace

void loadPairSettings(HINSTANCE instance) {
    state.instance = instance;
    fillDefaultPairInputs(&pairInputs);
    formPairSettingsPath();
    if (pairSettingsPath[0] != '\0') readPairSettingsFile(pairSettingsPath, &pairInputs);
}

void closePairWindowAndSave() {
    if (state.window != nullptr) DestroyWindow(state.window);
    // A window destroyed without a word (as the program's end may) still
    // leaves no search running.
    waitForWorker();
    state.running = false;
    if (pairSettingsPath[0] != '\0') writePairSettingsFile(pairSettingsPath, pairInputs);
}

HWND openPairWindow(HWND mainWindow) {
    if (state.window != nullptr) {
        ShowWindow(state.window, SW_SHOWNORMAL);
        return state.window;
    }
    // Registered with the first window; later it fails, the class being
    // there already.
    registerWindowClass(PairWindowClass, pairWindowProcedure, state.instance, COLOR_BTNFACE);
    // Owned by the main window: it stays above it and goes with it. Made
    // hidden, so that it is shown once it has its place and size; of a
    // fixed size, which its table fills.
    HWND window = CreateWindowExA(0, PairWindowClass, pairWindowCaption(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 200, 100,
                                  mainWindow, nullptr, state.instance, nullptr);
    if (window == nullptr) return nullptr;
    SIZE size = outerSize(window, pairClientSize());
    POINT place = placeOf(mainWindow, size);
    SetWindowPos(window, nullptr, place.x, place.y, size.cx, size.cy, SWP_NOZORDER);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    focusFirstBox();
    return window;
}

HWND pairWindow() { return state.window; }

void applyPairWindowCaptions() {
    if (state.window == nullptr) return;
    applyPairCaptions(state.window);
    if (!state.running) writeOutcome();
    InvalidateRect(state.window, nullptr, TRUE);
}

bool translatePairWindowMessage(const MSG* message) {
    if (state.window == nullptr) return false;
    if (message->message == WM_LBUTTONDBLCLK) return onDoubleClick(message);
    return translateTableKey(state.window, Keys, message);
}

bool showPairLine(int line) {
    if (state.running || state.window == nullptr || line < 0 || state.outcome != Outcome::Records) return false;
    char boxLine[limits::PairTextSize];
    static char boxText[limits::TextSize];
    GetWindowTextA(pairControlWindows[PairRowResultBox], boxText, sizeof boxText);
    if (copyLine(boxText, line, boxLine, sizeof boxLine) <= 0) return false;
    // The box may have been edited: the record is the one whose line the
    // box shows there, looked for from the line's own place on.
    const std::vector<PairRecord>& records = job.search.records();
    char recordLine[limits::PairTextSize];
    for (int k = 0; k < state.shownLines; ++k) {
        int i = (line + k) % state.shownLines;
        formatPairLine(job.request, records[static_cast<size_t>(i)], job.shownAs, settings.language, recordLine,
                       sizeof recordLine);
        if (strcmp(recordLine, boxLine) != 0) continue;
        return showPairInNetworkWindow(state.window, state.instance, records[static_cast<size_t>(i)], job.request,
                                       recordLine);
    }
    return false;
}

bool pairSearchRunning() { return state.running; }
const PairRequest& lastPairRequest() { return job.request; }
const PairSearch& lastPairSearch() { return job.search; }
const char* pairOutcomeText() { return outcomeText; }

void stopPairSearch() {
    waitForWorker();
    state.running = false;
}

void resetPairWindow() {
    waitForWorker();
    HINSTANCE instance = state.instance;
    state = WindowState{};
    state.instance = instance;
    job.fault = PairFault::None;
    job.request = PairRequest{};
    outcomeText[0] = '\0';
    pairResultText[0] = '\0';
    resetPairControlWindows();
    fillDefaultPairInputs(&pairInputs);
}

LRESULT CALLBACK pairWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            noteTableFocus(window, Keys);
            onCommand(static_cast<int>(LOWORD(wParam)));
            if (!state.running) restoreTableFocus(window, Keys);
        }
        return 0;
    case WM_TIMER:
        if (wParam == PairProgressTimerId) onProgressTimer();
        return 0;
    case WM_PAIRFINISHED:
        // A search stopped meanwhile (Abort, or a window closed and opened
        // again) has been shown already.
        if (state.running && static_cast<uint32_t>(wParam) == job.number) finishSearch();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
