#include "FixedDialog.h"

#include "common/Fonts.h"

#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace cellvex {

FixedDialog::FixedDialog(QWidget *parent) : QDialog(parent)
{
    setFont(reportFont(kDefaultFontName, 9));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void FixedDialog::showEvent(QShowEvent *event)
{
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    QDialog::showEvent(event);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void setFieldText(QLineEdit *edit, const QString &text, int limit)
{
    edit->setMaxLength(std::max(limit, int(text.size())));
    edit->setText(text);
}

} // namespace cellvex
