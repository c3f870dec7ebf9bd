// SPDX-License-Identifier: MIT
// A figure written into a narrow box: always whole, the sign first of all.
#pragma once

class QLineEdit;
class QString;

namespace tenvo {

// The smallest point size a figure is drawn in to make it fit its box.
inline constexpr double kFigureFloorPointSize = 6.0;

// Sets the box's text to the figure, shown from its first character. A figure too wide for the
// box is drawn in a smaller size of the box's font, down to kFigureFloorPointSize, so that
// every character stays inside the box; the text and what assistive technologies read stay
// the exact figure, and the tooltip repeats it in full.
void ShowFigure(QLineEdit* box, const QString& figure);

} // namespace tenvo
