#pragma once

#include "Failure.h"

#include <QString>

// The kinds of the skinned message box.
enum class MsgBoxKind { Question = 0, Notice = 1 };

// Every message box and notice of the program goes through one service, so that
// tests can replace it with a fake that records and answers without a modal
// window. The program's instance lives in main and is passed to the windows.
class IMessageService {
public:
    virtual ~IMessageService() = default;

    // A file or start-up error: the system message box with the failure's
    // caption, text and icon.
    virtual void showFailure(const Failure& failure) = 0;

    // A question (Yes/No) or a notice (OK) in the skinned message box, with
    // interface texts. Returns 1 for Yes or OK, 0 for No or the close button.
    virtual int showMessageBox(const QString& text, const QString& title, MsgBoxKind kind) = 0;
};
