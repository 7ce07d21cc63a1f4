// The date editor of the in-place input: a picker that starts from today and
// OK, cancel and clear buttons; the input cell is the target.
#include "control/input/DateEditorCaption.h"
#include "control/input/InPlaceEditor.h"
#include "grid/SystemDateFormat.h"
#include "grid/selection/SelectionController.h"
#include "report/Report.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace cellvex {

namespace {

constexpr int kDateEditorWidth = 179;
constexpr int kDateEditorHeight = 22;

} // namespace

void InPlaceEditor::prepareDate(const Cell &cell)
{
    m_case = LetterCase::Normal;
    m_control.report().setEditing(true);
    // The picker starts from today, not from the caption, which need not be a date.
    m_picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_picker->setDate(QDate::currentDate());
    for (QPushButton *b : {m_ok, m_cancel, m_clear})
        b->setDown(false);
    const QRect r = cellOnSurface();
    m_w.datePanel->setGeometry(r.x(), r.y(), kDateEditorWidth, kDateEditorHeight);
    m_w.datePanel->show();
    applyIme(m_picker, cell.imeName());
    m_w.datePanel->raise();
}

// --- the date editor -----------------------------------------------------------------------

void InPlaceEditor::guarded(void (InPlaceEditor::*handler)())
{
    m_control.runGuarded([this, handler] { (this->*handler)(); });
}

void InPlaceEditor::acceptDate()
{
    Report &report = m_control.report();
    const int col = report.inputCol(), row = report.inputRow();
    m_ok->setFocus();
    std::optional<QString> caption;
    if (const Cell *c = inputCell()) {
        const QDate d = m_picker->date();
        // Throws for a caption that is no date: the editor stays open.
        caption = dateEditorCaption(c->formatType(), c->formatText(), c->caption(),
                                    CalendarDate{d.year(), d.month(), d.day()}, systemDateFormat());
    }
    const std::uint64_t gen = report.generation();
    hideDateEditor();
    m_w.edit->setFocus();
    report.setEditing(false); // a date-editor button ends input
    if (caption)
        report.setCellCaption(col, row, *caption);
    if (report.generation() == gen && inputCell())
        report.setSaved(false);
}

void InPlaceEditor::cancelDate()
{
    hideDateEditor();
    m_w.edit->setFocus();
    m_control.report().setEditing(false);
}

void InPlaceEditor::clearDate()
{
    Report &report = m_control.report();
    const int col = report.inputCol(), row = report.inputRow();
    const std::uint64_t gen = report.generation();
    hideDateEditor();
    m_w.edit->setFocus();
    report.setEditing(false);
    const Cell *c = inputCell();
    if (!c)
        return;
    if (!c->caption().isEmpty())
        report.setCellCaption(col, row, QString());
    if (report.generation() == gen)
        report.setSaved(false);
}

} // namespace cellvex
