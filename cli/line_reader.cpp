// SPDX-License-Identifier: MIT
// Reading lines in chunks, waiting for input only when no complete line is left.
#include "cli/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tenvo {

LineReader::LineReader(int fd, std::size_t maxLine)
    : m_fd(fd)
    , m_maxLine(maxLine)
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

bool LineReader::next(std::string_view& line, bool& overlong,
                      const std::function<bool()>& beforeWait) {
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
            if (overlong || stop - m_begin > m_maxLine) {
                overlong = true;
                line = {};
            }
            m_begin = newline ? stop + 1 : m_end;
            return true;
        }
        if (m_eof)
            return false;
        if (m_end - m_begin > m_maxLine) { // forget what is held of an overlong line
            overlong = true;
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
