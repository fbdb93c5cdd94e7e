// Message boxes while headless, system metrics, full path names and moving
// a file over another.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/linux/test_interface.h"
#include "platform/program_resources.h"
#include "platform/win32.h"

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { platform_test::reset(); }
    void TearDown() override { platform_test::reset(); }
};

TEST_F(Dialogs, MessageBoxTakesQueuedAnswersThenTheCautiousOne) {
    platform_test::answerMessageBox(IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Really exit?", "Exit", MB_YESNO), IDYES);
    EXPECT_STREQ(platform_test::lastMessageBoxText(), "Really exit?");
    EXPECT_STREQ(platform_test::lastMessageBoxCaption(), "Exit");
    EXPECT_EQ(platform_test::lastMessageBoxType(), static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(MessageBoxA(nullptr, "Really abort?", "Abort", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Few resource or Wrong coding", "Combinix", MB_ICONERROR | MB_OK), IDOK);
    EXPECT_EQ(platform_test::messageBoxCount(), 3);
}

TEST_F(Dialogs, ButtonsAreCaptionedInTheThreadsUILanguage) {
    struct Case {
        LANGID language;
        UINT type;
        const char* left;
        const char* right;
    };
    const LANGID japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const Case cases[] = {
        {japanese, MB_YESNO, "\x82\xcd\x82\xa2" /* はい */, "\x82\xa2\x82\xa2\x82\xa6" /* いいえ */},
        {japanese, MB_OKCANCEL, "OK", "\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b" /* キャンセル */},
        {japanese, MB_ICONERROR | MB_OK, "OK", ""},
        {english, MB_YESNO | MB_ICONQUESTION, "Yes", "No"},
        {english, MB_OKCANCEL, "OK", "Cancel"},
        {english, MB_OK, "OK", ""},
        {MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), MB_YESNO, "Yes", "No"},  // any other: English
    };
    EXPECT_EQ(GetThreadUILanguage(), english);  // until set
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        EXPECT_EQ(SetThreadUILanguage(c.language), c.language);
        MessageBoxA(nullptr, "?", "Abort", c.type);
        EXPECT_STREQ(platform_test::lastMessageBoxButton(0), c.left);
        EXPECT_STREQ(platform_test::lastMessageBoxButton(1), c.right);
    }
    // Per thread: a thread that set nothing asks in English, though the
    // main thread shows the box.
    SetThreadUILanguage(japanese);
    std::atomic<bool> answered{false};
    std::thread worker([&] {
        MessageBoxA(nullptr, "?", "Exit", MB_YESNO);
        answered = true;
    });
    EXPECT_TRUE(platform_test::pumpUntil([&] { return answered.load(); }, 10.0));
    worker.join();
    EXPECT_STREQ(platform_test::lastMessageBoxButton(0), "Yes");
}

// The user's language, as a first start reads it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty decides.
TEST_F(Dialogs, UserLanguageIsTheLocalesMessagesLanguage) {
    struct Case {
        const char* all;
        const char* messages;
        const char* lang;
        bool japanese;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, false},
        {nullptr, nullptr, "ja_JP.UTF-8", true},
        {nullptr, nullptr, "ja", true},
        {nullptr, nullptr, "ja_JP@cjknarrow", true},
        {nullptr, nullptr, "en_US.UTF-8", false},
        {nullptr, nullptr, "C", false},
        {nullptr, nullptr, "jam", false},          // not the language "ja"
        {nullptr, "ja_JP.UTF-8", "en_GB", true},   // messages before LANG
        {nullptr, "C.UTF-8", "ja_JP.UTF-8", false},
        {"en_US.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", false},  // LC_ALL before both
        {"ja_JP.eucJP", nullptr, "C", true},
        {"", "", "ja_JP.UTF-8", true},             // empty is unset
    };
    const char* saved[3];
    std::string kept[3];
    const char* names[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 3; ++i) {
        saved[i] = getenv(names[i]);
        if (saved[i]) kept[i] = saved[i];
    }
    for (const Case& c : cases) {
        const char* values[3] = {c.all, c.messages, c.lang};
        for (int i = 0; i < 3; ++i) {
            if (values[i]) setenv(names[i], values[i], 1);
            else unsetenv(names[i]);
        }
        LANGID language = GetUserDefaultUILanguage();
        EXPECT_EQ(PRIMARYLANGID(language) == LANG_JAPANESE, c.japanese)
            << (c.all ? c.all : "-") << " " << (c.messages ? c.messages : "-") << " " << (c.lang ? c.lang : "-");
        if (!c.japanese) {
            EXPECT_EQ(PRIMARYLANGID(language), LANG_ENGLISH);
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (saved[i]) setenv(names[i], kept[i].c_str(), 1);
        else unsetenv(names[i]);
    }
}

// The program's instance holds its icon, the one resource it carries; the
// stock icons come with a null instance. The view shows the program's icon
// for a window whose class has it.
TEST_F(Dialogs, TheProgramsInstanceHoldsItsIconAndNoOtherResource) {
    static char module;
    HINSTANCE program = reinterpret_cast<HINSTANCE>(&module);
    HICON own = LoadIconA(program, MAKEINTRESOURCEA(ProgramIconResource));
    HICON stock = LoadIconA(nullptr, IDI_APPLICATION);
    ASSERT_NE(own, nullptr);
    EXPECT_NE(stock, nullptr);
    EXPECT_NE(own, stock);
    EXPECT_EQ(LoadIconA(program, MAKEINTRESOURCEA(ProgramIconResource)), own);
    EXPECT_EQ(LoadIconA(program, MAKEINTRESOURCEA(ProgramIconResource + 1)), nullptr);
    EXPECT_EQ(LoadIconA(program, IDI_APPLICATION), nullptr);
    EXPECT_EQ(LoadIconA(program, "combinix"), nullptr);
}

TEST_F(Dialogs, ScreenSizeIsTheVirtualScreen) {
    platform_test::setScreenSize(1280, 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
}

TEST_F(Dialogs, FullPathNameIsResolvedAgainstTheCurrentDirectory) {
    char directory[4096];
    ASSERT_NE(getcwd(directory, sizeof directory), nullptr);
    char temporary[] = "/tmp/combinix-path-XXXXXX";
    ASSERT_NE(mkdtemp(temporary), nullptr);
    ASSERT_EQ(chdir(temporary), 0);

    std::string expected = std::string(temporary) + "/Combinix.exe";
    char path[1000];
    LPSTR name = nullptr;
    EXPECT_EQ(GetFullPathNameA("Combinix.exe", sizeof path, path, &name), expected.size());
    EXPECT_EQ(path, expected);
    EXPECT_STREQ(name, "Combinix.exe");

    // Too small a buffer: the size needed, zero byte included, and nothing
    // written.
    char small[8];
    memset(small, 'x', sizeof small);
    EXPECT_EQ(GetFullPathNameA("Combinix.exe", sizeof small, small, nullptr), expected.size() + 1);
    EXPECT_EQ(small[0], 'x');
    EXPECT_EQ(GetFullPathNameA("", sizeof path, path, nullptr), 0u);

    ASSERT_EQ(chdir(directory), 0);
    rmdir(temporary);
}

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(Dialogs, MoveFileReplacesAnExistingFileOnlyWhenAskedTo) {
    char temporary[] = "/tmp/combinix-move-XXXXXX";
    ASSERT_NE(mkdtemp(temporary), nullptr);
    std::string from = std::string(temporary) + "/Combinix.ini.new";
    std::string to = std::string(temporary) + "/Combinix.ini";
    std::ofstream(from, std::ios::binary) << "new";
    std::ofstream(to, std::ios::binary) << "old";

    EXPECT_FALSE(MoveFileExA(from.c_str(), to.c_str(), 0));
    EXPECT_EQ(contentOf(to), "old");
    EXPECT_TRUE(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(contentOf(to), "new");
    EXPECT_NE(access(from.c_str(), F_OK), 0);
    // Nothing to move.
    EXPECT_FALSE(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_FALSE(MoveFileExA(nullptr, to.c_str(), MOVEFILE_REPLACE_EXISTING));

    remove(to.c_str());
    rmdir(temporary);
}

}  // namespace
