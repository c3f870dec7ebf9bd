// SPDX-License-Identifier: MIT
// Reading lines in chunks, waiting for input only when no complete line is left.
#include "cli/line_reader.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tenvo {
namespace {

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

bool AllWhiteSpace(const char* begin, const char* end) {
    return std::all_of(begin, end, IsWhiteSpace);
}

} // namespace

LineReader::LineReader(int fd, std::size_t maxLine, int stopFd)
    : m_fd(fd)
    , m_maxLine(maxLine)
    , m_stopFd(stopFd)
    , m_buffer(maxLine + 64 * 1024) {}

void LineReader::fill(const std::function<bool()>& beforeWait) {
    if (m_begin > 0) { // keep the partial line at the front
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (beforeWait && !beforeWait()) {
        m_stopped = m_eof = true;
        return;
    }
    if (m_stopFd >= 0) {
        // Waits for input or the word to stop, whichever comes first; the word wins a tie.
        pollfd wait[] = {{m_stopFd, POLLIN, 0}, {m_fd, POLLIN, 0}};
        while (::poll(wait, 2, -1) < 0 && errno == EINTR) {
        }
        if (wait[0].revents & POLLIN) {
            m_interrupted = m_stopped = m_eof = true;
            return;
        }
    }
    for (;;) {
        const ssize_t n = ::read(m_fd, m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (n > 0) {
            m_end += static_cast<std::size_t>(n);
            return;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            m_error = errno;
        m_eof = true;
        return;
    }
}

void LineReader::skipByteOrderMark(const std::function<bool()>& beforeWait) {
    m_started = true;
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    while (m_end - m_begin < kMark.size() && !m_eof &&
           std::string_view(m_buffer.data() + m_begin, m_end - m_begin) ==
               kMark.substr(0, m_end - m_begin))
        fill(beforeWait);
    if (std::string_view(m_buffer.data() + m_begin, m_end - m_begin).starts_with(kMark))
        m_begin += kMark.size();
}

bool LineReader::next(std::string_view& line, bool& overlong,
                      const std::function<bool()>& beforeWait) {
    if (!m_started)
        skipByteOrderMark(beforeWait);
    overlong = false;
    std::size_t scanFrom = m_begin;
    for (;;) {
        const auto* newline = static_cast<const char*>(
            std::memchr(m_buffer.data() + scanFrom, '\n', m_end - scanFrom));
        if (newline || (m_eof && (m_end > m_begin || overlong))) {
            const std::size_t stop =
                newline ? static_cast<std::size_t>(newline - m_buffer.data()) : m_end;
            line = std::string_view(m_buffer.data() + m_begin, stop - m_begin);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (overlong || line.size() > m_maxLine) {
                // White space alone asks nothing, however long: it is a blank line.
                const bool blank =
                    m_droppedBlank && AllWhiteSpace(line.data(), line.data() + line.size());
                overlong = !blank;
                line = {};
            }
            m_droppedBlank = true;
            m_begin = newline ? stop + 1 : m_end;
            return true;
        }
        if (m_eof)
            return false;
        // Forget what is held of an overlong line; one byte more may be the CR of its ending.
        if (m_end - m_begin > m_maxLine + 1) {
            overlong = true;
            m_droppedBlank =
                m_droppedBlank && AllWhiteSpace(m_buffer.data() + m_begin, m_buffer.data() + m_end);
            m_begin = m_end = 0;
        }
        const std::size_t held = m_end - m_begin; // none of it is a newline
        fill(beforeWait);                         // moves the held bytes to the front
        if (m_stopped)
            return false; // what is held of a line is not a line
        scanFrom = m_begin + held;
    }
}

} // namespace tenvo
