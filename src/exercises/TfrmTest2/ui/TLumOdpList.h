#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

// The answer list of the multiple-choice test: rows of word-wrapped text, each
// with an icon at its left, painted one below the other. While nothing is
// selected the row under the mouse gets a light frame and the hand cursor, and
// a click on a row reports it; once a row is selected it keeps the light frame
// and, with HighLightCorrect, the correct row gets a green frame and the OK
// icon, a selected wrong row the wrong icon.
//
// Rows are 1-based throughout; -1 means none. Two modes: four fixed rows
// (Odp1..Odp4), or IleOdpowiedzi rows (czyZmiennaLiczbaOdpowiedzi).
class TLumOdpList : public QWidget {
    Q_OBJECT
public:
    explicit TLumOdpList(QWidget* parent = nullptr);

    QString Odp1() const { return RowText(1); }
    QString Odp2() const { return RowText(2); }
    QString Odp3() const { return RowText(3); }
    QString Odp4() const { return RowText(4); }
    void setOdp1(const QString& t) { SetRowText(1, t); }
    void setOdp2(const QString& t) { SetRowText(2, t); }
    void setOdp3(const QString& t) { SetRowText(3, t); }
    void setOdp4(const QString& t) { SetRowText(4, t); }

    bool czyZmiennaLiczbaOdpowiedzi() const { return m_variable; }
    void setCzyZmiennaLiczbaOdpowiedzi(bool on);
    int IleOdpowiedzi() const { return m_ile; }
    void setIleOdpowiedzi(int count); // resizes the row list (variable mode)

    int SelectedItem() const { return m_selected; }
    void setSelectedItem(int row);
    int Correct() const { return m_correct; }
    void setCorrect(int row);
    bool HighLightCorrect() const { return m_highlight; }
    void setHighLightCorrect(bool on);
    int Margines() const { return m_margines; }
    void setMargines(int px);
    int Interlinia() const { return m_interlinia; }
    void setInterlinia(int px);
    int MarginesImage() const { return m_marginesImage; }
    void setMarginesImage(int px);
    void setIcon(const QImage& icon);
    void setIconOK(const QImage& icon);
    void setIconWrong(const QImage& icon);

    // Row `row`'s text; repaints. Rows outside the list are ignored.
    void SetRowText(int row, const QString& text);
    QString RowText(int row) const;
    int rowCount() const { return int(m_rows.size()); }
    // The rectangle row `row`'s text was laid out in (empty for an empty row).
    QRect RowRect(int row) const;
    // The frame drawn around a row: its text rectangle from the left margin to
    // the right one, enlarged by Interlinia − 3 above and below.
    QRect RowFrame(int row) const;
    // The row whose frame holds `p`, or -1.
    int RowAt(const QPoint& p) const;
    int hoveredRow() const { return m_hovered; }
    // Height of all rows, for the window's layout.
    int contentHeight() const;

    // Fill and pen of the light (hovered, selected) and the green (correct)
    // frames.
    static QColor lightFill();
    static QColor lightPen();
    static QColor greenFill();
    static QColor greenPen();

signals:
    // A click on row `row` while the list is enabled and nothing is selected.
    void rowClicked(int row);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    struct Row {
        QString text;
        QRect rect;
    };
    void layoutRows();
    int iconWidth() const;
    void setHovered(int row);

    QList<Row> m_rows;
    bool m_variable = false;
    int m_ile = 4;
    int m_selected = -1;
    int m_correct = -1;
    bool m_highlight = true;
    int m_margines = 8;
    int m_interlinia = 20;
    int m_marginesImage = 20;
    QImage m_icon, m_iconOK, m_iconWrong;
    int m_hovered = -1;
};
