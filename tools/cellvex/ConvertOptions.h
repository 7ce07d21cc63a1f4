#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace cellvex {

// What `cellvex convert` writes, chosen by the output file's extension.
enum class ConvertFormat { Report, Html, Text, Xml, Pdf, Png, Workbook };

struct ConvertOptions
{
    QString input;
    QString output;
    ConvertFormat format = ConvertFormat::Report;
    std::optional<QRect> range; // 1-based columns and rows, from --range c1,r1,c2,r2
    bool byAlias = false;
};

extern const char *const kConvertUsage;

// Reads the command's arguments. Nothing, with `problem` set to what is
// wrong, for a missing or extra argument, an unknown extension, a range
// that is not four whole numbers, or an option the format does not take.
std::optional<ConvertOptions> parseConvertOptions(const QStringList &args, QString &problem);

} // namespace cellvex
