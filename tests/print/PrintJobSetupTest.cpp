#include "print/PrintJobSetup.h"
#include "report/PageSettings.h"
#include "report/PaperTable.h"
#include "report/Report.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(PrintJobSetup, PrinterListNamesAreCutBeforeOn)
{
    const std::pair<const char *, const char *> cases[] = {
        {"HP LaserJet on LPT1:", "HP LaserJet"},
        {"Office ON ne01:", "Office"},
        {"A on B on C", "A"},
        {"Canon", "Canon"},
        {"Monitor", "Monitor"}, // "on" inside a word is no separator
    };
    for (const auto &[entry, name] : cases)
        EXPECT_EQ(printerListName(QString::fromUtf8(entry)), QString::fromUtf8(name)) << entry;
}

TEST(PrintJobSetup, PrinterIsFoundByListNameOrFallsBackToTheDefault)
{
    const QStringList printers{QStringLiteral("PDF"), QStringLiteral("HP on LPT1:"),
                               QStringLiteral("财务打印机")};
    EXPECT_EQ(findPrinter(printers, QStringLiteral("HP")), 1);
    EXPECT_EQ(findPrinter(printers, QStringLiteral("财务打印机")), 2);
    EXPECT_EQ(findPrinter(printers, QStringLiteral("hp")), -1);
    EXPECT_EQ(findPrinter(printers, QStringLiteral("Removed printer")), -1);
    EXPECT_EQ(findPrinter(printers, QString()), -1);
    EXPECT_EQ(findPrinter({}, QStringLiteral("PDF")), -1);
}

TEST(PrintJobSetup, DeviceSettingsCarryPaperOrientationCopiesAndCustomSize)
{
    PageSettings a4;
    EXPECT_EQ(deviceSettingsFor(a4), (DeviceSettings{9, 1, 1, false, 0, 0}));

    PageSettings a3;
    a3.paperName = PaperTable::entry(8).name;
    a3.landscape = true;
    a3.copies = 4;
    EXPECT_EQ(deviceSettingsFor(a3), (DeviceSettings{8, 2, 4, false, 0, 0}));

    PageSettings custom;
    custom.paperName = PaperTable::entry(PaperTable::kCustomPaper).name;
    custom.width = PaperLength::fromText(QStringLiteral("210.25"), 96);
    custom.height = PaperLength::fromText(QStringLiteral("99.97"), 96);
    EXPECT_EQ(deviceSettingsFor(custom), (DeviceSettings{256, 1, 1, true, 2102, 1000}));

    PageSettings unknown;
    unknown.paperName = QStringLiteral("Stored elsewhere");
    EXPECT_EQ(deviceSettingsFor(unknown).paperCode, 9);
    unknown.paperName.clear();
    EXPECT_EQ(deviceSettingsFor(unknown).paperCode, 9);

    custom.width = PaperLength::fromText(QStringLiteral("wide"), 96);
    EXPECT_THROW(deviceSettingsFor(custom), ReportError);
}

TEST(PrintJobSetup, ScaleIsDeviceOverScreenResolution)
{
    const DeviceScale s = deviceScaleFor(QSize(600, 300), 96);
    EXPECT_DOUBLE_EQ(s.x, 6.25);
    EXPECT_DOUBLE_EQ(s.y, 3.125);
}

TEST(PrintJobSetup, PageFieldSelectsExistingPagesInOrder)
{
    using Pages = std::vector<std::int64_t>;
    struct Case
    {
        bool all;
        const char *field;
        std::int64_t count;
        std::optional<Pages> expected;
    };
    const Case cases[] = {
        {true, "1,,2", 3, Pages{1, 2, 3}}, // "all pages" ignores the field
        {false, "", 3, Pages{1, 2, 3}},
        {false, "   ", 2, Pages{1, 2}},
        {false, "2", 4, Pages{2}},
        {false, "2,9", 4, Pages{2}},
        {false, " 3 , 1 ", 4, Pages{1, 3}},
        {false, "1-3,2", 5, Pages{1, 2, 3}},
        {false, "4 - 9", 6, Pages{4, 5, 6}},
        {false, "0-2", 6, Pages{1, 2}},
        {false, "3-1", 4, Pages{}},
        {false, "7", 4, Pages{}},
        {false, "1-999999999999", 3, Pages{1, 2, 3}},
        {false, "1,,2", 4, std::nullopt},
        {false, "1,2,", 4, std::nullopt},
        {false, "1-", 4, std::nullopt},
        {false, "-2", 4, std::nullopt},
        {false, "1-2-3", 4, std::nullopt},
        {false, "a", 4, std::nullopt},
        {false, "1.5", 4, std::nullopt},
        {true, "", 0, Pages{}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(selectPages(c.all, QString::fromUtf8(c.field), c.count), c.expected) << c.field;
}
