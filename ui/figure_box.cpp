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

// The width a line edit lays its text out in: the style's contents rectangle, less the text
// margins and the two pixels QLineEdit keeps clear on each side, less one for the cursor.
double TextRoom(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.width() - box->textMargins().left() - box->textMargins().right() - 4 - 1;
}

} // namespace

void ShowFigure(QLineEdit* box, const QString& figure) {
    QFont font = box->parentWidget() ? box->parentWidget()->font() : QApplication::font();
    const double room = TextRoom(box);
    for (double size = font.pointSizeF();
         size > kFigureFloorPointSize && QFontMetricsF(font).horizontalAdvance(figure) > room;) {
        size = std::max(kFigureFloorPointSize, size - 0.5);
        font.setPointSizeF(size);
    }
    box->setFont(font);
    box->setText(figure);
    box->setCursorPosition(0);
    box->setToolTip(figure);
}

} // namespace tenvo
