#include "CourseScreenshots.h"

#include "ShellContext.h"
#include "TLumListBox.h"
#include "TfrmHelp.h"
#include "TfrmNawigacja.h"
#include "TfrmWyborCwiczenia.h"

#include <QApplication>
#include <QPointer>

namespace {

QImage grabWindow(QWidget* window)
{
    window->show();
    QApplication::processEvents();
    return window->grab().toImage();
}

QImage grabHelp(TfrmHelp* window)
{
    if (!window)
        return {};
    QPointer<TfrmHelp> guard(window);
    const QImage image = grabWindow(window);
    delete guard.data();
    return image;
}

} // namespace

QImage SelectionWindowScreenshot(ShellContext& ctx, bool expandAll, int hoverRow)
{
    TfrmNawigacja nav(ctx);
    if (const Status s = nav.LoadCourseAtStartup(); !s.ok()) {
        ctx.messages.showFailure(s.failure());
        return {};
    }
    nav.ReadUserResults();
    TfrmWyborCwiczenia window(ctx, nav);
    nav.AddNavigationBar(&window, TfrmNawigacja::HelpButton | TfrmNawigacja::BackButton
                                      | TfrmNawigacja::WindowButtons | TfrmNawigacja::DictionaryButton);
    window.SetLearningMode();
    window.FillFromRoot();
    if (expandAll)
        window.ExpandAll();
    if (hoverRow >= 0 && hoverRow < window.RowCount())
        window.DrzewoLista->setCurrentRow(hoverRow);
    return grabWindow(&window);
}

QImage HelpWindowScreenshot(ShellContext& ctx, const QString& page)
{
    return grabHelp(TfrmHelp::ShowHelp(ctx, page, nullptr));
}

QImage HandbookScreenshot(ShellContext& ctx)
{
    return grabHelp(TfrmHelp::ShowHandbook(ctx, nullptr));
}
