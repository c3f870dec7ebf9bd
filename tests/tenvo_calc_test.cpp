// tenvo-calc run as a process: its JSON and text outputs, errors and exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs tenvo-calc with the arguments as a shell would split them.
Finished Calc(const std::string& args) {
    const std::string errPath = testing::TempDir() + "tenvo_calc.err";
    FILE* pipe = popen((TENVO_CALC_PATH " " + args + " 2>" + errPath).c_str(), "r");
    Finished run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    run.status = WEXITSTATUS(pclose(pipe));
    std::ostringstream err;
    err << std::ifstream(errPath).rdbuf();
    run.err = err.str();
    return run;
}

// A JSON list of twenty strings: the given ones, then `rest`.
std::string List(std::initializer_list<const char*> first, const char* rest) {
    std::string out;
    for (int k = 0; k < 20; ++k)
        out += std::string(k ? ",\"" : "[\"") + (k < int(first.size()) ? first.begin()[k] : rest) +
               "\"";
    return out + "]";
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
        JsonCase{"Accepted", "3 4 7", 0,
                 R"({"count":3,"outcome":"accepted","average":"4.666667","stakes":)" +
                     List({"2400", "1900", "1000"}, "0") + R"(,"total":"5300","profits":)" +
                     List({"1900", "2300", "1700"}, "-5300") + "}"},
        JsonCase{"CountRoundsAndUnusedOddsAreNotRead", "--count=2.5 4 5 junk", 0,
                 R"({"count":2,"outcome":"accepted","average":"4.5","stakes":)" +
                     List({"1300", "1000"}, "0") + R"(,"total":"2300","profits":)" +
                     List({"2900", "2700"}, "-2300") + "}"},
        JsonCase{"Rejected", "1.5 2.5 3.5 10", 0,
                 R"({"count":4,"outcome":"rejected","average":"4.5",)" + kMessages},
        JsonCase{"BoxesBeyondTheOddsReadZero", "--count 5", 0,
                 R"({"count":5,"outcome":"rejected","average":"0",)" + kMessages},
        JsonCase{"NegativeOddsAfterDashes", "--count 1 -- -5", 0,
                 R"({"count":1,"outcome":"rejected","average":"-5",)" + kMessages},
        JsonCase{"ZeroAverage", "0", 0, R"({"count":1,"outcome":"zero-average","average":"0"})"},
        JsonCase{
            "TypeMismatchNamesTheEntry", "3 4 abc", 1,
            R"({"error":{"kind":"type-mismatch","number":13,"entry":3,"text":"abc",)"
            R"("message":"実行時エラー '13':\u000a型が一致しません。\u000a(3) の倍率「abc」"}})"},
        JsonCase{
            "ZeroOddsFoundWhilePricing", "7 7 0.4", 1,
            R"({"error":{"kind":"division-by-zero","number":11,"entry":3,"text":"0.4",)"
            R"("message":"実行時エラー '11':\u000a0 で除算しました。\u000a(3) の倍率「0.4」"}})"},
        JsonCase{"CountOutOfRange", "--count 25 3", 1,
                 R"({"error":{"kind":"count","number":null,"entry":null,"text":"25",)"
                 R"("message":"入力項目数には 1 から 20 までの数を入力してください。"}})"},
        JsonCase{"QuotesEscaped", R"(--count 'a"\')", 1,
                 R"({"error":{"kind":"count","number":null,"entry":null,"text":"a\"\\",)"
                 R"("message":"入力項目数には 1 から 20 までの数を入力してください。"}})"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Calc, UsageErrorsExitWithTwo) {
    for (const char* args : {"", "--bogus 3", "--count", "--json",
                             "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21"}) {
        const Finished run = Calc(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find("usage: tenvo-calc"), std::string::npos) << args;
    }
}

TEST(Calc, TextOutputReadsLikeTheWindows) {
    const Finished run = Calc("3 4 7");
    EXPECT_EQ(run.status, 0);
    for (const char* line : {"平均倍率 4.666667\n", "(1)       2400     1900\n",
                             "(20)         0    -5300\n", "投資合計金額 5300\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_NE(Calc("2 3 6").out.find("適切な組み合わせは存在しまん\n倍率のより高いものを入力"
                                     "してください\n"),
              std::string::npos);
    const Finished failed = Calc("3 x");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err.find("(2) の倍率「x」"), std::string::npos);
}

} // namespace
