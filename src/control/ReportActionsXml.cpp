// The service's cell XML: exporting the values, importing them into the
// present grid, and the init script the import ends with.
#include "ReportActions.h"

#include "document/CellXmlImport.h"
#include "document/CellXmlReader.h"
#include "document/CellXmlWriter.h"
#include "document/DocumentLimits.h"
#include "grid/selection/SelectionController.h"

namespace cellvex {

QString ReportActions::exportXml(int type, const QString &encoding)
{
    m_report.setEditing(false);
    return exportCellXml(m_report, type, encoding);
}

void ReportActions::importXml(const QString &text)
{
    // Everything is read first: a text that cannot be read leaves the
    // report, and any input being typed, as they were.
    const CellXmlContent content = readCellXml(text, DocumentLimits().maxPictureBytes);
    const bool saved = m_report.saved();
    const std::uint64_t generation = m_report.generation();
    {
        PaintSuspension suspend(m_frame.paintedPanel());
        m_frame.discardInput();
        applyCellXml(m_report, content); // throws when a handler replaced the report
        selection().clearSelection();
        selection().repaint();
    }
    m_report.setSaved(saved);
    runInitialScript();
    if (m_report.generation() != generation)
        return;
    if (m_events.connected()) {
        m_events.inputChange(-1, -1);
        if (m_report.generation() == generation)
            m_events.selectChange(-1, -1, -1, -1);
    }
}

void ReportActions::runInitialScript()
{
    const QString text = m_report.initialScriptText();
    if (text.trimmed().isEmpty())
        return;
    runCellScriptOf(-1, -1, text, m_report.initialScriptType());
}

} // namespace cellvex
