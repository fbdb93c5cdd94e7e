// Fuzz target: the settings file loader on any bytes, as a hand-edited,
// truncated or foreign file may hold. The stores read must stay inside
// their buffers, the language check must leave a language with captions,
// and what was read must save and load again without harm.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/builtin_lists.h"
#include "engine/shared_state.h"
#include "fuzz/fuzz_input.h"
#include "window/settings_file.h"

namespace {

std::string scratchPath(const char* name) {
    return std::string("/tmp/combinix-fuzz-") + std::to_string(getpid()) + "-" + name;
}

void checkStores() {
    for (int i = 0; i < limits::TextBufferCount; ++i) {
        FUZZ_CHECK(memchr(textBuffers[i], '\0', limits::TextSize) != nullptr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = scratchPath("input.ini");
    static const std::string output = scratchPath("output.ini");
    FILE* f = fopen(input.c_str(), "wb");
    if (f == nullptr) return 0;
    if (size > 0) fwrite(data, 1, size, f);
    fclose(f);

    resetSharedState();
    fillDefaultTexts();
    readSettingsFile(input.c_str());
    checkLanguageAndShowLists();
    checkStores();
    FUZZ_CHECK(settings.language == 0 || settings.language == 1);

    // What was read saves and loads again.
    if (!writeSettingsFile(output.c_str())) return 0;
    int32_t fields[limits::SettingsCount];
    for (int i = 0; i < limits::SettingsCount; ++i) fields[i] = settingsField(i);
    resetSharedState();
    FUZZ_CHECK(readSettingsFile(output.c_str()));
    checkStores();
    for (int i = 0; i < limits::SettingsCount; ++i) {
        FUZZ_CHECK(settingsField(i) == fields[i]);
    }
    return 0;
}
