#include "automation/AutomationText.h"

#include <QLocale>

#include <cmath>

namespace cellvex::automation {

namespace {

// "&H1F" / "&O17": the radix prefixes of Basic hosts, which write colours in hex.
bool parseRadixInteger(const QString &text, double &out)
{
    if (text.size() < 3 || text[0] != QLatin1Char('&'))
        return false;
    const QChar prefix = text[1].toUpper();
    int base = 0;
    if (prefix == QLatin1Char('H'))
        base = 16;
    else if (prefix == QLatin1Char('O'))
        base = 8;
    else
        return false;
    bool ok = false;
    const qulonglong bits = text.mid(2).toULongLong(&ok, base);
    if (!ok || bits > 0xFFFFFFFFull)
        return false;
    // 32-bit two's complement, so &HFFFFFFFF reads as -1 as it does for the host.
    out = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    return true;
}

} // namespace

HResult parseAutomationNumber(const QString &text, double &out)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return DISP_E_TYPEMISMATCH;
    if (parseRadixInteger(trimmed, out))
        return S_OK;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    // QLocale accepts "inf" and "nan"; no automation caller writes those.
    if (!ok || !std::isfinite(value))
        return DISP_E_TYPEMISMATCH;
    out = value;
    return S_OK;
}

HResult parseAutomationBool(const QString &text, bool &out)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        out = true;
        return S_OK;
    }
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        out = false;
        return S_OK;
    }
    double number = 0;
    const HResult hr = parseAutomationNumber(trimmed, number);
    if (failed(hr))
        return hr;
    out = number != 0;
    return S_OK;
}

QString formatAutomationDouble(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    return QString::asprintf("%.15G", value);
}

} // namespace cellvex::automation
