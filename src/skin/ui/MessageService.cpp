#include "MessageService.h"

#include "TfrmMsgBox.h"

#include <QMessageBox>

MessageService::MessageService(const SkinRecord& skin, std::function<int()> interfaceLanguage)
    : m_box(std::make_unique<TfrmMsgBox>(skin, std::move(interfaceLanguage)))
{
}

MessageService::~MessageService() = default;

void MessageService::showFailure(const Failure& failure)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (failure.icon) {
    case MessageIcon::None: icon = QMessageBox::NoIcon; break;
    case MessageIcon::Error: icon = QMessageBox::Critical; break;
    case MessageIcon::Warning: icon = QMessageBox::Warning; break;
    case MessageIcon::Information: icon = QMessageBox::Information; break;
    case MessageIcon::Question: icon = QMessageBox::Question; break;
    }
    QMessageBox box(icon, failure.caption, failure.text, QMessageBox::Ok);
    box.exec();
}

int MessageService::showMessageBox(const QString& text, const QString& title, MsgBoxKind kind)
{
    return m_box->ShowMessageBox(text, title, kind);
}
