// SPDX-License-Identifier: MIT
// tenvo-calc: the whole calculation from the command line, for scripts and for checking figures.
#include "cli/calc_command.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto command = tenvo::ReadCalcCommandLine(args);
    if (const auto* error = std::get_if<tenvo::UsageError>(&command)) {
        std::fprintf(stderr, "tenvo-calc: %s\nTry 'tenvo-calc --help' for more information.\n",
                     error->message.c_str());
        return 2;
    }
    return tenvo::RunCalcCommand(std::get<tenvo::CalcOptions>(command), stdout, stderr);
}
