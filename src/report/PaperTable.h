#pragma once

#include <QString>

namespace cellvex {

// One paper of the paper table: display name and size in millimetres, kept
// as the texts the page settings copy verbatim.
struct PaperType
{
    QString name;
    QString width;
    QString height;
};

// The papers a report can choose, indexed by the Windows paper size code so
// that the index is also what a printer is sent. Most codes carry no paper;
// their entries are empty. The table never changes.
class PaperTable
{
public:
    static constexpr int kSize = 257;
    static constexpr int kCustomPaper = 256;
    static constexpr int kA4 = 9;

    // The entry at index; an empty entry for an index outside the table. The
    // custom paper has a name but no size: it keeps the page's current size.
    static const PaperType &entry(int index);
    static bool hasName(int index);
    // First index (from 0) whose name equals `name` exactly, -1 when none.
    // Empty entries have empty names, so an empty name finds index 0.
    static int indexOfName(const QString &name);
    // The paper code to send to a printer: the named entry carrying `name`,
    // else A4. Unlike indexOfName an empty name never yields the empty code 0,
    // which no printer knows.
    static int printerPaperCode(const QString &name);
};

} // namespace cellvex
