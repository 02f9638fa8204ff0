#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A check box drawn from its own four pictures (checked or not, mouse over or
// not) with a smoothed caption; with RadioStyle it acts as a radio button among
// the boxes of the same parent and RadioGroup.
class TLumCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit TLumCheckBox(QWidget* parent = nullptr);

    void setKorekta(int v);
    void setKorektaY(int v);
    int RadioGroup() const { return m_radioGroup; }
    void setRadioGroup(int v) { m_radioGroup = v; }
    bool RadioStyle() const { return m_radioStyle; }
    void setRadioStyle(bool v) { m_radioStyle = v; }
    void setGfxChecked(const QImage& v);
    void setGfxUnChecked(const QImage& v);
    void setGfxHotChecked(const QImage& v);
    void setGfxHotUnChecked(const QImage& v);
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& v);
    void setSpacing(int v);
    bool Checked() const { return m_checked; }
    void setChecked(bool v);
    void setFontColor(const QColor& c);

    bool hot() const { return m_hot; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void setPicture(QImage& slot, const QImage& v);
    void fitWidth();
    void click();

    int m_korekta = 0, m_korektaY = 0;
    int m_radioGroup = 0;
    bool m_radioStyle = false;
    QImage m_checkedPic, m_unCheckedPic, m_hotCheckedPic, m_hotUnCheckedPic;
    QString m_caption = QStringLiteral("LumCheckBox");
    int m_spacing = 6;
    bool m_checked = true;
    bool m_hot = false;
    QColor m_fontColor = Qt::black;
};
