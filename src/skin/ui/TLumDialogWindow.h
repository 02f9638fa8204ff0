#pragma once

#include "ISkinImages.h"

#include <QPoint>
#include <QWidget>

class SkinCanvas;

enum class TBelkaSize { bs40, bs60 };
enum class TDialogStyle { dsBlue, dsWhite };

// The skinned frame that fills a dialog window: nine frame pictures, a bar with
// an optional icon and the caption. Dragging the bar moves the window.
class TLumDialogWindow : public QWidget {
    Q_OBJECT
public:
    explicit TLumDialogWindow(QWidget* parent = nullptr);

    void setSkin(const SkinRecord& skin);
    const SkinRecord& skin() const { return m_skin; }

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& v);
    TBelkaSize BelkaSize() const { return m_belkaSize; }
    void setBelkaSize(TBelkaSize v);
    void setIconIndex(int v);
    void setDialogStyle(TDialogStyle v);
    void setAllowMoveWindow(bool v) { m_allowMove = v; }

    // The bar rectangle in which a press starts a drag.
    QRect barRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

    // Drawn after the frame, the bar and the caption.
    virtual void paintExtras(SkinCanvas& canvas);

private:
    SkinRecord m_skin;
    QString m_caption;
    TBelkaSize m_belkaSize = TBelkaSize::bs40;
    int m_iconIndex = -1;
    TDialogStyle m_style = TDialogStyle::dsBlue;
    bool m_allowMove = true;
    bool m_dragging = false;
    QPoint m_dragStartGlobal;
    QPoint m_windowStart;
};
