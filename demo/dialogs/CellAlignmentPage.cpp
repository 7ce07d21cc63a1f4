#include "CellAlignmentPage.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostPrompts.h"
#include "HostState.h"
#include "automation/ICellvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace cellvex::demo {

namespace {

QComboBox *addDropDownList(QWidget *parent, const QString &name, QRect geometry, const QStringList &items,
                           int initial)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->addItems(items);
    box->setCurrentIndex(initial);
    return box;
}

} // namespace

CellAlignmentPage::CellAlignmentPage(automation::ICellvex *control, const HostState &state,
                                     HostPrompts &prompts, QWidget *parent)
    : CellPage(control, state, prompts, parent)
{
    addLabel(this, QStringLiteral("水平对齐："), QRect(10, 14, 68, 16));
    m_horizontal =
        addDropDownList(this, QStringLiteral("ComboBox1"), QRect(80, 10, 110, 22),
                        {QStringLiteral("居左"), QStringLiteral("居中"), QStringLiteral("居右")}, 0);
    addLabel(this, QStringLiteral("垂直对齐："), QRect(10, 46, 68, 16));
    m_vertical = addDropDownList(this, QStringLiteral("ComboBox2"), QRect(80, 42, 110, 22),
                                 {QStringLiteral("居上"), QStringLiteral("居中"), QStringLiteral("居下")}, 1);

    addLabel(this, QStringLiteral("背景图片："), QRect(10, 78, 68, 16));
    m_picture = addEdit(this, QStringLiteral("Edit7"), QRect(80, 75, 252, 21));
    QPushButton *browseButton =
        addButton(this, QStringLiteral("Button3"), QStringLiteral("…"), QRect(336, 74, 28, 23));
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("Image1"));
    m_preview->setGeometry(80, 104, 160, 90);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_stretch = addCheck(this, QStringLiteral("CheckBox1"), QStringLiteral("平铺"), QRect(250, 104, 80, 20));
    m_stretch->setChecked(true);
    m_preview->setScaledContents(true);

    connect(browseButton, &QPushButton::clicked, this, &CellAlignmentPage::browse);
    connect(m_stretch, &QCheckBox::toggled, m_preview, &QLabel::setScaledContents);
}

void CellAlignmentPage::refresh()
{
    std::int32_t horizontal = -1;
    std::int32_t vertical = -1;
    checkCall(control()->GetLabelHAlignment(inputCol(), inputRow(), &horizontal));
    m_horizontal->setCurrentIndex(horizontal >= 0 && horizontal < m_horizontal->count() ? horizontal : -1);
    checkCall(control()->GetLabelVAlignment(inputCol(), inputRow(), &vertical));
    m_vertical->setCurrentIndex(vertical >= 0 && vertical < m_vertical->count() ? vertical : -1);
}

void CellAlignmentPage::apply()
{
    // An empty path removes the cells' pictures.
    forEachSelectedCell(state(), [&](int c, int r) {
        checkCall(control()->SetLabelHAlignment(c, r, m_horizontal->currentIndex()));
        checkCall(control()->SetLabelVAlignment(c, r, m_vertical->currentIndex()));
        checkCall(control()->SetCellPicture(c, r, m_picture->text(), m_stretch->isChecked()));
    });
}

void CellAlignmentPage::browse()
{
    const QString chosen = prompts().openFileName(this, QStringLiteral("图片文件|*.bmp;*.png;*.jpg"));
    if (chosen.isEmpty())
        return;
    m_picture->setText(chosen);
    showPreview();
}

void CellAlignmentPage::showPreview()
{
    // A file Qt cannot read leaves the preview empty; the path still goes to
    // the control, which judges the file itself.
    m_preview->setPixmap(QPixmap(m_picture->text()));
}

} // namespace cellvex::demo
