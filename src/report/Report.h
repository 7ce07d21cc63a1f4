#pragma once

#include "cells/CellMatrix.h"
#include "cells/FontTable.h"
#include "common/ReportError.h"
#include "report/AliasIndex.h"
#include "report/PageSettings.h"
#include "report/ReportListener.h"
#include "report/ReportRect.h"
#include "rulers/RulerModel.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

namespace cellvex {

// The whole state of one report: the two rulers that own the geometry, the
// cell matrix, the fonts the cells use, and the report-wide state. Widget free;
// coordinates are 0-based. The control translates interface calls into these
// operations and the cell surface paints from it.
class Report : private RulerListener
{
public:
    Report();
    // The rulers report to this object: it stays where it was built.
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    // --- changes -------------------------------------------------------------------
    // The one listener of this report's changes, captions and button presses.
    void setListener(ReportListener *listener) { m_listener = listener; }
    ReportListener *listener() const { return m_listener; }
    // Announces a change of one cell (for operations on cells outside this class).
    void cellChanged(int col, int row, unsigned flags);
    void reportChanged(unsigned flags);

    // --- structure ---------------------------------------------------------------
    RulerModel &colRuler() { return m_colRuler; }
    RulerModel &rowRuler() { return m_rowRuler; }
    const RulerModel &colRuler() const { return m_colRuler; }
    const RulerModel &rowRuler() const { return m_rowRuler; }
    CellMatrix &cells() { return m_cells; }
    const CellMatrix &cells() const { return m_cells; }
    FontTable &fonts() { return m_fonts; }
    const FontTable &fonts() const { return m_fonts; }
    // Paper, margins, page texts and print options; kept when the matrix is rebuilt.
    PageSettings &pageSettings() { return m_pageSettings; }
    const PageSettings &pageSettings() const { return m_pageSettings; }

    int colCount() const { return m_colRuler.poleCount(); }
    int rowCount() const { return m_rowRuler.poleCount(); }
    bool contains(int col, int row) const { return m_cells.contains(col, row); }
    Cell *cell(int col, int row) { return m_cells.find(col, row); }
    const Cell *cell(int col, int row) const { return m_cells.find(col, row); }

    // Discards everything and builds an empty report; refuses negative counts
    // and sizes whose pixel extent does not fit 32 bit, leaving the report as it was.
    void newReport(int cols, int rows);
    // Throws ReportError when newReport would refuse these counts.
    void checkNewReportSize(int cols, int rows) const;
    // Counts a rebuild of the matrix: code that raised an event re-checks it
    // before touching cells again.
    std::uint64_t generation() const { return m_generation; }
    // Structure edits (inserting, deleting columns or rows) move cells as a
    // rebuild does: code holding a Cell* or a position from before must stop.
    void matrixReshaped() { ++m_generation; }

    // --- geometry ----------------------------------------------------------------
    int colWidth(int col) const;  // -1 outside the grid
    int rowHeight(int row) const; // -1 outside the grid
    // The cell's rectangle; a master cell spans its block.
    ReportRect cellRect(int col, int row) const;
    // The pixel extent of the cell surface for the current rulers.
    std::int64_t surfaceWidth() const { return m_colRuler.totalLength() + 3; }
    std::int64_t surfaceHeight() const { return m_rowRuler.totalLength() + 3; }

    // --- state -----------------------------------------------------------------------
    bool saved() const { return m_saved; }
    void setSaved(bool s) { m_saved = s; }
    int headerCount() const { return m_headerCount; }
    void setHeaderCount(int v) { m_headerCount = v; }
    int footerCount() const { return m_footerCount; }
    void setFooterCount(int v) { m_footerCount = v; }
    int poleVisible() const { return m_poleVisible; }
    void setPoleVisibleValue(int v) { m_poleVisible = v; }
    ColorRef inputColor() const { return m_inputColor; }
    void setInputColor(ColorRef c) { m_inputColor = c; }
    ColorRef selectedColor() const { return m_selectedColor; }
    void setSelectedColor(ColorRef c) { m_selectedColor = c; }

    int inputCol() const { return m_inputCol; }
    int inputRow() const { return m_inputRow; }
    void setInputCell(int col, int row);
    // Selection rectangle, inclusive; minCol -1 means nothing is selected.
    QRect selection() const { return m_selection; }
    bool hasSelection() const { return m_selection.left() >= 0; }
    void setSelectionRect(int minCol, int minRow, int maxCol, int maxRow);
    bool inSelection(int col, int row) const;
    // Colour a cell shows: the input colour on the input cell, the selection
    // colour on other selected cells, its own background otherwise.
    ColorRef displayedColor(int col, int row) const;

    bool editing() const { return m_editing; }
    void setEditing(bool e) { m_editing = e; }
    bool wholeColumnMode() const { return m_wholeColumnMode; }
    bool wholeRowMode() const { return m_wholeRowMode; }
    void setWholeModes(bool column, bool row)
    {
        m_wholeColumnMode = column;
        m_wholeRowMode = row;
    }
    QString initialScriptType() const { return m_initialScriptType; }
    QString initialScriptText() const { return m_initialScriptText; }
    void setInitialScript(const QString &type, const QString &text)
    {
        m_initialScriptType = type;
        m_initialScriptText = text;
    }
    // Cell scripts run after a value change only while this is on; the cell
    // XML import turns it off while it writes the imported values.
    bool scriptsEnabled() const { return m_scriptsEnabled; }
    void setScriptsEnabled(bool on) { m_scriptsEnabled = on; }

    // --- cell content and formatting (each acting setter marks the report changed) ---
    // The one way a caption changes: store, let the listener adjust the text
    // (captionChanging), show it, then tell the listener (captionChanged).
    void setCellCaption(int col, int row, const QString &value);

    void setFontName(int col, int row, const QString &name);
    void setFontSize(int col, int row, int size);
    void setFontColor(int col, int row, ColorRef color);
    void setFontStyle(int col, int row, int style, bool on); // style: 0 bold, 1 italic, 2 underline, 3 strike
    const FontAttributes &cellFont(int col, int row) const;

    void setAlignment(int col, int row, HAlign a);
    void setVAlignment(int col, int row, VAlign a);
    void setMultiLine(int col, int row, bool on);
    void setBackColor(int col, int row, ColorRef color);
    // Border type 0 sets the diagonal; 1-4 a border width, on the master when
    // the cell is covered by a block. Negative widths and other types do nothing.
    void setCellBorders(int col, int row, int type, int width);
    int cellBorders(int col, int row, int type) const; // -1 for an unknown type or cell

    // Alias rules: a valid alias is stored only when no cell has it yet; an
    // empty one clears; anything else changes nothing.
    void setCellAlias(int col, int row, const QString &alias);
    void deleteAlias(const QString &alias);
    // First cell (columns first, then rows) with the alias; false when none or empty.
    bool findAlias(const QString &alias, int &col, int &row) const;
    // Last such cell, for the members that answer from the last match.
    bool findLastAlias(const QString &alias, int &col, int &row) const;
    // Column, row, alias lines (1-based), each ended by CR LF.
    QString allAliases() const;
    // For code that replaces cells wholesale (a reset, a paste): aliases may
    // have come or gone without the setters.
    void cellsReplaced() { m_aliasIndex.invalidate(); }

    void setAppendRange(int col, int row, int count);
    void setAppendString(int col, int row, int index, const QString &value);

    // Restores the layering of every captioned cell after a load.
    void refreshAllBorders();

    // --- calls out to code that may call back (HostCallScope) --------------------------
    // Events raised to the host and the steps of formula and script chains
    // share this one depth count (see HostCallScope).
    static constexpr int kMaxChainDepth = 32;
    // False, changing nothing, when the chain is already at its limit.
    bool enterChain()
    {
        if (m_chainDepth >= kMaxChainDepth)
            return false;
        ++m_chainDepth;
        return true;
    }
    void leaveChain() { --m_chainDepth; }
    int chainDepth() const { return m_chainDepth; }

private:
    void markChanged() { m_saved = false; }
    void rulerChanged(Orientation o) override;
    void highlightChanged(Orientation o, int first, int last) override;
    void displayCountChanged(Orientation o, int count) override;
    // Finds the cell, lets `edit` change it, marks the report changed and
    // announces an appearance change; nothing happens outside the matrix.
    void changeAppearance(int col, int row, const std::function<void(Cell &)> &edit);
    void changeFont(int col, int row, const std::function<void(FontAttributes &)> &edit);

    RulerModel m_colRuler{Orientation::Horizontal};
    RulerModel m_rowRuler{Orientation::Vertical};
    CellMatrix m_cells;
    AliasIndex m_aliasIndex;
    FontTable m_fonts;
    PageSettings m_pageSettings;
    ReportListener *m_listener = nullptr;
    std::uint64_t m_generation = 0;
    int m_chainDepth = 0;

    int m_inputCol = -1;
    int m_inputRow = -1;
    QRect m_selection{QPoint(-1, -1), QPoint(-1, -1)};
    ColorRef m_inputColor = 0x9FFFFF;
    ColorRef m_selectedColor = 0x9F683F;
    bool m_saved = true;
    int m_headerCount = 0;
    int m_footerCount = 0;
    int m_poleVisible = 1;
    bool m_editing = false;
    bool m_wholeColumnMode = false;
    bool m_wholeRowMode = false;
    QString m_initialScriptType;
    QString m_initialScriptText;
    bool m_scriptsEnabled = true;
};

} // namespace cellvex
