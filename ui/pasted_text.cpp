// SPDX-License-Identifier: MIT
// Splitting pasted text into values.
#include "ui/pasted_text.h"

#include <QRegularExpression>

namespace tenvo {

PastedText SplitPastedText(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    if (!text.contains(lineBreak) && !text.contains(QLatin1Char('\t')))
        return {};
    PastedText pasted{PastedText::Kind::Values, {}};
    int lines = 0;
    bool cells = false; // some line holds more than one value
    for (const QString& line : text.split(lineBreak)) {
        QStringList row;
        for (const QString& cell : line.split(QLatin1Char('\t')))
            if (!cell.trimmed().isEmpty())
                row << cell;
        lines += !row.isEmpty();
        cells |= row.size() > 1;
        pasted.values << row;
    }
    if (lines > 1 && cells)
        return {PastedText::Kind::Table, {}};
    return pasted;
}

} // namespace tenvo
