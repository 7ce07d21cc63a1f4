#pragma once

#include "script/ScriptEngine.h"

#include <QString>

#include <functional>

namespace cellvex {

class Report;

// What a script run asks of the control once the script has finished: the
// SetCell values go through the one assignment path, the ExecuteButton
// requests to the button's action list, and engine errors are reported.
struct CellScriptHooks
{
    std::function<void(int col, int row, const QString &value)> assign;
    std::function<void(int col, int row)> pressButton;
    // A compile or runtime error, with the line mapped back to the source.
    std::function<void(const ScriptError &error)> engineError;
};

struct CellScriptOutcome
{
    enum Kind {
        Ran,               // the script ran; its requests were carried out
        Nothing,           // an empty text: nothing ran, no error
        PreparationFailed, // `message` says which line and why; nothing ran
        Failed,            // the engine failed (reported through engineError) or does not exist
        TooDeep,           // scripts started each other past the report's chain limit
    };
    Kind kind = Ran;
    QString message;
};

// Prepares and runs the script of the cell at 0-based (col, row), (-1, -1)
// for the init script, on a fresh engine of the language. The requests are
// collected while the script runs and carried out after it, in the order of
// the commands; a failed run carries out none. A host handler that replaces
// the report while the requests are carried out ends the run there.
CellScriptOutcome runCellScript(Report &report, int col, int row, const QString &text,
                                const QString &language, const CellScriptHooks &hooks,
                                int timeBudgetMs = kScriptTimeBudgetMs);

} // namespace cellvex
