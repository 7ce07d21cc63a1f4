#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace cellvex {

// The format rules of the one-line in-place editor: which typed characters it
// takes, how its text is cleaned as it changes, and what caption committing
// it gives. Pure functions of the input cell's format and the editor state.

struct EditorState
{
    QString text;
    qsizetype selStart = 0; // the caret when nothing is selected
    qsizetype selLength = 0;
};

constexpr QChar kBackspace = QChar(8);
constexpr QChar kEnter = QChar(13);

// Whether a typed character reaches the editor. Enter never does (it acts on
// key-down); with ctrlDown every other character passes so that shortcuts such
// as paste work. Without an input cell, ask with format 0.
bool acceptTypedChar(int formatType, QChar ch, const EditorState &editor, bool ctrlDown);

// The editor text after the live cleaning of the format (pasted text too);
// equal to the text when it needs none, so callers write back only changes.
QString cleanEditorText(int formatType, const QString &text);

// The caption that committing the editor text gives: nullopt when the format
// drops typed text, "" to clear the caption. Throws ReportError when a real
// number format gets a text that is not a number (such as a pasted "1e").
std::optional<QString> captionFromEditorText(int formatType, const QString &formatText, const QString &text);

} // namespace cellvex
