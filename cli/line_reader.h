// SPDX-License-Identifier: MIT
// Lines from a file descriptor in fixed memory, for a batch of any length.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tenvo {

class LineReader {
public:
    // A line longer than maxLine is reported as overlong and its text is not kept.
    explicit LineReader(int fd, std::size_t maxLine = 64 * 1024);

    // The next line without its "\n" (and "\r"); false at the end of the input. beforeWait runs
    // whenever the reader is about to wait for more input, so that answers to every complete
    // line can be flushed first; when it returns false, the input ends there. An input error
    // ends the input and sets failed() and error().
    bool next(std::string_view& line, bool& overlong, const std::function<bool()>& beforeWait);

    bool failed() const { return m_error != 0; }
    int error() const { return m_error; } // the errno of the read that failed

private:
    void fill(const std::function<bool()>& beforeWait);

    int m_fd;
    std::size_t m_maxLine;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    int m_error = 0;
    bool m_stopped = false; // beforeWait said to read no more
};

} // namespace tenvo
