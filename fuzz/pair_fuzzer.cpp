// Fuzz target: the pair search, from both of its ends. Byte 0 picks one:
//
// Even: a request of the library (engine/pair_search.h) made of raw bytes,
// as a front end with a bug might hand it over: any mode and part types
// (numbers outside their enums included), targets, references, tolerances
// and range ends as raw doubles (NaN, infinities, negatives, denormals),
// parts per side 0 to 4, stocks of up to four raw or small values (or 501,
// past a side's capacity). Checked: run() gives the fault checkPairRequest
// gives; with none, the records are the matches a brute force over every
// network of each side counts, in their order (part count, |error|, A's
// value), each one's quantity and error those of its networks; every text
// of pair_texts.h, for every fault and record, is ended within its buffer
// at any size and is CP932 that iconv reads when it fits.
//
// Odd: combinix-search --pair with the fuzzer's words after it. As in the
// search_cli target, no run reads a file of its choosing (a --stock or
// --stock-b value is standard input, a temporary file of the same text, a
// missing path or a directory) and drawings go to a temporary directory;
// stock texts are cut to a few lines, and a search whose sides may be
// series gets narrow ranges and two parts a side appended (the last value
// of an option wins), so that every run stays small. Checked: the exit
// status is 0, 1 or 2; 2 names its reason on standard error; the output is
// well-formed UTF-8; text output
// ends with the outcome line, CSV reads back with a row per record under
// its header, JSON parses with as many records as the outcome holds.
//
// Input, even: byte 1 mode, 2 and 3 part types, 4 and 5 parts per side,
// 6 and 7 stock sizes, 8 threads, then doubles of 8 bytes: target,
// reference, tolerance, a byte saying which of A's range, B's range and the
// total's range follow (two doubles each), then the stock values (a byte
// each, and eight more for a raw one). Odd: byte 1 the mode, byte 2 the
// type, byte 3 whether a quantity is appended, byte 4 the word count (0 to
// 15), then the words, each ended by a zero byte, then standard input.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <iconv.h>
#include <nlohmann/json.hpp>

#include "cli/search_cli.h"
#include "engine/network_description.h"
#include "engine/pair_search.h"
#include "engine/pair_texts.h"
#include "engine/search_inputs.h"
#include "fuzz/fuzz_files.h"
#include "fuzz/fuzz_input.h"

namespace {

// ---- The request ----------------------------------------------------------

double doubleOf(FuzzInput& input) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(input.byte()) << (8 * i);
    double d;
    memcpy(&d, &bits, sizeof d);
    return d;
}

// A stock value: mostly small numbers a stock holds, sometimes raw bits.
double stockValueOf(FuzzInput& input) {
    const uint8_t kind = input.byte();
    if (kind < 200) return (1 + kind % 20) * std::pow(10.0, static_cast<int>(kind / 20) - 6);
    return doubleOf(input);
}

bool validCp932(const char* text) {
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return true;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string in = text;
    char out[limits::PairTextSize * 4];
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out;
    size_t outLeft = sizeof out;
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    return result != static_cast<size_t>(-1) && inLeft == 0;
}

// A text function at every size that matters: ended inside the buffer,
// the same length whatever the size, the text itself CP932.
template <class Format>
void checkText(Format format) {
    char full[limits::PairTextSize + 16];
    memset(full, 0x55, sizeof full);
    const int length = format(full, limits::PairTextSize);
    FUZZ_CHECK(length >= 0 && length < limits::PairTextSize);
    FUZZ_CHECK(static_cast<int>(strlen(full)) == length);
    FUZZ_CHECK(validCp932(full));
    for (int size : {0, 1, 7, length, length + 1}) {
        char cut[limits::PairTextSize + 16];
        memset(cut, 0x55, sizeof cut);
        FUZZ_CHECK(format(cut, size) == length);
        FUZZ_CHECK(static_cast<unsigned char>(cut[size]) == 0x55);
        if (size > 0) FUZZ_CHECK(strlen(cut) == static_cast<size_t>(std::min(length, size - 1)));
    }
}

struct Net {
    int shape;
    int picks[3];
    double series;
};

// Every network of up to maxParts parts of a side within its range, each
// once, as the search lists them.
std::vector<Net> networksOf(const PairSide& side) {
    std::vector<Net> nets;
    const int m = side.count;
    auto add = [&](int shape, int a, int b, int c) {
        const int picks[3] = {a, b, c};
        const int parts = shape == 0 ? 1 : shape <= 2 ? 2 : 3;
        double values[3];
        for (int k = 0; k < parts; ++k) {
            const double v = side.parts[picks[k]].value;
            values[k] = side.partType == Capacitor ? 1 / v : v;
        }
        const double s = describedValue(*networkDescription(shape), values);
        const double natural = side.partType == Capacitor ? 1 / s : s;
        // As the search keeps them: all where the range admits everything.
        const bool ranged = !(side.range.low == 0 && std::isinf(side.range.high));
        if (!ranged || (natural >= side.range.low && natural <= side.range.high)) {
            nets.push_back(Net{shape, {a, b, c}, s});
        }
    };
    for (int i = 0; i < m; ++i) add(0, i, -1, -1);
    if (side.maxParts >= 2) {
        for (int shape = 1; shape <= 2; ++shape) {
            for (int i = 0; i < m; ++i) {
                for (int j = i; j < m; ++j) add(shape, i, j, -1);
            }
        }
    }
    if (side.maxParts >= 3) {
        for (int shape = 3; shape <= 6; ++shape) {
            for (int i = 0; i < m; ++i) {
                for (int j = shape <= 4 ? i : 0; j < m; ++j) {
                    for (int k = j; k < m; ++k) add(shape, i, j, k);
                }
            }
        }
    }
    return nets;
}

double seriesOfRecord(const PairSide& side, const PairNetwork& n) {
    double values[3];
    for (int k = 0; k < n.partCount; ++k) {
        const double v = side.parts[n.picks[k]].value;
        values[k] = side.partType == Capacitor ? 1 / v : v;
    }
    return describedValue(*networkDescription(n.shape), values);
}

void fuzzRequest(FuzzInput& input) {
    static StockItem stocks[2][limits::StockCapacity + 1];
    PairRequest r;
    r.mode = static_cast<PairMode>(input.byte() % (PairModeCount + 1));
    r.a.partType = input.byte() % 4;
    r.b.partType = input.byte() % 4;
    r.a.maxParts = input.byte() % 5;
    r.b.maxParts = input.byte() % 5;
    int counts[2] = {input.byte() % 6, input.byte() % 6};
    r.threads = 1 + input.byte() % 3;
    r.target = doubleOf(input);
    r.reference = doubleOf(input);
    r.tolerancePercent = doubleOf(input);
    const uint8_t ranged = input.byte();
    int bit = 0;
    for (ValueRange* range : {&r.a.range, &r.b.range, &r.total}) {
        if (ranged >> bit++ & 1) {
            range->low = doubleOf(input);
            range->high = doubleOf(input);
        }
    }
    for (int s = 0; s < 2; ++s) {
        PairSide& side = s == 0 ? r.a : r.b;
        side.parts = stocks[s];
        // Five stands for a stock past a side's capacity.
        side.count = counts[s] == 5 ? limits::StockCapacity + 1 : counts[s];
        for (int i = 0; i < side.count; ++i) {
            StockItem& item = stocks[s][i];
            item.value = i < 4 ? stockValueOf(input) : 1000;
            snprintf(item.name, sizeof item.name, "%d%s", i, i % 2 ? "k \x8a\x65" /* k 各 */ : "");
        }
    }
    // B may be A's very stock, as a front end shares it.
    if (r.a.partType == r.b.partType && counts[0] == counts[1] && (ranged & 8)) r.b.parts = r.a.parts;

    static PairSearch search;
    const PairFault expected = checkPairRequest(r);
    const PairFault fault = search.run(r);
    FUZZ_CHECK(fault == expected || fault == PairFault::TooManyNetworks);
    for (int f = 0; f < PairFaultCount; ++f) {
        for (int language : {0, 1}) {
            checkText([&](char* out, int size) { return formatPairFault(static_cast<PairFault>(f), r, language, out, size); });
        }
    }
    if (fault != PairFault::None) {
        FUZZ_CHECK(search.records().empty());
        return;
    }

    // The brute force: every pair of networks, the library's own test of a
    // match.
    const std::vector<Net> netsA = networksOf(r.a), netsB = networksOf(r.b);
    int64_t count = 0;
    for (const Net& a : netsA) {
        for (const Net& b : netsB) {
            double q, e;
            count += pairMatches(r, a.series, b.series, &q, &e) ? 1 : 0;
        }
    }
    FUZZ_CHECK(search.matches() == count);
    FUZZ_CHECK(static_cast<int64_t>(search.records().size()) == std::min<int64_t>(count, limits::PairRecordCapacity));
    FUZZ_CHECK(search.networksOfA() == static_cast<int64_t>(netsA.size()));

    const PairRecord* previous = nullptr;
    for (const PairRecord& record : search.records()) {
        for (int s = 0; s < 2; ++s) {
            const PairSide& side = s == 0 ? r.a : r.b;
            const PairNetwork& n = s == 0 ? record.a : record.b;
            FUZZ_CHECK(n.partCount >= 1 && n.partCount <= side.maxParts);
            for (int k = 0; k < n.partCount; ++k) FUZZ_CHECK(n.picks[k] >= 0 && n.picks[k] < side.count);
        }
        const double a = seriesOfRecord(r.a, record.a), b = seriesOfRecord(r.b, record.b);
        double q = 0, e = 0;
        FUZZ_CHECK(pairMatches(r, a, b, &q, &e));
        FUZZ_CHECK(q == record.quantity && e == record.errorPercent);
        FUZZ_CHECK(record.parts == record.a.partCount + record.b.partCount);
        if (previous != nullptr) {
            FUZZ_CHECK(previous->parts <= record.parts);
            if (previous->parts == record.parts) {
                const double before = std::fabs(previous->errorPercent), now = std::fabs(record.errorPercent);
                FUZZ_CHECK(before <= now);
                if (before == now) FUZZ_CHECK(previous->a.value <= record.a.value);
            }
        }
        previous = &record;
        // The lines of the first records: their texts differ in nothing
        // but their numbers and names, and each check formats six times.
        if (&record - search.records().data() >= 64) continue;
        for (PairShownAs as : {PairShownAs::Quantity, PairShownAs::Cutoff}) {
            checkText([&](char* out, int size) { return formatPairLine(r, record, as, 1, out, size); });
        }
    }
    checkText([&](char* out, int size) {
        return formatPairOutcome(search.matches(), 20, search.stopped(), r.threads % 2, out, size);
    });
}

// ---- The command line -------------------------------------------------------

std::string optionName(const std::string& word) {
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) return "";
    const size_t equals = word.find('=');
    return word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
}

bool abbreviates(const std::string& name, const char* option, size_t shortest) {
    return name.size() >= shortest && strncmp(option, name.c_str(), name.size()) == 0;
}

const char* safeStock(const std::string& value, const FuzzTemporaryFile& file) {
    switch (value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 4) {
        case 0: return "-";
        case 1: return file.path;
        case 2: return "/nonexistent-combinix-fuzz/stock";
        default: return "/tmp";
    }
}

void fuzzCommand(FuzzInput& input) {
    static const FuzzTemporaryFile stockFile("combinix-fuzz-pair-stock");
    static const FuzzTemporaryDirectory drawings("combinix-fuzz-pair-drawings");
    static const char* const modes[] = {"ratio", "divider", "feedback", "rc", "lc"};
    static const char* const types[] = {"r", "c", "l"};
    // Narrow ranges of each part type, and quantities that suit each mode.
    static const char* const narrow[] = {"1k..1.5k", "1n..1.5n", "1u..1.5u"};
    static const char* const quantities[][2] = {{"--target", "1.2"}, {"--target", "0.5"}, {"--vout", "3.3"},
                                                {"--target", "1u"},  {"--frequency", "5M"}};
    const int mode = input.byte() % 5;
    const int type = input.byte() % 3;
    const bool quantityToo = input.byte() % 2 == 0;
    const int count = input.byte() % 16;
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) args.push_back(input.field());
    const std::string stdinText = capLines(input.rest(), 6);

    // Every stock value and drawing directory replaced, whichever word the
    // parser takes for it.
    std::vector<std::string> words = {"--pair", modes[mode]};
    bool fileA = false, fileB = false, listA = false, listB = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string name = optionName(args[i]);
        const bool attached = args[i].find('=') != std::string::npos;
        const std::string before =
            i > 0 && args[i - 1].find('=') == std::string::npos ? optionName(args[i - 1]) : "";
        // As the option reading takes abbreviations: "--st" is --stock (the
        // single search's own), "--stock-" is --stock-b.
        const bool stockB = abbreviates(name, "stock-b", 6);
        const bool stockA = !stockB && abbreviates(name, "stock", 2);
        fileA = fileA || stockA;
        fileB = fileB || stockB;
        listB = listB || abbreviates(name, "list-b", 5);
        listA = listA || (abbreviates(name, "list", 2) && !listB);
        const bool directory = abbreviates(name, "svg", 2) || abbreviates(name, "spice", 2);
        if ((stockA || stockB) && attached) {
            words.push_back("--" + name + "=" + safeStock(args[i].substr(args[i].find('=') + 1), stockFile));
        } else if (directory && attached) {
            words.push_back("--" + name + "=" + drawings.path);
        } else if (abbreviates(before, "stock", 2) || abbreviates(before, "stock-b", 6)) {
            words.push_back(safeStock(args[i], stockFile));
        } else if (abbreviates(before, "svg", 2) || abbreviates(before, "spice", 2)) {
            words.push_back(drawings.path);
        } else {
            words.push_back(args[i]);
        }
    }
    // The mode and the type are the harness's: the last value wins.
    const bool twoTypes = mode >= 3;
    words.push_back(std::string("--pair=") + modes[mode]);
    if (!twoTypes) words.push_back(std::string("--type=") + types[type]);
    if (quantityToo) {
        words.push_back(quantities[mode][0]);
        words.push_back(quantities[mode][1]);
        if (mode == 2) words.push_back("--vref=1.25");
    }
    // A side whose stock is a series: two parts at most, a narrow range.
    const bool smallA = fileA && !listA;
    const bool smallB = fileB || (!twoTypes && !listB && smallA);
    if (!smallA || !smallB) {
        words.push_back("--max-parts=2");
        words.push_back(std::string("--range-a=") + narrow[twoTypes ? (mode == 3 ? 0 : 2) : type]);
        words.push_back(std::string("--range-b=") + narrow[twoTypes ? 1 : type]);
    }

    std::vector<const char*> argv{"combinix-search"};
    for (const std::string& word : words) argv.push_back(word.c_str());
    stockFile.write(stdinText);
    FILE* in = fopen(stockFile.path, "rb");
    FUZZ_CHECK(in != nullptr);
    Captured out, err;
    const int status = runSearchCommand(static_cast<int>(argv.size()), argv.data(), in, out.file, err.file);
    fclose(in);
    const std::string printed = out.close();
    const std::string complained = err.close();

    FUZZ_CHECK(status >= 0 && status <= 2);
    // Standard error may quote an argument as it was given; the output is
    // the program's own.
    FUZZ_CHECK(isValidUtf8(printed.c_str()));
    if (status == 2) {
        FUZZ_CHECK(complained.compare(0, 17, "combinix-search: ") == 0);
        return;
    }
    FUZZ_CHECK(!printed.empty() && printed.back() == '\n');
    // --help and --version end the reading wherever they stand ("--v" is
    // --version, as it always was).
    if (printed.compare(0, 22, "Usage: combinix-search") == 0 ||
        printed.compare(0, 27, "combinix-search (Combinix) ") == 0) {
        FUZZ_CHECK(status == 0);
        return;
    }
    if (printed.compare(0, 6, "parts,") == 0) {
        int rows = 0;
        for (size_t at = 0; (at = printed.find("\r\n", at)) != std::string::npos; at += 2) ++rows;
        FUZZ_CHECK(rows >= 1 && (rows > 1) == (status == 0));
    } else if (printed[0] == '{') {
        const nlohmann::json document = nlohmann::json::parse(printed, nullptr, false);
        FUZZ_CHECK(!document.is_discarded());
        const int64_t matches = document["matches"].get<int64_t>();
        FUZZ_CHECK((matches > 0) == (status == 0));
        FUZZ_CHECK(static_cast<int64_t>(document["records"].size()) ==
                   std::min<int64_t>(matches, limits::PairRecordCapacity));
    } else {
        // Text: the outcome line ends it; lines before it are pairs, each
        // starting with its part count (and its drawing, where asked).
        const size_t last = printed.find_last_of('\n', printed.size() - 2);
        const std::string outcome = printed.substr(last == std::string::npos ? 0 : last + 1);
        FUZZ_CHECK(!outcome.empty() && outcome.find('\n') == outcome.size() - 1);
        FUZZ_CHECK((outcome[0] >= '1' && outcome[0] <= '9') == (status == 0));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    if (input.byte() % 2 == 0) {
        fuzzRequest(input);
    } else {
        fuzzCommand(input);
    }
    return 0;
}
