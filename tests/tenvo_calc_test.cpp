// tenvo-calc run as a process: its JSON and text outputs, errors and exit statuses.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::remove(path.c_str());
    return text.str();
}

Finished Calc(std::vector<std::string> args) {
    args.insert(args.begin(), TENVO_CALC_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const std::string base = testing::TempDir() + "tenvo_calc_" + std::to_string(getpid());
    const std::string outPath = base + ".out";
    const std::string errPath = base + ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    Finished run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = Slurp(outPath);
    run.err = Slurp(errPath);
    return run;
}

std::string List(std::vector<std::string> first, const std::string& rest) {
    first.resize(20, rest);
    std::string out = "[";
    for (const std::string& text : first)
        out += (out.size() > 1 ? ",\"" : "\"") + text + "\"";
    return out + "]";
}

std::string Accepted(int count, const std::string& average, std::vector<std::string> stakes,
                     const std::string& total, std::vector<std::string> profits,
                     const std::string& otherProfits) {
    return "{\"count\":" + std::to_string(count) + ",\"outcome\":\"accepted\",\"average\":\"" +
           average + "\",\"stakes\":" + List(std::move(stakes), "0") + ",\"total\":\"" + total +
           "\",\"profits\":" + List(std::move(profits), otherProfits) + "}\n";
}

std::string Rejected(int count, const std::string& average) {
    return "{\"count\":" + std::to_string(count) + ",\"outcome\":\"rejected\",\"average\":\"" +
           average +
           "\",\"messages\":[\"適切な組み合わせは存在しまん\",\"倍率のより高いものを入力して"
           "ください\"]}\n";
}

struct JsonCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;
};

class CalcJson : public testing::TestWithParam<JsonCase> {};

TEST_P(CalcJson, PrintsOneObjectWithTheBoxesTexts) {
    const JsonCase& c = GetParam();
    std::vector<std::string> args{"--json"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Finished run = Calc(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalcJson,
    testing::Values(
        JsonCase{"Odds347",
                 {"3", "4", "7"},
                 0,
                 Accepted(3, "4.666667", {"2400", "1900", "1000"}, "5300", {"1900", "2300", "1700"},
                          "-5300")},
        JsonCase{"Odds45",
                 {"4", "5"},
                 0,
                 Accepted(2, "4.5", {"1300", "1000"}, "2300", {"2900", "2700"}, "-2300")},
        JsonCase{"Odds2021",
                 {"20", "21"},
                 0,
                 Accepted(2, "20.5", {"1100", "1000"}, "2100", {"19900", "18900"}, "-2100")},
        JsonCase{"Odds2029",
                 {"20", "29"},
                 0,
                 Accepted(2, "24.5", {"1600", "1000"}, "2600", {"29400", "26400"}, "-2600")},
        JsonCase{"FiveTens",
                 {"10", "10", "10", "10", "10"},
                 0,
                 Accepted(5, "10", {"1000", "1000", "1000", "1000", "1000"}, "5000",
                          {"5000", "5000", "5000", "5000", "5000"}, "-5000")},
        JsonCase{"Odds236Rejected", {"2", "3", "6"}, 0, Rejected(3, "3.666667")},
        JsonCase{"HalvesRejected", {"1.5", "2.5", "3.5", "10"}, 0, Rejected(4, "4.5")},
        JsonCase{"CountGivenBoxesZero", {"--count", "5"}, 0, Rejected(5, "0")},
        JsonCase{"ZeroAverage",
                 {"0"},
                 0,
                 "{\"count\":1,\"outcome\":\"zero-average\",\"average\":\"0\"}\n"},
        JsonCase{"CountTakesTheFirstOdds",
                 {"--count=2.5", "4", "5", "junk"},
                 0,
                 Accepted(2, "4.5", {"1300", "1000"}, "2300", {"2900", "2700"}, "-2300")},
        JsonCase{"NegativeOddsAfterDashes", {"--count", "1", "--", "-5"}, 0, Rejected(1, "-5")},
        JsonCase{"TypeMismatchNamesTheEntry",
                 {"3", "4", "abc"},
                 1,
                 "{\"error\":{\"kind\":\"type-mismatch\",\"number\":13,\"entry\":3,\"text\":"
                 "\"abc\",\"message\":\"実行時エラー '13':\\u000a型が一致しません。\\u000a(3) "
                 "の倍率「abc」\"}}\n"},
        JsonCase{"ZeroOddsFoundByTheStakeTable",
                 {"7", "7", "0.4"},
                 1,
                 "{\"error\":{\"kind\":\"division-by-zero\",\"number\":11,\"entry\":3,\"text\":"
                 "\"0.4\",\"message\":\"実行時エラー '11':\\u000a0 で除算しました。\\u000a(3) "
                 "の倍率「0.4」\"}}\n"},
        JsonCase{"SumOverflow",
                 {"20000", "20000"},
                 1,
                 "{\"error\":{\"kind\":\"overflow\",\"number\":6,\"entry\":2,\"text\":"
                 "\"20000\",\"message\":\"実行時エラー '6':\\u000aオーバーフローしました。"
                 "\\u000a(2) の倍率「20000」\"}}\n"},
        JsonCase{"CountOutOfRange",
                 {"--count", "25", "3"},
                 1,
                 "{\"error\":{\"kind\":\"count\",\"number\":null,\"entry\":null,\"text\":\"25\","
                 "\"message\":\"入力項目数には 1 から 20 までの数を入力してください。\"}}\n"},
        JsonCase{"QuotesAndControlsEscaped",
                 {"--count", "a\"\t"},
                 1,
                 "{\"error\":{\"kind\":\"count\",\"number\":null,\"entry\":null,\"text\":"
                 "\"a\\\"\\u0009\",\"message\":\"入力項目数には 1 から 20 "
                 "までの数を入力してください。\"}}\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Calc, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"--bogus", "3"}, {"--count"}, {"1",  "2",  "3",  "4",  "5",  "6",  "7",
                                            "8",  "9",  "10", "11", "12", "13", "14",
                                            "15", "16", "17", "18", "19", "20", "21"}};
    for (const auto& args : cases) {
        const Finished run = Calc(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: tenvo-calc"), std::string::npos);
    }
}

TEST(Calc, TextOutputReadsLikeTheWindows) {
    const Finished run = Calc({"3", "4", "7"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("平均倍率 4.666667\n"), std::string::npos);
    EXPECT_NE(run.out.find("(1)       2400     1900\n"), std::string::npos);
    EXPECT_NE(run.out.find("(20)         0    -5300\n"), std::string::npos);
    EXPECT_NE(run.out.find("投資合計金額 5300\n"), std::string::npos);

    const Finished rejected = Calc({"2", "3", "6"});
    EXPECT_NE(
        rejected.out.find("適切な組み合わせは存在しまん\n倍率のより高いものを入力してください\n"),
        std::string::npos);

    const Finished failed = Calc({"3", "x"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err.find("(2) の倍率「x」"), std::string::npos);
}

} // namespace
