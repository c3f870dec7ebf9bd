// SPDX-License-Identifier: MIT
// Fitting a figure to its box by the size of its font.
#include "ui/figure_box.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tenvo {
namespace {

// The width of the line a line edit lays its text out in: the style's contents rectangle, less
// the text margins and the two pixels QLineEdit keeps clear on each side.
int LineWidth(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.width() - box->textMargins().left() - box->textMargins().right() - 4;
}

// QLineEdit's own test of a text that needs no scrolling: its width, rounded to pixels, and a
// pixel for the cursor fit in the line.
bool Fits(const QString& figure, const QFont& font, int line) {
    return qRound(QFontMetricsF(font).horizontalAdvance(figure)) + 1 <= line;
}

} // namespace

void FitFigure(QLineEdit* box) {
    const QString figure = box->text();
    QFont font = box->parentWidget() ? box->parentWidget()->font() : QApplication::font();
    const int line = LineWidth(box);
    for (double size = font.pointSizeF();
         size > kFigureFloorPointSize && !Fits(figure, font, line);) {
        size = std::max(kFigureFloorPointSize, size - 0.5);
        font.setPointSizeF(size);
    }
    box->setFont(font);
    box->setCursorPosition(0);
    box->setToolTip(figure);
}

void ShowFigure(QLineEdit* box, const QString& figure) {
    box->setText(figure);
    FitFigure(box);
}

} // namespace tenvo
