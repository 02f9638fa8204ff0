#pragma once

#include "GapTextLayout.h"

#include <QDialog>

struct ShellContext;
class TALScrollBar;
class TLumDialogWindow;
class TLumResButton;

// The mini-dictionary: the exercise's phrase list in a modal skinned dialog
// (caption interface text 77) with its own scroll bar and a close button.
class TfrmMiniSlownik final : public QDialog {
    Q_OBJECT
public:
    TfrmMiniSlownik(ShellContext& ctx, const QString& phrases, const QFont& font, QWidget* parent = nullptr);

    const GapTextLayout& layout() const { return m_layout; }
    int scrollOffset() const;

    TLumDialogWindow* DialogWindow = nullptr;
    QWidget* Obszar = nullptr;
    TALScrollBar* ScrollBar = nullptr;
    TLumResButton* btnClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintPhrases(QPainter& p);

    QFont m_font;
    GapTextLayout m_layout;
};
