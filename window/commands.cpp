// Command handling and the search worker thread.
#include "window/commands.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <system_error>
#include <thread>

#include "engine/message_table.h"
#include "engine/recorder.h"
#include "engine/result_display.h"
#include "engine/result_ordering.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"
#include "window/control_table.h"
#include "window/pair_window.h"
#include "window/progress_line.h"

std::atomic<HWND> workerHandle{nullptr};

namespace {

// Workers are numbered as they start and leave in that order: a new worker
// first waits until every earlier one has left, so a search stopped by
// Abort never overlaps the next one. Only the main thread starts workers.
// Never destroyed: a stopped worker may still be leaving, and notifying,
// while the process ends.
std::mutex& workerMutex = *new std::mutex;
std::condition_variable& workerLeft = *new std::condition_variable;
unsigned long long workersStarted = 0;
unsigned long long workersLeft = 0;

// Rows disabled while a search runs, in the order they are switched, with
// Abort (enabled while running) and the list boxes at the end.
const int lockedBeforeAbort[] = {RowResistor, RowCapacitor, RowInductor, RowTargetBox,
                                 RowToleranceBox, RowMaxPartsBox, RowRangeBox, RowExecute,
                                 RowExit, RowSortByError, RowSortByValue};
const int lockedAfterAbort[] = {RowList1Box, RowList2Box, RowList3Box};

void enableRows(const int* rows, int count, BOOL enable) {
    for (int i = 0; i < count; ++i) EnableWindow(controlWindows[rows[i]], enable);
}

void setCheck(int row, bool checked) {
    if (row < 0 || row >= limits::ControlCount) return;
    SendMessageA(controlWindows[row], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool startWorker(HWND mainWindow, uint32_t searchNumber) {
    // Counted under the workers' lock: searchWorkerAlive may be asked from any thread.
    unsigned long long order;
    {
        std::lock_guard<std::mutex> lock(workerMutex);
        order = ++workersStarted;
    }
    try {
        std::thread([mainWindow, searchNumber, order] {
            {
                std::unique_lock<std::mutex> lock(workerMutex);
                workerLeft.wait(lock, [order] { return workersLeft == order - 1; });
            }
            runAsSearchNumber(searchNumber);
            searchWorker(mainWindow, searchNumber);
            {
                std::lock_guard<std::mutex> lock(workerMutex);
                workersLeft = order;
            }
            workerLeft.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        std::lock_guard<std::mutex> lock(workerMutex);
        --workersStarted;
        return false;
    }
    return true;
}

void execute(HWND mainWindow) {
    captureInputs();
    uint32_t searchNumber = newSearchNumber();
    if (startWorker(mainWindow, searchNumber)) {
        workerHandle = mainWindow;
        lockControlsForRun();
        startProgressLine(mainWindow, searchNumber);
    }
}

void abortSearch(HWND mainWindow) {
    if (MessageBoxA(mainWindow, messageText(MsgReallyAbort), "Abort", MB_YESNO) != IDYES) return;
    stopSearch();
    unlockControlsAfterRun();
    std::lock_guard<std::mutex> lock(resultStateMutex);
    snprintf(statusText, limits::TextSize, "aborted. found = %d\n",
             static_cast<int>(settings.matchCount));
}

void exitProgram(HWND mainWindow) {
    if (MessageBoxA(mainWindow, messageText(MsgReallyExit), "Exit", MB_YESNO) == IDYES) {
        SendMessageA(mainWindow, WM_DESTROY, 0, 0);
    }
}

void switchPartType(int id) {
    captureInputs();
    setCheck(settings.partType + RowResistor, false);
    settings.partType = id - RowResistor;
    setCheck(id, true);
    loadDisplayedLists();
}

void chooseList(int id) {
    setCheck(settings.listSelection + RowList1Choice, false);
    settings.listSelection = id - RowList1Choice;
    setCheck(id, true);
}

void toggle(std::atomic<int32_t>& field, int row) {
    if (field != 0) {
        field = 0;
        setCheck(row, false);
    } else {
        field = 1;
        setCheck(row, true);
    }
}

void restoreDefaultSize(HWND mainWindow) {
    SIZE size = defaultWindowSize();
    SetWindowPos(mainWindow, HWND_TOP, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOOWNERZORDER);
}

void sortResults(void (*sort)()) {
    lockControlsForRun();
    sort();
    unlockControlsAfterRun();
}

}  // namespace

void captureInputs() {
    for (int row = 0; row < limits::ControlCount; ++row) {
        const ControlEntry& entry = controlTable[row];
        if (entry.kind != EditBox || entry.index < 0 || entry.index >= limits::TextBufferCount) {
            continue;
        }
        // A box that could not be created has nothing to give; its buffer
        // keeps what it holds.
        HWND box = controlWindows[row];
        if (box == nullptr) continue;
        char* buffer = textBuffers[entry.index];
        int n = GetWindowTextA(box, buffer, limits::TextSize);
        if (n < 0) n = 0;
        if (n > limits::TextSize - 1) n = limits::TextSize - 1;
        buffer[n] = '\0';
    }
    int t = settings.partType;
    if (t >= 0 && t <= 2) {
        setText(textBuffers[storedListBuffer(0, t)], textBuffers[BufDisplayedList1]);
        setText(textBuffers[storedListBuffer(1, t)], textBuffers[BufDisplayedList2]);
        setText(textBuffers[storedListBuffer(2, t)], textBuffers[BufDisplayedList3]);
    }
}

void loadDisplayedLists() {
    int t = settings.partType;
    if (t >= 0 && t <= 2) {
        setText(textBuffers[BufDisplayedList1], textBuffers[storedListBuffer(0, t)]);
        setText(textBuffers[BufDisplayedList2], textBuffers[storedListBuffer(1, t)]);
        setText(textBuffers[BufDisplayedList3], textBuffers[storedListBuffer(2, t)]);
    }
    SetWindowTextA(controlWindows[RowList1Box], textBuffers[BufDisplayedList1]);
    SetWindowTextA(controlWindows[RowList2Box], textBuffers[BufDisplayedList2]);
    SetWindowTextA(controlWindows[RowList3Box], textBuffers[BufDisplayedList3]);
}

void lockControlsForRun() {
    enableRows(lockedBeforeAbort, sizeof lockedBeforeAbort / sizeof lockedBeforeAbort[0], FALSE);
    EnableWindow(controlWindows[RowAbort], TRUE);
    enableRows(lockedAfterAbort, sizeof lockedAfterAbort / sizeof lockedAfterAbort[0], FALSE);
}

void unlockControlsAfterRun() {
    // Cleared first: once Execute is enabled again a new search may start.
    stopProgressLine(workerHandle.exchange(nullptr));
    enableRows(lockedBeforeAbort, sizeof lockedBeforeAbort / sizeof lockedBeforeAbort[0], TRUE);
    EnableWindow(controlWindows[RowAbort], FALSE);
    enableRows(lockedAfterAbort, sizeof lockedAfterAbort / sizeof lockedAfterAbort[0], TRUE);
    showResultText();
}

void searchWorker(HWND mainWindow, uint32_t searchNumber) {
    runSearch();
    SendMessageA(mainWindow, WM_SEARCHFINISHED, searchNumber, 0);
}

void onSearchFinished(HWND mainWindow, uint32_t searchNumber) {
    // A stopped search leaves the window alone: Abort has unlocked the
    // controls and written its message, and a newer search may be running.
    if (searchNumberStopped(searchNumber)) return;
    showResultText();
    unlockControlsAfterRun();
    InvalidateRect(mainWindow, nullptr, TRUE);
}

void stopSearch() {
    std::lock_guard<std::mutex> lock(resultStateMutex);
    requestSearchStop();
}

bool searchWorkerAlive() {
    std::lock_guard<std::mutex> lock(workerMutex);
    return workersLeft != workersStarted;
}

LRESULT onCommand(HWND mainWindow, WPARAM wParam) {
    int id = static_cast<int>(LOWORD(wParam));
    switch (id) {
        case RowLanguage:
            settings.language = settings.language + 1 >= 2 ? 0 : settings.language + 1;
            applyCaptions();
            applyPairWindowCaptions();
            break;
        case RowDefaultSize: restoreDefaultSize(mainWindow); break;
        case RowResistor:
        case RowCapacitor:
        case RowInductor: switchPartType(id); break;
        case RowShowAll: toggle(settings.showAll, RowShowAll); break;
        case RowExecute: execute(mainWindow); break;
        case RowExit: exitProgram(mainWindow); break;
        case RowAbort: abortSearch(mainWindow); break;
        case RowParallelOnly: toggle(settings.parallelOnly, RowParallelOnly); break;
        case RowSortByError: sortResults(sortByError); break;
        case RowSortByValue: sortResults(sortByValue); break;
        case RowPair: openPairWindow(mainWindow); break;
        default:
            if (id >= RowList1Choice && id <= RowList1Choice + 6) chooseList(id);
            break;
    }
    InvalidateRect(mainWindow, nullptr, TRUE);
    return 0;
}
