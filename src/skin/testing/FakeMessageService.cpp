#include "FakeMessageService.h"

void FakeMessageService::showFailure(const Failure& failure)
{
    shown.append({failure.text, failure.caption, false, MsgBoxKind::Notice, failure.icon});
}

int FakeMessageService::showMessageBox(const QString& text, const QString& title, MsgBoxKind kind)
{
    shown.append({text, title, true, kind, MessageIcon::None});
    return m_answers.isEmpty() ? defaultAnswer : m_answers.takeFirst();
}
