#include "TLumMsgBoxWindow.h"

#include "SkinCanvas.h"

TLumMsgBoxWindow::TLumMsgBoxWindow(QWidget* parent) : TLumDialogWindow(parent) {}

void TLumMsgBoxWindow::setIcon(TIconType v)
{
    m_icon = v;
    update();
}

void TLumMsgBoxWindow::paintExtras(SkinCanvas& canvas)
{
    static const char* const names[] = {"MSG_ICON_ERROR", "MSG_ICON_QUESTION", "MSG_ICON_INFORMATION",
                                        "MSG_ICON_EXCLAMATION"};
    const QPoint at = BelkaSize() == TBelkaSize::bs40 ? QPoint(11, 58) : QPoint(25, 85);
    canvas.pictureAt(QLatin1String(names[int(m_icon)]), at);
}
