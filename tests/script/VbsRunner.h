#pragma once

#include "script/vbscript/VbsEngine.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace cellvex::vbs::test {

// Collects what a script prints through Out.Add; Show(), defined in the
// prelude below, turns any value into "Type:text" first.
class OutObject : public VbsHostObject
{
public:
    VbsHostError invoke(const QString &name, VbsCallKind, QVariantList &args, QVariant &) override
    {
        if (name.compare(QLatin1String("add"), Qt::CaseInsensitive) != 0) {
            return {438, {}};
        }
        lines << (args.isEmpty() ? QString() : args[0].toString());
        return {};
    }
    QStringList lines;
};

inline const char *kPrelude = R"VBS(
Function Show(v)
  If IsNull(v) Then
    Show = "Null"
  ElseIf IsArray(v) Then
    Dim s, i
    s = "("
    For i = LBound(v) To UBound(v)
      If i > LBound(v) Then s = s & ","
      s = s & Show(v(i))
    Next
    Show = s & ")"
  ElseIf IsObject(v) Then
    Show = "Object:" & TypeName(v)
  ElseIf IsEmpty(v) Then
    Show = "Empty"
  Else
    Show = TypeName(v) & ":" & CStr(v)
  End If
End Function
Sub Echo(v)
  Out.Add Show(v)
End Sub
Sub Print(v)
  Out.Add CStr(v)
End Sub
)VBS";

struct RunResult
{
    bool ok = false;
    QString output; // lines joined with '|'
    VbsEngine::Error error;
    int errorReports = 0;
};

inline RunResult runScript(const QString &code, qint64 budget = 5'000'000)
{
    VbsEngine engine;
    auto out = std::make_shared<OutObject>();
    RunResult r;
    engine.setLanguage(QStringLiteral("VBScript"));
    engine.addObject(QStringLiteral("Out"), out);
    engine.setErrorHandler([&](const VbsEngine::Error &e) {
        r.error = e;
        ++r.errorReports;
    });
    engine.setInstructionBudget(budget);
    EXPECT_TRUE(engine.addCode(QString::fromUtf8(kPrelude))) << r.error.description.toStdString();
    r.ok = engine.addCode(code);
    r.output = out->lines.join(QLatin1Char('|'));
    return r;
}

// The value of an expression as Show() prints it, or "error N" when it fails.
inline QString showExpr(const QString &expr)
{
    RunResult r = runScript(QStringLiteral("Echo (") + expr + QStringLiteral(")"));
    if (!r.ok) {
        return QStringLiteral("error %1").arg(r.error.number);
    }
    return r.output;
}

struct ExprRow
{
    const char *expr;
    const char *expected; // "Type:text", "Null", "Empty", "(a,b)" or "error N"
};

inline void checkExpressions(const ExprRow *rows, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(rows[i].expr);
        EXPECT_EQ(showExpr(QString::fromUtf8(rows[i].expr)).toStdString(), rows[i].expected);
    }
}

struct ProgramRow
{
    const char *code;
    const char *output; // Echo lines joined with '|'
};

inline void checkPrograms(const ProgramRow *rows, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(rows[i].code);
        RunResult r = runScript(QString::fromUtf8(rows[i].code));
        EXPECT_TRUE(r.ok) << r.error.number << " " << r.error.description.toStdString() << " line "
                          << r.error.line;
        EXPECT_EQ(r.output.toStdString(), rows[i].output);
    }
}

struct ErrorRow
{
    const char *code;
    int number;
    int line;   // 0: not checked
    int column; // 0: not checked
    const char *description = nullptr;
};

inline void checkErrors(const ErrorRow *rows, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(rows[i].code);
        RunResult r = runScript(QString::fromUtf8(rows[i].code));
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.errorReports, 1);
        EXPECT_EQ(r.error.number, rows[i].number) << r.error.description.toStdString();
        if (rows[i].line) {
            EXPECT_EQ(r.error.line, rows[i].line);
        }
        if (rows[i].column) {
            EXPECT_EQ(r.error.column, rows[i].column);
        }
        if (rows[i].description) {
            EXPECT_EQ(r.error.description.toStdString(), rows[i].description);
        }
    }
}

} // namespace cellvex::vbs::test

#define CHECK_EXPRESSIONS(rows) ::cellvex::vbs::test::checkExpressions(rows, std::size(rows))
#define CHECK_PROGRAMS(rows) ::cellvex::vbs::test::checkPrograms(rows, std::size(rows))
#define CHECK_ERRORS(rows) ::cellvex::vbs::test::checkErrors(rows, std::size(rows))
