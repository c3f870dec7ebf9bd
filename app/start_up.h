// Start-up: the calculation state and the title window, or a sample tour without a display.
#pragma once

namespace tenvo {

// Runs Tenvo on the user's display. Without one, says so and instead saves pictures of a
// sample calculation, window by window.
int StartUp(int argc, char** argv);

} // namespace tenvo
