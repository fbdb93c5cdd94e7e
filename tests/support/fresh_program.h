// The program's state as a new process has it: no windows, no records of
// the platform layer, the stores at their defaults and nothing scrolled.
// Every window test starts (and ends) there, so that no test sees another's.
#pragma once

#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "window/control_table.h"
#include "window/pair_window.h"
#include "window/scrolling.h"

inline void resetToFreshProgram() {
    // The Pair window's search first: it stops and its worker leaves.
    resetPairWindow();
    platform_test::reset();
    resetSharedState();
    resetControlWindows();
    hScrollOffset = vScrollOffset = 0;
}
