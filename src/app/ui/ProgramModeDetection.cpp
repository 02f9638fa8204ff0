#include "ProgramModeDetection.h"

#include "ProgramMode.h"
#include "ShellContext.h"

#include <QApplication>

int DetectProgramMode(ShellContext& ctx)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList files = ListExerciseFiles(ctx.inst.appDir);
    QApplication::restoreOverrideCursor();
    int mode = ScoreProgramMode(files);
    if (mode == 0)
        mode = ctx.messages.showMessageBox(ModeQuestionText(), QStringLiteral("Pytanie"), MsgBoxKind::Question) == 1 ? 2 : 1;
    ctx.inst.programMode = mode;
    ctx.inst.helpDir = HelpDirForMode(mode);
    return mode;
}
