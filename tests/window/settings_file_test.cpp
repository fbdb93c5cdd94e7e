// The settings file: its layout, the rules for short and odd files, and
// the safety of saving.
#include "window/settings_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/builtin_lists.h"
#include "engine/shared_state.h"
#include "tests/support/temp_directory.h"

namespace {

// Named for the process too: CTest runs the tests side by side.
std::string tempPath(const char* name) {
    return ::testing::TempDir() + "combinix_settings_" + std::to_string(getpid()) + "_" + name;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The 54 lines of a file with the given settings and texts.
std::string fileWith(const int (&fields)[20], const std::string (&texts)[32]) {
    std::string f = "20\r\n";
    for (int v : fields) f += std::to_string(v) + "\r\n";
    f += "32\r\n";
    for (const std::string& t : texts) f += t + "\r\n";
    return f;
}

void freshStart() {
    resetSharedState();
    fillDefaultTexts();
}

}  // namespace

TEST(SettingsFile, RoundTripKeepsEverything) {
    freshStart();
    for (int i = 0; i < 20; ++i) settingsField(i) = i * 7 - 30;
    setText(textBuffers[8], "1: 1.00000k,     0%, 1k\r\n2: 2.00000k,     0%, 1k + 1k\r\n");
    setText(textBuffers[9], "aborted. found = 37\n");  // ends in a lone line feed
    setText(textBuffers[31], "\x8e\xc0\x8d\x73" /* 実行 */);
    std::string path = tempPath("roundtrip.ini");
    ASSERT_TRUE(writeSettingsFile(path.c_str()));

    std::string bytes = readFile(path);
    int lines = 0;
    for (size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
    EXPECT_EQ(lines, 54);
    EXPECT_NE(bytes.find("1k\a\a2: 2.00000k"), std::string::npos);

    char saved[32][limits::TextSize];
    for (int i = 0; i < 32; ++i) memcpy(saved[i], textBuffers[i], limits::TextSize);
    resetSharedState();
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(settingsField(i), i * 7 - 30) << i;
    for (int i = 0; i < 32; ++i) {
        if (i == 9) continue;
        EXPECT_STREQ(textBuffers[i], saved[i]) << i;
    }
    // The lone line feed comes back as a line break of the boxes.
    EXPECT_STREQ(textBuffers[9], "aborted. found = 37\r\n");
}

TEST(SettingsFile, LineBreaksAreStoredAsTwoBels) {
    freshStart();
    setText(textBuffers[0], "a\r\nb");
    std::string path = tempPath("bel.ini");
    ASSERT_TRUE(writeSettingsFile(path.c_str()));
    EXPECT_NE(readFile(path).find("\r\n32\r\na\a\ab\r\n"), std::string::npos);
    // Two BEL bytes typed into a text read back as a line break.
    int fields[20] = {};
    std::string texts[32];
    texts[1] = "x\a\ay\a";
    writeFile(path, fileWith(fields, texts));
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_STREQ(textBuffers[1], "x\r\ny\a");
}

TEST(SettingsFile, CountsDecideWhatIsRead) {
    std::string path = tempPath("counts.ini");
    // 25 settings lines: fields 0 to 19 set, five ignored.
    std::string f = "25\r\n";
    for (int i = 0; i < 25; ++i) f += std::to_string(100 + i) + "\r\n";
    f += "2\r\nfirst\r\nsecond\r\n";
    freshStart();
    writeFile(path, f);
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(settingsField(19), 119);
    EXPECT_STREQ(textBuffers[0], "first");
    EXPECT_STREQ(textBuffers[1], "second");
    EXPECT_STREQ(textBuffers[2], "1");  // not in the file: the default stays

    // 5 settings lines: the seventh line is the text count.
    freshStart();
    writeFile(path, "5\r\n1\r\n2\r\n3\r\n4\r\n5\r\n1\r\nonly\r\n");
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(settingsField(4), 5);
    EXPECT_EQ(settingsField(5), 0);
    EXPECT_STREQ(textBuffers[0], "only");
}

TEST(SettingsFile, ShortFilesKeepWhatTheyDoNotReach) {
    std::string path = tempPath("short.ini");
    freshStart();
    writeFile(path, "20\r\n1\r\n2\r\n");  // ends inside the settings
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(settingsField(0), 1);
    EXPECT_EQ(settingsField(1), 2);
    EXPECT_STREQ(textBuffers[1], "1.42k");

    freshStart();
    std::string f = "20\r\n";
    for (int i = 0; i < 20; ++i) f += "0\r\n";
    writeFile(path, f);  // ends right after the settings
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_STREQ(textBuffers[1], "1.42k");
    EXPECT_STREQ(textBuffers[4], "200");

    // Every cut of a real file reads without harm.
    freshStart();
    std::string full = tempPath("full.ini");
    ASSERT_TRUE(writeSettingsFile(full.c_str()));
    std::string bytes = readFile(full);
    for (size_t cut = 0; cut < bytes.size(); cut += 97) {
        writeFile(path, bytes.substr(0, cut));
        freshStart();
        readSettingsFile(path.c_str());
    }
}

TEST(SettingsFile, TextCountOfNineOrTenFillsTheFirstLists) {
    std::string path = tempPath("ten.ini");
    int fields[20] = {};
    for (int count : {9, 10, 11}) {
        std::string f = "20\r\n";
        for (int v : fields) f += std::to_string(v) + "\r\n";
        f += std::to_string(count) + "\r\n";
        for (int i = 0; i < count; ++i) f += "text" + std::to_string(i) + "\r\n";
        freshStart();
        writeFile(path, f);
        ASSERT_TRUE(readSettingsFile(path.c_str()));
        bool copied = count != 11;
        EXPECT_EQ(std::string(textBuffers[10]) == "text5", copied) << count;
        EXPECT_EQ(std::string(textBuffers[11]) == "text6", copied) << count;
        EXPECT_EQ(std::string(textBuffers[12]) == "text7", copied) << count;
    }
}

TEST(SettingsFile, LanguageAndDisplayedLists) {
    struct Case {
        int language, partType, languageAfter;
        const char* list1;
    } cases[] = {
        {7, 1, 0, "cap1"},  {-3, 0, 0, "res1"}, {1, 2, 1, "ind1"},
        {0, 7, 0, "shown"},  // no such part type: the file's displayed list stays
    };
    for (const Case& c : cases) {
        freshStart();
        settings.language = c.language;
        settings.partType = c.partType;
        setText(textBuffers[5], "shown");
        setText(textBuffers[10], "res1");
        setText(textBuffers[11], "cap1");
        setText(textBuffers[12], "ind1");
        checkLanguageAndShowLists();
        EXPECT_EQ(settings.language, c.languageAfter);
        EXPECT_STREQ(textBuffers[5], c.list1);
    }
}

TEST(SettingsFile, LongestTextReadsBackWholeAndLaterTextsStayInPlace) {
    freshStart();
    std::string longest(31999, 'x');
    setText(textBuffers[10], longest.c_str());
    setText(textBuffers[11], "after");
    std::string path = tempPath("long.ini");
    ASSERT_TRUE(writeSettingsFile(path.c_str()));
    resetSharedState();
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(strlen(textBuffers[10]), 31999u);
    EXPECT_STREQ(textBuffers[11], "after");

    // A hand-made line far longer than a text is cut, not spread over the
    // following texts.
    int fields[20] = {};
    std::string texts[32];
    texts[3] = std::string(1000000, 'y');
    texts[4] = "next";
    writeFile(path, fileWith(fields, texts));
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(strlen(textBuffers[3]), 31999u);
    EXPECT_STREQ(textBuffers[4], "next");
}

TEST(SettingsFile, AcceptsPlainLineFeedsAndOddNumbers) {
    std::string path = tempPath("lf.ini");
    freshStart();
    writeFile(path, "20\n  -12abc\n99999999999\n\n3\nfoo\n\n");
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(settingsField(0), -12);
    EXPECT_EQ(settingsField(1), 2147483647);
    EXPECT_EQ(settingsField(2), 0);
    EXPECT_EQ(settingsField(3), 3);
    EXPECT_EQ(settingsField(4), 0);  // "foo" has no number
}

TEST(SettingsFile, EverySaveReplacesTheFileBeforeIt) {
    freshStart();
    std::string path = tempPath("replaced.ini");
    remove(path.c_str());
    settings.matchCount = 3;
    ASSERT_TRUE(writeSettingsFile(path.c_str()));
    settings.matchCount = 26;
    ASSERT_TRUE(writeSettingsFile(path.c_str()));
    settings.matchCount = 0;
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(settings.matchCount, 26);
    EXPECT_NE(access((path + ".new").c_str(), F_OK), 0);
    remove(path.c_str());
}

TEST(SettingsFile, FailedSaveLeavesThePreviousFile) {
    freshStart();
    std::string dir = tempPath("readonly_dir");
    mkdir(dir.c_str(), 0755);
    std::string path = dir + "/Combinix.ini";
    writeFile(path, "previous");
    chmod(dir.c_str(), 0555);
    bool canWrite = access(dir.c_str(), W_OK) == 0;  // root may write anyway
    if (!canWrite) {
        EXPECT_FALSE(writeSettingsFile(path.c_str()));
        EXPECT_EQ(readFile(path), "previous");
    }
    chmod(dir.c_str(), 0755);
    // A path with no folder at all cannot be written either.
    EXPECT_FALSE(writeSettingsFile("/nonexistent-folder/Combinix.ini"));
    EXPECT_FALSE(readSettingsFile("/nonexistent-folder/Combinix.ini"));
}

TEST(SettingsFile, PathFromTheCurrentDirectoryOrNoneWhenTooLong) {
    TemporaryCurrentDirectory directory;
    formSettingsPath();
    EXPECT_EQ(std::string(settingsPath), directory.path() + "/Combinix.ini");

    // A folder deeper than the path buffer: no settings file at all.
    std::string deep(200, 'd');
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(mkdir(deep.c_str(), 0755), 0);
        ASSERT_EQ(chdir(deep.c_str()), 0);
    }
    formSettingsPath();
    EXPECT_STREQ(settingsPath, "");
}

TEST(SettingsFileFaults, FullDiskDuringSaveLeavesThePreviousFile) {
    freshStart();
    std::string path = tempPath("full_disk.ini");
    writeFile(path, "previous");
    // A child process whose files may not grow past 1000 bytes, as on a
    // disk that fills up during the save.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(writeSettingsFile(path.c_str()) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save reported success";
    EXPECT_EQ(readFile(path), "previous");
    EXPECT_NE(access((path + ".new").c_str(), F_OK), 0) << "the half-written file was left";
}

TEST(SettingsFileFaults, FoldersInTheWayOfTheFile) {
    freshStart();
    // The settings file's name taken by a folder: nothing is read, and the
    // save fails without harm.
    std::string folder = tempPath("folder.ini");
    mkdir(folder.c_str(), 0755);
    readSettingsFile(folder.c_str());
    EXPECT_STREQ(textBuffers[1], "1.42k");
    EXPECT_FALSE(writeSettingsFile(folder.c_str()));
    struct stat info;
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    // The temporary name taken by a folder: the previous file stays.
    std::string path = tempPath("blocked.ini");
    writeFile(path, "previous");
    mkdir((path + ".new").c_str(), 0755);
    EXPECT_FALSE(writeSettingsFile(path.c_str()));
    EXPECT_EQ(readFile(path), "previous");
}

TEST(SettingsFileFaults, EveryCutOfAFileReadsSafely) {
    freshStart();
    for (int i = 1; i <= 30; ++i) textBuffers[i][0] = '\0';
    setText(textBuffers[8], "1: 1.00000k,     0%, 1k\r\n");
    setText(textBuffers[10], "10\r\n1k\r\n");
    std::string full = tempPath("cut_full.ini");
    ASSERT_TRUE(writeSettingsFile(full.c_str()));
    std::string bytes = readFile(full);
    std::string path = tempPath("cut.ini");
    for (size_t cut = 0; cut <= bytes.size(); ++cut) {
        writeFile(path, bytes.substr(0, cut));
        freshStart();
        readSettingsFile(path.c_str());
        for (int i = 0; i < 32; ++i) ASSERT_LT(strlen(textBuffers[i]), size_t(limits::TextSize));
    }
    // The whole file gives back what was written.
    EXPECT_STREQ(textBuffers[8], "1: 1.00000k,     0%, 1k\r\n");
}

TEST(SettingsFileFaults, HugeCountsAndManyLines) {
    std::string path = tempPath("many.ini");
    std::string f = "100000\r\n";
    for (int i = 0; i < 100000; ++i) f += std::to_string(i) + "\r\n";
    f += "100000\r\n";
    for (int i = 0; i < 100000; ++i) f += "t" + std::to_string(i) + "\r\n";
    writeFile(path, f);
    freshStart();
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(settingsField(19), 19);
    EXPECT_STREQ(textBuffers[31], "t31");

    // Counts that promise more than the file holds, or nonsense.
    writeFile(path, "2147483647\r\n1\r\n");
    freshStart();
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(settingsField(0), 1);
    writeFile(path, "-5\r\n-99999999999\r\n");
    freshStart();
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_STREQ(textBuffers[1], "1.42k");
}

TEST(SettingsFileFaults, TextsWithEveryByteValueComeBack) {
    // Every byte but the zero that ends a text and the line feed, which the
    // boxes only hold as part of CR LF; a single BEL stays a BEL.
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\n') all += static_cast<char>(b);
    }
    freshStart();
    setText(textBuffers[0], all.c_str());
    setText(textBuffers[1], "\r\r\n\r");
    std::string path = tempPath("bytes.ini");
    ASSERT_TRUE(writeSettingsFile(path.c_str()));
    resetSharedState();
    ASSERT_TRUE(readSettingsFile(path.c_str()));
    EXPECT_EQ(std::string(textBuffers[0]), all);
    EXPECT_STREQ(textBuffers[1], "\r\r\n\r");
}
