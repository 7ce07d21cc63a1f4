#include "ConvertOptions.h"

#include <QFileInfo>

namespace cellvex {

const char *const kConvertUsage =
    "usage: cellvex convert IN.{cvd,xlsx} OUT.{cvd,html,txt,xml,pdf,png,xlsx} [--range c1,r1,c2,r2] "
    "[--by-alias]\n";

namespace {

std::optional<ConvertFormat> formatOf(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("cvd"))
        return ConvertFormat::Report;
    if (ext == QLatin1String("html") || ext == QLatin1String("htm"))
        return ConvertFormat::Html;
    if (ext == QLatin1String("txt"))
        return ConvertFormat::Text;
    if (ext == QLatin1String("xml"))
        return ConvertFormat::Xml;
    if (ext == QLatin1String("pdf"))
        return ConvertFormat::Pdf;
    if (ext == QLatin1String("png"))
        return ConvertFormat::Png;
    if (ext == QLatin1String("xlsx"))
        return ConvertFormat::Workbook;
    return std::nullopt;
}

std::optional<QRect> parseRange(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return QRect(QPoint(v[0], v[1]), QPoint(v[2], v[3]));
}

} // namespace

std::optional<ConvertOptions> parseConvertOptions(const QStringList &args, QString &problem)
{
    ConvertOptions options;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--range")) {
            if (i + 1 >= args.size() || !(options.range = parseRange(args.at(++i)))) {
                problem = QStringLiteral("--range wants four whole numbers c1,r1,c2,r2");
                return std::nullopt;
            }
        } else if (a == QLatin1String("--by-alias")) {
            options.byAlias = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            problem = QStringLiteral("unknown option %1").arg(a);
            return std::nullopt;
        } else {
            files.append(a);
        }
    }
    if (files.size() != 2) {
        problem = files.size() < 2 ? QStringLiteral("wants an input and an output file")
                                   : QStringLiteral("unexpected argument %1").arg(files.at(2));
        return std::nullopt;
    }
    options.input = files.at(0);
    options.output = files.at(1);
    const std::optional<ConvertFormat> format = formatOf(options.output);
    if (!format) {
        problem = QStringLiteral("cannot tell the format of %1: the extension must be .cvd, .html, .txt, "
                                 ".xml, .pdf, .png or .xlsx")
                      .arg(options.output);
        return std::nullopt;
    }
    options.format = *format;
    if (options.range && options.format != ConvertFormat::Html && options.format != ConvertFormat::Text) {
        problem = QStringLiteral("--range applies to .html and .txt only");
        return std::nullopt;
    }
    if (options.byAlias && options.format != ConvertFormat::Xml) {
        problem = QStringLiteral("--by-alias applies to .xml only");
        return std::nullopt;
    }
    return options;
}

} // namespace cellvex
