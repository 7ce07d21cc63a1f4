#include "XlsxStyles.h"

#include "common/ReportError.h"

#include <QColor>
#include <QCoreApplication>
#include <QHash>

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace cellvex::xlsx {

namespace {

constexpr std::array<Rgb, 64> kPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x000000, 0xFFFFFF,
    0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000, 0x000080, 0x808000,
    0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080,
    0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99, 0x3366FF, 0x33CCCC,
    0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966, 0x003300, 0x333300,
    0x993300, 0x993366, 0x333399, 0x333333};

// The colours of the program's default theme, for a workbook without one.
constexpr std::array<Rgb, 12> kDefaultTheme = {0xFFFFFF, 0x000000, 0xE7E6E6, 0x44546A, 0x4472C4, 0xED7D31,
                                               0xA5A5A5, 0xFFC000, 0x5B9BD5, 0x70AD47, 0x0563C1, 0x954F72};

bool isTrue(const pugi::xml_node &n, const char *attr, bool absent)
{
    const pugi::xml_attribute a = n.attribute(attr);
    if (!a)
        return absent;
    const char *v = a.value();
    return !(std::strcmp(v, "0") == 0 || std::strcmp(v, "false") == 0);
}

// A boolean font property element (<b/>, <i val="0"/>): on unless val says off.
bool flagElement(const pugi::xml_node &font, const char *name)
{
    const pugi::xml_node n = font.child(name);
    return n && isTrue(n, "val", true);
}

BorderLine lineOf(const char *style)
{
    static const QHash<QByteArray, BorderLine> kLines = {
        {"thin", BorderLine::Thin},
        {"medium", BorderLine::Medium},
        {"dashed", BorderLine::Dashed},
        {"dotted", BorderLine::Dotted},
        {"thick", BorderLine::Thick},
        {"double", BorderLine::Double},
        {"hair", BorderLine::Hair},
        {"mediumDashed", BorderLine::MediumDashed},
        {"dashDot", BorderLine::DashDot},
        {"mediumDashDot", BorderLine::MediumDashDot},
        {"dashDotDot", BorderLine::DashDotDot},
        {"mediumDashDotDot", BorderLine::MediumDashDotDot},
        {"slantDashDot", BorderLine::SlantDashDot},
    };
    return kLines.value(QByteArray(style), BorderLine::None);
}

class ColorResolver
{
public:
    explicit ColorResolver(const QByteArray &themeXml)
    {
        m_theme.assign(kDefaultTheme.begin(), kDefaultTheme.end());
        pugi::xml_document doc;
        if (themeXml.isEmpty() || !doc.load_buffer(themeXml.constData(), size_t(themeXml.size())))
            return;
        const pugi::xml_node scheme = doc.child("a:theme").child("a:themeElements").child("a:clrScheme");
        // Stored dark 1, light 1, dark 2, light 2, ...; referred to with the
        // light and dark of each pair exchanged.
        std::vector<Rgb> stored;
        for (pugi::xml_node c = scheme.first_child(); c; c = c.next_sibling()) {
            const pugi::xml_node srgb = c.child("a:srgbClr");
            const pugi::xml_node sys = c.child("a:sysClr");
            const char *hex = srgb ? srgb.attribute("val").value() : sys.attribute("lastClr").value();
            stored.push_back(Rgb(std::strtoul(hex, nullptr, 16) & 0xFFFFFF));
        }
        if (stored.size() >= 4) {
            std::swap(stored[0], stored[1]);
            std::swap(stored[2], stored[3]);
            for (size_t k = 0; k < stored.size() && k < m_theme.size(); ++k)
                m_theme[k] = stored[k];
        }
    }

    // The colour an element (<color>, <fgColor>) names, or `fallback`.
    Rgb resolve(const pugi::xml_node &n, Rgb fallback) const
    {
        if (!n || isTrue(n, "auto", false))
            return fallback;
        Rgb rgb = fallback;
        if (const pugi::xml_attribute a = n.attribute("rgb"))
            rgb = Rgb(std::strtoul(a.value(), nullptr, 16) & 0xFFFFFF);
        else if (const pugi::xml_attribute t = n.attribute("theme")) {
            const unsigned k = t.as_uint();
            rgb = k < m_theme.size() ? m_theme[k] : fallback;
        } else if (const pugi::xml_attribute i = n.attribute("indexed")) {
            const unsigned k = i.as_uint();
            if (k == 64 || k == 65) // the system's foreground and background
                return k == 64 ? 0x000000 : 0xFFFFFF;
            rgb = indexedColor(k);
        } else
            return fallback;
        const double tint = n.attribute("tint").as_double(0);
        return tint == 0 ? rgb : tintedColor(rgb, tint);
    }

private:
    std::vector<Rgb> m_theme;
};

SheetFont readFont(const pugi::xml_node &f, const ColorResolver &colors)
{
    SheetFont font;
    if (const pugi::xml_node n = f.child("name"))
        font.name = QString::fromUtf8(n.attribute("val").value());
    if (const pugi::xml_node n = f.child("sz"))
        font.size = n.attribute("val").as_double(11);
    font.color = colors.resolve(f.child("color"), 0x000000);
    font.bold = flagElement(f, "b");
    font.italic = flagElement(f, "i");
    font.strikethrough = flagElement(f, "strike");
    if (const pugi::xml_node u = f.child("u"))
        font.underline = std::strcmp(u.attribute("val").as_string("single"), "none") != 0;
    return font;
}

struct Fill
{
    bool filled = false;
    Rgb color = 0xFFFFFF;
};

Fill readFill(const pugi::xml_node &f, const ColorResolver &colors)
{
    const pugi::xml_node p = f.child("patternFill");
    const char *type = p.attribute("patternType").as_string("none");
    if (!p || std::strcmp(type, "none") == 0)
        return {};
    // A pattern shows its foreground colour as what the program calls the
    // interior colour.
    return {true, colors.resolve(p.child("fgColor"), 0x000000)};
}

std::array<BorderLine, kSideCount> readBorder(const pugi::xml_node &b)
{
    std::array<BorderLine, kSideCount> lines{};
    const auto side = [&b](const char *name, const char *alternative) {
        pugi::xml_node n = b.child(name);
        if (!n)
            n = b.child(alternative);
        return lineOf(n.attribute("style").value());
    };
    lines[SideLeft] = side("left", "start");
    lines[SideRight] = side("right", "end");
    lines[SideTop] = side("top", "top");
    lines[SideBottom] = side("bottom", "bottom");
    const BorderLine diagonal = lineOf(b.child("diagonal").attribute("style").value());
    if (isTrue(b, "diagonalDown", false))
        lines[SideDiagonalDown] = diagonal;
    if (isTrue(b, "diagonalUp", false))
        lines[SideDiagonalUp] = diagonal;
    return lines;
}

SheetHAlign hAlignOf(const char *v)
{
    if (!*v || std::strcmp(v, "general") == 0)
        return SheetHAlign::General;
    if (std::strcmp(v, "left") == 0)
        return SheetHAlign::Left;
    if (std::strcmp(v, "center") == 0)
        return SheetHAlign::Center;
    if (std::strcmp(v, "right") == 0)
        return SheetHAlign::Right;
    return SheetHAlign::Other;
}

SheetVAlign vAlignOf(const char *v)
{
    if (!*v || std::strcmp(v, "bottom") == 0)
        return SheetVAlign::Bottom;
    if (std::strcmp(v, "top") == 0)
        return SheetVAlign::Top;
    if (std::strcmp(v, "center") == 0)
        return SheetVAlign::Center;
    return SheetVAlign::Other;
}

bool isBuiltInDate(unsigned id)
{
    return (id >= 14 && id <= 22) || (id >= 45 && id <= 47) || (id >= 27 && id <= 36) ||
           (id >= 50 && id <= 58);
}

} // namespace

Rgb indexedColor(unsigned index)
{
    return index < kPalette.size() ? kPalette[index] : 0x000000;
}

Rgb tintedColor(Rgb rgb, double tint)
{
    QColor c = QColor::fromRgb(QRgb(rgb));
    float h, s, l, a;
    c.getHslF(&h, &s, &l, &a);
    l = tint < 0 ? float(l * (1 + tint)) : float(l * (1 - tint) + tint);
    c.setHslF(h, s, std::clamp(l, 0.0f, 1.0f), a);
    return Rgb(c.rgb() & 0xFFFFFF);
}

bool isDateFormatCode(const QString &code)
{
    bool quoted = false, bracket = false;
    for (qsizetype k = 0; k < code.size(); ++k) {
        const QChar ch = code[k];
        if (ch == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (ch == QLatin1Char('\\') || ch == QLatin1Char('_') || ch == QLatin1Char('*'))
            ++k; // the next character is shown or measured, not a token
        else if (ch == QLatin1Char('['))
            bracket = true;
        else if (ch == QLatin1Char(']'))
            bracket = false;
        else if (!bracket && QStringLiteral("dmyhsDMYHS").contains(ch))
            return true;
        else if (ch == QLatin1Char(';'))
            break; // the first section decides
    }
    return false;
}

XlsxStyles::XlsxStyles(const QByteArray &stylesXml, const QByteArray &themeXml)
{
    if (stylesXml.isEmpty())
        return;
    pugi::xml_document doc;
    if (!doc.load_buffer(stylesXml.constData(), size_t(stylesXml.size())))
        throw ReportError(QCoreApplication::translate("Cellvex", "The styles of the workbook are not XML"));
    const ColorResolver colors(themeXml);
    const pugi::xml_node sheet = doc.child("styleSheet");

    QHash<unsigned, bool> customDates;
    for (const pugi::xml_node n : sheet.child("numFmts").children("numFmt"))
        customDates.insert(n.attribute("numFmtId").as_uint(),
                           isDateFormatCode(QString::fromUtf8(n.attribute("formatCode").value())));
    std::vector<SheetFont> fonts;
    for (const pugi::xml_node n : sheet.child("fonts").children("font"))
        fonts.push_back(readFont(n, colors));
    std::vector<Fill> fills;
    for (const pugi::xml_node n : sheet.child("fills").children("fill"))
        fills.push_back(readFill(n, colors));
    std::vector<std::array<BorderLine, kSideCount>> borders;
    for (const pugi::xml_node n : sheet.child("borders").children("border"))
        borders.push_back(readBorder(n));

    for (const pugi::xml_node xf : sheet.child("cellXfs").children("xf")) {
        Format f;
        const unsigned font = xf.attribute("fontId").as_uint(), fill = xf.attribute("fillId").as_uint(),
                       border = xf.attribute("borderId").as_uint(),
                       numFmt = xf.attribute("numFmtId").as_uint();
        if (font < fonts.size())
            f.style.font = fonts[font];
        if (fill < fills.size()) {
            f.style.filled = fills[fill].filled;
            f.style.interior = fills[fill].filled ? fills[fill].color : 0xFFFFFF;
        }
        if (border < borders.size())
            f.style.borders = borders[border];
        const pugi::xml_node align = xf.child("alignment");
        f.style.hAlign = hAlignOf(align.attribute("horizontal").value());
        f.style.vAlign = vAlignOf(align.attribute("vertical").value());
        f.style.wrapText = isTrue(align, "wrapText", false);
        f.style.locked = isTrue(xf.child("protection"), "locked", true);
        f.date = customDates.contains(numFmt) ? customDates.value(numFmt) : isBuiltInDate(numFmt);
        m_formats.push_back(std::move(f));
    }
    if (!m_formats.empty())
        m_default = m_formats.front();
    else if (!fonts.empty())
        m_default.style.font = fonts.front();
}

const XlsxStyles::Format &XlsxStyles::format(unsigned index) const
{
    return index < m_formats.size() ? m_formats[index] : m_default;
}

} // namespace cellvex::xlsx
