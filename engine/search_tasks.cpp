// The pool of the search's threads and the ordered hand-over of the tasks'
// stores to the recording thread.
//
// The threads are started when a job first needs them and then wait for the
// next job for as long as the process lives; the pool is never destroyed,
// since a waiting thread still uses it when the process ends. Only one job
// runs at a time. A thread claims the next task once the recording thread
// has taken the task limits::TaskSlots before it, so each task has its slot
// to itself; the recording thread waits for the task it takes next.
#include "engine/search_tasks.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#endif

#include "engine/recorder.h"
#include "engine/search_frame.h"

namespace {

struct Pool {
    std::mutex jobs;  // one job at a time
    std::mutex mutex;
    std::condition_variable work;      // a task can be claimed
    std::condition_variable finished;  // a task has finished
    const TaskJob* job = nullptr;      // under mutex
    uint32_t searchNumber = 0;
    SearchStage window{};  // stage 0 of the job's search
    int32_t next = 0;      // the next task to claim
    int32_t taken = 0;     // tasks the recording thread has taken
    int32_t running = 0;   // tasks claimed and not finished
    bool done[limits::TaskSlots] = {};
    std::atomic<bool> cancelled{false};
    int threads = 0;  // threads started
    TaskMatches stores[limits::TaskSlots];
};

// Allocated once, never destroyed (see above).
Pool& pool() {
    static Pool* p = new Pool;
    return *p;
}

std::atomic<int> chosenThreads{0};
// The fewest indices a loop is split at; 0 for limits::FewestIndicesForTasks.
std::atomic<int> fewestIndices{0};

// The search whose jobs the recording thread runs, and when its first job
// began.
uint32_t soloSearch = 0;
std::chrono::steady_clock::time_point soloSince;

// Whether the search is still young enough to run its jobs alone
// (limits::SoloMilliseconds); tests that split small loops skip that.
bool runsAlone(uint32_t search) {
    if (fewestIndices.load() > 0) return false;
    auto now = std::chrono::steady_clock::now();
    if (search != soloSearch) {
        soloSearch = search;
        soloSince = now;
    }
    return now - soloSince < std::chrono::milliseconds(limits::SoloMilliseconds);
}

int threadsTheProcessMayUse() {
#if defined(__linux__)
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        int n = CPU_COUNT(&set);
        if (n > 0) return n;
    }
#endif
    unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

void runTask(Pool& p, const TaskJob& job, int32_t task) {
    TaskMatches& store = p.stores[task % limits::TaskSlots];
    store.count = 0;
    store.full = false;
    if (!searchStopped()) job.run(job.context, task, &store);
}

void serve(Pool& p) {
    std::unique_lock<std::mutex> lock(p.mutex);
    for (;;) {
        p.work.wait(lock, [&p] {
            return p.job != nullptr && !p.cancelled.load() && p.next < p.job->count &&
                   p.next < p.taken + limits::TaskSlots;
        });
        const TaskJob& job = *p.job;
        int32_t task = p.next++;
        ++p.running;
        runAsTaskOf(p.searchNumber, &p.cancelled);
        stages[0] = p.window;
        lock.unlock();
        runTask(p, job, task);
        lock.lock();
        p.done[task % limits::TaskSlots] = true;
        --p.running;
        p.finished.notify_all();
    }
}

// Starts threads up to `wanted`; returns how many there are.
int startThreads(Pool& p, int wanted) {
    while (p.threads < wanted) {
        try {
            std::thread(serve, std::ref(p)).detach();
        } catch (const std::system_error&) {
            break;  // run with the threads there are
        }
        ++p.threads;
    }
    return p.threads;
}

}  // namespace

int searchThreadCount() {
    int n = chosenThreads.load();
    if (n <= 0) n = threadsTheProcessMayUse();
    return std::max(1, std::min(n, limits::MaxSearchThreads));
}

void setSearchThreadCount(int threads) { chosenThreads = threads < 0 ? 0 : threads; }

void splitFromIndices(int indices) { fewestIndices = indices < 0 ? 0 : indices; }

int32_t taskCountFor(int32_t indices) {
    int threads = searchThreadCount();
    int fewest = fewestIndices.load();
    if (threads <= 1 || indices < (fewest > 0 ? fewest : limits::FewestIndicesForTasks)) return 1;
    return std::min<int32_t>(indices, 8 * threads);
}

void taskRange(int32_t first, int32_t last, int32_t task, int32_t count, bool down, int32_t* from,
               int32_t* to) {
    int64_t n = last - first + 1;
    if (n <= 0 || count <= 0) {
        *from = first;
        *to = first - 1;
        return;
    }
    // Task t of the loop's order holds indices [n t / count, n (t+1) / count)
    // counted from where the loop starts.
    int32_t begin = static_cast<int32_t>(n * task / count);
    int32_t end = static_cast<int32_t>(n * (task + 1) / count) - 1;
    if (down) {
        *from = last - end;
        *to = last - begin;
    } else {
        *from = first + begin;
        *to = first + end;
    }
}

int32_t runTaskJob(const TaskJob& job) {
    Pool& p = pool();
    std::lock_guard<std::mutex> oneJob(p.jobs);
    int threads = job.count > 1 && !runsAlone(currentSearchNumber()) ? searchThreadCount() : 1;
    if (threads > 1) threads = startThreads(p, threads);
    if (threads <= 1) {
        for (int32_t task = 0; task < job.count; ++task) {
            if (searchStopped()) return -1;
            runTask(p, job, task);
            if (job.take(job.context, task, p.stores[task % limits::TaskSlots]) != 0) return -1;
            progressTasksTaken(task + 1, job.count);
        }
        return searchStopped() ? -1 : 0;
    }

    std::unique_lock<std::mutex> lock(p.mutex);
    p.job = &job;
    p.searchNumber = currentSearchNumber();
    p.window = stages[0];
    p.next = 0;
    p.taken = 0;
    p.cancelled = false;
    for (bool& d : p.done) d = false;
    p.work.notify_all();
    int32_t outcome = 0;
    for (int32_t task = 0; task < job.count; ++task) {
        int slot = task % limits::TaskSlots;
        p.finished.wait(lock, [&p, slot] { return p.done[slot]; });
        lock.unlock();
        outcome = searchStopped() ? -1 : job.take(job.context, task, p.stores[slot]);
        if (outcome == 0) progressTasksTaken(task + 1, job.count);
        lock.lock();
        p.done[slot] = false;
        ++p.taken;
        if (outcome != 0) break;
        p.work.notify_all();
    }
    // No task may still write a store once the job has returned.
    p.cancelled = true;
    p.finished.wait(lock, [&p] { return p.running == 0; });
    p.job = nullptr;
    p.cancelled = false;
    return outcome != 0 || searchStopped() ? -1 : 0;
}
