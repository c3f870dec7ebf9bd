// SPDX-License-Identifier: MIT
// Text pasted into an odds box, split as bettors copy odds: a column or a row of values.
#pragma once

#include <QStringList>

class QString;

namespace tenvo {

struct PastedText {
    enum class Kind {
        Plain,  // no line break and no tab: pasted as the box pastes any text
        Values, // a column or a row: one value a box, as it stands
        Table,  // several lines of several cells: refused
    };
    Kind kind = Kind::Plain;
    QStringList values; // for Values: blank lines and cells of white space left out
};

// Splits text at line breaks (LF, CRLF or CR) and tabs.
PastedText SplitPastedText(const QString& text);

} // namespace tenvo
