#include "CellXmlReader.h"

#include "common/ReportError.h"
#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "document/PackText.h"
#include "document/XmlDocument.h"

#include <limits>
#include <string>

namespace cellvex {

namespace {

// A 1-based position as a 0-based index; -1 for anything that names no cell.
int positionOf(const std::optional<QString> &text)
{
    if (!text)
        return -1;
    const std::optional<std::int64_t> v = parseDocumentInteger(text->trimmed().toStdString());
    if (!v || *v < 1 || *v > std::numeric_limits<int>::max())
        return -1;
    return int(*v - 1);
}

std::optional<std::int32_t> int32Of(const std::optional<QString> &text)
{
    if (!text)
        return std::nullopt;
    const std::optional<std::int64_t> v = parseDocumentInteger(text->trimmed().toStdString());
    if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(*v);
}

QImage pictureOf(const QString &stored, qsizetype maxBytes)
{
    return unpackedPicture(packedFromStoredForm(stored.toLatin1()), maxBytes);
}

// Reads the values after the caption in the order they are applied; the
// first one that cannot be read ends the element.
void readValues(const XmlElement &e, CellXmlEntry &entry, qsizetype maxPictureBytes)
{
    if (const std::optional<QString> countText = e.attribute("SeriesCount")) {
        const std::optional<std::int32_t> count = int32Of(countText);
        // Every series takes attributes of its own: a count beyond them is no count.
        const qsizetype attributes = std::distance(e.node().attributes_begin(), e.node().attributes_end());
        if (!count || *count < 0 || *count > attributes)
            return;
        std::vector<CellXmlSeries> series;
        for (std::int32_t n = 0; n < *count; ++n) {
            const std::string i = std::to_string(n);
            CellXmlSeries s;
            s.dataText = e.attribute(("SeriesData" + i).c_str()).value_or(QString());
            s.signText = e.attribute(("SeriesSign" + i).c_str()).value_or(QString());
            const std::optional<QString> typeText = e.attribute(("SeriesType" + i).c_str());
            const std::optional<std::int32_t> type = typeText ? int32Of(typeText) : std::int32_t(0);
            if (!type)
                return;
            s.type = *type;
            series.push_back(std::move(s));
        }
        entry.series = std::move(series);
        if (const std::optional<QString> chartImage = e.attribute("ChartImage")) {
            try {
                entry.chartImage = pictureOf(*chartImage, maxPictureBytes);
            } catch (const ReportError &) {
                return;
            }
        }
    }
    if (const std::optional<QString> image = e.attribute("Image")) {
        try {
            entry.image = pictureOf(*image, maxPictureBytes);
        } catch (const ReportError &) {
            return;
        }
    }
}

} // namespace

CellXmlContent readCellXml(const QString &text, qsizetype maxPictureBytes)
{
    const XmlDocument doc = XmlDocument::parse(text);
    const XmlElement root = doc.root();
    const bool declared = root.node().root().first_child().type() == pugi::node_declaration;
    if (declared && root.name() != QLatin1String("CellXML"))
        throw ReportError(QStringLiteral("XML 文本的根元素不是 CellXML"));
    CellXmlContent content;
    const std::vector<XmlElement> children = root.children();
    if (children.empty())
        return content;
    if (children.front().attribute("Col"))
        content.addressing = CellXmlContent::Addressing::Position;
    else if (children.front().attribute("Alias"))
        content.addressing = CellXmlContent::Addressing::Alias;
    else
        return content;
    content.entries.reserve(children.size());
    for (const XmlElement &e : children) {
        CellXmlEntry entry;
        if (content.addressing == CellXmlContent::Addressing::Position) {
            entry.col = positionOf(e.attribute("Col"));
            entry.row = positionOf(e.attribute("Row"));
            if (entry.col < 0 || entry.row < 0)
                continue; // names no cell of any grid
        } else {
            const std::optional<QString> alias = e.attribute("Alias");
            if (!alias)
                continue;
            entry.alias = *alias;
        }
        entry.caption = e.text();
        readValues(e, entry, maxPictureBytes);
        content.entries.push_back(std::move(entry));
    }
    return content;
}

} // namespace cellvex
