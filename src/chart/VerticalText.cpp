#include "chart/VerticalText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace cellvex {

namespace {

struct Run
{
    QString text;
    bool upright = false;
};

// Upright characters are runs of one (each is its own line of the column).
std::vector<Run> splitRuns(const QString &text)
{
    std::vector<Run> runs;
    for (char32_t c : text.toUcs4()) {
        const QString s = QString::fromUcs4(&c, 1);
        if (VerticalText::isUpright(c)) {
            runs.push_back(Run{s, true});
        } else if (!runs.empty() && !runs.back().upright) {
            runs.back().text += s;
        } else {
            runs.push_back(Run{s, false});
        }
    }
    return runs;
}

double advanceOf(const Run &run, const QFontMetricsF &fm)
{
    return run.upright ? fm.height() : fm.horizontalAdvance(run.text);
}

} // namespace

bool VerticalText::isUpright(char32_t c)
{
    // Brackets, wave dash, the long vowel mark and full-width dashes turn with the column.
    if ((c >= 0x3008 && c <= 0x3011) || (c >= 0x3014 && c <= 0x301F) || c == 0x30FC || c == 0xFF08 ||
        c == 0xFF09 || c == 0xFF0D || c == 0xFF1A || c == 0xFF1B || c == 0xFF3B || c == 0xFF3D ||
        c == 0xFF5B || c == 0xFF5D || c == 0xFF5E || c == 0x2014 || c == 0x2026)
        return false;
    return (c >= 0x1100 && c <= 0x11FF) || // Hangul jamo
           (c >= 0x2E80 && c <= 0x9FFF) || // CJK radicals, symbols, kana, ideographs
           (c >= 0xAC00 && c <= 0xD7AF) || // Hangul syllables
           (c >= 0xF900 && c <= 0xFAFF) || // compatibility ideographs
           (c >= 0xFF00 && c <= 0xFFEF) || // full-width forms
           (c >= 0x20000 && c <= 0x3FFFF); // supplementary ideographs
}

QSizeF VerticalText::size(const QString &text, const QFont &font)
{
    if (text.isEmpty())
        return QSizeF(0, 0);
    const QFontMetricsF fm(font);
    double height = 0;
    double width = fm.height();
    for (const Run &run : splitRuns(text)) {
        height += advanceOf(run, fm);
        if (run.upright)
            width = std::max(width, fm.horizontalAdvance(run.text));
    }
    return QSizeF(width, height);
}

void VerticalText::draw(QPainter &p, const QRectF &box, const QString &text, const QFont &font)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF fm(font);
    const QSizeF total = size(text, font);
    const double centreX = box.center().x();
    double y = box.center().y() - total.height() / 2;
    p.save();
    p.setFont(font);
    for (const Run &run : splitRuns(text)) {
        const double advance = advanceOf(run, fm);
        if (run.upright) {
            const double w = fm.horizontalAdvance(run.text);
            p.drawText(QPointF(centreX - w / 2, y + fm.ascent()), run.text);
        } else {
            p.save();
            p.translate(centreX, y);
            p.rotate(90);
            // Turned a quarter clockwise the baseline runs down the column;
            // centring ascent and descent about it keeps the run in the middle.
            p.drawText(QPointF(0, (fm.ascent() - fm.descent()) / 2), run.text);
            p.restore();
        }
        y += advance;
    }
    p.restore();
}

} // namespace cellvex
