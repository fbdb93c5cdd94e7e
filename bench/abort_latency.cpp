// combinix-abort-latency: the time from a stop request (what Abort does) to
// the end of the search, at moments spread over the whole search.
//
//   combinix-abort-latency STOCK_FILE [MOMENTS] [THREADS]
//
// Runs the search of the stock's values for 3.1415926k at 1e-13 % with
// "Show All" (every template and the bridge run in full) once to its end,
// then MOMENTS - 1 times more, each stopped from another thread at the next
// of MOMENTS even steps through that time, and prints for each moment how
// long the search took to end after the request, then the largest. THREADS
// sets the threads of the search (default: as many as the process may use).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "engine/recorder.h"
#include "engine/search_tasks.h"
#include "engine/shared_state.h"
#include "tests/engine/network_search.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool readFile(const char* path, std::string* text) {
    FILE* f = fopen(path, "rb");
    if (f == nullptr) return false;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, f)) > 0;) text->append(buffer, n);
    fclose(f);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: combinix-abort-latency STOCK_FILE [MOMENTS] [THREADS]\n");
        return 2;
    }
    std::string stock;
    if (!readFile(argv[1], &stock) || stock.size() >= limits::TextSize) {
        fprintf(stderr, "%s: cannot read it, or too long for a list\n", argv[1]);
        return 1;
    }
    int moments = argc > 2 ? atoi(argv[2]) : 40;
    if (moments < 2) moments = 2;
    if (argc > 3) setSearchThreadCount(atoi(argv[3]));
    const TypedSearch search{Resistor, "3.1415926k", "1e-13", "5", stock.c_str(), true, false, "1000"};

    Clock::time_point start = Clock::now();
    search.run();
    double whole = millisecondsSince(start);
    printf("threads %d, the whole search: %.0f ms, %d matches\n", searchThreadCount(), whole,
           settings.matchCount.load());

    std::vector<double> latencies;
    for (int k = 1; k < moments; ++k) {
        double at = whole * k / moments;
        auto done = std::async(std::launch::async, [&search] { search.run(); });
        std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long long>(at * 1000)));
        Clock::time_point asked = Clock::now();
        requestSearchStop();
        done.wait();
        double latency = millisecondsSince(asked);
        latencies.push_back(latency);
        printf("stopped at %6.0f ms (%3d %%): ended %.2f ms after the request\n", at, 100 * k / moments,
               latency);
        fflush(stdout);
    }
    std::sort(latencies.begin(), latencies.end());
    printf("largest %.2f ms, median %.2f ms over %zu stops\n", latencies.back(),
           latencies[latencies.size() / 2], latencies.size());
    return 0;
}
