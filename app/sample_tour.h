// SPDX-License-Identifier: MIT
// A sample calculation driven through the real windows, saved as pictures.
#pragma once

#include <QString>

#include <optional>

namespace tenvo {

// tenvo's exit statuses.
enum TenvoStatus : int {
    kTenvoDone = 0,
    kPicturesNotSaved = 1, // the sample tour could not save its pictures
    kTenvoUsageError = 2,  // a usage error, or a folder given for the pictures that cannot be used
};

// Runs 3 entries with odds 3, 4, 7 through the title, main, odds, stake and profit windows,
// saving a PNG of each window as shown. The pictures go into `folder` (created if missing, and
// refused if it is a symbolic link) or, without one, into a new private folder under the
// temporary folder. Prints the folder. Returns the exit status.
int RunSampleTour(const std::optional<QString>& folder);

} // namespace tenvo
