// SPDX-License-Identifier: MIT
// Checked writes, and a close that reports what it lost.
#include "cli/output.h"

#include <stdio_ext.h>

#include <cerrno>

namespace tenvo {

bool Output::check(bool ok) {
    if (!ok && m_error == 0)
        m_error = errno != 0 ? errno : EIO;
    return ok && m_error == 0;
}

void Output::write(std::string_view text) {
    if (failed())
        return;
    errno = 0;
    check(std::fwrite(text.data(), 1, text.size(), m_file) == text.size());
}

bool Output::flush() {
    errno = 0;
    return check(std::fflush(m_file) == 0);
}

bool Output::close() {
    const bool pending = __fpending(m_file) != 0;
    errno = 0;
    const bool closed = std::fclose(m_file) == 0;
    // Nothing waiting and a descriptor closed before the start: nothing was lost.
    if (!closed && !pending && errno == EBADF && !failed())
        return true;
    return check(closed);
}

} // namespace tenvo
