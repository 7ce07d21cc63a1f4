#pragma once

#include "document/DocumentPicture.h"
#include "document/XmlElement.h"

#include <QImage>

#include <string>
#include <string_view>

namespace cellvex {

// Indexed attribute names such as "AS12".
inline std::string indexedAttribute(const char *prefix, qsizetype index)
{
    return prefix + std::to_string(index);
}

// A picture as an attribute value: packed, its CR LF line breaks kept.
inline void setPictureAttribute(XmlElement e, const char *name, const QImage &image)
{
    const QByteArray packed = packedPicture(image);
    e.setAttributeUtf8(name, std::string_view(packed.constData(), size_t(packed.size())));
}

} // namespace cellvex
