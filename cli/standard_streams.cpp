// SPDX-License-Identifier: MIT
// Keeping closed standard descriptors closed to everything the program opens.
#include "cli/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <initializer_list>

namespace tenvo {

bool HoldClosedStandardStreams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        // open() takes the lowest free descriptor, which is this one.
        const int held = ::open("/dev/null", (fd == STDIN_FILENO ? O_WRONLY : O_RDONLY));
        if (held != fd) {
            if (held >= 0)
                ::close(held);
            return false;
        }
    }
    return true;
}

} // namespace tenvo
