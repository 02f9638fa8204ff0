#pragma once

#include "TLumDialogWindow.h"

enum class TIconType { icoError, icoQuestion, icoInformation, icoExclamation };

// The dialog frame with a message icon below the bar.
class TLumMsgBoxWindow : public TLumDialogWindow {
    Q_OBJECT
public:
    explicit TLumMsgBoxWindow(QWidget* parent = nullptr);

    TIconType Icon() const { return m_icon; }
    void setIcon(TIconType v);

protected:
    void paintExtras(SkinCanvas& canvas) override;

private:
    TIconType m_icon = TIconType::icoInformation;
};
