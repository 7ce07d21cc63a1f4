#pragma once

class QDialog;

namespace cellvex {

// How the control shows its modal dialogs and windows. The control calls
// exec() through this seam so that a test (or a host that drives the control
// without a person) can fill the fields and press the buttons instead of
// waiting in a modal event loop.
class DialogRunner
{
public:
    virtual ~DialogRunner() = default;
    // Shows the dialog until it closes; returns its result (QDialog::Accepted
    // or QDialog::Rejected).
    virtual int exec(QDialog &dialog) = 0;
};

// The runner for a person at the screen: the dialog's own modal loop.
class ModalDialogRunner : public DialogRunner
{
public:
    int exec(QDialog &dialog) override;
};

} // namespace cellvex
