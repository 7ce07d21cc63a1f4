#include "ReportDocumentReader.h"

#include "common/GbkCodec.h"
#include "common/ReportError.h"
#include "document/CellElementReader.h"
#include "document/PackText.h"
#include "document/PlainXmlReader.h"
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

namespace {

// The plain parser's reading of the inflated text, decoded straight into its
// buffer piece by piece as the general reading decodes it (the same pieces,
// so that both judge an element's size alike). False when it declines.
bool readPlainText(const QByteArray &compressed, ReportXmlReader &events, const DocumentLimits &limits)
{
    struct Declined
    {
    };
    const GbkCodec &codec = GbkCodec::instance();
    PlainXmlReader plain(events, limits, CellElementReader::geometryAttributes());
    QByteArray carried;
    auto decodeAndParse = [&](QByteArrayView gbk, bool last) {
        const qsizetype used = codec.appendGbkAsUtf8(gbk, plain.buffer(), last);
        if (used < 0 || !plain.parse(last))
            throw Declined();
        carried = gbk.sliced(used).toByteArray();
    };
    try {
        inflateZlibTo(compressed, limits.maxTextBytes, [&](QByteArrayView piece) {
            if (carried.isEmpty()) {
                decodeAndParse(piece, false);
            } else {
                const QByteArray joined = carried + piece.toByteArray();
                decodeAndParse(joined, false);
            }
        });
        const QByteArray rest = carried;
        decodeAndParse(rest, true);
        return true;
    } catch (const Declined &) {
        return false;
    }
}

} // namespace

std::optional<LoadedReport> readPlainReportDocument(QByteArrayView stored, int pixelsPerInch,
                                                    const DocumentLimits &limits)
{
    // Whatever fails is left to the general reading, which names it.
    try {
        if (stored.size() > limits.maxStoredBytes)
            return std::nullopt;
        std::optional<LoadedReport> out(std::in_place, pixelsPerInch);
        ReportXmlReader events(*out, limits);
        if (!readPlainText(base64DataOfStoredForm(stored), events, limits))
            return std::nullopt;
        return out;
    } catch (const ReportError &) {
        return std::nullopt;
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

LoadedReport readGeneralReportDocument(QByteArrayView stored, int pixelsPerInch, const DocumentLimits &limits)
{
    try {
        if (stored.size() > limits.maxStoredBytes)
            throw ReportError(QStringLiteral("报表数据超过 %1 字节的上限").arg(limits.maxStoredBytes));
        const QByteArray compressed = base64DataOfStoredForm(stored);
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

LoadedReport readReportDocument(QByteArrayView stored, int pixelsPerInch, const DocumentLimits &limits)
{
    if (std::optional<LoadedReport> plain = readPlainReportDocument(stored, pixelsPerInch, limits))
        return std::move(*plain);
    return readGeneralReportDocument(stored, pixelsPerInch, limits);
}

} // namespace cellvex
