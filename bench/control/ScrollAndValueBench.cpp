// A scroll step with its repaint on a 1 M-cell report of mixed kinds, at the
// top and at the bottom; and a million SetCellValue calls through Invoke.
#include "control/CellSurface.h"
#include "control/CellvexObject.h"
#include "control/viewport/GridViewport.h"
#include "grid/layout/ScrollController.h"
#include "report/CellInputOps.h"
#include "report/CellKindOps.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

void mixKinds(Report &r, int firstRow, int rows)
{
    for (int row = firstRow; row < firstRow + rows; ++row)
        for (int col = 0; col < 10; ++col) {
            switch ((row + col) % 5) {
            case 0:
                setCheckCell(r, col, row, QStringLiteral("是"));
                break;
            case 1:
                setDropCell(r, col, row, QStringLiteral("a\r\nb"));
                break;
            case 2:
                setButtonCell(r, col, row, QStringLiteral("按钮"), QString());
                break;
            default:
                r.setCellCaption(col, row, QStringLiteral("文本 %1").arg(row));
            }
        }
}

void BM_ScrollStepAndRepaint(benchmark::State &state)
{
    const bool bottom = state.range(0) != 0;
    auto *obj = new CellvexObject();
    CellvexControl &c = *obj->control();
    c.resize(640, 480);
    c.actions().newReport(1000, 1000);
    mixKinds(c.report(), 0, 40);
    mixKinds(c.report(), 940, 60);
    ScrollController &scroll = c.viewport().scroll();
    const int base = bottom ? 950 : 1;
    QImage image(c.cellSurface()->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        scroll.setTopIndex(base + (step++ % 10));
        QPainter p(&image);
        c.cellSurface()->paintArea(p, image.rect());
    }
    state.SetLabel(bottom ? "bottom" : "top");
    obj->Release();
}

void BM_MillionSetCellValueThroughInvoke(benchmark::State &state)
{
    auto *obj = new CellvexObject();
    obj->NewReport(100, 10000);
    // Every other column holds formatted number cells.
    for (int col = 0; col < 100; col += 2)
        for (int row = 0; row < 10000; ++row)
            setCellFormat(obj->control()->report(), col, row, 3, QStringLiteral("#,##0.00"));
    DispId id = 0;
    const QString name = QStringLiteral("SetCellValue");
    obj->GetIDsOfNames(&name, 1, 0x409, &id);
    std::vector<Variant> args;
    std::uint32_t argError = 0;
    for (auto _ : state) {
        for (int row = 1; row <= 10000; ++row)
            for (int col = 1; col <= 100; ++col) {
                args = {Variant::fromLong(col), Variant::fromLong(row),
                        Variant::fromString(QString::number(row * 7 + col))};
                obj->Invoke(id, 0x409, DISPATCH_METHOD, args, nullptr, &argError);
            }
    }
    obj->Release();
}

} // namespace

BENCHMARK(BM_ScrollStepAndRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MillionSetCellValueThroughInvoke)->Unit(benchmark::kMillisecond)->Iterations(1);
