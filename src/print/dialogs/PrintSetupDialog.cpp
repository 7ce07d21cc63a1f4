#include "PrintSetupDialog.h"

#include "print/PrinterService.h"
#include "print/dialogs/FieldFilter.h"
#include "print/dialogs/PageAreasPicture.h"
#include "print/dialogs/PaperChoices.h"
#include "print/dialogs/PrinterChoiceBox.h"
#include "report/PaperTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace cellvex {

namespace {

constexpr int kMillimetreChars = 10;
constexpr int kCopiesChars = 3;

QString customPaperName()
{
    return PaperTable::entry(PaperTable::kCustomPaper).name;
}

// Every installed font once, in alphabetical order, as a font list shows them.
QStringList sortedFonts(QStringList fonts)
{
    fonts.removeDuplicates();
    std::sort(fonts.begin(), fonts.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return fonts;
}

} // namespace

const QStringList &PrintSetupDialog::fontSizes()
{
    static const QStringList sizes{"5",  "6",   "7",   "8",   "9",   "10",  "11",   "12",  "14", "16",
                                   "18", "20",  "22",  "24",  "26",  "28",  "30",   "36",  "42", "48",
                                   "72", "100", "150", "300", "500", "800", "1200", "2000"};
    return sizes;
}

PrintSetupDialog::PrintSetupDialog(const PageSettings &settings, const PrinterService &printers,
                                   const QStringList &fonts, QWidget *parent)
    : FixedDialog(parent), m_settings(settings), m_printers(printers)
{
    setObjectName(QStringLiteral("PrintSetupFrm"));
    setWindowTitle(QStringLiteral("打印设置"));

    m_tabs = named(new QTabWidget(this), "pgc_printsetup");
    m_tabs->addTab(buildPrinterTab(), QStringLiteral("打印机"));
    m_tabs->addTab(buildHeaderFooterTab(), QStringLiteral("页眉页角"));
    m_tabs->addTab(buildMarginsTab(), QStringLiteral("页边距"));

    const ConfirmButtons buttons = confirmButtons();
    m_ok = buttons.ok;
    connect(m_ok, &QPushButton::clicked, this, &PrintSetupDialog::confirm);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons.row);

    fillFromSettings(fonts);
}

QLineEdit *PrintSetupDialog::millimetreEdit(const char *name, const PaperLength &length)
{
    auto *edit = named(new QLineEdit(this), name);
    FieldFilter::attach(edit, FieldKind::Millimetres);
    setFieldText(edit, length.text, kMillimetreChars);
    return edit;
}

QWidget *PrintSetupDialog::buildPrinterTab()
{
    auto *tab = new QWidget(this);
    m_printerBox = new PrinterChoiceBox(m_printers, tab);

    auto *paperBox = new QGroupBox(QStringLiteral("纸张(单位：mm)"), tab);
    m_paper = named(new QComboBox(paperBox), "cbb_paper");
    m_width = named(new QLineEdit(paperBox), "edt_paperwidth");
    m_height = named(new QLineEdit(paperBox), "edt_paperheight");
    for (QLineEdit *edit : {m_width, m_height}) {
        edit->setMaxLength(kMillimetreChars);
        FieldFilter::attach(edit, FieldKind::Millimetres);
    }
    auto *paperGrid = new QGridLayout(paperBox);
    paperGrid->addWidget(new QLabel(QStringLiteral("纸张："), paperBox), 0, 0);
    paperGrid->addWidget(m_paper, 0, 1, 1, 3);
    paperGrid->addWidget(new QLabel(QStringLiteral("宽度："), paperBox), 1, 0);
    paperGrid->addWidget(m_width, 1, 1);
    paperGrid->addWidget(new QLabel(QStringLiteral("高度："), paperBox), 1, 2);
    paperGrid->addWidget(m_height, 1, 3);

    auto *orientationBox = new QGroupBox(QStringLiteral("纸张方向"), tab);
    m_landscape = named(new QRadioButton(QStringLiteral("横向"), orientationBox), "rdb_polandscape");
    m_portrait = named(new QRadioButton(QStringLiteral("纵向"), orientationBox), "rdb_poportrait");
    m_portrait->setChecked(true);
    auto *orientationRow = new QHBoxLayout(orientationBox);
    orientationRow->addWidget(m_landscape);
    orientationRow->addWidget(m_portrait);

    auto *copiesBox = new QGroupBox(QStringLiteral("份数"), tab);
    m_copies = named(new QLineEdit(copiesBox), "edt_copies");
    m_copies->setMaxLength(kCopiesChars);
    FieldFilter::attach(m_copies, FieldKind::Digits);
    auto *copiesRow = new QHBoxLayout(copiesBox);
    copiesRow->addWidget(m_copies);
    copiesRow->addWidget(new QLabel(QStringLiteral("份"), copiesBox));

    auto *linesBox = new QGroupBox(QStringLiteral("表格线"), tab);
    m_printLines = named(new QCheckBox(QStringLiteral("打印表格线"), linesBox), "cbx_printline");
    m_printLines->setChecked(true);
    (new QHBoxLayout(linesBox))->addWidget(m_printLines);
    auto *colorsBox = new QGroupBox(QStringLiteral("背景色"), tab);
    m_printColors = named(new QCheckBox(QStringLiteral("打印背景色"), colorsBox), "cbx_printcolor");
    m_printColors->setChecked(true);
    (new QHBoxLayout(colorsBox))->addWidget(m_printColors);

    auto *grid = new QGridLayout(tab);
    grid->addWidget(m_printerBox, 0, 0, 1, 2);
    grid->addWidget(paperBox, 1, 0, 1, 2);
    grid->addWidget(orientationBox, 2, 0);
    grid->addWidget(copiesBox, 2, 1);
    grid->addWidget(linesBox, 3, 0);
    grid->addWidget(colorsBox, 3, 1);
    return tab;
}

QWidget *PrintSetupDialog::buildHeaderFooterTab()
{
    auto *tab = new QWidget(this);
    auto *box = new QGroupBox(QStringLiteral("页眉页脚"), tab);
    m_fonts = named(new QComboBox(box), "cbb_fonts");
    m_sizes = named(new QComboBox(box), "cbb_size");
    m_sizes->addItems(fontSizes());
    m_header = named(new QPlainTextEdit(box), "mem_header");
    m_footer = named(new QPlainTextEdit(box), "mem_footer");
    for (QPlainTextEdit *memo : {m_header, m_footer}) {
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setTabChangesFocus(true);
        memo->setFixedHeight(60);
        memo->installEventFilter(this);
    }
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("字体："), box), 0, 0);
    grid->addWidget(m_fonts, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("字号："), box), 0, 2);
    grid->addWidget(m_sizes, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("页眉内容："), box), 1, 0, Qt::AlignTop);
    grid->addWidget(m_header, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("页脚内容："), box), 2, 0, Qt::AlignTop);
    grid->addWidget(m_footer, 2, 1, 1, 3);
    grid->setColumnStretch(1, 1);

    auto *sample = new QGroupBox(QStringLiteral("格式示例"), tab);
    auto *tokens =
        named(new QLabel(QStringLiteral("日期：@Date  时间：@Time  页号：@Pno  页数：@Pages"), sample),
              "lbl_sample");
    (new QVBoxLayout(sample))->addWidget(tokens);

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(box);
    layout->addWidget(sample);
    layout->addStretch();
    return tab;
}

QWidget *PrintSetupDialog::buildMarginsTab()
{
    auto *tab = new QWidget(this);
    auto *box = new QGroupBox(QStringLiteral("页边距 (单位：mm)"), tab);
    m_headerMargin = millimetreEdit("edt_mmheader", m_settings.headerMargin);
    m_footerMargin = millimetreEdit("edt_mmfooter", m_settings.footerMargin);
    m_leftMargin = millimetreEdit("edt_mmleft", m_settings.leftMargin);
    m_topMargin = millimetreEdit("edt_mmtop", m_settings.topMargin);
    m_rightMargin = millimetreEdit("edt_mmright", m_settings.rightMargin);
    m_bottomMargin = millimetreEdit("edt_bottom", m_settings.bottomMargin);
    const std::pair<const char *, QLineEdit *> rows[] = {
        {"页眉：", m_headerMargin}, {"页脚：", m_footerMargin},  {"左边距：", m_leftMargin},
        {"上边距：", m_topMargin},  {"右边距：", m_rightMargin}, {"下边距：", m_bottomMargin}};
    auto *grid = new QGridLayout(box);
    int row = 0;
    for (const auto &[caption, edit] : rows) {
        edit->setParent(box);
        grid->addWidget(new QLabel(QString::fromUtf8(caption), box), row, 0);
        grid->addWidget(edit, row++, 1);
    }

    auto *legend = new QGroupBox(QStringLiteral("图例"), tab);
    (new QVBoxLayout(legend))->addWidget(new PageAreasPicture(legend));

    auto *layout = new QHBoxLayout(tab);
    layout->addWidget(box);
    layout->addWidget(legend);
    return tab;
}

void PrintSetupDialog::fillFromSettings(const QStringList &fonts)
{
    setFieldText(m_copies, QString::number(m_settings.copies), kCopiesChars);
    m_landscape->setChecked(m_settings.landscape);
    m_portrait->setChecked(!m_settings.landscape);
    // From here on a change of orientation turns the paper fields.
    connect(m_landscape, &QRadioButton::toggled, this, &PrintSetupDialog::orientationChanged);
    connect(m_paper, &QComboBox::currentIndexChanged, this, &PrintSetupDialog::applyPaperChoice);
    connect(m_printerBox, &PrinterChoiceBox::printerChanged, this, &PrintSetupDialog::fillPapers);
    m_printerBox->fill(m_settings.printerName);

    m_printLines->setChecked(m_settings.printBorders);
    m_printColors->setChecked(m_settings.printBackColor);

    m_fonts->addItems(sortedFonts(fonts));
    int font =
        m_fonts->findText(m_settings.headerFooterFontName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (font < 0)
        font = m_fonts->findText(m_settings.headerFooterFontName, Qt::MatchFixedString);
    m_fonts->setCurrentIndex(font);
    m_sizes->setCurrentIndex(fontSizes().indexOf(QString::number(m_settings.headerFooterFontSize)));
    m_header->setPlainText(m_settings.headerContent);
    m_footer->setPlainText(m_settings.footerContent);
    m_headerShown = m_header->toPlainText();
    m_footerShown = m_footer->toPlainText();
}

void PrintSetupDialog::fillPapers()
{
    {
        const QSignalBlocker quiet(m_paper);
        m_paper->clear();
        const QStringList papers =
            paperChoices(m_printers.supportedPapers(m_printerBox->chosenPrinter(), m_printerBox->port()));
        m_paper->addItems(papers);
        if (!papers.isEmpty())
            m_paper->setCurrentIndex(std::max(0, int(papers.indexOf(m_settings.paperName))));
    }
    applyPaperChoice();
}

void PrintSetupDialog::applyPaperChoice()
{
    const bool custom = m_paper->currentText() == customPaperName() && m_paper->currentIndex() >= 0;
    QString width, height;
    if (custom || m_paper->currentIndex() < 0) {
        // The custom paper keeps the report's size; so does a printer that
        // named no paper (the report keeps its paper then).
        width = m_settings.width.text;
        height = m_settings.height.text;
        if (m_landscape->isChecked() != m_settings.landscape)
            std::swap(width, height);
    } else {
        const PaperType &paper = PaperTable::entry(PaperTable::indexOfName(m_paper->currentText()));
        width = paper.width;
        height = paper.height;
        if (m_landscape->isChecked())
            std::swap(width, height);
    }
    for (QLineEdit *edit : {m_width, m_height}) {
        edit->setEnabled(custom);
        QPalette look = edit->palette();
        look.setColor(QPalette::Base, custom ? QColor(Qt::white) : palette().color(QPalette::Window));
        edit->setPalette(look);
    }
    setFieldText(m_width, width, kMillimetreChars);
    setFieldText(m_height, height, kMillimetreChars);
}

void PrintSetupDialog::orientationChanged()
{
    const QString width = m_width->text();
    setFieldText(m_width, m_height->text(), kMillimetreChars);
    setFieldText(m_height, width, kMillimetreChars);
}

void PrintSetupDialog::confirm()
{
    const bool landscape = m_landscape->isChecked();
    const std::pair<QLineEdit *, const char *> defaults[] = {{m_leftMargin, "6.4"},
                                                             {m_rightMargin, "6.4"},
                                                             {m_topMargin, "7.4"},
                                                             {m_bottomMargin, "7.4"},
                                                             {m_headerMargin, "8.0"},
                                                             {m_footerMargin, "11.6"},
                                                             {m_copies, "1"},
                                                             {m_width, landscape ? "297.0" : "210.0"},
                                                             {m_height, landscape ? "210.0" : "297.0"}};
    for (const auto &[edit, text] : defaults) {
        if (edit->text().isEmpty())
            edit->setText(QString::fromLatin1(text));
    }
    // A lone "." passes the key filter but is no length; a page needs a size.
    // Neither may reach the report, where it would stop its getters and
    // pagination: the field is shown for correction instead.
    const auto bad = [](QLineEdit *edit, bool positive) {
        const std::optional<double> mm = parseMillimetres(edit->text());
        return !mm || (positive && *mm <= 0);
    };
    for (QLineEdit *edit : {m_width, m_height, m_headerMargin, m_footerMargin, m_leftMargin, m_topMargin,
                            m_rightMargin, m_bottomMargin}) {
        const bool pageSize = edit == m_width || edit == m_height;
        // Disabled size fields show a table paper or the report's own size.
        if ((pageSize && !edit->isEnabled()) || !bad(edit, pageSize))
            continue;
        for (int tab = 0; tab < m_tabs->count(); ++tab) {
            if (m_tabs->widget(tab)->isAncestorOf(edit))
                m_tabs->setCurrentIndex(tab);
        }
        edit->setFocus();
        edit->selectAll();
        return;
    }
    accept();
}

PrintSetupValues PrintSetupDialog::values() const
{
    PrintSetupValues v;
    v.copies = m_copies->text().toInt();
    v.printerName = m_printerBox->chosenPrinter();
    v.landscape = m_landscape->isChecked();
    if (m_paper->currentIndex() >= 0)
        v.paperName = m_paper->currentText();
    v.printBorders = m_printLines->isChecked();
    v.printBackColor = m_printColors->isChecked();
    v.width = m_width->text();
    v.height = m_height->text();
    v.headerMargin = m_headerMargin->text();
    v.footerMargin = m_footerMargin->text();
    v.leftMargin = m_leftMargin->text();
    v.topMargin = m_topMargin->text();
    v.rightMargin = m_rightMargin->text();
    v.bottomMargin = m_bottomMargin->text();
    if (m_fonts->currentIndex() >= 0)
        v.fontName = m_fonts->currentText();
    if (m_sizes->currentIndex() >= 0)
        v.fontSize = m_sizes->currentText().toInt();
    // An unchanged memo hands back the stored text exactly (its line breaks
    // included), not the memo's rendering of it.
    const QString header = m_header->toPlainText();
    const QString footer = m_footer->toPlainText();
    v.headerContent = header == m_headerShown ? m_settings.headerContent : header;
    v.footerContent = footer == m_footerShown ? m_settings.footerContent : footer;
    return v;
}

bool PrintSetupDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (memoEnter(watched, event))
        return true;
    return FixedDialog::eventFilter(watched, event);
}

bool PrintSetupDialog::memoEnter(QObject *watched, QEvent *event)
{
    // The memos take no line breaks (page texts print as one line): Enter
    // presses the default button, as in the other fields.
    if (event->type() != QEvent::KeyPress || (watched != m_header && watched != m_footer))
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    m_ok->click();
    return true;
}

} // namespace cellvex
