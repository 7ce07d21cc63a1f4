#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <string>

namespace cellvex::test {

// Writes a zip package holding the given parts (name -> bytes), for
// workbooks no writer would produce: damaged parts, huge inflated parts.
void writeZip(const QString &fileName, const std::map<std::string, QByteArray> &parts);

// The parts of a small valid workbook whose first sheet is `sheetXml`.
std::map<std::string, QByteArray> minimalWorkbook(const QByteArray &sheetXml);

} // namespace cellvex::test
