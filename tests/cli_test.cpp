// SPDX-License-Identifier: MIT
// tenvo-calc's library in this process: every answer shape in JSON, readable and batch form,
// what JSON must escape, and what a command line can get wrong.
#include "cli/batch.h"
#include "cli/calc_command.h"
#include "cli/json_reader.h"
#include "cli/output.h"
#include "run_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace tenvo {
namespace {

// Runs f(out, err) with both streams caught in memory.
template <class F> Finished Capture(F&& f) {
    char* out = nullptr;
    char* err = nullptr;
    std::size_t outSize = 0, errSize = 0;
    Output outStream(open_memstream(&out, &outSize));
    std::FILE* errStream = open_memstream(&err, &errSize);
    Finished ran;
    ran.status = f(outStream, errStream);
    EXPECT_TRUE(outStream.close());
    std::fclose(errStream);
    ran.out.assign(out, outSize);
    ran.err.assign(err, errSize);
    std::free(out);
    std::free(err);
    return ran;
}

// tenvo-calc's command with these arguments, split at blanks, as its main would carry it out.
Finished Calc(const std::string& line) {
    std::istringstream split(line);
    const std::vector<std::string> words{std::istream_iterator<std::string>(split), {}};
    const std::vector<std::string_view> args(words.begin(), words.end());
    return Capture([&](Output& out, std::FILE* err) {
        const auto command = ReadCalcCommandLine(args);
        if (const auto* usage = std::get_if<CalcUsageError>(&command)) {
            std::fputs(usage->message.c_str(), err);
            return 2;
        }
        return RunCalcCommand(std::get<CalcOptions>(command), out, err);
    });
}

// A JSON list of twenty strings: the given ones, then `rest`.
std::string List(std::initializer_list<const char*> first, const char* rest) {
    std::string out;
    for (int k = 0; k < 20; ++k)
        out += std::string(k ? ",\"" : "[\"") + (k < int(first.size()) ? first.begin()[k] : rest) +
               "\"";
    return out + "]";
}

// A JSON list begun with the given elements and filled with null up to twenty.
std::string Nulls(std::string first) {
    const auto elements = std::count(first.begin(), first.end(), ',') + 1;
    for (auto k = elements; k < 20; ++k)
        first += ",null";
    return first + "]";
}

const std::string kMessages =
    R"("messages":["適切な組み合わせは存在しまん","倍率のより高いものを入力してください"]})";

struct JsonCase {
    const char* name;
    const char* args;
    int status;
    std::string out;
};

class CalcJson : public testing::TestWithParam<JsonCase> {};

TEST_P(CalcJson, PrintsOneObjectWithTheBoxesTexts) {
    const Finished run = Calc(std::string("--json ") + GetParam().args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_EQ(run.out, GetParam().out + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalcJson,
    testing::Values(
        // The odds are priced as whole numbers, 1.74975 as 2, but paid out as typed; a loss of
        // 1 is a loss, a profit of 0 is none.
        JsonCase{"ALosingEntry", "1.74975 3.5 7.6", 0,
                 R"({"count":3,"outcome":"accepted","average":"4.666667","stakes":)" +
                     List({"4000", "2000", "1000"}, "0") + R"(,"total":"7000","profits":)" +
                     List({"-1", "0", "600"}, "-7000") + R"(,"payouts":)" +
                     List({"6999", "7000", "7600"}, "0") +
                     R"(,"losing_entries":[1],"combined_odds":"0.99","breakeven_odds":)" +
                     Nulls(R"(["1.8","3.5","7.0")") + "}"},
        // No stake can be negative: odds below 0 are refused where they would be priced.
        JsonCase{"NegativeOddsStopThePricing", "-- 10 10 10 -2", 1,
                 R"({"error":{"kind":"negative-odds","number":null,"entry":4,"text":"-2",)"
                 R"("message":"倍率には 0 より大きい数を入力してください。\n(4) の倍率「-2」"}})"},
        JsonCase{"CountRoundsAndUnusedOddsAreNotRead", "--count=2.5 1 1 junk", 0,
                 R"({"count":2,"outcome":"rejected","average":"1",)" + kMessages},
        JsonCase{"BoxesBeyondTheOddsReadZero", "--count 5", 0,
                 R"({"count":5,"outcome":"rejected","average":"0",)" + kMessages},
        JsonCase{"NegativeOddsWithoutDashes", "--count 1 -5", 0,
                 R"({"count":1,"outcome":"rejected","average":"-5",)" + kMessages},
        JsonCase{"DashArgumentAfterDashes", "-- -x", 1,
                 R"({"error":{"kind":"type-mismatch","number":13,"entry":1,"text":"-x",)"
                 R"("message":"実行時エラー '13':\n型が一致しません。\n(1) の倍率「-x」"}})"},
        JsonCase{"MinusAndAFullWidthDigitIsOdds", "3 -３ -．５", 0,
                 R"({"count":3,"outcome":"rejected","average":"0",)" + kMessages},
        JsonCase{"DashPointFiveIsOdds", "-.5", 0,
                 R"({"count":1,"outcome":"zero-average","average":"0"})"},
        JsonCase{"ZeroOddsFoundWhilePricing", "7 7 0.4", 1,
                 R"({"error":{"kind":"division-by-zero","number":11,"entry":3,"text":"0.4",)"
                 R"("message":"実行時エラー '11':\n0 で除算しました。\n(3) の倍率「0.4」"}})"},
        // 4300 x 3.5, 3600 x 4.2 and 2100 x 7.1 guarantee 14910; to pay more, entry 3 needs
        // 2200 and the total 10100.
        JsonCase{"ABudgetSpread", "--budget 10000 3.5 4.2 7.1", 0,
                 R"({"count":3,"outcome":"accepted","average":"5",)"
                 R"("spread":{"by":"budget","amount":"10000"},"stakes":)" +
                     List({"4300", "3600", "2100"}, "0") +
                     R"(,"total":"10000","guaranteed_payout":"14910","unspent":"0","profits":)" +
                     List({"5050", "5120", "4910"}, "-10000") + R"(,"payouts":)" +
                     List({"15050", "15120", "14910"}, "0") +
                     R"(,"losing_entries":[],"combined_odds":"1.49","breakeven_odds":)" +
                     Nulls(R"(["2.4","2.8","4.8")") + "}"},
        JsonCase{"AProfitNoStakesCanMake", "--profit 100 2 2", 1,
                 R"({"error":{"kind":"amount","number":null,"entry":null,"text":"100",)"
                 R"("message":"この倍率では、儲けの出る賭け方はありません（合成オッズが 1 )"
                 R"(以下です）。"}})"},
        JsonCase{"AnAmountIsRefusedBeforeAnythingIsPriced", "--budget 1.5 3 x", 1,
                 R"({"error":{"kind":"amount","number":null,"entry":null,"text":"1.5",)"
                 R"("message":"金額には 1 円以上の整数を入力してください。"}})"},
        JsonCase{"ARejectionIsNotSpread", "--profit 100 1 1", 0,
                 R"({"count":2,"outcome":"rejected","average":"1",)" + kMessages}),
    [](const auto& info) { return std::string(info.param.name); });

// Quotes, backslashes and controls escaped; each byte of a surrogate or overlong form: U+FFFD.
TEST(CalcJson, EscapesWhatItMust) {
    const std::pair<const char*, const char*> rows[] = {{"\"", R"(\")"},
                                                        {"\\", R"(\\)"},
                                                        {"a\001", R"(a\u0001)"},
                                                        {"\x1f", R"(\u001f)"},
                                                        {"\355\240\200\340\200\257", "������"}};
    for (const auto& [typed, written] : rows)
        EXPECT_NE(Calc(std::string("--json --count ") + typed)
                      .out.find(std::string(R"("text":")") + written + '"'),
                  std::string::npos)
            << typed;
}

TEST(Calc, CommandLineErrorsSayWhat) {
    const struct {
        const char* args;
        const char* problem;
    } cases[] = {
        {"", "no odds given"},
        {"--x 3", "unknown option '--x'"},
        {"-Ｘ 3", "unknown option '-Ｘ'"}, // a full-width letter, not a full-width digit
        {"--count", "option '--count' needs a value"},
        {"3 --count", "option '--count' needs a value"},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21", "at most 20 odds"},
        {"--batch --json", "--batch takes no --count, --json"},
        {"--batch --profit 5", "--batch takes no --count, --json"},
        {"--budget 5000 --payout=9000 3 4 7", "give only one of --budget, --payout and --profit"},
        {"3 4 7 --budget", "option '--budget' needs a value"},
        {"--batch /nonexistent/requests", "tenvo-calc: cannot read '/nonexistent/requests'"},
    };
    for (const auto& c : cases) {
        const Finished run = Calc(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_EQ(run.err.rfind(c.problem, 0), 0u) << run.err;
    }
    for (const char* args : {"--help", "-h", "--version", "3 --help"}) {
        const Finished run = Calc(args);
        EXPECT_EQ(run.status, 0) << args;
        EXPECT_EQ(run.err, "") << args;
        EXPECT_EQ(run.out.rfind(args[2] == 'v' ? "tenvo-calc " : "Usage: tenvo-calc", 0), 0u);
    }
}

// The readable table says what the windows show, in columns that line up in a terminal however
// wide the figures: every row as wide as the header, two cells a Japanese character.
TEST(Calc, TextOutputReadsLikeTheWindows) {
    const Finished run = Calc("1.7 4.3 7.6");
    EXPECT_EQ(run.out.substr(0, run.out.find("(2)")),
              "入力項目数 3\n平均倍率 4.666667\n判定 受理\n\n"
              "        賭け金   払戻額 損益分岐   儲け額\n"
              "(1)       4000     6800      1.8     -200  トリガミ\n");
    EXPECT_NE(run.out.find("(20)         0        0        -    -7000\n投資合計金額 7000\n"
                           "合成オッズ 0.97\n"),
              std::string::npos);
    const auto cells = [](const std::string& line) {
        std::size_t count = 0;
        for (const char c : line.substr(0, line.find("  トリガミ")))
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                count += static_cast<unsigned char>(c) < 0x80 ? 1 : 2;
        return count;
    };
    std::istringstream wide(Calc("15.0 20289 15.4 5.7 1.8 4.7").out);
    std::string header, row;
    while (std::getline(wide, header) && header.find("賭け金") == std::string::npos) {
    }
    for (int k = 1; k <= 20 && std::getline(wide, row); ++k)
        EXPECT_EQ(cells(row), cells(header)) << row;
    EXPECT_NE(Calc("2 3 6").out.find("適切な組み合わせは存在しまん\n倍率のより高いものを入力"
                                     "してください\n"),
              std::string::npos);
    // A spread says which it is, what it guarantees and, for a budget, what is left.
    EXPECT_NE(Calc("--budget 10050 3.5 4.2 7.1")
                  .out.find("投資合計金額 10000\n最低払戻額 14910\n残り 50\n合成オッズ 1.49\n"),
              std::string::npos);
    EXPECT_NE(Calc("--profit 3000 3.5 4.2 7.1").out.find("配分 儲け額 3000\n"), std::string::npos);
}

// The answers to the lines of a batch input, run from a file.
Finished Batch(const std::string& input) {
    const std::string path = testing::TempDir() + "tenvo_cli_batch.jsonl";
    std::ofstream(path, std::ios::binary) << input;
    return Capture([&](Output& out, std::FILE* err) { return RunBatch({path}, out, err); });
}

struct BatchCase {
    const char* name;
    std::string request;
    std::string answer; // empty: no answer
};

class CalcBatch : public testing::TestWithParam<BatchCase> {};

TEST_P(CalcBatch, AnswersEachRequestLine) {
    const Finished run = Batch(GetParam().request + "\n");
    const bool valid = GetParam().answer.find(R"("kind":"request")") == std::string::npos;
    EXPECT_EQ(run.status, valid ? 0 : 1);
    const std::string& answer = GetParam().answer;
    EXPECT_EQ(run.out, answer.empty() ? "" : answer + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalcBatch,
    testing::Values(
        BatchCase{"CountAndOddsAsNumbers", R"({"count": 1.4, "odds": [-6.5, 7], "x": {}})",
                  R"({"line":1,"count":1,"outcome":"rejected","average":"-6",)" + kMessages},
        BatchCase{"IdEchoedWithAnError", R"({"id": [1, "é"], "odds": ["3", "abc"]})",
                  R"({"line":1,"id":[1,"é"],"error":{"kind":"type-mismatch","number":13,)"
                  R"("entry":2,"text":"abc","message":"実行時エラー '13':\n型が一致しません。\n)"
                  R"((2) の倍率「abc」"}})"},
        BatchCase{"EmptyLine", "", ""}, BatchCase{"BlankLine", " \t\r\f\v", ""},
        // Editors and spreadsheets: a byte-order mark first, CRLF, blank lines of any length.
        BatchCase{"ByteOrderMarkBeforeABlankLine", "\xEF\xBB\xBF\r\n{\"odds\":[\"0\"]}\r",
                  R"({"line":2,"count":1,"outcome":"zero-average","average":"0"})"},
        BatchCase{"ByteOrderMarkAlone", "\xEF\xBB\xBF", ""},
        BatchCase{"BlankLineOfAnyLength", "{\"odds\":[\"0\"]}\n" + std::string(70000, ' ') + "\t\r",
                  R"({"line":1,"count":1,"outcome":"zero-average","average":"0"})"},
        BatchCase{"LineEndingNeverCounts",
                  "{\"odds\":[\"0\"]" + std::string(65536 - 14, ' ') + "}\r",
                  R"({"line":1,"count":1,"outcome":"zero-average","average":"0"})"},
        BatchCase{"NoOddsButACount", R"({"count": "2", "odds": []})",
                  R"({"line":1,"count":2,"outcome":"rejected","average":"0",)" + kMessages},
        BatchCase{"IdEchoedAsWritten", R"({"id": [-0.0, 1e400, true, {"a": null}], "odds": [0]})",
                  R"({"line":1,"id":[-0.0,1e400,true,{"a":null}],"count":1,)"
                  R"("outcome":"zero-average","average":"0"})"},
        BatchCase{"OverlongLineAndTheNext",
                  "{\"odds\": [\"" + std::string(200000, '1') + "\"]}\n{\"odds\": [\"0\"]}",
                  R"({"line":1,"error":{"kind":"request","message":"the line is too long"}})"
                  "\n"
                  R"({"line":2,"count":1,"outcome":"zero-average","average":"0"})"}),
    [](const auto& info) { return std::string(info.param.name); });

// What a line that is not a request is answered, in plain text.
std::string RequestProblem(std::string_view line) {
    const LineResponse response = RespondToLine(line, 5);
    const auto json = ReadJson(response.json);
    const JsonValue* error = std::get<JsonValue>(json).find("error");
    EXPECT_FALSE(response.wasRequest) << line;
    EXPECT_EQ(error->find("kind")->text, "request");
    EXPECT_EQ(response.json.rfind(R"({"line":5,)", 0), 0u);
    return error->find("message")->text;
}

TEST(CalcBatch, SaysWhatIsWrongWithALine) {
    const std::string deep = R"({"id":)" + std::string(64, '[') + std::string(64, ']');
    const std::pair<std::string, std::string> rows[] = {
        {"{odds", "not JSON at column 2: expected a member name in quotes or '}'"},
        {R"({"odds": [3 4]})", "not JSON at column 13: expected ',' or ']'"},
        {R"({"odds": [3]} x)", "not JSON at column 15: expected the end of the line"},
        {R"({"odds": ["３)", R"(not JSON at column 13: expected '"' to end the text)"},
        {R"({"odds": [-]})", "not JSON at column 12: expected a digit"},
        {R"({"odds": ["\x"]})", R"(not JSON at column 13: expected an escape: \" \\ \/ \b \f)"
                                R"( \n \r \t or \u and four hexadecimal digits)"},
        {R"({"odds": ["\udc00"]})",
         R"(not JSON at column 12: expected a high surrogate (\uD800 to \uDBFF) before a low one)"},
        {"\xFF\xFE{", "not UTF-8: the line begins with the byte-order mark of UTF-16; "
                      "tenvo-calc reads UTF-8"},
        {std::string("{\0\"\0", 4), "not UTF-8 at column 2: a NUL byte, as UTF-16 has; "
                                    "tenvo-calc reads UTF-8"},
        {"{\"odds\": [\"\xC3\"]}", "not UTF-8 at column 12: a byte that UTF-8 does not allow "
                                   "there"},
        {"{\"odds\": [\"\xF5\x80\x80\x80\"]}", "not UTF-8 at column 12: a byte that UTF-8 does "
                                               "not allow there"}, // beyond U+10FFFF
        {"{\"odds\": [\"\xF0\x8F\xBF\xBF\"]}", "not UTF-8 at column 12: a byte that UTF-8 does "
                                               "not allow there"}, // a four-byte form too long
        {std::string("{\"odds\": [\"3\0\"]}", 16), "not UTF-8 at column 13: a NUL byte, as UTF-16 "
                                                   "has; tenvo-calc reads UTF-8"},
        {"{\"odds\": [3]}\x01", "not JSON at column 14: expected the end of the line"},
        {deep + R"(, "odds": [3]})", "nested too deeply at column 70: at most 64 levels of "
                                     "arrays and objects"},
        {"[1]", "a request is a JSON object"},
        {R"({"count": "3"})", R"(the request has no "odds")"},
        {R"({"odds": "3 4 7"})", R"("odds" must be an array)"},
        {R"({"odds": []})", R"("odds" is empty: give the odds of at least one entry)"},
        {R"({"odds": [1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1]})", "at most 20 odds"},
        {R"({"odds": [3, 4, null]})", "odds 3 must be a text or a number"},
        {R"({"count": {}, "odds": ["3"]})", R"("count" must be a text or a number)"},
        {R"({"budget": 900, "odds": ["3"], "profit": "5"})",
         R"("budget" and "profit" cannot both be given: choose one)"},
        {R"({"odds": ["3"], "payout": [1000]})", R"("payout" must be a text or a number)"},
    };
    for (const auto& [line, problem] : rows)
        EXPECT_EQ(RequestProblem(line), problem) << line;
    // A character cut off by the end of the line, whatever the bytes after the line.
    const std::string cut = "{\"odds\": [3]}\xE3\x81\x82";
    EXPECT_EQ(RequestProblem(std::string_view(cut).substr(0, cut.size() - 1)),
              "not UTF-8 at column 14: a byte that UTF-8 does not allow there");
    // 64 levels are read: the object and 63 arrays.
    EXPECT_EQ(RequestProblem(R"({"id":)" + std::string(63, '[') + std::string(63, ']') + "}"),
              R"(the request has no "odds")");
}

// A number is read as the text it was written as: beyond a Double too, as the same text in
// quotes would be. An escape is read as what it stands for.
TEST(CalcBatch, NumbersAndEscapesAreReadAsWritten) {
    const std::string huge = "1" + std::string(309, '0');
    const std::pair<std::string, std::string> rows[] = {
        {R"({"odds":["\u0033","\/\t4\n"]})", "{\"odds\":[\"3\",\"/\\t4\\n\"]}"},
        {R"({"id":"\ud83d\ude00\u00e9","odds":[3]})", R"({"id":"😀é","odds":[3]})"},
        {R"({"id":"R2","odds":[1e400]})", R"({"id":"R2","odds":["1e400"]})"},
        {R"({"odds":[-1e400]})", R"({"odds":["-1e400"]})"},
        {R"({"count":1e400,"odds":[3]})", R"({"count":"1e400","odds":[3]})"},
        {R"({"odds":[)" + huge + "]}", R"({"odds":[")" + huge + "\"]}"},
        {R"({"odds":[3,4,7e0]})", R"({"odds":["3","4","7e0"]})"},
        {R"({"odds":[3,4,7],"budget":1e4})", R"({"odds":[3,4,7],"budget":"1e4"})"},
    };
    for (const auto& [numbers, texts] : rows) {
        const LineResponse response = RespondToLine(numbers, 1);
        EXPECT_EQ(response.json, RespondToLine(texts, 1).json);
        EXPECT_TRUE(response.wasRequest) << numbers;
    }
}

} // namespace
} // namespace tenvo
