// Japanese texts live in the source as escaped CP932 bytes with the text
// beside them in a comment: "\x8e\xc0\x8d\x73" /* 実行 */. Nobody can read
// the bytes, so this test reads every C++ file of the source tree, converts
// each such literal with iconv and compares it with its comment. A wrong
// byte shows the user a wrong or broken character that no review would see.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef COMBINIX_SOURCE_DIR
#error "COMBINIX_SOURCE_DIR must name the source tree"
#endif

namespace {

namespace fs = std::filesystem;

// One run of adjacent string literals holding an escaped byte above 0x7f,
// with the block comment that follows it on its line.
struct EscapedLiteral {
    int line;
    std::string bytes;    // the literal's value
    std::string comment;  // the comment's text, "\n" read as a line feed
};

bool isHex(char c) { return isxdigit(static_cast<unsigned char>(c)) != 0; }

bool isIdentifier(char c) { return isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

// Reads the ordinary string literal that starts at s[i] (the opening quote)
// into `bytes`; returns the index after its closing quote. `escapedHigh`
// tells whether an escape gave a byte above 0x7f.
size_t readLiteral(const std::string& s, size_t i, std::string& bytes, bool& escapedHigh) {
    ++i;
    while (i < s.size() && s[i] != '"' && s[i] != '\n') {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            bytes += s[i++];
            continue;
        }
        char e = s[i + 1];
        i += 2;
        int value = 0;
        if (e == 'x') {
            while (i < s.size() && isHex(s[i])) value = value * 16 + hexValue(s[i++]);
            escapedHigh = escapedHigh || value > 0x7f;
        } else if (e >= '0' && e <= '7') {
            value = e - '0';
            for (int n = 1; n < 3 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++n) {
                value = value * 8 + (s[i++] - '0');
            }
            escapedHigh = escapedHigh || value > 0x7f;
        } else {
            switch (e) {
                case 'n': value = '\n'; break;
                case 'r': value = '\r'; break;
                case 't': value = '\t'; break;
                case 'a': value = '\a'; break;
                case 'b': value = '\b'; break;
                case 'f': value = '\f'; break;
                case 'v': value = '\v'; break;
                default: value = e; break;  // \\ \" \' \?
            }
        }
        bytes += static_cast<char>(value & 0xff);
    }
    return i < s.size() && s[i] == '"' ? i + 1 : i;
}

// Finds every escaped CP932 literal with its comment in C++ source text.
// Comments, character literals, digit separators and raw strings are
// stepped over, so that only literals of the code are checked.
std::vector<EscapedLiteral> findEscapedLiterals(const std::string& s) {
    std::vector<EscapedLiteral> found;
    int line = 1;
    size_t i = 0;
    auto skipTo = [&](size_t end) {
        for (; i < end && i < s.size(); ++i) {
            if (s[i] == '\n') ++line;
        }
    };
    while (i < s.size()) {
        char c = s[i];
        if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
            size_t end = s.find('\n', i);
            skipTo(end == std::string::npos ? s.size() : end);
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            size_t end = s.find("*/", i + 2);
            skipTo(end == std::string::npos ? s.size() : end + 2);
        } else if (c == '\'') {
            // A quote inside a number (1'000) separates digits.
            size_t start = i;
            while (start > 0 && (isIdentifier(s[start - 1]) || s[start - 1] == '.')) --start;
            if (start < i && isdigit(static_cast<unsigned char>(s[start]))) {
                ++i;
                continue;
            }
            ++i;
            while (i < s.size() && s[i] != '\'' && s[i] != '\n') i += s[i] == '\\' ? 2 : 1;
            ++i;
        } else if (c == '"') {
            size_t start = i;
            while (start > 0 && isIdentifier(s[start - 1])) --start;
            std::string prefix = s.substr(start, i - start);
            if (prefix == "R" || prefix == "u8R" || prefix == "uR" || prefix == "UR" || prefix == "LR") {
                size_t open = s.find('(', i);
                std::string close = ")" + s.substr(i + 1, open - i - 1) + "\"";
                size_t end = s.find(close, open);
                skipTo(end == std::string::npos ? s.size() : end + close.size());
                continue;
            }
            EscapedLiteral literal{line, "", ""};
            bool escapedHigh = false;
            size_t next = i;
            while (true) {
                i = readLiteral(s, next, literal.bytes, escapedHigh);
                next = i;
                while (next < s.size() && (s[next] == ' ' || s[next] == '\t')) ++next;
                if (next >= s.size() || s[next] != '"') break;
            }
            if (escapedHigh && s.compare(next, 2, "/*") == 0) {
                size_t end = s.find("*/", next + 2);
                std::string text = s.substr(next + 2, end == std::string::npos ? std::string::npos
                                                                                 : end - next - 2);
                size_t first = text.find_first_not_of(" \t");
                size_t last = text.find_last_not_of(" \t");
                text = first == std::string::npos ? "" : text.substr(first, last - first + 1);
                for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1)) {
                    text.replace(at, 2, "\n");
                }
                literal.comment = text;
                found.push_back(literal);
            }
        } else {
            if (c == '\n') ++line;
            ++i;
        }
    }
    return found;
}

// The UTF-8 form of CP932 bytes, or false when they are no valid CP932.
bool cp932ToUtf8Text(const std::string& bytes, std::string& utf8) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string in = bytes;
    char out[4096];
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out;
    size_t outLeft = sizeof out;
    size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || inLeft != 0) return false;
    utf8.assign(out, outPtr);
    return true;
}

// Empty when the literal's bytes spell its comment, else what went wrong.
std::string mismatchOf(const EscapedLiteral& literal) {
    std::string utf8;
    if (!cp932ToUtf8Text(literal.bytes, utf8)) return "bytes are no valid CP932";
    if (utf8 != literal.comment) return "bytes read \"" + utf8 + "\" but the comment says \"" + literal.comment + "\"";
    return "";
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isBuildOrHidden(const fs::path& dir) {
    std::string name = dir.filename().string();
    return name.empty() || name[0] == '.' || name == "build" || name.rfind("build-", 0) == 0 ||
           name.rfind("build_", 0) == 0 || fs::exists(dir / "CMakeCache.txt");
}

}  // namespace

// The scanner itself, on small sources: what it must find, what it must
// step over, and a comment that does not match its bytes.
TEST(Cp932Literals, ScannerFindsLiteralsOfTheCodeOnly) {
    struct Case {
        std::string source;
        size_t found;
        bool matches;
    };
    const Case cases[] = {
        {"a = \"\\x8e\\xc0\\x8d\\x73\" /* 実行 */;\n", 1, true},
        {"a = \"\\x8e\\xc0\\x8d\\x73\" /* 実行中 */;\n", 1, false},
        {"a = \"\\x8e\\xc0\" \"\\x8d\\x73\" /* 実行 */;\n", 1, true},
        {"a = \"\\x83\\x47\\x83\\x89\\x81\\x5b\\n\" /* エラー\\n */;\n", 1, true},
        {"a = \"\\x83\\x47\\x83\\x89\\x81\\x5b\" /* エラー\\n */;\n", 1, false},
        {"a = \"\\x83\\x47\\x83\\x89\\x81\\x5b\" /*エラー*/,\n", 1, true},
        {"// \"\\x8e\\xc0\\x8d\\x73\" /* 実行中 */\n", 0, true},
        {"/* \"\\x8e\\xc0\\x8d\\x73\" */ /* 実行中 */\n", 0, true},
        {"c = '\"'; n = 1'000; a = \"\\x8e\\xc0\\x8d\\x73\" /* 実行 */;\n", 1, true},
        {"r = R\"x(\"\\x8e\\xc0\" /* 実行中 */)x\";\n", 0, true},
        {"a = \"plain\" /* text */; b = \"\\x41\" /* A */;\n", 0, true},
        {"a = \"\\x82\" /* あ */;\n", 1, false},
    };
    for (const Case& c : cases) {
        std::vector<EscapedLiteral> found = findEscapedLiterals(c.source);
        ASSERT_EQ(found.size(), c.found) << c.source;
        for (const EscapedLiteral& literal : found) {
            EXPECT_EQ(mismatchOf(literal).empty(), c.matches) << c.source;
        }
    }
    std::vector<EscapedLiteral> lines = findEscapedLiterals("x;\n/*\n*/\n a = \"\\x8e\\xc0\\x8d\\x73\" /* 実行 */;\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].line, 4);
}

TEST(Cp932Literals, EveryEscapedLiteralSpellsItsComment) {
    const fs::path root = COMBINIX_SOURCE_DIR;
    ASSERT_TRUE(fs::is_directory(root)) << root;
    int total = 0;
    int messageRows = 0;
    std::string failures;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_directory()) {
            if (isBuildOrHidden(it->path())) it.disable_recursion_pending();
            continue;
        }
        std::string extension = it->path().extension().string();
        if (extension != ".cpp" && extension != ".h" && extension != ".hpp" && extension != ".cc") continue;
        fs::path relative = it->path().lexically_relative(root);
        for (const EscapedLiteral& literal : findEscapedLiterals(readFile(it->path()))) {
            ++total;
            if (relative == fs::path("engine/message_table.cpp")) ++messageRows;
            std::string mismatch = mismatchOf(literal);
            if (!mismatch.empty()) {
                failures += relative.string() + ":" + std::to_string(literal.line) + ": " + mismatch + "\n";
            }
        }
    }
    EXPECT_EQ(failures, "");
    // Rows 0 to 8 and 10 to 17 of the message table hold Japanese text.
    EXPECT_GE(messageRows, 17);
    EXPECT_GE(total, messageRows);
}
