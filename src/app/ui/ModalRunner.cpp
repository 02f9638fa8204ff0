#include "ModalRunner.h"

#include <QDialog>

void ExecModalRunner::run(QDialog& dialog)
{
    dialog.exec();
}
