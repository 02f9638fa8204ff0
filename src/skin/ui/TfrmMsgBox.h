#pragma once

#include "IMessageService.h"
#include "ISkinImages.h"

#include <QDialog>

#include <functional>

class TAALabel;
class TLumMsgBoxWindow;
class TLumResButton;

// The modal message box of every question (Yes/No) and notice (OK). Created
// once and reused.
class TfrmMsgBox : public QDialog {
    Q_OBJECT
public:
    // `interfaceLanguage` gives the learner's interface language id at each
    // message (0 Polish; any other shows English button captions).
    TfrmMsgBox(const SkinRecord& skin, std::function<int()> interfaceLanguage, QWidget* parent = nullptr);

    // Shows the message modally; 1 for Yes or OK, 0 for No or the close button.
    int ShowMessageBox(const QString& text, const QString& title, MsgBoxKind kind);

    // Everything ShowMessageBox does before showing: texts, captions, icon,
    // buttons, centring.
    void Prepare(const QString& text, const QString& title, MsgBoxKind kind);
    int Result() const { return m_result; }
    MsgBoxKind Kind() const { return m_kind; }

    TLumMsgBoxWindow* Body;
    TAALabel* lblTresc;
    TLumResButton* btnTak;
    TLumResButton* btnNie;
    TLumResButton* btnOK;
    TLumResButton* LumResButton1; // the frame's close button: No

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void finish(int result);

    std::function<int()> m_language;
    MsgBoxKind m_kind = MsgBoxKind::Notice;
    int m_result = 0;
};
