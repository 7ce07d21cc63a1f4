#include "SizeHintWindow.h"

namespace cellvex {

SizeHintWindow::SizeHintWindow(QWidget *parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMargin(0);
    setIndent(2);
}

void SizeHintWindow::showAt(const QRect &screenRect, const QString &text)
{
    setText(text);
    // The rectangle is only 14 pixels high, which the text may not fit at
    // every font size; it grows to the text rather than clipping it.
    QRect r = screenRect;
    const QSize hint = sizeHint();
    if (r.height() < hint.height())
        r.setTop(r.bottom() - hint.height() + 1);
    if (r.width() < hint.width())
        r.setWidth(hint.width());
    setGeometry(r);
    show(); // a tooltip window stays above the others by itself
}

} // namespace cellvex
