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
    // A line whose text, its line ending aside, is longer than maxLine is reported as overlong
    // and its text is not kept, unless it is white space alone: that is a blank line at any
    // length. A UTF-8 byte-order mark at the start of the input is passed over. With a stopFd
    // (a signalfd), the input ends as soon as that becomes readable, checked whenever the
    // reader needs more input.
    explicit LineReader(int fd, std::size_t maxLine = 64 * 1024, int stopFd = -1);

    // The next line without its "\n" (and "\r"); false at the end of the input. beforeWait runs
    // whenever the reader is about to wait for more input, so that answers to every complete
    // line can be flushed first; when it returns false, the input ends there. An input error
    // ends the input and sets failed() and error().
    bool next(std::string_view& line, bool& overlong, const std::function<bool()>& beforeWait);

    bool failed() const { return m_error != 0; }
    bool interrupted() const { return m_interrupted; } // stopFd became readable
    int error() const { return m_error; }              // the errno of the read that failed

private:
    void fill(const std::function<bool()>& beforeWait);
    void skipByteOrderMark(const std::function<bool()>& beforeWait);

    int m_fd;
    std::size_t m_maxLine;
    int m_stopFd;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    int m_error = 0;
    bool m_stopped = false; // beforeWait or stopFd said to read no more
    bool m_interrupted = false;
    bool m_started = false;     // the byte-order mark has been looked for
    bool m_droppedBlank = true; // what was dropped of an overlong line was white space alone
};

} // namespace tenvo
