#include "SelectionShift.h"

#include "report/Report.h"

namespace cellvex {

bool shiftSpanForInsert(LineSpan &s, int at, int count)
{
    if (!s.exists())
        return false;
    if (s.first >= at) {
        s.first += count;
        s.last += count;
        if (s.input >= 0)
            s.input += count;
        return true;
    }
    if (s.last >= at) {
        s.last += count;
        if (s.input >= at)
            s.input += count;
        return true;
    }
    return false;
}

bool shiftSpanForDelete(LineSpan &s, int first, int last)
{
    if (!s.exists() || first > s.last)
        return false;
    const int n = last - first + 1;
    // The input line after the deletion: moved back when after it, or the
    // fallback when it was deleted.
    auto follow = [&](int fallback) {
        if (s.input > last)
            s.input -= n;
        else if (s.input >= first)
            s.input = fallback;
    };
    if (s.first < first) {
        if (s.last <= last) { // the right (lower) part is deleted
            s.last = first - 1;
            if (s.input > s.last)
                s.input = s.first;
        } else { // the deletion lies inside the span
            s.last -= n;
            follow(s.first);
        }
        return true;
    }
    if (s.first > last) { // the span lies after the deletion
        s.first -= n;
        s.last -= n;
        if (s.input >= 0)
            s.input -= n;
        return true;
    }
    if (s.last <= last) { // the whole span is deleted
        s = LineSpan{};
        return true;
    }
    // The left (upper) part is deleted.
    s.last -= n;
    s.first = first;
    follow(first);
    return true;
}

namespace {

LineSpan spanOf(const Report &r, bool columns)
{
    if (!r.hasSelection())
        return {};
    const QRect s = r.selection();
    return columns ? LineSpan{s.left(), s.right(), r.inputCol()}
                   : LineSpan{s.top(), s.bottom(), r.inputRow()};
}

void store(Report &r, bool columns, const LineSpan &span)
{
    if (!span.exists()) {
        r.setSelectionRect(-1, -1, -1, -1);
        r.setInputCell(-1, -1);
        return;
    }
    const QRect s = r.selection();
    if (columns) {
        r.setSelectionRect(span.first, s.top(), span.last, s.bottom());
        r.setInputCell(span.input, r.inputRow());
    } else {
        r.setSelectionRect(s.left(), span.first, s.right(), span.last);
        r.setInputCell(r.inputCol(), span.input);
    }
}

} // namespace

bool shiftSelectionForInsert(Report &report, Orientation axis, int at, int count)
{
    const bool columns = axis == Orientation::Horizontal;
    LineSpan span = spanOf(report, columns);
    if (!shiftSpanForInsert(span, at, count))
        return false;
    store(report, columns, span);
    return true;
}

bool shiftSelectionForDelete(Report &report, Orientation axis, int first, int last)
{
    const bool columns = axis == Orientation::Horizontal;
    LineSpan span = spanOf(report, columns);
    if (!shiftSpanForDelete(span, first, last))
        return false;
    store(report, columns, span);
    return true;
}

} // namespace cellvex
