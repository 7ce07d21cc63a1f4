#include "CellCapacity.h"

#include "cells/Cell.h"
#include "common/ReportError.h"
#include "common/SystemMemory.h"

namespace cellvex {

namespace {

QString megabytesUp(std::int64_t bytes)
{
    return QString::number((bytes + (1 << 20) - 1) >> 20);
}

QString megabytesDown(std::int64_t bytes)
{
    return QString::number(bytes >> 20);
}

} // namespace

std::int64_t bytesPerCell()
{
    // The cell itself, held by value in the matrix's block, and its share of
    // the rulers and of the block's spare room.
    return std::int64_t(sizeof(Cell)) + 8;
}

QString cellCapacityProblem(std::int64_t cols, std::int64_t rows, std::int64_t addedCells,
                            std::int64_t availableBytes)
{
    if (cols < 0 || rows < 0)
        return QStringLiteral("列数和行数不能为负数");
    // Either side alone beyond the limit also keeps the product from wrapping.
    const bool tooMany =
        cols > kMaxReportCells || rows > kMaxReportCells || (cols > 0 && rows > kMaxReportCells / cols);
    if (tooMany)
        return QStringLiteral("报表为 %1 列 %2 行，超过了 %3 个单元格的上限")
            .arg(cols)
            .arg(rows)
            .arg(kMaxReportCells);
    if (availableBytes < 0 || addedCells <= 0)
        return QString();
    // Every column also costs its ruler entries and its share of the spare
    // room: short columns by the million cost more than their cells.
    constexpr std::int64_t kColumnBytes = 64;
    const std::int64_t needed = addedCells * bytesPerCell() + cols * kColumnBytes;
    if (needed > availableBytes)
        return QStringLiteral("内存不足：%1 列 %2 行的报表需要约 %3 MB，系统只有 %4 MB 可用")
            .arg(cols)
            .arg(rows)
            .arg(megabytesUp(needed), megabytesDown(availableBytes));
    return QString();
}

void requireCellCapacity(std::int64_t cols, std::int64_t rows, std::int64_t addedCells)
{
    // Reading the system's figure costs a file read: small requests, which
    // are most of them, do without it.
    constexpr std::int64_t kAlwaysFine = 1'000'000;
    const std::int64_t available = addedCells > kAlwaysFine ? availableMemoryBytes() : -1;
    const QString problem = cellCapacityProblem(cols, rows, addedCells, available);
    if (!problem.isEmpty())
        throw ReportError(problem);
}

} // namespace cellvex
