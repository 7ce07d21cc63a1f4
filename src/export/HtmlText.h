#pragma once

#include "common/Colors.h"

#include <QString>

namespace cellvex {

// Texts from the report placed into the exported HTML. A cell text must show
// in the table as the grid shows it: markup characters in it are written as
// character references, so that a text such as "a<b" or "</Td>" can neither
// break the table nor inject markup into the page that embeds it. Characters
// the ANSI code page (GBK) cannot hold are written as numeric references too:
// hosts store the result as ANSI text, and a reference survives that
// conversion where the character itself would turn into "?".

// Appends text content (between tags).
void appendHtmlText(QString &out, const QString &text);

// Appends text for the inside of a quoted attribute value (either quote).
void appendHtmlAttributeText(QString &out, const QString &text);

// Appends an attribute value: bare, as the export writes its values, when
// the value can stand unquoted; in double quotes when it holds a blank, a
// quote, "=", "<", ">" or "`" (a folder name with a space, for instance),
// which would otherwise end the value early.
void appendHtmlAttributeValue(QString &out, const QString &value);

// Six upper-case hexadecimal digits, red, green, blue, without "#". Black,
// system colours and other values outside 1..0xFFFFFF give "000000".
QString htmlColor(ColorRef color);

} // namespace cellvex
