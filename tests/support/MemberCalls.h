#pragma once

#include "automation/ErrorInfo.h"
#include "automation/MemberId.h"
#include "common/ReportError.h"
#include "control/CellvexControl.h"
#include "control/MemberBoundary.h"

#include <QString>

#include <vector>

namespace cellvex::test {

// The members of a control called the way a host calls them (1-based,
// through the member boundary), under the interface's names. A failing
// member throws ReportError with the error description.
class MemberCalls
{
public:
    using V = automation::Variant;
    explicit MemberCalls(CellvexControl &control) : m_control(control) {}

    // Runs the member with arguments of its declared types; out arguments
    // are written back into `args`.
    V call(automation::MemberId id, std::vector<V> &args)
    {
        automation::ErrorInfo errors;
        V result;
        const automation::HResult hr =
            runMember(m_control.actions(), automation::rowIndexOf(id), args, &result, errors);
        if (automation::failed(hr))
            throw ReportError(errors.description());
        return result;
    }
    V call(automation::MemberId id, std::vector<V> &&args = {}) { return call(id, args); }

    // --- the report --------------------------------------------------------------------
    void NewReport(int cols, int rows) { call(Id::NewReport, {L(cols), L(rows)}); }
    int ColCount() { return call(Id::get_ColCount).asLong(); }
    int RowCount() { return call(Id::get_RowCount).asLong(); }
    int HeaderCount() { return call(Id::get_HeaderCount).asLong(); }
    void setHeaderCount(int v) { call(Id::put_HeaderCount, {L(v)}); }
    int FooterCount() { return call(Id::get_FooterCount).asLong(); }
    void setFooterCount(int v) { call(Id::put_FooterCount, {L(v)}); }
    bool Saved() { return call(Id::get_Saved).asBool(); }
    void setSaved(bool v) { call(Id::put_Saved, {B(v)}); }
    int PoleVisible() { return call(Id::get_PoleVisible).asLong(); }
    void setPoleVisible(int v) { call(Id::put_PoleVisible, {L(v)}); }
    int GetColWidth(int col) { return call(Id::GetColWidth, {L(col)}).asLong(); }
    int GetRowHeight(int row) { return call(Id::GetRowHeight, {L(row)}).asLong(); }
    void GetSelectedCell(int &minCol, int &minRow, int &maxCol, int &maxRow)
    {
        std::vector<V> a(4);
        call(Id::GetSelectedCell, a);
        minCol = a[0].asLong();
        minRow = a[1].asLong();
        maxCol = a[2].asLong();
        maxRow = a[3].asLong();
    }
    void GetInputingCell(int &col, int &row)
    {
        std::vector<V> a(2);
        call(Id::GetInputingCell, a);
        col = a[0].asLong();
        row = a[1].asLong();
    }

    // --- cell attributes -------------------------------------------------------------------
    void SetFontName(int c, int r, const QString &v) { call(Id::SetFontName, {L(c), L(r), S(v)}); }
    QString GetFontName(int c, int r) { return call(Id::GetFontName, {L(c), L(r)}).asString(); }
    void SetFontSize(int c, int r, int v) { call(Id::SetFontSize, {L(c), L(r), L(v)}); }
    int GetFontSize(int c, int r) { return call(Id::GetFontSize, {L(c), L(r)}).asLong(); }
    void SetFontColor(int c, int r, ColorRef v) { call(Id::SetFontColor, {L(c), L(r), C(v)}); }
    ColorRef GetFontColor(int c, int r) { return ColorRef(call(Id::GetFontColor, {L(c), L(r)}).asLong()); }
    void SetFontStyleBold(int c, int r, bool v) { call(Id::SetFontStyleBold, {L(c), L(r), B(v)}); }
    void SetFontStyleItalic(int c, int r, bool v) { call(Id::SetFontStyleItalic, {L(c), L(r), B(v)}); }
    void SetFontStyleUnderline(int c, int r, bool v) { call(Id::SetFontStyleUnderline, {L(c), L(r), B(v)}); }
    void SetFontStyleStrikeout(int c, int r, bool v) { call(Id::SetFontStyleStrikeout, {L(c), L(r), B(v)}); }
    bool GetFontStyleBold(int c, int r) { return call(Id::GetFontStyleBold, {L(c), L(r)}).asBool(); }
    bool GetFontStyleItalic(int c, int r) { return call(Id::GetFontStyleItalic, {L(c), L(r)}).asBool(); }
    bool GetFontStyleUnderline(int c, int r)
    {
        return call(Id::GetFontStyleUnderline, {L(c), L(r)}).asBool();
    }
    bool GetFontStyleStrikeout(int c, int r)
    {
        return call(Id::GetFontStyleStrikeout, {L(c), L(r)}).asBool();
    }
    void SetLabelHAlignment(int c, int r, int v) { call(Id::SetLabelHAlignment, {L(c), L(r), L(v)}); }
    int GetLabelHAlignment(int c, int r) { return call(Id::GetLabelHAlignment, {L(c), L(r)}).asLong(); }
    void SetLabelVAlignment(int c, int r, int v) { call(Id::SetLabelVAlignment, {L(c), L(r), L(v)}); }
    int GetLabelVAlignment(int c, int r) { return call(Id::GetLabelVAlignment, {L(c), L(r)}).asLong(); }
    void SetCellBorders(int c, int r, int type, int width)
    {
        call(Id::SetCellBorders, {L(c), L(r), L(type), L(width)});
    }
    int GetCellBorders(int c, int r, int type)
    {
        return call(Id::GetCellBorders, {L(c), L(r), L(type)}).asLong();
    }
    void SetCellBackColor(int c, int r, ColorRef v) { call(Id::SetCellBackColor, {L(c), L(r), C(v)}); }
    ColorRef GetCellBackColor(int c, int r)
    {
        return ColorRef(call(Id::GetCellBackColor, {L(c), L(r)}).asLong());
    }
    void SetMultiLine(int c, int r, bool v) { call(Id::SetMultiLine, {L(c), L(r), B(v)}); }
    bool GetMultiLine(int c, int r) { return call(Id::GetMultiLine, {L(c), L(r)}).asBool(); }
    void SetCellAlias(int c, int r, const QString &v) { call(Id::SetCellAlias, {L(c), L(r), S(v)}); }
    QString GetCellAlias(int c, int r) { return call(Id::GetCellAlias, {L(c), L(r)}).asString(); }
    void DeleteAlias(const QString &v) { call(Id::DeleteAlias, {S(v)}); }
    QString GetAllAlias() { return call(Id::GetAllAlias).asString(); }
    void GetCellReferenceByAlias(const QString &alias, int &col, int &row)
    {
        std::vector<V> a{S(alias), V(), V()};
        call(Id::GetCellReferenceByAlias, a);
        col = a[1].asLong();
        row = a[2].asLong();
    }
    void SetAppendRange(int c, int r, int v) { call(Id::SetAppendRange, {L(c), L(r), L(v)}); }
    int GetAppendRange(int c, int r) { return call(Id::GetAppendRange, {L(c), L(r)}).asLong(); }
    void SetAppendString(int c, int r, int i, const QString &v)
    {
        call(Id::SetAppendString, {L(c), L(r), L(i), S(v)});
    }
    QString GetAppendString(int c, int r, int i)
    {
        return call(Id::GetAppendString, {L(c), L(r), L(i)}).asString();
    }

    // --- workbooks -----------------------------------------------------------------------
    void TransExcel(const QString &file, bool selected, int c1, int r1, int c2, int r2)
    {
        call(Id::TransExcel, {S(file), B(selected), L(c1), L(r1), L(c2), L(r2)});
    }
    // The worksheet's first column, last column, first row, last row.
    void TransFormExcel(const QString &file, int firstCol, int lastCol, int firstRow, int lastRow)
    {
        call(Id::TransFormExcel, {S(file), L(firstCol), L(lastCol), L(firstRow), L(lastRow)});
    }

private:
    using Id = automation::MemberId;
    static V L(int v) { return V::fromLong(v); }
    static V B(bool v) { return V::fromBool(v); }
    static V S(const QString &v) { return V::fromString(v); }
    static V C(ColorRef v) { return V::fromColor(automation::OleColor(v)); }

    CellvexControl &m_control;
};

} // namespace cellvex::test
