#pragma once

#include "script/vbscript/VbsHostObject.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

namespace cellvex::vbs {

// A VBScript engine for a host program: the host names the language, adds
// its objects, adds code (whose global statements run at once), evaluates
// expressions and calls the script's procedures (event handlers). Every
// failure is reported to the error handler, with line, column, number and
// description, before the failing call returns false.
class VbsEngine
{
public:
    struct Error
    {
        int number = 0;
        int line = 0;   // 1-based; 0 when the error has no place in the source
        int column = 0; // 1-based
        QString description;
        QString source; // "VBScript compilation error", "VBScript runtime error" or Err.Raise's
        bool compile = false;
    };
    using ErrorHandler = std::function<void(const Error &)>;
    // MsgBox: returns the button pressed (1 = OK). A headless host logs and returns 1.
    using MessageBoxHandler = std::function<int(const QString &prompt, int buttons, const QString &title)>;
    // InputBox: returns the text entered; a headless host returns "".
    using InputBoxHandler =
        std::function<QString(const QString &prompt, const QString &title, const QString &defaultText)>;
    // CreateObject for ProgIDs the engine does not know itself; null: 429.
    using ObjectFactory = std::function<VbsHostObjectPtr(const QString &progId)>;

    VbsEngine();
    ~VbsEngine();
    VbsEngine(const VbsEngine &) = delete;
    VbsEngine &operator=(const VbsEngine &) = delete;

    // "VBScript" (or "VBS"), in any letter case; false for other languages.
    bool setLanguage(const QString &name);
    QString language() const;

    void setErrorHandler(ErrorHandler handler);
    void setMessageBoxHandler(MessageBoxHandler handler);
    void setInputBoxHandler(InputBoxHandler handler);
    void setObjectFactory(ObjectFactory factory);

    // A global name for a host object (Cellvex, WScript, ...).
    void addObject(const QString &name, VbsHostObjectPtr object);

    // Compiles the code, defines its procedures and classes, runs its global
    // statements. Code added later sees what earlier code defined.
    bool addCode(const QString &code);
    bool evaluate(const QString &expression, QVariant *result = nullptr);
    bool hasProcedure(const QString &name) const;
    // Calls a global Sub or Function; ByRef parameters write back into args.
    bool call(const QString &name, QVariantList &args, QVariant *result = nullptr);
    // A global variable's value (invalid when there is none).
    QVariant globalValue(const QString &name) const;

    // At most this many statements and loop turns per addCode / evaluate /
    // call (negative: no limit); beyond it the script stops with an error.
    void setInstructionBudget(qint64 steps);
    // Stops the running script with an error; callable from any thread.
    void interrupt();

    const Error &lastError() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace cellvex::vbs
