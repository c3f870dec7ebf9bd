// SPDX-License-Identifier: MIT
// tenvo-calc: the whole calculation from the command line, for scripts and for checking figures.
#include "cli/calc_command.h"
#include "cli/output.h"
#include "cli/standard_streams.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    // A closed standard stream stays closed: no file or signal descriptor may pass for it.
    if (!tenvo::HoldClosedStandardStreams())
        return tenvo::kUnreadable;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto command = tenvo::ReadCalcCommandLine(args);
    if (const auto* error = std::get_if<tenvo::CalcUsageError>(&command)) {
        std::fprintf(stderr, "tenvo-calc: %s\nTry 'tenvo-calc --help' for more information.\n",
                     error->message.c_str());
        return tenvo::kUnreadable;
    }
    tenvo::Output out(stdout);
    const int status = tenvo::RunCalcCommand(std::get<tenvo::CalcOptions>(command), out, stderr);
    // Answers count as given only once they have left the program.
    if (!out.close()) {
        std::fprintf(stderr, "tenvo-calc: write error: %s\n", std::strerror(out.error()));
        return std::max<int>(status, tenvo::kWriteError);
    }
    return status;
}
