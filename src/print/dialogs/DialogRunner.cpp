#include "DialogRunner.h"

#include <QDialog>

namespace cellvex {

int ModalDialogRunner::exec(QDialog &dialog)
{
    return dialog.exec();
}

} // namespace cellvex
