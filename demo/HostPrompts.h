#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QDialog;
class QWidget;

namespace cellvex::demo {

// Everything in the host that waits for the person at the screen: file and
// colour dialogs, message boxes and modal dialogs. The program uses the Qt
// implementation; tests hand in scripted answers.
class HostPrompts
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~HostPrompts() = default;

    // Filters in the "描述|*.ext|描述|*.*" form. An empty result means cancelled.
    virtual QString openFileName(QWidget *parent, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix) = 0;
    // A colour as 0x00BBGGRR; nothing when cancelled.
    virtual std::optional<std::uint32_t> chooseColor(QWidget *parent) = 0;
    // A box with an OK button only, no icon (the control's OnError texts).
    virtual void showMessage(QWidget *parent, const QString &caption, const QString &text) = 0;
    // The application's standard error box: a failed member call or a field
    // that should hold a number.
    virtual void showError(QWidget *parent, const QString &text) = 0;
    // Yes / No / Cancel with the question icon.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &caption, const QString &text) = 0;
    // Runs a modal dialog and returns its result code (QDialog::Accepted or Rejected).
    virtual int runModal(QDialog *dialog) = 0;
};

} // namespace cellvex::demo
