// The search on every core: a job of numbered tasks run on a pool of
// threads, whose results the one recording thread takes in task order.
//
// A network template splits its outermost loop into tasks. Each task walks
// its share into a store of its own (TaskMatches) instead of recording; the
// thread that runs the search (the recording thread) takes the stores in
// task order and hands their matches to recordMatch, so the recorder sees
// the matches in the very order of the single-threaded loops, and its
// limits, the tightening tolerance, the display and Abort behave as they
// always did. The pool runs ahead of the recorder by at most
// limits::TaskSlots tasks, whose stores are fixed and reused.
#pragma once

#include <cstdint>

#include "engine/limits.h"

// A match found by a task: its picks packed into a key, and the value to
// record. Keys sort in the order the loops meet the networks (the template
// decides how they are packed).
struct FoundMatch {
    uint64_t key;
    double value;
};

struct TaskMatches {
    int32_t count;
    bool full;  // a match was found with the store full: the task stopped there
    FoundMatch entries[limits::TaskMatchCapacity];

    // Keeps a match; false (and full) when the store is full.
    bool add(uint64_t key, double value) {
        if (count == limits::TaskMatchCapacity) {
            full = true;
            return false;
        }
        entries[count++] = {key, value};
        return true;
    }
};

// The threads the search runs its tasks on: as many as the process may run
// on (at least one, at most limits::MaxSearchThreads), unless set.
int searchThreadCount();
// Sets that number for the searches that follow (0: as many as the process
// may run on). For tests and the benchmark; call it between searches.
void setSearchThreadCount(int threads);

// The picks of a network (picks[1] to picks[5], 0 past its parts) in a
// key, pick1 in the highest bits.
constexpr int PickBits = 9;
static_assert(limits::StockCapacity <= (1 << PickBits), "a pick fits its field of the key");

inline uint64_t packPicks(const int32_t* picks) {
    uint64_t key = 0;
    for (int k = 1; k <= limits::MaxNetworkParts; ++k) key = key << PickBits | static_cast<uint64_t>(picks[k]);
    return key;
}

// Pick n (1 to 5) of a key.
inline int32_t pickOf(uint64_t key, int n) {
    return static_cast<int32_t>(key >> (PickBits * (limits::MaxNetworkParts - n)) & ((1u << PickBits) - 1));
}

// One job: `run` fills the store of task `task` (0 to count - 1) on some
// thread of the pool, with the stages of that thread and the search number
// of the recording thread; `take` gets the stores on the recording thread,
// in task order, and returns non-zero to end the job. With one thread (or
// one task) the tasks run on the recording thread itself.
struct TaskJob {
    int32_t count;
    void (*run)(void* context, int32_t task, TaskMatches* store);
    int32_t (*take)(void* context, int32_t task, const TaskMatches& store);
    void* context;
};

// Runs the job. Returns non-zero when `take` did or the search was asked to
// stop; every task has ended when it returns.
int32_t runTaskJob(const TaskJob& job);

// The same with lambdas: run(task, store) and take(task, store).
template <class Run, class Take>
int32_t runTasks(int32_t count, Run& run, Take& take) {
    struct Both {
        Run& run;
        Take& take;
    } both{run, take};
    TaskJob job{count,
                [](void* c, int32_t task, TaskMatches* store) { static_cast<Both*>(c)->run(task, store); },
                [](void* c, int32_t task, const TaskMatches& store) -> int32_t {
                    return static_cast<Both*>(c)->take(task, store);
                },
                &both};
    return runTaskJob(job);
}

// How many tasks a loop over `indices` indices is split into: a few per
// thread, so that a thread that drew quick tasks takes more; one when there
// is one thread or the loop is short (limits::FewestIndicesForTasks).
int32_t taskCountFor(int32_t indices);
// Sets the fewest indices a loop is split at, for the searches that follow
// (0: limits::FewestIndicesForTasks); set, it also hands tasks to the
// threads from a search's first job on (limits::SoloMilliseconds). For
// tests that split the loops of small stocks; call it between searches.
void splitFromIndices(int indices);

// The indices of task `task` of `count` over [first, last], in loop order:
// task 0 holds the first indices a loop running up meets (`down` false) or
// the last ones for a loop running down. Sets [*from, *to], to < from when
// empty.
void taskRange(int32_t first, int32_t last, int32_t task, int32_t count, bool down, int32_t* from,
               int32_t* to);
