#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <string>

namespace cellvex {

// Text written straight into a document in the code page (GBK), escaped
// exactly as the XML library escapes what it prints, so that a streamed
// element is byte for byte the element the library would have written and
// the stored form does not depend on which of the two wrote it:
// - in attribute values "&", "<" and '"' become entities and every control
//   character a two-digit reference ("&#09;", "&#10;", "&#13;");
// - in element text "&", "<" and ">" become entities, and CR and LF the
//   references "&#13;" and "&#10;" so that the element stays on one line.
// A character the code page lacks becomes the reference "&#N;".
//
// Texts are checked as they are written: one holding a character no XML
// document can carry throws ReportError naming it as `what` words it.
class AnsiXmlText
{
public:
    enum class Context { Attribute, ElementText };

    template <typename What>
    static void append(std::string &out, QStringView text, Context context, What &&what)
    {
        const qsizetype bad = appendChecked(out, text, context);
        if (bad >= 0)
            fail(what(), text[bad]);
    }
    // An attribute value of ASCII bytes (a packed picture with its CR LF).
    static void appendAsciiAttribute(std::string &out, QByteArrayView ascii);

private:
    // Appends the text; returns the index of the first character XML cannot
    // carry (the text is then written only up to it), else -1.
    static qsizetype appendChecked(std::string &out, QStringView text, Context context);
    [[noreturn]] static void fail(const QString &what, QChar c);
};

} // namespace cellvex
