#include "CellXmlWriter.h"

#include "cells/ChartCell.h"
#include "document/DocumentPicture.h"
#include "document/EncodedXmlText.h"
#include "document/PackText.h"
#include "document/XmlDocument.h"
#include "report/Report.h"

#include <string>

namespace cellvex {

namespace {

bool exportedByPosition(const Cell &cell)
{
    if (!cell.caption().isEmpty() && cell.kind() != CellKind::Button)
        return true;
    if (cell.haveImage() && cell.picture() && cell.diagonalType() == 0)
        return true;
    return cell.kind() == CellKind::Chart;
}

void setPicture(XmlElement e, const char *name, const QImage &image)
{
    const QByteArray stored = cellXmlPicture(image);
    e.setAttributeUtf8(name, std::string_view(stored.constData(), size_t(stored.size())));
}

void fillValues(XmlElement e, const Cell &cell)
{
    if (cell.kind() == CellKind::Chart) {
        const CellExtension *ext = cell.extensionIfAny();
        const qsizetype count = ext ? ext->seriesInfo.size() : 0;
        e.setAttribute("SeriesCount", std::int64_t(count));
        for (qsizetype n = 0; n < count; ++n) {
            const ChartSeriesInfo &s = ext->seriesInfo[n];
            const std::string i = std::to_string(n);
            e.setAttribute(("SeriesType" + i).c_str(), s.seriesType);
            e.setAttribute(("SeriesSign" + i).c_str(), s.signText);
            e.setAttribute(("SeriesData" + i).c_str(), s.dataText);
        }
        if (const QImage background = chartBackground(cell); !background.isNull())
            setPicture(e, "ChartImage", background);
    } else if (int(cell.kind()) < 10 && cell.haveImage() && cell.picture() && cell.diagonalType() == 0) {
        setPicture(e, "Image", *cell.picture());
    }
    e.setText(cell.caption());
}

} // namespace

QByteArray cellXmlPicture(const QImage &image)
{
    return storedFormOf(packedPicture(image));
}

QString exportCellXml(const Report &report, int type, const QString &encoding)
{
    XmlDocument doc;
    const QString name = encoding.trimmed();
    doc.setEncoding(name.isEmpty() ? QStringLiteral("GBK") : name);
    XmlElement root = doc.addRoot("CellXML");
    for (int col = 0; col < report.colCount(); ++col)
        for (int row = 0; row < report.rowCount(); ++row) {
            const Cell &cell = *report.cell(col, row);
            if (type == int(CellXmlAddressing::Position) && exportedByPosition(cell)) {
                XmlElement e = root.addChild("Cell");
                e.setAttribute("Col", std::int64_t(col) + 1);
                e.setAttribute("Row", std::int64_t(row) + 1);
                fillValues(e, cell);
            } else if (type == int(CellXmlAddressing::Alias) && cell.hasAlias()) {
                XmlElement e = root.addChild("Cell");
                e.setAttribute("Alias", cell.aliasName());
                fillValues(e, cell);
            }
        }
    return referenceUnencodable(doc.text().trimmed(), doc.encoding());
}

} // namespace cellvex
