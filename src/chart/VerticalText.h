#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace cellvex {

// Text set in one column running top to bottom, as East Asian vertical
// writing does: ideographs, kana and full-width letters stand upright one
// under the other; Latin runs, brackets and dashes are turned a quarter
// clockwise so that they read downwards with the column.
class VerticalText
{
public:
    static QSizeF size(const QString &text, const QFont &font);
    // Draws the column centred in `box`.
    static void draw(QPainter &p, const QRectF &box, const QString &text, const QFont &font);
    // Whether a character stands upright in the column.
    static bool isUpright(char32_t c);
};

} // namespace cellvex
