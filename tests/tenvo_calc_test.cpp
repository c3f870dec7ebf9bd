// SPDX-License-Identifier: MIT
// tenvo-calc as a process: what only a process shows, its exit status, its two streams, pipes
// and files.
#include "run_process.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <sstream>

namespace {

using tenvo::Finished;

// Runs tenvo-calc with the arguments as a shell would split them, and `input` on stdin.
Finished Calc(const std::string& args, const std::string& input = "") {
    return tenvo::Run(TENVO_CALC_PATH " " + args, input);
}

// A text written `count` times over.
std::string Times(int count, const std::string& text) {
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

// However a line is made, answering it takes a few MiB at most: no array reserves room it
// does not fill. Measured as the largest peak of the processes this test program has run.
TEST(CalcBatch, MemoryStaysFlatWhateverALineHolds) {
    const std::string odds = R"("odds":["3"]})"
                             "\n";
    const Finished run = Calc("--batch", R"({"id":[)" + Times(21800, "[],") + "[]]," + odds +
                                             R"({"id":[)" + Times(16000, "[1],") + "[1]]," + odds +
                                             "{" + Times(5000, R"("odds":[],)") + odds);
    EXPECT_EQ(run.status, 0) << run.out.substr(0, 200);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
#if !defined(__SANITIZE_ADDRESS__)                    // whose shadow memory would count
    EXPECT_LT(children.ru_maxrss, 9 * 1024) << "KiB"; // 6 MiB here, 12 if each array reserved
#endif
}

// A pipe sees each answer as soon as its request line is complete: stopped while its input is
// still open, in the middle of a second line, it has written the first answer.
TEST(CalcBatch, AnswersBeforeTheInputEnds) {
    const Finished run = tenvo::Run(R"({ (echo '{"odds": ["0"]}'; printf '{"odds"'; sleep 2) | )"
                                    "timeout 1 " TENVO_CALC_PATH " --batch; }");
    EXPECT_EQ(run.status, 124); // stopped by timeout
    EXPECT_EQ(run.out.rfind(R"({"line":1,"count":1,"outcome":"zero-average")", 0), 0u) << run.out;
}

// Files are read one after the other, "-" standing for standard input, their lines numbered
// through; input far longer than the reader's buffer, with CRLF line ends and a last line
// without one, loses nothing.
TEST(CalcBatch, ReadsFilesAndLongInputWhole) {
    const std::string first = testing::TempDir() + "tenvo_batch_1.jsonl";
    const std::string second = testing::TempDir() + "tenvo_batch_2.jsonl";
    std::ofstream(first) << "{\"odds\": [\"0\"]}\r\n\r\n";
    std::ofstream(second) << Times(3000, R"({"count": "3", "odds": ["3", "4", "7", "0", "0", "0", )"
                                         R"("0", "0", "0", "0", "0", "0", "0", "0", "0", "0"]})"
                                         "\r\n")
                          << "{\"odds\": [\"0\"]}";
    const Finished run =
        Calc("--batch " + first + " - " + second, R"({"id": "typed", "odds": ["0"]})");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3003);
    EXPECT_EQ(run.out.rfind(R"({"line":1,"count":1,"outcome":"zero-average")", 0), 0u);
    EXPECT_NE(run.out.find("\n"
                           R"({"line":3,"id":"typed",)"),
              std::string::npos);
    EXPECT_NE(run.out.find(R"({"line":3003,"count":3,)"), std::string::npos);
    EXPECT_NE(run.out.find("\n"
                           R"({"line":3004,"count":1,)"),
              std::string::npos);
}

// Answers go to standard output, complaints to standard error, and the status tells which. An
// answer that cannot be written is a failure, said on standard error, whatever stands in the
// way: a full disk, a closed standard output, a reader gone while SIGPIPE is ignored.
TEST(Calc, StatusAndStreams) {
    const std::string calc = TENVO_CALC_PATH " ";
    const std::string requests = R"({"odds": ["3", "4", "7"]})";
    const std::string status = testing::TempDir() + "tenvo_calc_status";
    const std::string writeError = "tenvo-calc: write error: ";
    const std::string card = testing::TempDir() + "tenvo_calc_card.jsonl";
    std::ofstream(card) << requests << "\n";
    const std::string stdinClosed = "tenvo-calc: cannot read standard input: Bad file descriptor\n";
    const std::string looped = testing::TempDir() + "tenvo_calc_looped.jsonl";
    const std::string folder = testing::TempDir(); // it opens, but cannot be read
    const std::string bad = testing::TempDir() + "tenvo_calc_bad.jsonl";
    std::ofstream(bad) << "{odds\n";
    const std::string isFolder = "tenvo-calc: cannot read '" + folder + "': Is a directory\n";
    const struct {
        std::string command;
        int status;
        const char* out; // its start
        std::string err; // its start
    } rows[] = {
        {calc + "--json 3 4 7", 0, R"({"count":3,"outcome":"accepted",)", ""},
        {calc + "3 x", 1, "",
         "tenvo-calc: 実行時エラー '13':\n型が一致しません。\n(2) の倍率「x」\n"},
        {calc + "--x", 2, "", "tenvo-calc: unknown option '--x'\nTry 'tenvo-calc --help' for more"},
        {calc + "--version", 0, "tenvo-calc 1.", ""},
        {calc + "3 x >&-", 1, "", "tenvo-calc: 実行時エラー"}, // nothing to write: nothing lost
        {calc + "--json 3 4 7 >/dev/full", 3, "", writeError + "No space left on device\n"},
        {calc + "3 4 7 >/dev/full", 3, "", writeError + "No space left on device\n"},
        {calc + "--help >/dev/full", 3, "", writeError + "No space left on device\n"},
        {calc + "--version >/dev/full", 3, "", writeError + "No space left on device\n"},
        {calc + "--batch >/dev/full", 3, "", writeError + "No space left on device\n"},
        {calc + "--json 3 4 7 >&-", 3, "", writeError + "Bad file descriptor\n"},
        // A closed standard output stays closed, whatever the program opens.
        {calc + "3 4 7 >&-", 3, "", writeError + "Bad file descriptor\n"},
        {calc + "--batch >&-", 3, "", writeError + "Bad file descriptor\n"},
        // What is echoed from the input cannot command the terminal.
        {calc + "\"$(printf '\\033]0;x\\0073')\" 4", 1, "",
         "tenvo-calc: 実行時エラー '13':\n型が一致しません。\n(1) の倍率「\\x1b]0;x\\x073」\n"},
        {calc + "--\"$(printf '\\342\\200\\256')\"x", 2, "",
         "tenvo-calc: unknown option '--\\u202ex'\n"},
        {calc + "--batch \"$(printf 'a\\233b')\"", 2, "",
         "tenvo-calc: cannot read 'a\\x9bb': No such file or directory\n"},
        // A file that cannot be read is named and passed over, and its status wins over a line
        // that is not a request, in whichever order they come.
        {calc + "--batch " + folder + " " + bad, 2, R"({"line":1,"error")", isFolder},
        {calc + "--batch " + bad + " " + folder, 2, R"({"line":1,"error")", isFolder},
        // A file that is the output is not read: its answers would be read back without end.
        {"{ ulimit -f 100; cp " + card + " " + looped + "; " + calc + "--batch " + looped + " >>" +
             looped + "; }",
         2, "", "tenvo-calc: '" + looped + "' is the output file\n"},
        // "-" is the standard input the program started with, even when a file takes its place.
        {"{ " + calc + "--batch " + card + " - <&-; }", 2, R"({"line":1,"count":3,)", stdinClosed},
        {"{ " + calc + "--batch - " + card + " <&-; }", 2, R"({"line":1,"count":3,)", stdinClosed},
        // The status is tenvo-calc's, not head's; a run that goes on is stopped at 124.
        {"{ yes '" + requests + "' | (trap '' PIPE; timeout 20 " + calc + "--batch; echo $? >" +
             status + ") | head -c 1 >/dev/null; exit $(cat " + status + "); }",
         3, "", writeError + "Broken pipe\n"},
    };
    for (const auto& row : rows) {
        const Finished run = tenvo::Run(row.command, requests + "\n");
        EXPECT_EQ(run.status, row.status) << row.command;
        EXPECT_EQ(run.out.substr(0, std::strlen(row.out)), row.out) << row.command;
        EXPECT_EQ(run.err.substr(0, row.err.size()), row.err) << row.command;
        EXPECT_EQ(run.err.empty(), row.err.empty()) << row.command;
        if (row.status == 3) { // said once, and nothing else
            EXPECT_EQ(run.err, row.err) << row.command;
        }
    }
}

// SIGINT, SIGTERM and SIGHUP end a batch between two lines, every answer written whole and
// numbered in order, with the signal's status: in the middle of a long input, and while a FIFO
// that nobody opens for writing holds the run in open().
TEST(CalcBatch, ASignalEndsTheRunBetweenLines) {
    const std::string request = R"({"odds": ["3", "4", "7", "12.5", "30"]})"
                                "\n";
    const std::string many = testing::TempDir() + "tenvo_many_requests.jsonl";
    const std::string card = testing::TempDir() + "tenvo_fifo_card.jsonl";
    const std::string fifo = testing::TempDir() + "tenvo_fifo_" + std::to_string(getpid());
    std::ofstream(card) << request;
    std::ofstream(many) << Times(100000, request);
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const bool fed : {true, false})
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            int out[2];
            ASSERT_EQ(pipe(out), 0);
            const pid_t child = fork();
            if (child == 0) {
                dup2(out[1], STDOUT_FILENO);
                close(out[0]);
                close(out[1]);
                std::signal(signal, SIG_DFL); // a test run in the background ignores SIGINT
                alarm(20);                    // a run the signal does not end fails
                execl(TENVO_CALC_PATH, "tenvo-calc", "--batch", fed ? many.c_str() : card.c_str(),
                      fed ? nullptr : fifo.c_str(), static_cast<char*>(nullptr));
                _exit(127);
            }
            close(out[1]);
            // Fed, the run waits for this reader once the pipe is full.
            std::string answers;
            char buffer[65536];
            ssize_t n;
            while (answers.size() < (fed ? 300000u : 1u) &&
                   (n = read(out[0], buffer, sizeof buffer)) > 0)
                answers.append(buffer, static_cast<std::size_t>(n));
            usleep(100 * 1000); // in open() by now, for the FIFO
            kill(child, signal);
            while ((n = read(out[0], buffer, sizeof buffer)) > 0)
                answers.append(buffer, static_cast<std::size_t>(n));
            close(out[0]);
            int status = 0;
            waitpid(child, &status, 0);
            ASSERT_TRUE(WIFEXITED(status)) << signal;
            EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
            ASSERT_FALSE(answers.empty());
            EXPECT_EQ(answers.back(), '\n');
            std::istringstream written(answers);
            std::string answer;
            long long number = 1;
            for (; std::getline(written, answer); ++number)
                ASSERT_EQ(answer.rfind(R"({"line":)" + std::to_string(number) + ",", 0), 0u);
            EXPECT_TRUE(fed ? number < 100001 : number == 2)
                << "stopped early; one before the FIFO";
        }
    unlink(fifo.c_str());
}

// Nesting far beyond the bound, on a small stack: the line is answered, and so is the next.
TEST(CalcBatch, DeepNestingOnASmallStack) {
    const std::string deep =
        R"({"id": )" + std::string(32700, '[') + std::string(32700, ']') + R"(, "odds": [3]})";
    const Finished run = tenvo::Run("ulimit -s 512; " TENVO_CALC_PATH " --batch",
                                    deep + "\n" + R"({"odds": ["0"]})" + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.out.rfind(R"({"line":1,"error":{"kind":"request","message":"nested too deeply)", 0),
        0u);
    EXPECT_NE(run.out.find("\n"
                           R"({"line":2,"count":1,)"),
              std::string::npos);
}

} // namespace
