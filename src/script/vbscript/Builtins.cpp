#include "script/vbscript/Builtins.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/ScriptError.h"

#include <QHash>

namespace cellvex::vbs {

namespace arg {

bool given(const std::vector<Value> &args, std::size_t i)
{
    return i < args.size() && !args[i].isEmpty();
}

void notNull(const Value &v)
{
    if (v.isNull()) {
        raise(err::InvalidUseOfNull);
    }
}

} // namespace arg

namespace {

struct Table
{
    std::vector<Builtin> entries;
    QHash<QString, const Builtin *> byName;

    Table()
    {
        addConversionBuiltins(entries);
        addMathBuiltins(entries);
        addStringBuiltins(entries);
        addFormatBuiltins(entries);
        addArrayBuiltins(entries);
        addTypeBuiltins(entries);
        addDateBuiltins(entries);
        addHostBuiltins(entries);
        addConstants(entries);
        for (const Builtin &b : entries) {
            byName.insert(QString::fromLatin1(b.name).toLower(), &b);
        }
    }
};

} // namespace

const Builtin *findBuiltin(const QString &key)
{
    static const Table table;
    return table.byName.value(key, nullptr);
}

void addConstants(std::vector<Builtin> &out)
{
    auto text = [&](const char *name, QString v) {
        out.push_back({name, 0, 0, nullptr, Value::string(std::move(v))});
    };
    auto number = [&](const char *name, std::int64_t v) {
        out.push_back({name, 0, 0, nullptr, conv::fromInteger(v)});
    };
    text("vbCrLf", QStringLiteral("\r\n"));
    text("vbNewLine", QStringLiteral("\r\n"));
    text("vbCr", QStringLiteral("\r"));
    text("vbLf", QStringLiteral("\n"));
    text("vbTab", QStringLiteral("\t"));
    text("vbFormFeed", QStringLiteral("\f"));
    text("vbVerticalTab", QStringLiteral("\v"));
    text("vbNullChar", QString(QChar(0)));
    text("vbNullString", QString());
    const std::pair<const char *, std::int64_t> numbers[] = {
        {"vbTrue", -1},
        {"vbFalse", 0},
        {"vbUseDefault", -2},
        {"vbBinaryCompare", 0},
        {"vbTextCompare", 1},
        {"vbDatabaseCompare", 2},
        {"vbSunday", 1},
        {"vbMonday", 2},
        {"vbTuesday", 3},
        {"vbWednesday", 4},
        {"vbThursday", 5},
        {"vbFriday", 6},
        {"vbSaturday", 7},
        {"vbUseSystemDayOfWeek", 0},
        {"vbUseSystem", 0},
        {"vbFirstJan1", 1},
        {"vbFirstFourDays", 2},
        {"vbFirstFullWeek", 3},
        {"vbGeneralDate", 0},
        {"vbLongDate", 1},
        {"vbShortDate", 2},
        {"vbLongTime", 3},
        {"vbShortTime", 4},
        {"vbOKOnly", 0},
        {"vbOKCancel", 1},
        {"vbAbortRetryIgnore", 2},
        {"vbYesNoCancel", 3},
        {"vbYesNo", 4},
        {"vbRetryCancel", 5},
        {"vbCritical", 16},
        {"vbQuestion", 32},
        {"vbExclamation", 48},
        {"vbInformation", 64},
        {"vbDefaultButton1", 0},
        {"vbDefaultButton2", 256},
        {"vbDefaultButton3", 512},
        {"vbDefaultButton4", 768},
        {"vbApplicationModal", 0},
        {"vbSystemModal", 4096},
        {"vbOK", 1},
        {"vbCancel", 2},
        {"vbAbort", 3},
        {"vbRetry", 4},
        {"vbIgnore", 5},
        {"vbYes", 6},
        {"vbNo", 7},
        {"vbEmpty", 0},
        {"vbNull", 1},
        {"vbInteger", 2},
        {"vbLong", 3},
        {"vbSingle", 4},
        {"vbDouble", 5},
        {"vbCurrency", 6},
        {"vbDate", 7},
        {"vbString", 8},
        {"vbObject", 9},
        {"vbError", 10},
        {"vbBoolean", 11},
        {"vbVariant", 12},
        {"vbDataObject", 13},
        {"vbDecimal", 14},
        {"vbByte", 17},
        {"vbArray", 8192},
        {"vbObjectError", -2147221504},
        {"vbBlack", 0},
        {"vbRed", 0xFF},
        {"vbGreen", 0xFF00},
        {"vbYellow", 0xFFFF},
        {"vbBlue", 0xFF0000},
        {"vbMagenta", 0xFF00FF},
        {"vbCyan", 0xFFFF00},
        {"vbWhite", 0xFFFFFF},
    };
    for (const auto &[name, v] : numbers) {
        number(name, v);
    }
}

} // namespace cellvex::vbs
