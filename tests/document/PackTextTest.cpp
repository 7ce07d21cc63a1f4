#include "document/PackText.h"
#include "common/ReportError.h"

#include <QByteArrayList>
#include <QRandomGenerator>

#include <zlib.h>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

QByteArray randomBytes(qsizetype n, quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray b(n, Qt::Uninitialized);
    for (char &c : b)
        c = char(gen.bounded(256));
    return b;
}

} // namespace

TEST(PackText, IsAZlibStreamInBase64WithCrLfAfterEveryFullLine)
{
    // Incompressible input gives several lines, the last one shorter.
    const QByteArray data = randomBytes(1000, 7);
    const QByteArray packed = packText(data);
    const QList<QByteArray> lines = packed.split('\n');
    ASSERT_GT(lines.size(), 2);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 77) << i; // 76 characters and the CR
        EXPECT_TRUE(lines[i].endsWith('\r'));
    }
    EXPECT_LT(lines.last().size(), 76);
    EXPECT_FALSE(packed.endsWith('\n'));

    // RFC 1950 at the default level: header 78 9C, readable by zlib itself.
    const QByteArray compressed = QByteArray::fromBase64(QByteArray(packed).replace("\r\n", ""));
    ASSERT_GE(compressed.size(), 2);
    EXPECT_EQ(quint8(compressed[0]), 0x78);
    EXPECT_EQ(quint8(compressed[1]), 0x9C);
    QByteArray back(data.size(), Qt::Uninitialized);
    uLongf backSize = uLongf(back.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef *>(back.data()), &backSize,
                         reinterpret_cast<const Bytef *>(compressed.constData()), uLong(compressed.size())),
              Z_OK);
    EXPECT_EQ(back, data);
}

TEST(PackText, LineBreaksFollowCompleteLinesOnly)
{
    // 57 bytes are exactly 76 Base64 characters: a complete last line is
    // followed by its line break, a shorter one is not.
    const QByteArray full = base64Lines(QByteArray(57 * 2, 'x'), "\r\n");
    EXPECT_EQ(full.size(), 76 * 2 + 4);
    EXPECT_EQ(full.indexOf("\r\n"), 76);
    EXPECT_TRUE(full.endsWith("\r\n"));
    const QByteArray shorter = base64Lines(QByteArray(57 * 2 + 1, 'x'), "--");
    EXPECT_EQ(shorter.count("--"), 2);
    EXPECT_FALSE(shorter.endsWith("-"));
}

TEST(PackText, LinesHoldExactlyTheBase64OfTheBytes)
{
    // Every length of a last line, the padded ones that fill 76 characters
    // without being complete (55 and 56 bytes) included: nothing but the
    // Base64 text and its breaks, no byte left unwritten.
    for (qsizetype n = 0; n <= 57 * 3; ++n) {
        const QByteArray bytes = randomBytes(n, quint32(n));
        const QByteArray base64 = bytes.toBase64();
        QByteArray expected;
        for (qsizetype line = 0; line < n / 57; ++line)
            expected += base64.mid(line * 76, 76) + "\r\n";
        expected += base64.mid(n / 57 * 76);
        EXPECT_EQ(base64Lines(bytes, "\r\n"), expected) << n;
    }
}

TEST(PackText, UnpackSkipsEverythingOutsideTheAlphabet)
{
    const QByteArray data = randomBytes(300, 3) + QByteArray(500, 'a');
    QByteArray noisy = packText(data);
    noisy.insert(10, " \t-_*\xC3\xA9");
    noisy.append("\r\n\r\n");
    EXPECT_EQ(unpackText(noisy, 1 << 20), data);
    EXPECT_EQ(unpackText(packText(QByteArray()), 16), QByteArray());
}

TEST(PackText, DamagedTruncatedOrOversizedDataFails)
{
    const QByteArray data = randomBytes(2000, 11);
    const QByteArray packed = packText(data);
    QByteArray flipped = packed;
    flipped[40] = flipped[40] == 'A' ? 'B' : 'A';
    const QByteArray truncated = packed.left(packed.size() / 2);
    const QByteArray cases[] = {flipped, truncated, QByteArray("not packed at all"), QByteArray()};
    for (const QByteArray &bad : cases)
        EXPECT_THROW(unpackText(bad, 1 << 20), ReportError) << bad.left(20).constData();
    // A bomb: a small stream that inflates past the limit.
    const QByteArray zeros = packText(QByteArray(1 << 20, '\0'));
    EXPECT_LT(zeros.size(), 2000);
    EXPECT_THROW(unpackText(zeros, (1 << 20) - 1), ReportError);
    EXPECT_EQ(unpackText(zeros, 1 << 20).size(), 1 << 20);
}

TEST(PackText, StoredFormTurnsLineBreaksIntoDashPairsAndBack)
{
    const QByteArray packed = packText(randomBytes(500, 5));
    const QByteArray stored = storedFormOf(packed);
    EXPECT_FALSE(stored.contains('\r'));
    EXPECT_FALSE(stored.contains('\n'));
    EXPECT_EQ(stored.count("--"), packed.count("\r\n"));
    EXPECT_EQ(packedFromStoredForm(stored), packed);
    // A lone "-" takes the next character with it, as the format defines.
    EXPECT_EQ(packedFromStoredForm("AB-CD"), QByteArray("AB\r\nD"));
    EXPECT_EQ(packedFromStoredForm("AB-"), QByteArray("AB\r"));
}
