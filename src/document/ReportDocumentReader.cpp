#include "ReportDocumentReader.h"

#include "common/GbkCodec.h"
#include "common/ReportError.h"
#include "document/PackText.h"
#include "document/ReportXmlReader.h"
#include "document/ZlibInflate.h"

#include <new>
#include <optional>

namespace cellvex {

namespace {

// Inflates, decodes and parses in one pass, piece by piece.
void readText(const QByteArray &compressed, ReportXmlReader &xml, const DocumentLimits &limits)
{
    const GbkCodec &codec = GbkCodec::instance();
    QByteArray carried; // a lead byte whose second byte is in the next piece
    QByteArray utf8;
    // A failure of decoding or parsing. The rest is still inflated: damaged
    // compressed data makes garbage that fails to parse first, and the
    // stream's own check names the real cause.
    std::optional<QString> laterFailure;
    auto decodeAndParse = [&](QByteArrayView gbk, bool last) {
        utf8.clear();
        const qsizetype used = codec.appendGbkAsUtf8(gbk, utf8, last);
        if (used < 0)
            throw ReportError(QStringLiteral("文档文本不是有效的 GBK 编码文本"));
        carried = gbk.sliced(used).toByteArray();
        xml.feed(utf8, last);
    };
    try {
        inflateZlibTo(compressed, limits.maxTextBytes, [&](QByteArrayView piece) {
            if (laterFailure)
                return;
            try {
                if (carried.isEmpty()) {
                    decodeAndParse(piece, false);
                } else {
                    const QByteArray joined = carried + piece.toByteArray();
                    decodeAndParse(joined, false);
                }
            } catch (const ReportError &e) {
                laterFailure = e.message();
            }
        });
    } catch (const ReportError &e) {
        throw ReportError(QStringLiteral("报表数据无法解包，") + e.message());
    }
    if (laterFailure)
        throw ReportError(*laterFailure);
    const QByteArray rest = carried; // a copy: decoding replaces `carried`
    decodeAndParse(rest, true);
}

} // namespace

LoadedReport readReportDocument(QByteArrayView stored, int pixelsPerInch, const DocumentLimits &limits)
{
    try {
        if (stored.size() > limits.maxStoredBytes)
            throw ReportError(QStringLiteral("报表数据超过 %1 字节的上限").arg(limits.maxStoredBytes));
        const QByteArray compressed = base64Data(packedFromStoredForm(stored));
        LoadedReport out(pixelsPerInch);
        ReportXmlReader xml(out, limits);
        readText(compressed, xml, limits);
        return out;
    } catch (const std::bad_alloc &) {
        throw ReportError(QStringLiteral("无法打开报表：内存不足"));
    } catch (const ReportError &e) {
        throw ReportError(QStringLiteral("无法打开报表：") + e.message());
    }
}

} // namespace cellvex
