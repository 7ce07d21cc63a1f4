#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace cellvex {

class Report;

// A cell the script assigns a value to: the SetCell command's 0-based
// target and the body line (1-based, before the header) of the inserted
// "execute<k> = 1" statement, which the error handler needs to map a line
// of the run script back to the source.
struct SetCellRequest
{
    int col = -1;
    int row = -1;
    int bodyLine = 0;
};

// A button the script presses: the ExecuteButton command's 0-based target.
struct ButtonRequest
{
    int col = -1;
    int row = -1;
};

// A cell script prepared for the script engine: the control's commands
// rewritten into plain script, with the lists of what to do after the run.
struct PreparedScript
{
    QStringList lines; // the header, then the body
    std::vector<SetCellRequest> setCells;
    std::vector<ButtonRequest> buttons;
    QString error;      // the first preparation error; nothing runs then
    bool empty = false; // nothing to run, and no error

    int headerLines() const { return int(setCells.size() + buttons.size()); }
    QString text() const { return lines.join(QStringLiteral("\r\n")); }
    // The source line of a line of the run script (both 1-based).
    int sourceLine(int runLine) const;
};

// Prepares the script of the cell at 0-based (col, row), or the init script
// with (-1, -1): aliases expanded, every line trimmed and lower-cased, the
// braces of JavaScript moved, setcell / executebutton / getcell and the
// position functions rewritten, aggregates expanded in script mode, and
// the header declaring every command's flag put in front.
PreparedScript prepareCellScript(const Report &report, int col, int row, const QString &text,
                                 const QString &language);

} // namespace cellvex
