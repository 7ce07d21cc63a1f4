#pragma once

#include "HostPrompts.h"

#include <QColor>

namespace cellvex::demo {

// The prompts of the running program: Qt's file and colour dialogs and
// message boxes.
class QtHostPrompts final : public HostPrompts
{
public:
    QString openFileName(QWidget *parent, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix) override;
    std::optional<std::uint32_t> chooseColor(QWidget *parent) override;
    void showMessage(QWidget *parent, const QString &caption, const QString &text) override;
    void showError(QWidget *parent, const QString &text) override;
    Answer askYesNoCancel(QWidget *parent, const QString &caption, const QString &text) override;
    int runModal(QDialog *dialog) override;

    // "描述|*.a|描述|*.b" as Qt writes it: "描述 (*.a);;描述 (*.b)".
    static QString qtFilter(const QString &filter);
    // A colour as the control takes it: 0x00BBGGRR.
    static std::uint32_t colorRef(const QColor &color);
};

} // namespace cellvex::demo
