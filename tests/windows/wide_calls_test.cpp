// The program's Win32 "A" calls as platform/win32.h routes them on Windows,
// against the real system under Wine (scripts/check-windows-under-wine runs
// this in a Japanese and in the C locale): texts given in code page 932
// reach the Unicode windows as the same characters, what a user types or
// pastes comes back in code page 932, the layer's font holds Japanese and
// every caption of the control table fits its rectangle, and the settings
// file is found in a folder named in Japanese.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "engine/shared_state.h"
#include "window/control_table.h"

namespace {

const char Processing[] = "\x8f\x88\x97\x9d\x92\xe2\x8e\x7e" /* 処理停止 */;
const wchar_t ProcessingWide[] = L"\u51e6\u7406\u505c\u6b62";

std::wstring wideTextOf(HWND window) {
    wchar_t text[512];
    int n = GetWindowTextW(window, text, 512);
    return std::wstring(text, static_cast<size_t>(n));
}

std::string textOf(HWND window) {
    char text[512];
    int n = GetWindowTextA(window, text, sizeof text);
    EXPECT_EQ(n, static_cast<int>(strlen(text)));
    EXPECT_EQ(GetWindowTextLengthA(window), n);
    return text;
}

LRESULT CALLBACK plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window of a class named in Japanese, with an edit box.
class WideCalls : public ::testing::Test {
protected:
    static constexpr char ClassName[] = "Combinix\x8e\xc0\x8c\xb1" /* Combinix実験 */;
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = plainProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = ClassName;
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, ClassName, Processing, WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        edit = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 300, 200,
                               window, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(edit, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
    HWND edit = nullptr;
};

TEST_F(WideCalls, ClassAndCaptionReachTheSystemAsTheirCharacters) {
    EXPECT_EQ(FindWindowW(L"Combinix\u5b9f\u9a13", ProcessingWide), window);
    EXPECT_EQ(wideTextOf(window), ProcessingWide);
    EXPECT_EQ(textOf(window), Processing);
    struct Case {
        const char* cp932;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"Combinix : \x83\x70\x81\x5b\x83\x63\x82\xcc\x91\x67\x8d\x87\x82\xb9\x92\x54\x8d\xf5 R1.20" /* Combinix : パーツの組合せ探索 R1.20 */,
         L"Combinix : \u30d1\u30fc\u30c4\u306e\u7d44\u5408\u305b\u63a2\u7d22 R1.20"},
        {"\x95\x94\x95\x69\x91\x49\x92\xe8\x94\xcd\x88\xcd(1/x\x81\x60x)" /* 部品選定範囲(1/x～x) */,
         L"\u90e8\u54c1\u9078\u5b9a\u7bc4\u56f2(1/x\uff5ex)"},
        {"Parts select range(1/x-x)", L"Parts select range(1/x-x)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cp932);
        SetWindowTextA(window, c.cp932);
        EXPECT_EQ(wideTextOf(window), c.shown);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.cp932));
        EXPECT_EQ(wideTextOf(edit), c.shown);
        EXPECT_EQ(textOf(edit), c.cp932);
    }
}

TEST_F(WideCalls, TypedAndPastedTextIsReadInCodePage932) {
    // Typed: the characters a keyboard or an input method sends.
    // Return is one "\r".
    for (const wchar_t* c = L"1k \u624b\u6301\u3061\uff76 \u00e9\r470"; *c != L'\0'; ++c) {
        SendMessageW(edit, WM_CHAR, *c, 1);
    }
    // "é" has no form in code page 932.
    const std::string typed = std::string("1k ") + "\x8e\xe8\x8e\x9d\x82\xbf\xb6" /* 手持ちｶ */ + " ?\r\n470";
    EXPECT_EQ(textOf(edit), typed);

    // Pasted from another program, after what was typed.
    const wchar_t pasted[] = L"\r\n10k \u62b5\u6297 \U0001F600";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
    ASSERT_NE(memory, nullptr);
    memcpy(GlobalLock(memory), pasted, sizeof pasted);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(window));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(textOf(edit), typed + "\r\n10k " + "\x92\xef\x8d\x52" /* 抵抗 */ + " ?");

    // WM_GETTEXT and GetWindowTextA cut between characters: with room for
    // 4 bytes and the zero, "1k " and the lead byte of 手 would be 4.
    char cut[5];
    EXPECT_EQ(GetWindowTextA(edit, cut, sizeof cut), 3);
    EXPECT_STREQ(cut, "1k ");
    char six[6];
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, sizeof six, reinterpret_cast<LPARAM>(six)), 5);
    EXPECT_EQ(std::string(six), typed.substr(0, 5));
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), GetWindowTextLengthA(edit));
}

TEST_F(WideCalls, TheLayersFontHoldsJapaneseInTheLayoutsCell) {
    HDC dc = GetDC(window);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    // The cell the Linux layer reports too: layout units of 10 x 16.
    EXPECT_EQ(metrics.tmAveCharWidth, 7);
    EXPECT_EQ(metrics.tmHeight, 16);
    EXPECT_EQ(metrics.tmExternalLeading, 0);
    EXPECT_NE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    // Every character of the captions has a glyph of its own in the font.
    const wchar_t japanese[] = L"\u51e6\u7406\u505c\u6b62\u30b3\u30f3\u30c7\u30f3\u30b5\uff5e\u00b1";
    WORD glyphs[16];
    int count = static_cast<int>(wcslen(japanese));
    ASSERT_EQ(GetGlyphIndicesW(dc, japanese, count, glyphs, GGI_MARK_NONEXISTING_GLYPHS),
              static_cast<DWORD>(count));
    for (int i = 0; i < count; ++i) EXPECT_NE(glyphs[i], 0xFFFF) << i;
    // DrawTextA draws the characters themselves: the same extent as W.
    RECT a{0, 0, 0, 0};
    RECT w{0, 0, 0, 0};
    DrawTextA(dc, Processing, -1, &a, DT_CALCRECT | DT_SINGLELINE);
    DrawTextW(dc, ProcessingWide, -1, &w, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(a.right, w.right);
    EXPECT_GT(a.right, 30);  // four full-width characters, not "?" or boxes
    // The controls draw in it too.
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)),
              GetCurrentObject(dc, OBJ_FONT));
    ReleaseDC(window, dc);
}

// The room a caption leaves in its control: a push button's edges, the box
// and gap before a radio button's or check box's text, a group box's
// indent on both sides.
int decoration(int32_t kind) {
    switch (kind) {
    case PushButton:
        return 6;
    case RadioButton:
    case CheckBox:
        return 18;
    case GroupBox:
        return 16;
    default:
        return 0;
    }
}

TEST_F(WideCalls, EveryCaptionFitsItsRectangleInBothLanguages) {
    measureUnits(window);
    EXPECT_EQ(charWidth, 10);
    EXPECT_EQ(lineHeight, 16);
    HDC dc = GetDC(window);
    TEXTMETRICW real{};
    GetTextMetricsW(dc, &real);
    for (int language = 0; language <= 1; ++language) {
        settings.language = language;
        for (int row = 0; row < ControlTableRows; ++row) {
            const ControlEntry& entry = controlTable[row];
            const char* caption = captionOf(entry);
            if (caption[0] == '\0' || entry.kind == EditBox || entry.kind == Empty) continue;
            SCOPED_TRACE(::testing::Message() << "row " << row << " language " << language);
            RECT cell = tableRectToPixels(entry.left, entry.top, entry.right, entry.bottom);
            RECT text{0, 0, 0, 0};
            DrawTextA(dc, caption, -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            EXPECT_LE(text.right + decoration(entry.kind), cell.right - cell.left) << caption;
            EXPECT_LE(real.tmHeight, cell.bottom - cell.top);
        }
    }
    ReleaseDC(window, dc);
    settings.language = 0;
}

// A folder of its own, named in Japanese, as the current folder.
class JapaneseFolder : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, previous);
        wchar_t temporary[MAX_PATH];
        GetTempPathW(MAX_PATH, temporary);
        swprintf(folder, MAX_PATH, L"%ls\u8a2d\u5b9a%lu", temporary, GetCurrentProcessId());  // 設定
        if (!CreateDirectoryW(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            // Wine under the plain C locale names its files in ASCII only.
            folder[0] = L'\0';
            GTEST_SKIP() << "no folder can be named in Japanese here (error " << GetLastError() << ")";
        }
        ASSERT_TRUE(SetCurrentDirectoryW(folder));
    }
    void TearDown() override {
        SetCurrentDirectoryW(previous);
        if (folder[0] == L'\0') return;
        wchar_t file[MAX_PATH];
        for (const wchar_t* name : {L"Combinix.ini", L"Combinix.ini.new"}) {
            swprintf(file, MAX_PATH, L"%ls\\%ls", folder, name);
            DeleteFileW(file);
        }
        RemoveDirectoryW(folder);
    }
    wchar_t previous[MAX_PATH] = L"";
    wchar_t folder[MAX_PATH] = L"";
};

TEST_F(JapaneseFolder, TheSettingsFileIsNamedWrittenAndMovedThere) {
    char path[1000];
    char* filePart = nullptr;
    DWORD n = GetFullPathNameA("Combinix.exe", sizeof path, path, &filePart);
    ASSERT_GT(n, 12u);
    ASSERT_LT(n, sizeof path);
    EXPECT_STREQ(filePart, "Combinix.exe");
    // The folder's name in code page 932.
    EXPECT_NE(strstr(path, "\x90\xdd\x92\xe8" /* 設定 */), nullptr) << path;
    EXPECT_EQ(GetFullPathNameA("Combinix.exe", 5, path, nullptr), n + 1);

    memcpy(path + n - 3, "ini", 3);
    char temporary[1008];
    snprintf(temporary, sizeof temporary, "%s.new", path);
    FILE* f = fopen(temporary, "wb");
    ASSERT_NE(f, nullptr);
    fputs("20\r\n", f);
    fclose(f);
    ASSERT_TRUE(MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING));
    wchar_t expected[MAX_PATH];
    swprintf(expected, MAX_PATH, L"%ls\\Combinix.ini", folder);
    EXPECT_NE(GetFileAttributesW(expected), INVALID_FILE_ATTRIBUTES);
    f = fopen(path, "rb");
    ASSERT_NE(f, nullptr);
    char line[8] = {};
    EXPECT_NE(fgets(line, sizeof line, f), nullptr);
    fclose(f);
    EXPECT_STREQ(line, "20\r\n");
}

TEST_F(JapaneseFolder, AFolderCodePage932CannotNameIsLeftRelative) {
    ASSERT_TRUE(CreateDirectoryW(L"J\u00fcrgen", nullptr));
    ASSERT_TRUE(SetCurrentDirectoryW(L"J\u00fcrgen"));
    char path[1000];
    EXPECT_EQ(GetFullPathNameA("Combinix.exe", sizeof path, path, nullptr), 12u);
    EXPECT_STREQ(path, "Combinix.exe");
    FILE* f = fopen("Combinix.ini", "wb");
    ASSERT_NE(f, nullptr);
    fclose(f);
    wchar_t expected[MAX_PATH];
    swprintf(expected, MAX_PATH, L"%ls\\J\u00fcrgen\\Combinix.ini", folder);
    EXPECT_NE(GetFileAttributesW(expected), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(expected);
    SetCurrentDirectoryW(folder);
    swprintf(expected, MAX_PATH, L"%ls\\J\u00fcrgen", folder);
    RemoveDirectoryW(expected);
}

}  // namespace
