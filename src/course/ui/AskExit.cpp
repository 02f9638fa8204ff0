#include "AskExit.h"

#include "ShellContext.h"

bool AskExit(ShellContext& ctx)
{
    return ctx.messages.showMessageBox(ctx.UiText(34), ctx.UiText(33), MsgBoxKind::Question) == 1;
}
