#include "CellBorderPage.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostState.h"
#include "automation/ICellvex.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace cellvex::demo {

namespace {

// The control's border types.
constexpr int kDiagonal = 0;
constexpr int kLeft = 1;
constexpr int kTop = 2;
constexpr int kRight = 3;
constexpr int kBottom = 4;

} // namespace

CellBorderPage::CellBorderPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                               QWidget *parent)
    : CellPage(control, state, prompts, parent)
{
    QGroupBox *group =
        addGroup(this, QStringLiteral("GroupBox1"), QStringLiteral("GroupBox1"), QRect(8, 6, 362, 96));
    const QString texts[ChoiceCount] = {
        QStringLiteral("上"),   QStringLiteral("下"),   QStringLiteral("左"),   QStringLiteral("右"),
        QStringLiteral("边框"), QStringLiteral("中心"), QStringLiteral("全部"), QStringLiteral("斜线")};
    auto *choice = new QButtonGroup(this);
    for (int i = 0; i < ChoiceCount; ++i) {
        m_choices[i] = addRadio(group, QStringLiteral("RadioButton%1").arg(i + 3), texts[i],
                                QRect(20 + (i % 4) * 86, 26 + (i / 4) * 32, 76, 20));
        choice->addButton(m_choices[i]);
    }
    m_choices[Outline]->setChecked(true);

    addLabel(this, QStringLiteral("宽度："), QRect(10, 118, 40, 16));
    m_width = addEdit(this, QStringLiteral("Edit8"), QRect(52, 115, 80, 21), QStringLiteral("-1"));
    addLabel(this, QStringLiteral("类型："), QRect(160, 118, 40, 16));
    m_diagonalType = addEdit(this, QStringLiteral("Edit13"), QRect(202, 115, 80, 21), QStringLiteral("0"));
}

void CellBorderPage::setBorder(int c, int r, int side, int width)
{
    checkCall(control()->SetCellBorders(c, r, side, width));
}

void CellBorderPage::apply()
{
    const HostState &s = state();
    const int x0 = s.selMinX, x1 = s.selMaxX, y0 = s.selMinY, y1 = s.selMaxY;
    // The width is converted again for every call, so a bad width stops at the
    // first border it would set.
    const auto w = [&] { return integerFromText(m_width->text()); };
    const auto alongRow = [&](int r, int side) {
        for (int c = x0; c <= x1; ++c)
            setBorder(c, r, side, w());
    };
    const auto alongColumn = [&](int c, int side) {
        for (int r = y0; r <= y1; ++r)
            setBorder(c, r, side, w());
    };

    if (m_choices[Top]->isChecked()) {
        alongRow(y0, kTop);
    } else if (m_choices[Bottom]->isChecked()) {
        alongRow(y1, kBottom);
    } else if (m_choices[Left]->isChecked()) {
        alongColumn(x0, kLeft);
    } else if (m_choices[Right]->isChecked()) {
        alongColumn(x1, kRight);
    } else if (m_choices[Outline]->isChecked()) {
        alongColumn(x0, kLeft);
        alongRow(y0, kTop);
        alongColumn(x1, kRight);
        alongRow(y1, kBottom);
    } else if (m_choices[Inner]->isChecked()) {
        forEachSelectedCell(s, [&](int c, int r) {
            if (c != x0)
                setBorder(c, r, kLeft, w());
            if (r != y0)
                setBorder(c, r, kTop, w());
        });
    } else if (m_choices[All]->isChecked()) {
        // Inner right and bottom lines are cleared (the neighbour's left and
        // top carry them); the outer ones take the width.
        forEachSelectedCell(s, [&](int c, int r) {
            setBorder(c, r, kLeft, w());
            setBorder(c, r, kTop, w());
            setBorder(c, r, kRight, c < x1 ? 0 : w());
            setBorder(c, r, kBottom, r < y1 ? 0 : w());
        });
    } else if (m_choices[Diagonal]->isChecked()) {
        forEachSelectedCell(
            s, [&](int c, int r) { setBorder(c, r, kDiagonal, integerFromText(m_diagonalType->text())); });
    }
}

} // namespace cellvex::demo
