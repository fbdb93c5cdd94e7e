// Networks of one, two and three parts.
#include "engine/networks.h"

#include "control/shared_state.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"

const char* const oneTwoThreeFormats[7] = {
    "1:%8.3f%s,%6.2f%%, %s\r\n",
    "2:%8.3f%s,%6.2f%%, %s + %s\r\n",
    "2:%8.3f%s,%6.2f%%, %s / %s\r\n",
    "3:%8.3f%s,%6.2f%%, %s + %s + %s\r\n",
    "3:%8.3f%s,%6.2f%%, %s / %s / %s\r\n",
    "3:%8.3f%s,%6.2f%%, %s +(%s / %s)\r\n",
    "3:%8.3f%s,%6.2f%%, %s /(%s + %s)\r\n",
};

void runOnePartNetworks() {
    const SearchStage& window = stages[0];
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        double s1 = stockParts[pick1].seriesValue;
        if (window.seriesHigh < s1) break;
        if (window.seriesLow <= s1) recordMatch(oneTwoThreeFormats[0], s1);
    }
}

int32_t runTwoPartNetworks() { return 0; }
int32_t runThreePartNetworks() { return 0; }

int32_t runNetworksOfSize(int n) {
    switch (n) {
        case 2: return runTwoPartNetworks();
        case 3: return runThreePartNetworks();
        case 4: return runFourPartNetworks();
        case 5: return runFivePartNetworks();
        default: return 0;
    }
}
