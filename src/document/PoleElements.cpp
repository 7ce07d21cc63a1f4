#include "PoleElements.h"

#include "common/Geometry.h"
#include "document/DocumentValues.h"
#include "report/Report.h"
#include "rulers/RulerModel.h"

#include <charconv>
#include <limits>
#include <string>

namespace cellvex {

void writePoleElement(XmlElement pole, const char *countName, const RulerModel &ruler)
{
    pole.setAttribute(countName, ruler.count());
    std::string sizes;
    sizes.reserve(size_t(ruler.count()) * 4);
    char digits[16];
    for (int i = 0; i < ruler.count(); ++i) {
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, ruler.panelRange(i));
        sizes.append(digits, end);
        sizes += ',';
    }
    pole.setTextUtf8(sizes);
}

std::vector<int> readPoleSizes(const QString &element, const char *countName, const char *countText,
                               std::string_view text, std::int64_t maxCount)
{
    const ValueReader values(QStringLiteral(" %1 元素").arg(element));
    if (!countText)
        values.fail(countName, QStringLiteral("缺失"));
    const int count = values.int32InRange(
        countName, countText, 0,
        std::int32_t(std::min<std::int64_t>(maxCount, std::numeric_limits<std::int32_t>::max())));
    std::vector<int> sizes;
    sizes.reserve(size_t(count));
    std::int64_t total = 0;
    for (int i = 0; i < count; ++i) {
        const size_t comma = text.find(',');
        if (comma == std::string_view::npos)
            values.fail(countName, QStringLiteral("为 %1，但元素文本只有 %2 个尺寸").arg(count).arg(i));
        const std::string_view item = text.substr(0, comma);
        const std::optional<std::int64_t> size = parseDocumentInteger(item);
        if (!size || *size < std::numeric_limits<std::int32_t>::min() ||
            *size > std::numeric_limits<std::int32_t>::max())
            throw ReportError(QStringLiteral("报表文档中%1的第 %2 个尺寸不是整数：%3")
                                  .arg(values.where())
                                  .arg(i + 1)
                                  .arg(QString::fromUtf8(item.data(), qsizetype(item.size()))));
        text.remove_prefix(comma + 1);
        // The ruler reads a negative size as 0.
        total += std::max<std::int64_t>(*size, 0);
        if (!fitsPixelExtent(total + 3))
            values.fail(countName, QStringLiteral("所列尺寸之和超出 %1 像素").arg(kMaxPixelExtent));
        sizes.push_back(int(*size));
    }
    return sizes;
}

} // namespace cellvex
