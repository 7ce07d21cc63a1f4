#include "HostError.h"

#include "automation/ErrorInfo.h"

namespace cellvex::demo {

void checkCall(automation::HResult hr)
{
    if (automation::succeeded(hr))
        return;
    const automation::ErrorInfo info = automation::ErrorInfo::last();
    QString text = info.hasError() ? info.description() : QString();
    if (text.isEmpty())
        text = QStringLiteral("调用失败（%1）").arg(QLatin1String(automation::hresultName(hr)));
    throw HostError(text);
}

int integerFromText(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw HostError(QStringLiteral("“%1”不是有效的整数值").arg(text));
    return value;
}

} // namespace cellvex::demo
