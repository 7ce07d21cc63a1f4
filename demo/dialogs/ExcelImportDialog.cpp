#include "ExcelImportDialog.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostPrompts.h"

#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace cellvex::demo {

namespace {

bool onlyDigits(const QString &text)
{
    for (QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return true;
}

// A key that types a character other than a digit: Backspace, or a printable
// character. Control codes that some keys carry (Delete's DEL, Enter's CR,
// Escape, Ctrl+letter) are not typing and keep their usual handling.
bool typesNonDigit(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Backspace)
        return true;
    for (QChar ch : key.text())
        if (ch.isPrint() && (ch < QLatin1Char('0') || ch > QLatin1Char('9')))
            return true;
    return false;
}

} // namespace

ExcelImportDialog::ExcelImportDialog(HostPrompts &prompts, QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("ExcelImportDialog"));
    setUpHostDialog(this, QStringLiteral("Excel"), QSize(386, 160));

    QGroupBox *file =
        addGroup(this, QStringLiteral("GroupBox1"), QStringLiteral("文件名称"), QRect(8, 6, 370, 52));
    addLabel(file, QStringLiteral("文件名称："), QRect(12, 24, 64, 16), QStringLiteral("Label1"));
    m_file = addEdit(file, QStringLiteral("Edit1"), QRect(78, 21, 244, 21));
    QPushButton *browseButton =
        addButton(file, QStringLiteral("Button3"), QStringLiteral("……"), QRect(326, 20, 34, 23));

    QGroupBox *range =
        addGroup(this, QStringLiteral("GroupBox2"), QStringLiteral("表页范围"), QRect(8, 62, 370, 54));
    const QString labels[4] = {QStringLiteral("左："), QStringLiteral("上："), QStringLiteral("右："),
                               QStringLiteral("下：")};
    const QString initial[4] = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("10"),
                                QStringLiteral("10")};
    for (int i = 0; i < 4; ++i) {
        const int x = 12 + i * 89;
        addLabel(range, labels[i], QRect(x, 24, 26, 16));
        m_range[i] =
            addEdit(range, QStringLiteral("Edit%1").arg(i + 2), QRect(x + 26, 21, 54, 21), initial[i]);
        m_range[i]->installEventFilter(this);
    }

    QPushButton *ok =
        addButton(this, QStringLiteral("Button1"), QStringLiteral("确定"), QRect(212, 126, 75, 25));
    QPushButton *cancel =
        addButton(this, QStringLiteral("Button2"), QStringLiteral("取消"), QRect(298, 126, 75, 25));
    ok->setDefault(true);

    connect(browseButton, &QPushButton::clicked, this, &ExcelImportDialog::browse);
    connect(ok, &QPushButton::clicked, this, &ExcelImportDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString ExcelImportDialog::fileName() const
{
    return m_file->text();
}

bool ExcelImportDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The range fields take typed digits only. Every other typed character is
    // dropped, Backspace included; Delete, the arrows and overtyping a
    // selection with a digit still work.
    if (event->type() == QEvent::KeyPress) {
        if (typesNonDigit(*static_cast<QKeyEvent *>(event)))
            return true;
    } else if (event->type() == QEvent::InputMethod) {
        const auto *input = static_cast<QInputMethodEvent *>(event);
        if (!onlyDigits(input->commitString()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ExcelImportDialog::browse()
{
    const QString chosen = m_prompts.openFileName(this, QStringLiteral("Excel文件|*.xlsx|所有文件|*.*"));
    if (!chosen.isEmpty())
        m_file->setText(chosen);
}

void ExcelImportDialog::confirm()
{
    // Incomplete or inverted input keeps the dialog open without a word; a
    // number too large for an integer (pasted, say) is the conversion error.
    if (m_file->text().isEmpty())
        return;
    for (QLineEdit *field : m_range)
        if (field->text().isEmpty())
            return;
    runAction(this, m_prompts, [&] {
        const int left = integerFromText(m_range[0]->text());
        const int top = integerFromText(m_range[1]->text());
        const int right = integerFromText(m_range[2]->text());
        const int bottom = integerFromText(m_range[3]->text());
        if (right < left || bottom < top)
            return;
        m_left = left;
        m_top = top;
        m_right = right;
        m_bottom = bottom;
        m_confirmed = true;
        accept();
    });
}

void ExcelImportDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace cellvex::demo
