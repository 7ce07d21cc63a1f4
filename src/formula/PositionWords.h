#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace cellvex {

// What the position words of a coordinate stand for: the 1-based column and
// row of the cell whose formula or script is prepared (0 and 0 for the init
// script) and the grid's column and row counts.
struct PositionWords
{
    int col = 0;
    int row = 0;
    int colCount = 0;
    int rowCount = 0;
};

// Trims the text and replaces every "col", "row", "coux" and "couy" by its
// decimal number. Matching is case-sensitive and by plain substring, so
// "colx" gives "5x". (The words are specified as four passes in that order;
// no word's end can begin another and numbers contain no letters, so one
// left-to-right scan gives the same text.)
QString expandPositionWords(QStringView text, const PositionWords &words);

enum class CoordinateStatus { Ok, Empty, Failed };

struct Coordinate
{
    CoordinateStatus status = CoordinateStatus::Ok;
    std::int32_t value = 0; // 1-based, as written
    QString error;          // the evaluator's message when Failed
};

// A coordinate argument: trimmed, position words expanded, then evaluated
// as an integer. Empty when nothing is left to evaluate.
Coordinate evalCoordinate(QStringView text, const PositionWords &words);

} // namespace cellvex
