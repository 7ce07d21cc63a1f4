#include "ClipboardPort.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace cellvex {

void SystemClipboard::put(const QString &text, const QString &html)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    if (!html.isEmpty())
        data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data.release()); // the clipboard owns it
}

QString SystemClipboard::text() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() ? data->text() : QString();
}

} // namespace cellvex
