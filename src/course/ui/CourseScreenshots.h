#pragma once

#include <QImage>
#include <QString>

struct ShellContext;

// Pictures of the table of contents and the help viewer as the learner sees
// them on the installation of `ctx`, for the screenshots command. Each builds
// its windows afresh (the context's skin, messages and sound are used as
// given; failures go to ctx.messages) and destroys them before it returns.

// The table of contents with the course loaded, the results of
// ctx.settings.User read when a learner is set (Id > 0), every group expanded
// when `expandAll`, and row `hoverRow` highlighted as under the mouse (-1:
// none). A null image when the definitions cannot be read.
QImage SelectionWindowScreenshot(ShellContext& ctx, bool expandAll = true, int hoverRow = -1);

// The help viewer on `page` (a help page such as "h_exer.html#a3", or a
// handbook page "Podrecznik\..."); a null image when the page is missing.
QImage HelpWindowScreenshot(ShellContext& ctx, const QString& page);

// The handbook on its table of contents.
QImage HandbookScreenshot(ShellContext& ctx);
