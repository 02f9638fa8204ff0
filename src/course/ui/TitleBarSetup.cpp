#include "TitleBarSetup.h"

#include "ShellContext.h"
#include "TLumBelka.h"

void SetupTitleBar(ShellContext& ctx, TLumBelka* belka)
{
    if (!belka)
        return;
    const TUser& user = ctx.settings.User;
    belka->setZalogowany(user.Login);
    belka->setPlec(user.Gender.isEmpty() ? QChar() : user.Gender.at(0));
    belka->setLudzikIndex(user.Figure);
    belka->setTekstBelki(ctx.UiText(29));
}
