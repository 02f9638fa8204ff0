#pragma once

#include "ISkinImages.h"

#include <QWidget>

#include <functional>

class TAALabel;
class TLumMsgBoxWindow;
class TLumResButton;

// The notice with OK and Skip shown by the lesson window without blocking.
class TfrmMessage : public QWidget {
    Q_OBJECT
public:
    // `uiText` looks up interface texts (59: the caption, 185: Skip).
    TfrmMessage(const SkinRecord& skin, std::function<QString(int)> uiText, QWidget* parent = nullptr);

    // 1 after OK, 0 after Skip, Escape or Space.
    int Result() const { return m_result; }

    TLumMsgBoxWindow* lumMsgBox;
    TAALabel* Polecenie;
    TLumResButton* btnOK;
    TLumResButton* btnSkip;

signals:
    void finished(int result);

protected:
    void showEvent(QShowEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void finish(int result);

    std::function<QString(int)> m_uiText;
    int m_result = 0;
};
