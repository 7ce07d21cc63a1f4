#include "PaperTable.h"

#include <vector>

namespace cellvex {

namespace {

struct NamedPaper
{
    int code;
    const char16_t *name;
    const char16_t *width;
    const char16_t *height;
};

// Sizes are the portrait position of each paper; the odd values (Note,
// the German fanfolds, the C/D/E sheets) are kept as reports have always
// stored them.
constexpr NamedPaper kNamedPapers[] = {
    {1, u"Letter 8 1/2 × 11 in", u"215.9", u"279.4"},
    {2, u"Letter Small 8 1/2 × 11 in", u"215.9", u"279.4"},
    {3, u"Tabloid 11 × 17 in", u"279.4", u"431.8"},
    {4, u"Ledger 17 × 11 in", u"431.8", u"279.4"},
    {5, u"Legal 8 1/2 × 14 in", u"215.9", u"355.6"},
    {6, u"Statement 5 1/2 × 8 1/2 in", u"139.7", u"215.9"},
    {7, u"Executive 7 1/2 × 10 in", u"190.5", u"254.0"},
    {8, u"A3 297 × 420 mm", u"297.0", u"420.0"},
    {9, u"A4 210 × 297 mm", u"210.0", u"297.0"},
    {10, u"A4 small 210 × 297 mm", u"210.0", u"297.0"},
    {11, u"A5 148 × 210 mm", u"148.0", u"210.0"},
    {12, u"B4 250 × 354 mm", u"250.0", u"354.0"},
    {13, u"B5 182 × 257 mm", u"182.0", u"257.0"},
    {14, u"Folio 8 1/2 × 13 in", u"215.9", u"330.2"},
    {15, u"Quarto 215 × 275 mm", u"215.0", u"275.0"},
    {16, u"10 × 14 in", u"254.0", u"355.6"},
    {17, u"11 × 17 in", u"279.4", u"431.8"},
    {18, u"Note 8 1/2 × 11 in", u"215.9", u"279.0"},
    {19, u"Envelope #9 3 7/8 × 8 7/8 in", u"98.4", u"225.4"},
    {20, u"Envelope #10 4 1/8 × 9 1/2 in", u"104.8", u"241.3"},
    {21, u"Envelope #11 4 1/2 × 10 3/8 in", u"114.3", u"263.5"},
    {22, u"Envelope #12 4 3/4 × 11 in", u"120.6", u"279.4"},
    {23, u"Envelope #14 5 × 11 1/2 in", u"127.0", u"292.1"},
    {24, u"C size sheet", u"100.0", u"100.0"},
    {25, u"D size sheet", u"100.0", u"100.0"},
    {26, u"E size sheet", u"100.0", u"100.0"},
    {27, u"Envelope DL 110 × 220 mm", u"110.0", u"220.0"},
    {28, u"Envelope C5 162 × 229 mm", u"162.0", u"229.0"},
    {29, u"Envelope C3 324 × 458 mm", u"324.0", u"458.0"},
    {30, u"Envelope C4 229 × 324 mm", u"229.0", u"324.0"},
    {31, u"Envelope C6 114 × 162 mm", u"114.0", u"162.0"},
    {32, u"Envelope C65 114 × 229 mm", u"114.0", u"229.0"},
    {33, u"Envelope B4 250 × 353 mm", u"250.0", u"353.0"},
    {34, u"Envelope B5 176 × 250 mm", u"176.0", u"250.0"},
    {35, u"Envelope B6 176 × 125 mm", u"176.0", u"125.0"},
    {36, u"Envelope Italy 110 × 230 mm", u"110.0", u"230.0"},
    {37, u"Envelope Monarch 3 7/8 × 7 1/2 in", u"98.4", u"190.5"},
    {38, u"Envelope Invite 3 5/8 × 6 1/2 in", u"92.0", u"177.8"},
    {39, u"US Std Fanfold 14 7/8 × 11 in", u"377.8", u"279.4"},
    {40, u"German Std Fanfold 8 1/2 × 12 in", u"215.9", u"292.1"},
    {41, u"German Legal Fanfold 8 1/2 × 13 in", u"215.9", u"304.9"},
};

std::vector<PaperType> buildTable()
{
    std::vector<PaperType> table(PaperTable::kSize);
    for (const NamedPaper &p : kNamedPapers)
        table[size_t(p.code)] = {QString::fromUtf16(p.name), QString::fromUtf16(p.width),
                                 QString::fromUtf16(p.height)};
    table[PaperTable::kCustomPaper].name = QStringLiteral("自定义纸张 mm × mm");
    return table;
}

const std::vector<PaperType> &table()
{
    static const std::vector<PaperType> t = buildTable();
    return t;
}

} // namespace

const PaperType &PaperTable::entry(int index)
{
    static const PaperType empty;
    if (index < 0 || index >= kSize)
        return empty;
    return table()[size_t(index)];
}

bool PaperTable::hasName(int index)
{
    return !entry(index).name.isEmpty();
}

int PaperTable::indexOfName(const QString &name)
{
    const std::vector<PaperType> &t = table();
    for (int i = 0; i < kSize; ++i) {
        if (t[size_t(i)].name == name)
            return i;
    }
    return -1;
}

int PaperTable::printerPaperCode(const QString &name)
{
    if (name.isEmpty())
        return kA4;
    const int i = indexOfName(name);
    return i < 0 ? kA4 : i;
}

} // namespace cellvex
