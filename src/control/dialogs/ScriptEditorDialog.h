#pragma once

#include "print/dialogs/FixedDialog.h"
#include "script/ScriptEngine.h"

#include <QString>

#include <functional>

class QComboBox;
class QLabel;

namespace cellvex {

class ScriptHighlighter;
class ScriptTextEdit;

// The script editor "脚本": a language list, the text with its caret's line
// and column, a test run of the text in the live report, OK and Cancel.
// The dialog changes no script itself; its caller stores the text after OK.
class ScriptEditorDialog : public FixedDialog
{
    Q_OBJECT
public:
    // Runs `text` in `language` in the report the editor works on. Returns
    // the message of a failure that stopped the run before the engine did
    // (empty when there was none); the engine's own compile and runtime
    // errors go to `engineErrors` while it runs.
    using TestRun = std::function<QString(const QString &text, const QString &language,
                                          const ScriptErrorHandler &engineErrors)>;

    explicit ScriptEditorDialog(TestRun testRun, QWidget *parent = nullptr);

    // Shows a stored script: its language chosen in the list (in any letter
    // case; a language the list lacks is added to it, so that OK keeps it)
    // and its text, whose lines end with CR LF.
    void load(const QString &language, const QString &text);
    // The chosen language and the text with CR LF between lines.
    QString language() const;
    QString scriptText() const;
    // Whether Execute was pressed since the dialog was made.
    bool executed() const { return m_executed; }

private:
    void execute();
    void showEngineError(const ScriptError &error);
    void showCaret();
    void languageChosen();

    TestRun m_testRun;
    bool m_executed = false;
    QComboBox *m_language = nullptr;
    ScriptTextEdit *m_editor = nullptr;
    ScriptHighlighter *m_highlighter = nullptr;
    QLabel *m_rows = nullptr;
    QLabel *m_cols = nullptr;
    QLabel *m_error = nullptr;
};

} // namespace cellvex
