// SPDX-License-Identifier: MIT
// Start-up: the command line, then the calculation state and the title window, or a sample tour.
#pragma once

namespace tenvo {

// Runs Tenvo on the user's display. Without one, or with --sample-tour, drives a sample
// calculation through the windows instead and saves a picture of each. Returns the exit status.
int StartUp(int argc, char** argv);

} // namespace tenvo
