#include "ScriptEditorDialog.h"

#include "control/dialogs/ScriptHighlighter.h"
#include "control/dialogs/ScriptTextEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>

#include <exception>

namespace cellvex {

namespace {

const QString kErrorPrefix = QStringLiteral("错误信息: ");

constexpr int kClientWidth = 486;
constexpr int kClientHeight = 382;
constexpr int kFontPixels = 12;

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *b = named(new QPushButton(text, parent), name);
    b->setGeometry(where);
    // Enter belongs to the text; no button closes the dialog by it.
    b->setAutoDefault(false);
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setGeometry(where);
    return l;
}

} // namespace

ScriptEditorDialog::ScriptEditorDialog(TestRun testRun, QWidget *parent)
    : FixedDialog(parent), m_testRun(std::move(testRun))
{
    setObjectName(QStringLiteral("EditScriptFrm"));
    setWindowTitle(QStringLiteral("脚本"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setPixelSize(kFontPixels);
    setFont(f);
    setFixedSize(kClientWidth, kClientHeight);

    m_language = named(new QComboBox(this), "cbb_script");
    m_language->setGeometry(kClientWidth - 8 - 180, 8, 180, 22);
    m_language->addItems({QStringLiteral("VBSCRIPT"), QStringLiteral("JAVASCRIPT")});
    m_language->setCurrentIndex(0);

    m_editor = named(new ScriptTextEdit(this), "ret_script");
    m_editor->setGeometry(8, 38, 471, 259);
    m_highlighter = new ScriptHighlighter(m_editor->document(), scriptSyntaxOf(language()));

    m_error = label(this, "lbl_error", kErrorPrefix, QRect(8, 303, 471, 34));
    m_error->setWordWrap(true);
    m_error->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_error->setTextInteractionFlags(Qt::TextSelectableByMouse);

    constexpr int row = 345, labelTop = row + 4, labelHeight = 17;
    auto *execute = button(this, "btn_execute", QStringLiteral("执行代码"), QRect(8, row, 85, 25));
    label(this, "lbl_label1", QStringLiteral("第"), QRect(108, labelTop, 14, labelHeight));
    m_rows = label(this, "lbl_rows", QStringLiteral("1"), QRect(122, labelTop, 40, labelHeight));
    label(this, "lbl_label2", QStringLiteral("行"), QRect(162, labelTop, 14, labelHeight));
    label(this, "lbl_label3", QStringLiteral("第"), QRect(186, labelTop, 14, labelHeight));
    m_cols = label(this, "lbl_cols", QStringLiteral("1"), QRect(200, labelTop, 40, labelHeight));
    label(this, "lbl_label4", QStringLiteral("列"), QRect(240, labelTop, 14, labelHeight));
    for (QLabel *number : {m_rows, m_cols})
        number->setAlignment(Qt::AlignCenter);
    auto *ok = button(this, "btn_ok", QStringLiteral("确定"), QRect(310, row, 80, 25));
    auto *cancel = button(this, "btn_cancel", QStringLiteral("取消"), QRect(399, row, 80, 25));

    connect(execute, &QPushButton::clicked, this, &ScriptEditorDialog::execute);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_language, &QComboBox::currentIndexChanged, this, &ScriptEditorDialog::languageChosen);
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this, &ScriptEditorDialog::showCaret);
    connect(m_editor, &QPlainTextEdit::selectionChanged, this, &ScriptEditorDialog::showCaret);
    m_editor->setFocus();
}

void ScriptEditorDialog::load(const QString &language, const QString &text)
{
    if (!language.isEmpty()) {
        int index = m_language->findText(language, Qt::MatchFixedString);
        if (index < 0) {
            m_language->addItem(language);
            index = m_language->count() - 1;
        }
        m_language->setCurrentIndex(index);
    }
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_editor->setPlainText(lines);
    showCaret();
}

QString ScriptEditorDialog::language() const
{
    return m_language->currentText();
}

QString ScriptEditorDialog::scriptText() const
{
    QString text = m_editor->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void ScriptEditorDialog::execute()
{
    m_editor->setFocus();
    m_executed = true;
    m_error->setText(kErrorPrefix);
    if (!m_testRun)
        return;
    QString failure;
    // Nothing a run throws may leave this slot: the dialog stays open and says what happened.
    try {
        failure = m_testRun(scriptText(), language(), [this](const ScriptError &e) { showEngineError(e); });
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    } catch (...) {
        failure = QStringLiteral("未知错误");
    }
    if (!failure.isEmpty())
        m_error->setText(kErrorPrefix + failure);
}

void ScriptEditorDialog::showEngineError(const ScriptError &error)
{
    // A failure outside any line (an engine that cannot be made) has no place to name.
    if (error.line <= 0 && error.column <= 0) {
        m_error->setText(kErrorPrefix + error.description);
        return;
    }
    m_error->setText(
        kErrorPrefix +
        QStringLiteral("第%1行第%2列文本 %3").arg(error.line).arg(error.column).arg(error.description));
}

void ScriptEditorDialog::showCaret()
{
    // The end of the selection, whichever way it was made.
    const int end = m_editor->textCursor().selectionEnd();
    const QTextBlock line = m_editor->document()->findBlock(end);
    m_rows->setText(QString::number(line.blockNumber() + 1));
    m_cols->setText(QString::number(end - line.position() + 1));
}

void ScriptEditorDialog::languageChosen()
{
    m_highlighter->setSyntax(scriptSyntaxOf(language()));
    m_editor->setFocus();
}

} // namespace cellvex
