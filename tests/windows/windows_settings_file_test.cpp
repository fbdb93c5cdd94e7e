// A settings file written by the Windows build, read by the Linux build.
// written_under_wine.ini was written by Combinix.exe under Wine
// (scripts/check-windows-under-wine): started in an empty folder, the
// default search run with Execute, the window moved to (40, 60), closed.
// COMBINIX_SETTINGS_FILE names another such file to check instead.
#include "window/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/shared_state.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* checkedFile() {
    const char* path = getenv("COMBINIX_SETTINGS_FILE");
    return path != nullptr && path[0] != '\0' ? path : WRITTEN_UNDER_WINE;
}

}  // namespace

TEST(WindowsSettingsFile, ReadsIntoStoresThatWriteBackTheSameBytes) {
    std::string original = readFile(checkedFile());
    ASSERT_FALSE(original.empty()) << checkedFile();
    resetSharedState();
    ASSERT_TRUE(readSettingsFile(checkedFile()));
    std::string copy = ::testing::TempDir() + "combinix_windows_written.ini";
    ASSERT_TRUE(writeSettingsFile(copy.c_str()));
    // Every field and every text is written back from the stores, so equal
    // bytes mean the stores hold exactly what the Windows build saved.
    EXPECT_TRUE(readFile(copy) == original) << "the stores differ from " << checkedFile();
    remove(copy.c_str());
}

TEST(WindowsSettingsFile, HoldsTheWindowAndTheSearchOfTheWindowsBuild) {
    resetSharedState();
    ASSERT_TRUE(readSettingsFile(WRITTEN_UNDER_WINE));
    EXPECT_EQ(settings.language, 0);
    EXPECT_EQ(settings.partType, 0);
    // Wine's Japanese system font gives layout units of 8 x 18 pixels, so
    // the default window is 8 * 54 + 10 = 442 by 18 * 40.5 = 729 pixels,
    // here moved to (40, 60).
    EXPECT_EQ(settings.windowLeft, 40);
    EXPECT_EQ(settings.windowTop, 60);
    EXPECT_EQ(settings.windowRight, 40 + 442);
    EXPECT_EQ(settings.windowBottom, 60 + 729);
    EXPECT_STREQ(textBuffers[BufTarget], "1.42k");
    EXPECT_STREQ(statusText,
                 "\x32\x36\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42"
                 /* 26組見つかりました。 */);
    // 26 result lines, each ending in CR LF (stored as two BEL bytes).
    int lines = 0;
    for (const char* p = resultText; (p = strstr(p, "\r\n")) != nullptr; p += 2) ++lines;
    EXPECT_EQ(lines, 26);
    EXPECT_EQ(strncmp(resultText, "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k))\r\n", 44), 0);
}
