// SPDX-License-Identifier: MIT
// Standard output as the standard Unix tools treat it: every write checked, the first failure
// kept with its reason, and nothing called written until the stream is closed.
#pragma once

#include <cstdio>
#include <string_view>

namespace tenvo {

class Output {
public:
    explicit Output(std::FILE* file)
        : m_file(file) {}

    // After the first failure nothing more is written, and flush() is false.
    void write(std::string_view text);
    bool flush();
    bool failed() const { return m_error != 0; }
    int error() const { return m_error; } // the errno of the first failure

    // Flushes and closes the stream. False when anything written was lost: a write failed, or
    // the flush or the close did; a stream closed before the program began is a failure only
    // when something was to be written to it.
    bool close();

    std::FILE* file() const { return m_file; }

private:
    bool check(bool ok);

    std::FILE* m_file;
    int m_error = 0;
};

} // namespace tenvo
