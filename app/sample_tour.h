// A sample calculation driven through the real windows, saved as pictures.
#pragma once

namespace tenvo {

// Runs 3 entries with odds 3, 4, 7 through the title, main, odds, stake and profit windows,
// saving a PNG of each window as shown into a folder it names. Returns the exit status.
int RunSampleTour();

} // namespace tenvo
