#include "TextLayout.h"

#include "common/AnsiText.h"
#include "common/Rounding.h"

namespace cellvex {

std::vector<QString> buildTextLines(const TextLayoutInput &in, const TextMeasure &measure)
{
    std::vector<QString> lines;
    if (in.caption.isEmpty() || in.kind == CellKind::CheckBox)
        return lines;
    if (!in.multiLine || in.kind == CellKind::Button) {
        lines.push_back(in.caption);
        return lines;
    }
    const int available = in.width - in.left - in.right;
    const QString &text = in.caption;
    qsizetype pos = 0;
    while (pos < text.size()) {
        // A line always starts with one character, however wide.
        qsizetype end = pos + charUnitsAt(text, pos);
        int width = measure.width(text.mid(pos, end - pos));
        qsizetype lastStart = pos;
        while (width < available && end < text.size()) {
            lastStart = end;
            end += charUnitsAt(text, end);
            width = measure.width(text.mid(pos, end - pos));
        }
        if (lastStart > pos && width >= available)
            end = lastStart; // the last character goes back to the rest
        lines.push_back(text.mid(pos, end - pos));
        pos = end;
    }
    return lines;
}

void placeTextLines(const TextLayoutInput &in, TextLayout &layout)
{
    layout.lineValues.clear();
    layout.linePoints.clear();
    for (TextLine &l : layout.lines)
        l.visible = false;
    const int W = in.width, H = in.height, L = in.left, T = in.top, R = in.right, B = in.bottom;
    if (!(T + B < H && L + R < W) || layout.lines.empty())
        return;

    HAlign halign = in.alignment;
    VAlign valign = in.vAlignment;
    if (in.kind == CellKind::Button) {
        halign = HAlign::Center;
        valign = VAlign::Center;
    }

    for (TextLine &l : layout.lines) {
        switch (halign) {
        case HAlign::Left:
            l.x = L;
            break;
        case HAlign::Right:
            l.x = W - R - l.width - (in.kind == CellKind::DropDown ? kDropButtonRoom : 0);
            break;
        case HAlign::Center:
            l.x = L + int(halfRoundedEven(std::int64_t(W) - L - R - l.width));
            break;
        }
    }

    auto &lines = layout.lines;
    const int n = int(lines.size());
    auto placeTop = [&](int i, int y) {
        lines[size_t(i)].y = y;
        lines[size_t(i)].visible = true;
    };
    auto placeBottom = [&](int i, int bottom) { placeTop(i, bottom - lines[size_t(i)].height); };

    switch (valign) {
    case VAlign::Top: {
        int y = T;
        for (int i = 0; i < n && y < H - B; ++i) {
            placeTop(i, y);
            y += lines[size_t(i)].height;
        }
        break;
    }
    case VAlign::Bottom: {
        int y = H - B;
        for (int i = n - 1; i >= 0 && y > T; --i) {
            placeBottom(i, y);
            y = lines[size_t(i)].y;
        }
        break;
    }
    case VAlign::Center: {
        const int c = T + (H - T - B) / 2;
        const int k = n / 2;
        int u = 0, d = 0;
        if (n % 2 == 1) {
            const int h = lines[size_t(k)].height;
            placeTop(k, c - h / 2);
            u = c - (h + 1) / 2;
            d = c + (h + 1) / 2;
        } else {
            placeBottom(k - 1, c);
            placeTop(k, c);
            u = lines[size_t(k - 1)].y;
            d = c + lines[size_t(k)].height;
        }
        // Lines are added in pairs around the middle while both sides have room.
        for (int i = 1; i < (n + 1) / 2; ++i) {
            if (u <= T || d >= H - B)
                break;
            const int upper = (n - 1) / 2 - i;
            placeBottom(upper, u);
            u = lines[size_t(upper)].y;
            const int lower = k + i;
            placeTop(lower, d);
            d += lines[size_t(lower)].height;
        }
        break;
    }
    }

    const bool dropRight = in.kind == CellKind::DropDown && halign == HAlign::Right;
    for (const TextLine &l : lines) {
        if (!l.visible)
            continue;
        layout.lineValues.append(l.text);
        layout.linePoints.emplace_back(l.x + (dropRight ? kDropButtonRoom : 0), l.y);
    }
}

TextLayout layoutCellText(const TextLayoutInput &in, const TextMeasure &measure)
{
    TextLayout layout;
    for (QString &text : buildTextLines(in, measure)) {
        TextLine l;
        l.width = measure.width(text);
        l.height = measure.lineHeight;
        l.text = std::move(text);
        layout.lines.push_back(std::move(l));
    }
    placeTextLines(in, layout);
    return layout;
}

} // namespace cellvex
