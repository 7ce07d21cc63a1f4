#include "FixedDialog.h"

#include "common/Fonts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
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

FixedDialog::ConfirmButtons FixedDialog::confirmButtons()
{
    auto *ok = named(new QPushButton(QStringLiteral("确定"), this), "btn_ok");
    ok->setDefault(true);
    auto *cancel = named(new QPushButton(QStringLiteral("取消"), this), "btn_cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {ok, row};
}

void setFieldText(QLineEdit *edit, const QString &text, int limit)
{
    edit->setMaxLength(std::max(limit, int(text.size())));
    edit->setText(text);
}

} // namespace cellvex
