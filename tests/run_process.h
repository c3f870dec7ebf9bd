// SPDX-License-Identifier: MIT
// Running one of Tenvo's programs as a process, as a shell would, and collecting what it wrote.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace tenvo {

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Runs a shell command line with `input` on its standard input.
inline Finished Run(const std::string& command, const std::string& input = "") {
    // Named after this process: test programs may run side by side.
    const std::string stem = testing::TempDir() + "tenvo_process_" + std::to_string(getpid());
    const std::string in = stem + ".in";
    const std::string err = stem + ".err";
    std::ofstream(in, std::ios::binary) << input;
    FILE* pipe = popen((command + " <" + in + " 2>" + err).c_str(), "r");
    Finished run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    run.status = WEXITSTATUS(pclose(pipe));
    run.err = Slurp(err);
    return run;
}

} // namespace tenvo
