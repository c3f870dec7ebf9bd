// SPDX-License-Identifier: MIT
// tenvo-calc as a process: what only a process shows, its exit status, its two streams, pipes
// and files.
#include "run_process.h"

#include <algorithm>
#include <cstring>

namespace {

using tenvo::Finished;

// Runs tenvo-calc with the arguments as a shell would split them, and `input` on stdin.
Finished Calc(const std::string& args, const std::string& input = "") {
    return tenvo::Run(TENVO_CALC_PATH " " + args, input);
}

// Answers go to standard output, complaints to standard error, and the status tells which.
TEST(Calc, StatusAndStreams) {
    const struct {
        const char* args;
        int status;
        const char* out; // its start
        const char* err; // its start
    } rows[] = {
        {"--json 3 4 7", 0, R"({"count":3,"outcome":"accepted",)", ""},
        {"3 x", 1, "", "tenvo-calc: 実行時エラー '13':\n型が一致しません。\n(2) の倍率「x」\n"},
        {"--x", 2, "", "tenvo-calc: unknown option '--x'\nTry 'tenvo-calc --help' for more"},
        {"--version", 0, "tenvo-calc 1.", ""},
    };
    for (const auto& row : rows) {
        const Finished run = Calc(row.args);
        EXPECT_EQ(run.status, row.status) << row.args;
        EXPECT_EQ(run.out.substr(0, std::strlen(row.out)), row.out) << row.args;
        EXPECT_EQ(run.err.substr(0, std::strlen(row.err)), row.err) << row.args;
        EXPECT_EQ(run.err.empty(), *row.err == '\0') << row.args;
    }
}

// A pipe sees each answer as soon as its request line is complete: stopped while its input is
// still open, in the middle of a second line, it has written the first answer.
TEST(CalcBatch, AnswersBeforeTheInputEnds) {
    const Finished run = tenvo::Run(R"({ (echo '{"odds": ["0"]}'; printf '{"odds"'; sleep 2) | )"
                                    "timeout 1 " TENVO_CALC_PATH " --batch; }");
    EXPECT_EQ(run.status, 124); // stopped by timeout
    EXPECT_EQ(run.out.rfind(R"({"line":1,"count":1,"outcome":"zero-average")", 0), 0u) << run.out;
}

// Files are read one after the other, their lines numbered through; input far longer than the
// reader's buffer, with CRLF line ends and a last line without one, loses nothing.
TEST(CalcBatch, ReadsFilesAndLongInputWhole) {
    const std::string first = testing::TempDir() + "tenvo_batch_1.jsonl";
    const std::string second = testing::TempDir() + "tenvo_batch_2.jsonl";
    std::ofstream(first) << "{\"odds\": [\"0\"]}\r\n\r\n";
    std::string many;
    for (int i = 0; i < 3000; ++i)
        many += R"({"id": )" + std::to_string(i) + R"(, "count": "3", "odds": ["3", "4", "7", )" +
                R"("0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"]})" +
                "\r\n";
    std::ofstream(second) << many << "{\"odds\": [\"0\"]}";
    Finished run = Calc("--batch " + first + " " + second);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3002);
    EXPECT_EQ(run.out.rfind(R"({"line":1,"count":1,"outcome":"zero-average")", 0), 0u);
    EXPECT_NE(run.out.find(R"({"line":3002,"id":2999,"count":3,)"), std::string::npos);
    EXPECT_NE(run.out.find("\n"
                           R"({"line":3003,"count":1,)"),
              std::string::npos);
    run = Calc("--batch " + testing::TempDir()); // a folder opens, but cannot be read
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("tenvo-calc: reading failed"), std::string::npos);
}

} // namespace
