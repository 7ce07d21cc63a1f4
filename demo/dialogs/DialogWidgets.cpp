#include "DialogWidgets.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace cellvex::demo {

void setUpHostDialog(QDialog *dialog, const QString &caption, QSize client, bool resizable)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    dialog->setFont(font);
    dialog->setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (resizable)
        flags |= Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint;
    dialog->setWindowFlags(flags);
    if (resizable)
        dialog->resize(client);
    else
        dialog->setFixedSize(client);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QLabel *addLabel(QWidget *parent, const QString &text, QRect geometry, const QString &name)
{
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QLineEdit *addEdit(QWidget *parent, const QString &name, QRect geometry, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, QRect geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Only the default button reacts to Enter; the others must not take it over.
    button->setAutoDefault(false);
    return button;
}

QRadioButton *addRadio(QWidget *parent, const QString &name, const QString &text, QRect geometry)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->setGeometry(geometry);
    return radio;
}

QCheckBox *addCheck(QWidget *parent, const QString &name, const QString &text, QRect geometry)
{
    auto *check = new QCheckBox(text, parent);
    check->setObjectName(name);
    check->setGeometry(geometry);
    return check;
}

QGroupBox *addGroup(QWidget *parent, const QString &name, const QString &title, QRect geometry)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

QStringList textLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normal.split(QLatin1Char('\n'));
    if (normal.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

QString crlfText(const QString &plainText)
{
    QString text = plainText;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString lfText(const QString &controlText)
{
    QString text = controlText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace cellvex::demo
