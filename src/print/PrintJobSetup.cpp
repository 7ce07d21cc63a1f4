#include "PrintJobSetup.h"

#include "common/Rounding.h"
#include "print/PageSetup.h"
#include "report/PageSettings.h"
#include "report/PaperTable.h"

#include <algorithm>
#include <limits>
#include <set>

namespace cellvex {

QString printerListName(const QString &entry)
{
    const qsizetype on = entry.indexOf(QStringLiteral(" on "), 0, Qt::CaseInsensitive);
    return on < 0 ? entry : entry.left(on);
}

int findPrinter(const QStringList &printers, const QString &printerName)
{
    if (printerName.isEmpty())
        return -1;
    for (int i = 0; i < printers.size(); ++i) {
        if (printerListName(printers[i]) == printerName)
            return i;
    }
    return -1;
}

namespace {

int tenthsOfMillimetre(const PaperLength &length)
{
    const double tenths = millimetreValue(length) * 10.0;
    const double limit = double(std::numeric_limits<int>::max());
    return int(roundHalfEven(std::clamp(tenths, -limit, limit)));
}

std::optional<std::int64_t> parseInteger(const QString &text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return std::int64_t(v);
}

} // namespace

DeviceSettings deviceSettingsFor(const PageSettings &settings)
{
    DeviceSettings d;
    d.paperCode = PaperTable::printerPaperCode(settings.paperName);
    d.orientation = settings.landscape ? 2 : 1;
    // The print dialog stores 0 copies as typed; a printer asked for no copy
    // would print nothing and say nothing, so at least one is sent.
    d.copies = std::max(settings.copies, 1);
    if (d.paperCode == PaperTable::kCustomPaper) {
        d.customSize = true;
        // The page width and height lie as the page is turned; the device
        // wants the sheet upright and turns it by the orientation itself.
        const PaperLength &across = settings.landscape ? settings.height : settings.width;
        const PaperLength &down = settings.landscape ? settings.width : settings.height;
        d.paperWidthTenthsMm = tenthsOfMillimetre(across);
        d.paperLengthTenthsMm = tenthsOfMillimetre(down);
    }
    return d;
}

DeviceScale deviceScaleFor(QSize deviceResolution, int screenPixelsPerInch)
{
    if (screenPixelsPerInch <= 0)
        return {};
    return {double(deviceResolution.width()) / screenPixelsPerInch,
            double(deviceResolution.height()) / screenPixelsPerInch};
}

std::optional<std::vector<std::int64_t>> selectPages(bool allPages, const QString &field,
                                                     std::int64_t pageCount)
{
    std::vector<std::int64_t> pages;
    if (allPages || field.trimmed().isEmpty()) {
        for (std::int64_t n = 1; n <= pageCount; ++n)
            pages.push_back(n);
        return pages;
    }
    std::set<std::int64_t> chosen;
    const QStringList items = (field.trimmed() + QLatin1Char(',')).split(QLatin1Char(','));
    // The appended comma ends the last item; what follows it is not an item.
    for (qsizetype i = 0; i + 1 < items.size(); ++i) {
        const QString item = items[i].trimmed();
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        if (dash >= 0) {
            const std::optional<std::int64_t> a = parseInteger(item.left(dash));
            const std::optional<std::int64_t> b = parseInteger(item.mid(dash + 1));
            if (!a || !b)
                return std::nullopt;
            // Only the pages that exist are walked, so "1-999999999999" stays cheap.
            for (std::int64_t n = std::max<std::int64_t>(*a, 1); n <= std::min(*b, pageCount); ++n)
                chosen.insert(n);
        } else {
            const std::optional<std::int64_t> n = parseInteger(item);
            if (!n)
                return std::nullopt;
            if (*n >= 1 && *n <= pageCount)
                chosen.insert(*n);
        }
    }
    pages.assign(chosen.begin(), chosen.end());
    return pages;
}

} // namespace cellvex
