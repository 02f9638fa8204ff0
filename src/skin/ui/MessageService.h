#pragma once

#include "IMessageService.h"
#include "ISkinImages.h"

#include <functional>
#include <memory>

class TfrmMsgBox;

// The program's message service: failures in the system message box, questions
// and notices in the skinned message box (created once, here).
class MessageService final : public IMessageService {
public:
    MessageService(const SkinRecord& skin, std::function<int()> interfaceLanguage);
    ~MessageService() override;

    void showFailure(const Failure& failure) override;
    int showMessageBox(const QString& text, const QString& title, MsgBoxKind kind) override;

    TfrmMsgBox& box() { return *m_box; }

private:
    std::unique_ptr<TfrmMsgBox> m_box;
};
