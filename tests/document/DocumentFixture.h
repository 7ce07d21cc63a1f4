#pragma once

#include "cells/CellWidgets.h"
#include "document/AnsiDocumentText.h"
#include "document/PackText.h"
#include "document/ReportDocument.h"
#include "document/ReportDocumentReader.h"
#include "document/ReportDocumentWriter.h"
#include "document/XmlDocument.h"
#include "report/CellKindOps.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace cellvex::test {

constexpr int kPpi = 96;

// The document text inside a stored form, as the GBK bytes it was packed from.
inline QByteArray documentBytes(const QByteArray &stored)
{
    return unpackText(packedFromStoredForm(stored), 1 << 30);
}

inline XmlDocument parsedDocument(const QByteArray &stored)
{
    return XmlDocument::parseUtf8(ansiDocumentToUtf8(documentBytes(stored)));
}

// A stored form made from a hand-written document text.
inline QByteArray storedFromText(const QString &xml)
{
    return storedFormOf(packText(documentTextToAnsi(xml)));
}

// The element of the cell at (col, row) in a parsed document.
inline XmlElement cellElement(const XmlDocument &doc, int col, int row)
{
    for (XmlElement part : doc.root().children()) {
        if (part.name() != QLatin1String("Cell"))
            continue;
        const int rows = part.attribute("RC").value_or(QString()).toInt();
        const std::string name = "C" + std::to_string(std::int64_t(col) * rows + row);
        return XmlElement(part.node().child(name.c_str()));
    }
    return XmlElement();
}

// The names of an element's attributes, in document order.
inline QStringList attributeNames(XmlElement e)
{
    QStringList names;
    for (const pugi::xml_attribute a : e.node().attributes())
        names << QString::fromUtf8(a.name());
    return names;
}

inline QImage testPicture(QImage::Format format, int w = 7, int h = 5)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, w, h / 2, QColor(200, 30, 60));
    p.fillRect(1, 1, 2, 2, QColor(10, 240, 90, 120));
    p.end();
    return image.convertToFormat(format);
}

// Saves and opens again into a fresh report and page settings.
struct Reopened
{
    Report report;
    PageSettings page{kPpi};
};

inline void reopen(const Report &report, const PageSettings &page, Reopened &into)
{
    LoadedReport loaded = readReportDocument(storedReport(report, page), kPpi);
    applyLoadedReport(into.report, into.page, std::move(loaded));
}

// A report that uses every stored property at least once; see ReportRoundTripTest.
void buildRichReport(Report &report, PageSettings &page);

// Every stored property of the two reports is equal.
void expectSameReport(const Report &expected, const Report &actual);
void expectSameCell(const Report &expected, const Report &actual, int col, int row);

} // namespace cellvex::test
