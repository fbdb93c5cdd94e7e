// Fuzz target: combinix-search's arguments and standard input. The fuzzer's
// bytes become argv and stdin of runSearchCommand, in-process; a word naming
// --pair becomes --show-all (the pair search is fuzz_pair's). No run reads
// a real file of its choosing: every value of --stock (as the next word, or
// after "=", under any abbreviation) is replaced by "-" (standard input), a
// temporary file holding the same text, a path that does not exist or a
// directory, as the value's first byte decides; every directory of --svg
// and --spice (likewise under any abbreviation) is a temporary one of the
// process. The stock text is cut to a few lines, and when a built-in series
// may be searched the range is narrowed, so that every search stays small.
// Checked: the exit status is 0, 1 or 2 with the output each promises; text
// output is well-formed UTF-8 ending with a line end, and standard error
// counts the records it omits; CSV output reads back
// (RFC 4180) and JSON output parses, each with exactly the search's
// records, their part names and values.
//
// Input: byte 0 the argument count (0 to 15), then the arguments, each ended
// by a zero byte, then standard input.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/search_cli.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"
#include "fuzz/fuzz_files.h"
#include "fuzz/fuzz_input.h"
#include "platform/code_page.h"

namespace {

const char* safeStockValue(const std::string& value, const FuzzTemporaryFile& file) {
    switch (value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 4) {
        case 0: return "-";
        case 1: return file.path;
        case 2: return "/nonexistent-combinix-fuzz/stock";
        default: return "/tmp";
    }
}

// A series name at the end of a word ("E96", "--list=E96"): the finer
// series E48, E96 and E192, or the window's.
int seriesNamedBy(const std::string& word) {
    for (const char* name : {"E48", "E96", "E192"}) {
        size_t n = strlen(name);
        if (word.size() >= n && word.compare(word.size() - n, n, name) == 0) return 2;
    }
    for (const char* name : {"E24", "E12", "E6", "E3"}) {
        size_t n = strlen(name);
        if (word.size() >= n && word.compare(word.size() - n, n, name) == 0) return 1;
    }
    return 0;
}

// The option name of a word ("--sto=x" gives "sto"), empty for no option.
std::string optionName(const std::string& word) {
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) return "";
    return word.substr(2, word.find('=') == std::string::npos ? std::string::npos : word.find('=') - 2);
}

// Whether `name` abbreviates (or is) `option`, as getopt_long lets it.
bool abbreviates(const std::string& name, const char* option) {
    return !name.empty() && strncmp(option, name.c_str(), name.size()) == 0;
}

bool takesNoValue(const std::string& word) {
    if (word == "-h") return true;
    std::string name = optionName(word);
    if (name.empty() || word.find('=') != std::string::npos) return !name.empty();
    for (const char* flag : {"help", "version", "show-all", "parallel-only", "draw", "ascii"}) {
        if (abbreviates(name, flag)) return true;
    }
    return false;
}

// Whether every option finds its value, walking as the option parser does:
// flags and "--option=value" stand alone, every other word takes the next.
bool optionsComplete(const std::vector<std::string>& args) {
    size_t i = 0;
    while (i < args.size()) i += takesNoValue(args[i]) ? 1 : 2;
    return i == args.size();
}

// ---- What the outputs promise --------------------------------------------

const char CsvHeader[] =
    "part_count,value,value_text,error_percent,formula,name_1,value_1,name_2,value_2,"
    "name_3,value_3,name_4,value_4,name_5,value_5";
// Behind it where the search's parts have tolerances.
const char CsvSpreadColumns[] = ",worst_low,worst_high,rss_percent";

// The rows of an RFC 4180 text, each a list of fields; false when the text
// breaks the format (a quote inside an unquoted field, an unclosed quote,
// a line end other than CR LF, no line end at the end).
bool readCsv(const std::string& text, std::vector<std::vector<std::string>>* rows) {
    size_t i = 0;
    while (i < text.size()) {
        std::vector<std::string> row;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                for (++i;; ++i) {
                    if (i >= text.size()) return false;
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            ++i;
                        } else {
                            ++i;
                            break;
                        }
                    } else {
                        field += text[i];
                    }
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    if (text[i] == '"') return false;
                    field += text[i++];
                }
            }
            row.push_back(field);
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (text.compare(i, 2, "\r\n") != 0) return false;
            i += 2;
            break;
        }
        rows->push_back(row);
    }
    return true;
}

std::string utf8Of(const char* cp932) {
    char utf8[limits::StockNameSize * 3 + 1];
    cp932ToUtf8(cp932, utf8, sizeof utf8);
    return utf8;
}

// The name and value in ohm, farad or henry of the k-th part of record i.
std::string partName(int i, int k) {
    return utf8Of(stockParts[resultStore.records[i].picks[k]].name);
}
double partValue(int i, int k) {
    const StockPart& part = stockParts[resultStore.records[i].picks[k]];
    return settings.partType == Capacitor ? part.parallelValue : part.seriesValue;
}

int partCount(int i) { return resultStore.records[i].shape->parts; }

void checkCsv(const std::string& printed) {
    std::vector<std::vector<std::string>> rows;
    const std::string header = std::string(CsvHeader) + (searchHasTolerances ? CsvSpreadColumns : "") + "\r\n";
    FUZZ_CHECK(printed.compare(0, header.size(), header) == 0);
    FUZZ_CHECK(readCsv(printed, &rows));
    FUZZ_CHECK(static_cast<int>(rows.size()) == resultStore.recordCount + 1);
    for (int i = 0; i < resultStore.recordCount; ++i) {
        const std::vector<std::string>& row = rows[static_cast<size_t>(i) + 1];
        FUZZ_CHECK(row.size() == (searchHasTolerances ? 18u : 15u));  // the spread where parts have tolerances
        FUZZ_CHECK(atoi(row[0].c_str()) == partCount(i));
        FUZZ_CHECK(strtod(row[1].c_str(), nullptr) == resultStore.records[i].value);
        for (int k = 0; k < 5; ++k) {
            const std::string& name = row[5 + 2 * static_cast<size_t>(k)];
            const std::string& value = row[6 + 2 * static_cast<size_t>(k)];
            if (k < partCount(i)) {
                FUZZ_CHECK(name == partName(i, k));
                FUZZ_CHECK(strtod(value.c_str(), nullptr) == partValue(i, k));
            } else {
                FUZZ_CHECK(name.empty() && value.empty());
            }
        }
    }
}

void checkJson(const std::string& printed) {
    nlohmann::json document = nlohmann::json::parse(printed, nullptr, false);
    FUZZ_CHECK(!document.is_discarded());
    FUZZ_CHECK(document["match_count"] == settings.matchCount.load());
    const nlohmann::json& records = document["records"];
    FUZZ_CHECK(records.is_array() && static_cast<int>(records.size()) == resultStore.recordCount);
    for (int i = 0; i < resultStore.recordCount; ++i) {
        const nlohmann::json& r = records[static_cast<size_t>(i)];
        FUZZ_CHECK(r["part_count"] == partCount(i));
        FUZZ_CHECK(r["value"].get<double>() == resultStore.records[i].value);
        FUZZ_CHECK(static_cast<int>(r["parts"].size()) == partCount(i));
        for (int k = 0; k < partCount(i); ++k) {
            FUZZ_CHECK(r["parts"][static_cast<size_t>(k)]["name"] == partName(i, k));
            FUZZ_CHECK(r["parts"][static_cast<size_t>(k)]["value"].get<double>() == partValue(i, k));
        }
    }
}

// The output of a search that ran, in whichever format it was asked for.
void checkSearchOutput(const std::string& printed) {
    FUZZ_CHECK(!printed.empty() && printed.back() == '\n');
    FUZZ_CHECK(strlen(printed.c_str()) == printed.size());
    FUZZ_CHECK(isValidUtf8(printed.c_str()));
    if (printed.compare(0, 11, "part_count,") == 0) {
        checkCsv(printed);
    } else if (printed[0] == '{') {
        checkJson(printed);
    }
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.compare(0, strlen(prefix), prefix) == 0;
}

// What a search that found something may say on standard error: that the
// list named more values than were read, and, in the text format only, how
// many records the text omits, counted from the Result text.
void checkNotes(const std::string& printed, const std::string& complained) {
    int lines = 0;
    for (const char* p = resultText; *p != '\0'; ++p) lines += *p == '\n';
    const bool text = printed.compare(0, 11, "part_count,") != 0 && printed[0] != '{';
    const int omitted = resultStore.recordCount - lines;
    bool saidOmitted = false;
    size_t at = 0;
    for (size_t end; (end = complained.find('\n', at)) != std::string::npos; at = end + 1) {
        const std::string line = complained.substr(at, end - at);
        if (startsWith(line, "combinix-search: the list names ")) continue;
        char expected[160];
        snprintf(expected, sizeof expected,
                 "combinix-search: the text omits %d of the %d records found; --format csv or "
                 "--format json gives them all",
                 omitted, static_cast<int>(resultStore.recordCount));
        FUZZ_CHECK(line == expected && !saidOmitted);
        saidOmitted = true;
    }
    FUZZ_CHECK(at == complained.size());
    FUZZ_CHECK(saidOmitted == (text && omitted > 0));
}

void checkOutcome(int status, const std::string& printed, const std::string& complained) {
    bool helpOrVersion = startsWith(printed, "Usage: combinix-search") ||
                         startsWith(printed, "combinix-search (Combinix) ");
    bool searchRan = !helpOrVersion && !printed.empty();
    switch (status) {
        case 0:
            if (!helpOrVersion) {
                FUZZ_CHECK(settings.matchCount > 0);
                checkSearchOutput(printed);
            }
            if (!helpOrVersion) checkNotes(printed, complained);
            break;
        case 1:
            FUZZ_CHECK(searchRan && settings.matchCount == 0);
            FUZZ_CHECK(lastSearchEnd == SearchEnd::NotFound);
            checkSearchOutput(printed);
            FUZZ_CHECK(complained.empty());
            break;
        case 2:
            FUZZ_CHECK(startsWith(complained, "combinix-search: "));
            if (searchRan) {
                // An input or stock list error: the outcome line, and the
                // input named on standard error.
                FUZZ_CHECK(lastSearchEnd == SearchEnd::ParameterError ||
                           lastSearchEnd == SearchEnd::StockListError);
                checkSearchOutput(printed);
            } else {
                FUZZ_CHECK(complained.find("usage: combinix-search") != std::string::npos ||
                           complained.find("cannot read") != std::string::npos ||
                           complained.find("is too long") != std::string::npos ||
                           complained.find("zero byte") != std::string::npos);
            }
            break;
        default:
            FUZZ_CHECK(!"an exit status other than 0, 1 or 2");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzTemporaryFile stockFile("combinix-fuzz-stock");
    static const FuzzTemporaryDirectory drawings("combinix-fuzz-drawings");
    FuzzInput input(data, size);
    const int count = input.byte() % 16;
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) args.push_back(input.field());
    const std::string stdinText = capLines(input.rest(), 8);

    int series = 0;
    for (const std::string& word : args) series = std::max(series, seriesNamedBy(word));
    // Every word that follows a --stock, --svg or --spice, and the value
    // after "=", is replaced, whichever of them the parser takes for its
    // value.
    auto names = [](const std::string& name, const char* option) {
        return abbreviates(name, option) && name.size() >= 2;
    };
    auto namesDirectory = [&](const std::string& name) {
        return names(name, "svg") || names(name, "spice");
    };
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = optionName(args[i]);
        bool attached = args[i].find('=') != std::string::npos;
        std::string before = i > 0 && args[i - 1].find('=') == std::string::npos
                                 ? optionName(args[i - 1])
                                 : "";
        if (abbreviates(name, "pair") && name.size() >= 3) {
            // The pair search has a target of its own (fuzz_pair): here
            // its --pair is a flag that refuses a value, and the
            // search stays the single one.
            words.push_back(std::string("--show-all") + (attached ? args[i].substr(args[i].find('=')) : ""));
        } else if (abbreviates(name, "stock") && attached) {
            words.push_back("--" + name + "=" + safeStockValue(args[i].substr(args[i].find('=') + 1), stockFile));
        } else if (namesDirectory(name) && attached) {
            words.push_back("--" + name + "=" + drawings.path);
        } else if (abbreviates(before, "stock")) {
            words.push_back(safeStockValue(args[i], stockFile));
        } else if (namesDirectory(before)) {
            words.push_back(drawings.path);
        } else {
            words.push_back(args[i]);
        }
    }
    std::vector<const char*> argv{"combinix-search"};
    for (const std::string& word : words) argv.push_back(word.c_str());
    if (series != 0 && optionsComplete(args)) {
        // The last value of an option wins: E24 over seven decades within a
        // factor 2 of the target is about 14 parts, E192 within 1.1 about 16.
        argv.push_back("--range");
        argv.push_back(series == 2 ? "1.1" : "2");
    }

    stockFile.write(stdinText);
    FILE* in = fopen(stockFile.path, "rb");
    FUZZ_CHECK(in != nullptr);
    Captured out, err;
    int status = runSearchCommand(static_cast<int>(argv.size()), argv.data(), in, out.file,
                                  err.file);
    fclose(in);
    const std::string printed = out.close();
    const std::string complained = err.close();

    checkOutcome(status, printed, complained);
    return 0;
}
