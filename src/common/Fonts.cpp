#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace cellvex {

void installFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    raiseGlyphCacheLimit();
    const QStringList families = QFontDatabase::families();
    auto pick = [&](std::initializer_list<const char *> candidates) -> QString {
        for (const char *c : candidates) {
            const QString name = QString::fromUtf8(c);
            if (families.contains(name))
                return name;
        }
        return QString::fromUtf8(*candidates.begin());
    };
    const QString cjk = pick({"WenQuanYi Zen Hei", "WenQuanYi Zen Hei Sharp", "Noto Sans CJK SC"});
    const QString serif = pick({"Liberation Serif", "DejaVu Serif", "FreeSerif"});
    QFont::insertSubstitution(QStringLiteral("宋体"), cjk);
    QFont::insertSubstitution(QStringLiteral("SimSun"), cjk);
    QFont::insertSubstitution(QStringLiteral("新宋体"), cjk);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), serif);
}

void raiseGlyphCacheLimit()
{
    if (qEnvironmentVariableIsEmpty("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", "256");
}

QFont reportFont(const QString &family, int pointSize, bool bold, bool italic, bool underline, bool strikeOut)
{
    QFont f(family);
    f.setPointSize(pointSize > 0 ? pointSize : 1);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeOut);
    return f;
}

} // namespace cellvex
