#pragma once

#include "IMessageService.h"

#include <QList>

// Records every message instead of showing it and answers questions from a
// script: the queued answers first, then `defaultAnswer`.
class FakeMessageService final : public IMessageService {
public:
    struct Shown {
        QString text;
        QString caption;
        bool skinned = false;                    // showMessageBox rather than showFailure
        MsgBoxKind kind = MsgBoxKind::Notice;    // skinned boxes
        MessageIcon icon = MessageIcon::None;    // failures
    };

    void showFailure(const Failure& failure) override;
    int showMessageBox(const QString& text, const QString& title, MsgBoxKind kind) override;

    void queueAnswer(int answer) { m_answers.append(answer); }

    QList<Shown> shown;
    int defaultAnswer = 1;

private:
    QList<int> m_answers;
};
