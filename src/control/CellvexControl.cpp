#include "CellvexControl.h"

#include "common/Fonts.h"
#include "control/CellSurface.h"
#include "control/FontObject.h"
#include "control/PaintSuspension.h"
#include "control/SelectionEventAdapter.h"
#include "control/input/CellWidgetMouse.h"
#include "control/input/ChartMarkerMouse.h"
#include "control/input/InPlaceEditor.h"
#include "control/input/InputMethodName.h"
#include "control/viewport/GridViewport.h"
#include "control/widgets/LinePanel.h"
#include "control/widgets/RulerWidget.h"
#include "grid/selection/CellMouseInput.h"
#include "grid/selection/KeyNavigator.h"
#include "grid/selection/SelectionController.h"
#include "platform/InputMethods.h"
#include "print/PageSetup.h"
#include "print/SystemPrinterService.h"
#include "print/dialogs/DialogRunner.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>

namespace cellvex {

namespace {

// Frame sizes of the ruler display modes: corner box / row ruler width,
// header strip height, millimetre strip thickness of the column and row ruler.
struct PoleVisibleGeometry
{
    int marginWidth;
    int headerHeight;
    int stripX;
    int stripY;
};

constexpr PoleVisibleGeometry kPoleVisibleModes[3] = {{0, 0, 0, 0}, {43, 17, 0, 0}, {58, 31, 14, 16}};
constexpr int kRightWidth = 15;
constexpr int kFooterHeight = 16;

QWidget *namedPanel(const char *name, QWidget *parent)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QFrame *loweredBox(const char *name, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setLineWidth(1);
    return f;
}

} // namespace

CellvexControl::CellvexControl(QWidget *parent)
    : QWidget(parent), m_report(std::make_unique<Report>()), m_events(*m_report)
{
    setObjectName(QStringLiteral("Cellvex"));
    // Hosts need not know about the report fonts: the first control maps them.
    installFontSubstitutions();
    setFont(reportFont(kDefaultFontName, 9));
    m_fontObject = new FontObject(this);
    m_fontObject->setFont(font());
    connect(m_fontObject, &FontObject::fontChanged, this, [this](const QFont &f) { setFont(f); });
    setFormColor(kButtonFace);
    setAutoFillBackground(true);
    m_report->pageSettings().setPixelsPerInch(logicalDpiY());
    m_actions = std::make_unique<ReportActions>(*m_report, m_events, static_cast<ReportFrame &>(*this));
    buildChildren();
    // --- layout: scroll bars, wheel, viewport resizes, column/row sizes ---
    const GridViewportWidgets layoutWidgets{this,      m_client,  m_cellSurface, m_scrollX, m_scrollY,
                                            m_lmargin, m_rmargin, m_smargin,     m_footer};
    m_viewport =
        std::make_unique<GridViewport>(*m_report, layoutWidgets, static_cast<LayoutListener &>(*this));
    // --- end layout ---
    buildSelection();
    m_actions->paginate();
    resize(632, 453);
    setPoleVisible(1);
    m_report->setSaved(true);
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &CellvexControl::focusChanged);
}

CellvexControl::~CellvexControl()
{
    // The host hears of the end first, while everything still works.
    m_events.destroy();
    m_events.disconnect();
    qApp->removeEventFilter(this);
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    // The widgets paint from the report: take them down first, then the rulers empty.
    m_rulerInput.reset();
    m_actions.reset(); // the report changes silently from here on
    m_inPlace.reset(); // its handlers must not run while the editors go
    m_widgetMouse.reset();
    m_chartMouse.reset();
    m_keys.reset();
    m_cellMouse.reset();
    m_selection.reset();
    m_viewport.reset(); // layout: unhooks the rulers before the widgets go
    delete m_main;
    m_main = nullptr;
    m_report->colRuler().setCount(0);
    m_report->rowRuler().setCount(0);
}

void CellvexControl::buildChildren()
{
    m_main = namedPanel("pnl_main", this);
    m_header = namedPanel("pnl_header", m_main);
    m_lmargin = loweredBox("pnl_lmargin", m_header);
    m_lmarginCaption = new QLabel(m_lmargin);
    m_lmarginCaption->setObjectName(QStringLiteral("pnl_lmargin_caption"));
    m_lmarginCaption->setAlignment(Qt::AlignCenter);
    m_polex = new RulerWidget(m_report->colRuler(), m_header);
    m_polex->setObjectName(QStringLiteral("ppl_polex"));
    m_poley = new RulerWidget(m_report->rowRuler(), m_main);
    m_poley->setObjectName(QStringLiteral("ppl_poley"));
    m_client = namedPanel("pnl_client", m_main);
    m_client->setAutoFillBackground(true);
    QPalette white = m_client->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_client->setPalette(white);

    m_cellSurface = new CellSurface(*m_report, m_client);
    m_cellSurface->setObjectName(QStringLiteral("pnl_cell"));
    // Moves without a button pressed show the move pointer over chart markers.
    m_cellSurface->setMouseTracking(true);
    m_cellSurface->setPageBreakLines(&m_actions->pageBreakLines());

    // In-place editors live on the surface, zero-sized until input opens them.
    m_edtInput = new QLineEdit(m_cellSurface);
    m_edtInput->setObjectName(QStringLiteral("edt_input"));
    m_edtInput->setFrame(false);
    m_edtInput->setGeometry(0, 0, 0, 19);
    m_edtInput->hide();
    m_cbbInput = new QComboBox(m_cellSurface);
    m_cbbInput->setObjectName(QStringLiteral("cbb_input"));
    m_cbbInput->setGeometry(0, 0, 0, 19);
    m_cbbInput->hide();
    m_datetime = namedPanel("pnl_datetime", m_cellSurface);
    auto *picker = new QDateEdit(m_datetime);
    picker->setObjectName(QStringLiteral("dtp_datetime"));
    picker->setCalendarPopup(true);
    const char *buttons[3][2] = {
        {"pnl_datetimeok", "确定"}, {"pnl_datetimecancel", "取消"}, {"pnl_datetimeclear", "清除"}};
    for (const auto &b : buttons) {
        auto *btn = new QPushButton(QString::fromUtf8(b[1]), m_datetime);
        btn->setObjectName(QString::fromLatin1(b[0]));
    }
    m_datetime->setGeometry(0, 0, 0, 0);
    m_datetime->hide();

    // Selection frame: left and top 2 pixels thick, right and bottom 3.
    const char *lineNames[4] = {"lpl_selectedleft", "lpl_selectedtop", "lpl_selectedright",
                                "lpl_selectedbottom"};
    const QSize lineSizes[4] = {{2, 0}, {0, 2}, {3, 0}, {0, 3}};
    for (int i = 0; i < 4; ++i) {
        m_selLines[i] = new LinePanel(2, m_cellSurface);
        m_selLines[i]->setObjectName(QString::fromLatin1(lineNames[i]));
        m_selLines[i]->resize(lineSizes[i]);
        m_selLines[i]->hide();
    }

    m_right = namedPanel("pnl_right", this);
    m_rmargin = loweredBox("pnl_rmargin", m_right);
    m_scrollY = new QScrollBar(Qt::Vertical, m_right);
    m_scrollY->setObjectName(QStringLiteral("scb_scrolly"));
    m_footer = namedPanel("pnl_footer", this);
    m_scroll = namedPanel("pnl_scroll", m_footer);
    m_xscroll = namedPanel("pnl_xscroll", m_scroll);
    m_smargin = namedPanel("pnl_smargin", m_scroll);
    m_scrollX = new QScrollBar(Qt::Horizontal, m_xscroll);
    m_scrollX->setObjectName(QStringLiteral("scb_scrollx"));
    for (QScrollBar *sb : {m_scrollX, m_scrollY}) {
        sb->setRange(1, 1);
        sb->setPageStep(1);
    }
}

void CellvexControl::showChange(const ReportChange &change)
{
    if (!m_cellSurface)
        return; // still building the children
    switch (change.subject) {
    case ReportChange::Subject::Cell:
        m_cellSurface->updateCell(change.col, change.row);
        break;
    case ReportChange::Subject::Report:
        m_cellSurface->update();
        m_polex->update();
        m_poley->update();
        break;
    case ReportChange::Subject::ColumnRuler:
    case ReportChange::Subject::RowRuler: {
        const bool columns = change.subject == ReportChange::Subject::ColumnRuler;
        if (change.has(ReportChange::View) && m_viewport)
            m_viewport->rulerViewChanged(columns ? Orientation::Horizontal : Orientation::Vertical);
        if (change.flags & ~unsigned(ReportChange::View))
            (columns ? m_polex : m_poley)->update();
        break;
    }
    }
}

void CellvexControl::viewMoved()
{
    m_cellSurface->update();
    // Whatever sits on the cell surface at report positions is placed again.
    if (m_inPlace) {
        placeSelectionLines();
        m_inPlace->placeEditors();
    }
}

void CellvexControl::firstPoleChanged(Orientation axis, int position)
{
    if (axis == Orientation::Horizontal)
        m_events.leftChange(position);
    else
        m_events.topChange(position);
}

void CellvexControl::beforeResize()
{
    if (m_inPlace)
        m_inPlace->closeInputMethod();
}

void CellvexControl::geometryChanged(Orientation)
{
    // Cells moved: the frame follows them and the pages are cut again.
    if (m_selection)
        m_selection->placeSelectionFrame();
    m_actions->paginate();
}

ScrollController &CellvexControl::scroll()
{
    return m_viewport->scroll();
}

PoleSizer &CellvexControl::sizer()
{
    return m_viewport->sizer();
}

void CellvexControl::closeInputMethod()
{
    m_inPlace->closeInputMethod();
}

void CellvexControl::discardInput()
{
    // Unfinished input is discarded, never written back.
    m_inPlace->hideEditors();
}

void CellvexControl::reportReplaced()
{
    // The stored ruler mode takes effect as its property would.
    setPoleVisible(m_report->poleVisible());
    m_selection->placeSelectionFrame();
}

void CellvexControl::pageBreakLinesChanged()
{
    if (m_cellSurface)
        m_cellSurface->update();
}

void CellvexControl::applyResize(Orientation orientation, int pole)
{
    m_viewport->sizer().applyResizeDrag(orientation, pole);
}

void CellvexControl::focusInput()
{
    m_edtInput->setFocus();
}

void CellvexControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void CellvexControl::layoutChildren()
{
    const int mode =
        (m_report->poleVisible() >= 0 && m_report->poleVisible() <= 2) ? m_report->poleVisible() : 1;
    const PoleVisibleGeometry &g = kPoleVisibleModes[mode];
    const int W = width(), H = height();
    const int mainW = std::max(0, W - kRightWidth), mainH = std::max(0, H - kFooterHeight);

    m_main->setGeometry(0, 0, mainW, mainH);
    m_header->setGeometry(0, 0, mainW, g.headerHeight);
    m_lmargin->setGeometry(0, 0, g.marginWidth, g.headerHeight);
    m_lmarginCaption->setGeometry(0, 0, g.marginWidth, g.headerHeight);
    m_polex->setGeometry(g.marginWidth, 0, std::max(0, mainW - g.marginWidth), g.headerHeight);
    m_poley->setGeometry(0, g.headerHeight, g.marginWidth, std::max(0, mainH - g.headerHeight));
    m_client->setGeometry(g.marginWidth, g.headerHeight, std::max(0, mainW - g.marginWidth),
                          std::max(0, mainH - g.headerHeight));
    m_cellSurface->setGeometry(0, 0, m_client->width(), m_client->height());

    m_right->setGeometry(mainW, 0, W - mainW, mainH);
    m_rmargin->setGeometry(0, 0, m_right->width(), g.headerHeight);
    m_scrollY->setGeometry(0, g.headerHeight, m_right->width(), std::max(0, mainH - g.headerHeight));

    m_footer->setGeometry(0, mainH, W, H - mainH);
    m_scroll->setGeometry(0, 0, W, m_footer->height());
    m_smargin->setGeometry(std::max(0, W - kRightWidth), 0, std::min(W, kRightWidth), m_footer->height());
    m_xscroll->setGeometry(0, 0, std::max(0, W - kRightWidth), m_footer->height());
    m_scrollX->setGeometry(0, 0, m_xscroll->width(), m_xscroll->height());
    if (m_viewport) // layout: rulers take the viewport's size, the grid may scroll back
        m_viewport->viewportResized();
}

void CellvexControl::setFormColor(ColorRef c)
{
    m_formColor = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(c));
    setPalette(pal);
}

void CellvexControl::setFormCursor(short cursor)
{
    m_form.cursor = cursor;
    static const std::pair<short, Qt::CursorShape> shapes[] = {
        {-2, Qt::ArrowCursor},      {-3, Qt::CrossCursor},         {-4, Qt::IBeamCursor},
        {-5, Qt::SizeAllCursor},    {-6, Qt::SizeBDiagCursor},     {-7, Qt::SizeVerCursor},
        {-8, Qt::SizeFDiagCursor},  {-9, Qt::SizeHorCursor},       {-10, Qt::UpArrowCursor},
        {-11, Qt::WaitCursor},      {-13, Qt::ForbiddenCursor},    {-14, Qt::SplitHCursor},
        {-15, Qt::SplitVCursor},    {-18, Qt::ForbiddenCursor},    {-19, Qt::BusyCursor},
        {-20, Qt::WhatsThisCursor}, {-21, Qt::PointingHandCursor}, {-22, Qt::SizeAllCursor},
        {-1, Qt::BlankCursor}};
    for (const auto &[code, shape] : shapes)
        if (code == cursor) {
            setCursor(shape);
            return;
        }
    unsetCursor();
}

void CellvexControl::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    guarded([this] { m_events.paint(); });
}

void CellvexControl::reportControlError(const QString &message)
{
    if (m_actions && !m_actions->suppressControlError())
        m_events.error(QStringLiteral("控件错误，") + message);
}

void CellvexControl::focusChanged(QWidget *old, QWidget *now)
{
    auto inside = [this](QWidget *w) { return w && (w == this || isAncestorOf(w)); };
    const bool wasInside = inside(old), isInside = inside(now);
    // An in-place editor that takes the focus brings the input method its cell names.
    if (isInside) {
        const QVariant ime = now->property(kInputMethodNameProperty);
        if (ime.isValid())
            guarded([&] { inputMethods().apply(now, ime.toString()); });
    }
    if (!wasInside && isInside && !m_active) {
        m_active = true;
        guarded([this] { m_events.activate(); });
    } else if (wasInside && !isInside && m_active) {
        m_active = false;
        guarded([this] { m_events.deactivate(); });
    }
}

bool CellvexControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cellSurface && m_cellMouse) {
        bool handled = false;
        guarded([&] { handled = cellSurfaceMouse(event); });
        if (handled)
            return true;
    }
    if (event->type() == QEvent::InputMethod && watched == m_edtInput && m_keys && !m_report->editing()) {
        // Composed text arrives without a key press: the first composition or
        // commit starts input as a typed character would, then reaches the editor.
        const auto *im = static_cast<QInputMethodEvent *>(event);
        if (!im->commitString().isEmpty() || !im->preeditString().isEmpty())
            guarded([&] { m_keys->inputMethodStarted(); });
        return false;
    }
    if (event->type() != QEvent::KeyPress || m_inKeyPreview || !m_form.keyPreview)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || !(w == this || isAncestorOf(w)))
        return false;
    // Propagation to parents passes the filter again: preview once, at the receiver.
    if (QApplication::focusWidget() && w != QApplication::focusWidget())
        return false;
    if (event == m_lastKeyEvent && m_lastKeyReceiver && w != m_lastKeyReceiver &&
        w->isAncestorOf(m_lastKeyReceiver))
        return false;
    m_lastKeyEvent = event;
    m_lastKeyReceiver = w;
    bool swallow = false;
    guarded([&] {
        auto *key = static_cast<QKeyEvent *>(event);
        // Navigation keys act first; the key still reaches the focused
        // child (a key that starts input is typed into the editor).
        KeyOutcome outcome = KeyOutcome::Ignored;
        if (m_keys)
            outcome = m_keys->handleKey(key->key(), key->modifiers(), key->text());
        // The key that opened the editor is typed into it, wherever the focus was.
        QWidget *target = outcome == KeyOutcome::StartedInput ? m_edtInput : w;
        swallow = previewKey(target, key);
        if (!swallow && target != w) {
            QKeyEvent retyped(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            m_inKeyPreview = true;
            QApplication::sendEvent(target, &retyped);
            m_inKeyPreview = false;
            swallow = true;
        }
    });
    return swallow;
}

bool CellvexControl::previewKey(QWidget *receiver, QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1)
        return false; // no 8-bit code (input method text, several characters)
    const char16_t c = text.at(0).unicode();
    if (c >= 0x80)
        return false;
    std::int16_t key = std::int16_t(c);
    m_events.keyPress(key);
    if (key == std::int16_t(c))
        return false;
    if (key == 0)
        return true; // swallowed
    // Hand the replaced character to the receiver instead of the typed one.
    QKeyEvent replaced(QEvent::KeyPress, key >= 'a' && key <= 'z' ? Qt::Key_A + (key - 'a') : event->key(),
                       event->modifiers(), QString(QChar(char16_t(key & 0xFF))));
    m_inKeyPreview = true;
    QApplication::sendEvent(receiver, &replaced);
    m_inKeyPreview = false;
    return true;
}

std::shared_ptr<PrinterService> CellvexControl::printerService()
{
    if (m_printer)
        return m_printer;
    // A service per use: the printer list and the default printer are read
    // afresh, so printers added or removed since the last job count.
    return std::make_shared<SystemPrinterService>();
}

DialogRunner &CellvexControl::dialogRunner()
{
    if (!m_dialogRunner)
        m_dialogRunner = std::make_shared<ModalDialogRunner>();
    return *m_dialogRunner;
}

void CellvexControl::setPoleVisible(int mode)
{
    m_report->setPoleVisibleValue(mode);
    if (mode < 0 || mode > 2)
        return;
    PaintSuspension suspend(m_main);
    const PoleVisibleGeometry &g = kPoleVisibleModes[mode];
    m_report->colRuler().setPoleRuler(g.stripX);
    m_report->rowRuler().setPoleRuler(g.stripY);
    if (mode == 1)
        m_lmarginCaption->setText(QString());
    else if (mode == 2)
        m_lmarginCaption->setText(QStringLiteral("单位(mm)"));
    layoutChildren();
}

} // namespace cellvex
