// The installed result display.
#include "engine/result_display.h"

#include <atomic>

#include "engine/shared_state.h"

namespace {

std::atomic<ResultDisplay> installedDisplay{nullptr};
std::atomic<ProgressDisplay> installedProgress{nullptr};
std::atomic<PairProgressDisplay> installedPairProgress{nullptr};

}  // namespace

void installResultDisplay(ResultDisplay display) { installedDisplay = display; }

void showResultText() {
    ResultDisplay display = installedDisplay.load();
    if (display != nullptr) display(resultText);
}

void installProgressDisplay(ProgressDisplay display) { installedProgress = display; }

void showProgress() {
    ProgressDisplay display = installedProgress.load();
    if (display != nullptr) display();
}

void installPairProgressDisplay(PairProgressDisplay display) { installedPairProgress = display; }

void showPairProgress(const PairProgress& progress) {
    PairProgressDisplay display = installedPairProgress.load();
    if (display != nullptr) display(progress);
}
