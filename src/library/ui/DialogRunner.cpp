#include "library/ui/DialogRunner.h"

#include <QDialog>

namespace velmora {

int ExecDialogRunner::Run(QDialog& dialog) {
    return dialog.exec();
}

IDialogRunner& DefaultDialogRunner() {
    static ExecDialogRunner runner;
    return runner;
}

} // namespace velmora
