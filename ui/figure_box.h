// SPDX-License-Identifier: MIT
// A figure written into a narrow box: always whole, the sign first of all.
#pragma once

class QLineEdit;
class QString;

namespace tenvo {

// The smallest point size a figure is drawn in to make it fit its box.
inline constexpr double kFigureFloorPointSize = 6.0;

// Shows the box's text from its first character. A text too wide for the box is drawn in a
// smaller size of the window's font, down to kFigureFloorPointSize, so that every character
// stays inside the box; the text and what assistive technologies read stay exact, and the
// tooltip repeats it in full.
void FitFigure(QLineEdit* box);

// Sets the box's text to the figure, fitted as FitFigure fits it.
void ShowFigure(QLineEdit* box, const QString& figure);

} // namespace tenvo
