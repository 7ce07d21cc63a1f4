#include "script/vbscript/ScriptError.h"

#include <QHash>

namespace cellvex::vbs {

namespace {

const QHash<int, QString> &messages()
{
    static const QHash<int, QString> table = {
        {5, QStringLiteral("Invalid procedure call or argument")},
        {6, QStringLiteral("Overflow")},
        {7, QStringLiteral("Out of memory")},
        {9, QStringLiteral("Subscript out of range")},
        {10, QStringLiteral("This array is fixed or temporarily locked")},
        {11, QStringLiteral("Division by zero")},
        {13, QStringLiteral("Type mismatch")},
        {14, QStringLiteral("Out of string space")},
        {17, QStringLiteral("Can't perform requested operation")},
        {28, QStringLiteral("Out of stack space")},
        {35, QStringLiteral("Sub or Function not defined")},
        {48, QStringLiteral("Error in loading DLL")},
        {51, QStringLiteral("Internal error")},
        {53, QStringLiteral("File not found")},
        {70, QStringLiteral("Permission denied")},
        {91, QStringLiteral("Object variable not set")},
        {92, QStringLiteral("For loop not initialized")},
        {94, QStringLiteral("Invalid use of Null")},
        {424, QStringLiteral("Object required")},
        {429, QStringLiteral("ActiveX component can't create object")},
        {430, QStringLiteral("Class doesn't support Automation")},
        {438, QStringLiteral("Object doesn't support this property or method")},
        {440, QStringLiteral("Automation error")},
        {445, QStringLiteral("Object doesn't support this action")},
        {446, QStringLiteral("Object doesn't support named arguments")},
        {448, QStringLiteral("Named argument not found")},
        {449, QStringLiteral("Argument not optional")},
        {450, QStringLiteral("Wrong number of arguments or invalid property assignment")},
        {451, QStringLiteral("Object not a collection")},
        {457, QStringLiteral("This key is already associated with an element of this collection")},
        {458, QStringLiteral("Variable uses an Automation type not supported in VBScript")},
        {500, QStringLiteral("Variable is undefined")},
        {501, QStringLiteral("Illegal assignment")},
        {505, QStringLiteral("Invalid or unqualified reference")},
        {506, QStringLiteral("Class not defined")},
        {507, QStringLiteral("An exception occurred")},
        {1001, QStringLiteral("Out of memory")},
        {1002, QStringLiteral("Syntax error")},
        {1003, QStringLiteral("Expected ':'")},
        {1005, QStringLiteral("Expected '('")},
        {1006, QStringLiteral("Expected ')'")},
        {1010, QStringLiteral("Expected identifier")},
        {1011, QStringLiteral("Expected '='")},
        {1012, QStringLiteral("Expected 'If'")},
        {1013, QStringLiteral("Expected 'To'")},
        {1014, QStringLiteral("Expected 'End'")},
        {1015, QStringLiteral("Expected 'Function'")},
        {1016, QStringLiteral("Expected 'Sub'")},
        {1017, QStringLiteral("Expected 'Then'")},
        {1018, QStringLiteral("Expected 'Wend'")},
        {1019, QStringLiteral("Expected 'Loop'")},
        {1020, QStringLiteral("Expected 'Next'")},
        {1021, QStringLiteral("Expected 'Case'")},
        {1022, QStringLiteral("Expected 'Select'")},
        {1023, QStringLiteral("Expected expression")},
        {1024, QStringLiteral("Expected statement")},
        {1025, QStringLiteral("Expected end of statement")},
        {1026, QStringLiteral("Expected integer constant")},
        {1027, QStringLiteral("Expected 'While' or 'Until'")},
        {1028, QStringLiteral("Expected 'While', 'Until' or end of statement")},
        {1029, QStringLiteral("Expected 'With'")},
        {1030, QStringLiteral("Identifier too long")},
        {1031, QStringLiteral("Invalid number")},
        {1032, QStringLiteral("Invalid character")},
        {1033, QStringLiteral("Unterminated string constant")},
        {1037, QStringLiteral("Invalid use of 'Me' keyword")},
        {1038, QStringLiteral("'loop' without 'do'")},
        {1039, QStringLiteral("Invalid 'exit' statement")},
        {1040, QStringLiteral("Invalid 'for' loop control variable")},
        {1041, QStringLiteral("Name redefined")},
        {1042, QStringLiteral("Must be first statement on the line")},
        {1044, QStringLiteral("Cannot use parentheses when calling a Sub")},
        {1045, QStringLiteral("Expected literal constant")},
        {1046, QStringLiteral("Expected 'In'")},
        {1047, QStringLiteral("Expected 'Class'")},
        {1048, QStringLiteral("Must be defined inside a Class")},
        {1049, QStringLiteral("Expected Let or Set or Get in property declaration")},
        {1050, QStringLiteral("Expected 'Property'")},
        {1052, QStringLiteral("Cannot have multiple default property/method in a Class")},
        {1053, QStringLiteral("Class initialize or terminate do not have arguments")},
        {1054, QStringLiteral("Property set or let must have at least one argument")},
        {1055, QStringLiteral("Unexpected 'Next'")},
        {1057, QStringLiteral("A 'Default' member must also be 'Public'")},
        {1058, QStringLiteral("'Default' can only be given to a Property Get")},
        {4097, QStringLiteral("Script stopped by the host")},
        {4098, QStringLiteral("Script exceeded its instruction budget")},
        {5016, QStringLiteral("Regular Expression object expected")},
        {5017, QStringLiteral("Syntax error in regular expression")},
        {32811, QStringLiteral("Element not found")},
    };
    return table;
}

} // namespace

QString errorDescription(int number)
{
    auto it = messages().find(number);
    return it != messages().end() ? *it : QStringLiteral("Unknown runtime error");
}

void raise(int number, const QString &detail)
{
    ScriptError e;
    e.number = number;
    e.description = errorDescription(number);
    if (!detail.isEmpty()) {
        e.description += QStringLiteral(": '") + detail + QLatin1Char('\'');
    }
    throw e;
}

void raiseFatal(int number)
{
    ScriptError e;
    e.number = number;
    e.description = errorDescription(number);
    e.fatal = true;
    throw e;
}

} // namespace cellvex::vbs
