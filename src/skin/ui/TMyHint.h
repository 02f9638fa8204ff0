#pragma once

#include "HintLayout.h"

#include <QWidget>

#include <memory>

// The text the hint window shows, application-wide. Controls put their hint
// here when the mouse enters them and clear it when it leaves.
QString& HintText();

// The application's hint window: shows HintText with its markup (bold red words,
// line breaks) in Verdana on the tooltip background.
class TMyHint : public QWidget {
    Q_OBJECT
public:
    TMyHint();

    // Lays out `text`; draws it when `painter` is given. Returns the width used.
    int Layout(const QString& text, QPainter* painter);
    int lines() const { return m_lines; }

    // Sizes itself from HintText starting at the proposed rectangle and shows
    // itself; nothing is shown (and a shown hint hides) when HintText is empty.
    void ActivateHint(QRect proposed);

    static QFont hintFont();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_lines = 1;
};

// Makes TMyHint the application's tooltip: a tooltip request for a widget that
// carries a (non-empty) tool tip shows HintText in TMyHint instead of the
// tool tip's own text. Call after the application object exists; the returned
// object keeps the hint installed and must be destroyed before the application.
std::unique_ptr<QObject> InstallMyHint();

// The hint window of the installation in force (nullptr when none).
TMyHint* ApplicationHint();
