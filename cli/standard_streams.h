// SPDX-License-Identifier: MIT
// Standard input, output and error as the program was started with them.
#pragma once

namespace tenvo {

// Each of descriptors 0, 1 and 2 that was closed at start is held by /dev/null opened the wrong
// way round (standard input for writing, the other two for reading), so that no descriptor the
// program opens later takes its place, and every use of it fails with EBADF as a closed one
// would. False when that could not be done.
bool HoldClosedStandardStreams();

} // namespace tenvo
