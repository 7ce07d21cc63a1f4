#include "QtHostPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace cellvex::demo {

QString QtHostPrompts::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return entries.join(QStringLiteral(";;"));
}

std::uint32_t QtHostPrompts::colorRef(const QColor &color)
{
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

QString QtHostPrompts::openFileName(QWidget *parent, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), qtFilter(filter));
}

QString QtHostPrompts::saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(parent, QString(), QString(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<std::uint32_t> QtHostPrompts::chooseColor(QWidget *parent)
{
    const QColor color = QColorDialog::getColor(Qt::black, parent);
    if (!color.isValid())
        return std::nullopt;
    return colorRef(color);
}

void QtHostPrompts::showMessage(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtHostPrompts::showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

HostPrompts::Answer QtHostPrompts::askYesNoCancel(QWidget *parent, const QString &caption,
                                                  const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

int QtHostPrompts::runModal(QDialog *dialog)
{
    return dialog->exec();
}

} // namespace cellvex::demo
