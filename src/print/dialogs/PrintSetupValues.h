#pragma once

#include <QString>

#include <optional>

namespace cellvex {

struct PageSettings;

// What a confirmed page setup dialog hands over, every field already checked
// (millimetre texts are numbers, the page size is positive), so that taking
// it over cannot stop half way.
struct PrintSetupValues
{
    int copies = 1;
    QString printerName;
    bool landscape = false;
    // Nothing when the printer offered no paper: the report keeps its paper.
    std::optional<QString> paperName;
    bool printBorders = true;
    bool printBackColor = true;
    QString width;
    QString height;
    QString headerMargin;
    QString footerMargin;
    QString leftMargin;
    QString topMargin;
    QString rightMargin;
    QString bottomMargin;
    // Nothing when the report's font or size is not offered and none was
    // chosen: the report keeps its own.
    std::optional<QString> fontName;
    std::optional<int> fontSize;
    QString headerContent;
    QString footerContent;
};

// Takes the values over into the settings, in the dialog's order, and
// recomputes the pixel equivalents. The width and height are taken as they
// lie: the dialog's fields already hold them turned for the orientation.
// The caller re-paginates and marks the report unsaved.
void applyPrintSetup(PageSettings &settings, const PrintSetupValues &values);

} // namespace cellvex
