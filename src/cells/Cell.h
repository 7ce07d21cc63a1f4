#pragma once

#include "cells/CellExtension.h"
#include "cells/CellTypes.h"
#include "common/Colors.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace cellvex {

// One cell of a report: its content, formatting, input attributes, merge
// state and the rarely used extras. Cells are plain data held by value in the
// report's matrix; they are drawn by the cell surface and never are widgets.
// Geometry is not stored: a cell's rectangle comes from the rulers.
class Cell
{
public:
    Cell() = default;
    Cell(const Cell &other);
    Cell &operator=(const Cell &other);
    Cell(Cell &&) noexcept = default;
    Cell &operator=(Cell &&) noexcept = default;

    // --- content ---------------------------------------------------------------
    const QString &caption() const { return m_caption; }
    // Stores the text only; the report's caption setter raises the change events.
    void storeCaption(const QString &text) { m_caption = text; }

    CellKind kind() const { return m_kind; }
    void setKind(CellKind k) { m_kind = k; }

    // --- formatting ------------------------------------------------------------
    std::uint32_t fontId() const { return m_fontId; }
    void setFontId(std::uint32_t id) { m_fontId = id; }
    ColorRef backColor() const { return m_backColor; }
    void setBackColor(ColorRef c) { m_backColor = c; }
    HAlign alignment() const { return m_alignment; }
    void setAlignment(HAlign a) { m_alignment = a; }
    VAlign vAlignment() const { return m_vAlignment; }
    void setVAlignment(VAlign a) { m_vAlignment = a; }
    bool multiLine() const { return m_flags & MultiLineFlag; }
    void setMultiLine(bool v) { setFlag(MultiLineFlag, v); }

    int borderLeft() const { return m_borders[0]; }
    int borderTop() const { return m_borders[1]; }
    int borderRight() const { return m_borders[2]; }
    int borderBottom() const { return m_borders[3]; }
    // Each width that is not -1 and differs replaces the current one; true when
    // anything changed. Negative widths other than -1 are refused.
    bool setBorders(int left, int top, int right, int bottom);
    void getBorders(int &left, int &top, int &right, int &bottom) const;

    int diagonalType() const { return m_diagonal; }
    // Stores 1, 2 or 3; anything else clears the diagonal. Either way the
    // picture layer is replaced (a diagonal and a picture share it). A chart
    // cell ignores the call. Returns false when ignored.
    bool setDiagonalType(int value);

    // --- input attributes ------------------------------------------------------
    int formatType() const { return m_formatType; }
    void setFormatType(int t) { m_formatType = t; }
    bool readOnly() const { return m_flags & ReadOnlyFlag; }
    void setReadOnly(bool v) { setFlag(ReadOnlyFlag, v); }
    bool printHide() const { return m_flags & PrintHideFlag; }
    void setPrintHide(bool v) { setFlag(PrintHideFlag, v); }

    QString formatText() const { return m_ext ? m_ext->formatText : QString(); }
    void setFormatText(const QString &t) { setExtString(&CellExtension::formatText, t); }
    QString dropText() const { return m_ext ? m_ext->dropText : QString(); }
    void setDropText(const QString &t) { setExtString(&CellExtension::dropText, t); }
    QString checkText() const { return m_ext ? m_ext->checkText : QString(); }
    void setCheckText(const QString &t) { setExtString(&CellExtension::checkText, t); }
    QString imeName() const { return m_ext ? m_ext->imeName : QString(); }
    void setImeName(const QString &t) { setExtString(&CellExtension::imeName, t); }
    int textLength() const { return m_ext ? m_ext->textLength : 0; }
    void setTextLength(int v);
    int cellNextPX() const { return m_ext ? m_ext->cellNextPX : -1; }
    int cellNextPY() const { return m_ext ? m_ext->cellNextPY : -1; }
    void setCellNext(int px, int py);

    // --- scripts and formula ---------------------------------------------------
    QString scriptType() const { return m_ext ? m_ext->scriptType : QString(); }
    void setScriptType(const QString &t) { setExtString(&CellExtension::scriptType, t); }
    QString scriptText() const { return m_ext ? m_ext->scriptText : QString(); }
    void setScriptText(const QString &t);
    // True while the script text is not empty. Kept in the cell itself, so
    // that the check after every value change reads no extension.
    bool hasScript() const { return m_flags & kHaveScriptBit; }
    QString buttonScript() const { return m_ext ? m_ext->buttonScript : QString(); }
    void setButtonScript(const QString &t) { setExtString(&CellExtension::buttonScript, t); }
    QString expressionText() const { return m_ext ? m_ext->expressionText : QString(); }
    void setExpressionText(const QString &t) { setExtString(&CellExtension::expressionText, t); }

    // --- alias and append strings -----------------------------------------------
    QString aliasName() const { return m_ext ? m_ext->aliasName : QString(); }
    bool hasAlias() const { return m_ext && !m_ext->aliasName.isEmpty(); }
    // Stores the alias as it is. Code that writes it here directly, not
    // through the report's setter, tells the report (cellsReplaced), whose
    // lookup by alias keeps an index.
    void storeAlias(const QString &a) { setExtString(&CellExtension::aliasName, a); }

    int appendRange() const { return m_ext ? int(m_ext->appendStrings.size()) : 0; }
    // Resizes to `count` strings keeping those that still fit; a negative count changes nothing.
    bool setAppendRange(int count);
    bool setAppendString(int index, const QString &value);
    QString appendString(int index) const;

    // --- merge state --------------------------------------------------------------
    MergeSign sign() const { return m_sign; }
    BlockBounds block() const { return m_ext ? m_ext->block : BlockBounds{}; }
    void setMerge(MergeSign sign, const BlockBounds &bounds);

    // --- picture layer -------------------------------------------------------------
    bool haveImage() const { return m_flags & HaveImageFlag; }
    bool imageStretch() const { return m_flags & ImageStretchFlag; }
    const QImage *picture() const { return m_ext && !m_ext->picture.isNull() ? &m_ext->picture : nullptr; }
    void setPicture(const QImage &image, bool stretch);
    // Drops the layer with whatever it shows, the diagonal drawn on it included.
    void removePictureLayer();
    bool haveChart() const { return m_flags & HaveChartFlag; }
    // The chart while the cell has one (haveChart), else nullptr.
    CellChart *chart() { return m_ext && haveChart() ? m_ext->chart.get() : nullptr; }
    const CellChart *chart() const { return m_ext && haveChart() ? m_ext->chart.get() : nullptr; }
    // Gives the cell a chart (an empty one when it has none yet).
    CellChart &createChart();
    // Frees the chart; the picture layer is left as it is.
    void dropChart();
    // Puts an image on the picture layer (creating it) without touching
    // the stretch setting: a chart's snapshot, which always fills the cell.
    void storeLayerImage(const QImage &image);
    bool haveCheckBox() const { return m_flags & HaveCheckBoxFlag; }
    bool haveWidgetPanel() const { return m_flags & HaveWidgetPanelFlag; }
    std::uint32_t faceFontId() const { return m_ext ? m_ext->faceFontId : 0; }
    void setFaceFontId(std::uint32_t id) { extension().faceFontId = id; }

    // --- position (kept equal to the matrix indices by the report) -----------------
    int tagX() const { return m_tagX; }
    int tagY() const { return m_tagY; }
    void setTag(int x, int y)
    {
        m_tagX = x;
        m_tagY = y;
    }

    bool hasExtension() const { return bool(m_ext); }
    CellExtension &extension();
    // Read access to the rare fields; nullptr while the cell has none.
    const CellExtension *extensionIfAny() const { return m_ext.get(); }

    enum Flag : std::uint16_t {
        MultiLineFlag = 1 << 0,
        ReadOnlyFlag = 1 << 1,
        PrintHideFlag = 1 << 2,
        HaveImageFlag = 1 << 3,
        ImageStretchFlag = 1 << 4,
        HaveChartFlag = 1 << 5,
        HaveChartImageFlag = 1 << 6,
        HaveWidgetPanelFlag = 1 << 7,
        HaveCheckBoxFlag = 1 << 8,
    };
    bool flag(Flag f) const { return m_flags & f; }
    void setFlag(Flag f, bool on) { m_flags = on ? std::uint16_t(m_flags | f) : std::uint16_t(m_flags & ~f); }

private:
    // Beside the public flags, and set only by setScriptText: nothing else
    // may claim or drop a script.
    static constexpr std::uint16_t kHaveScriptBit = 1 << 15;

    void setExtString(QString CellExtension::*field, const QString &value);

    // What every value assignment reads (caption, extension, format type,
    // flags, kind) comes first, within one cache line for most cells.
    QString m_caption;
    std::unique_ptr<CellExtension> m_ext;
    std::int32_t m_formatType = 0;
    std::uint16_t m_flags = 0;
    CellKind m_kind = CellKind::Text;
    HAlign m_alignment = HAlign::Left;
    VAlign m_vAlignment = VAlign::Center;
    MergeSign m_sign = MergeSign::None;
    std::int8_t m_diagonal = 0;
    std::uint32_t m_fontId = 0;
    ColorRef m_backColor = 0xFFFFFF;
    std::int32_t m_borders[4] = {1, 1, 0, 0}; // left, top, right, bottom
    std::int32_t m_tagX = -1;
    std::int32_t m_tagY = -1;
};

} // namespace cellvex
