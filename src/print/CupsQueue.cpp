#include "CupsQueue.h"

#include <cups/cups.h>

#include <QByteArray>
#include <QFile>

namespace cellvex {

int CupsQueue::spoolFile(const QString &queue, const QString &path, const QString &title,
                         const SpoolOptions &options, QString *error)
{
    // cupsAddOption copies names and values, so the byte arrays need only
    // live until the option list is built.
    int count = 0;
    cups_option_t *list = nullptr;
    if (!options.media.isEmpty())
        count = cupsAddOption("media", options.media.toUtf8().constData(), count, &list);
    if (options.copies > 1)
        count = cupsAddOption("copies", QByteArray::number(options.copies).constData(), count, &list);
    if (options.landscape)
        count = cupsAddOption("landscape", "", count, &list);
    // A queue instance ("name/instance") is configuration only; jobs go to the queue.
    const QString name = queue.section(QLatin1Char('/'), 0, 0);
    const int job = cupsPrintFile(name.toUtf8().constData(), QFile::encodeName(path).constData(),
                                  title.toUtf8().constData(), count, list);
    cupsFreeOptions(count, list);
    if (job <= 0 && error)
        *error = QString::fromUtf8(cupsLastErrorString());
    return job > 0 ? job : 0;
}

std::optional<PrinterDetails> CupsQueue::details(const QString &printer)
{
    QString name = printer;
    if (name.startsWith(QLatin1String("\\\\")))
        name = name.section(QLatin1Char('\\'), -1);
    if (name.isEmpty())
        return std::nullopt;
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr);
    if (!dest)
        return std::nullopt;
    const auto option = [dest](const char *key) {
        return QString::fromUtf8(cupsGetOption(key, dest->num_options, dest->options));
    };
    PrinterDetails d{option("printer-make-and-model"), option("device-uri"), option("printer-info")};
    cupsFreeDests(1, dest);
    return d;
}

} // namespace cellvex
