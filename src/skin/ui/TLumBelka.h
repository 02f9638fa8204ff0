#pragma once

#include <QChar>
#include <QWidget>

class ISkinImages;

// The 50-pixel title bar across the top of a full-screen window, with the
// logged-in learner's figure, a line of text and the login.
class TLumBelka : public QWidget {
    Q_OBJECT
public:
    explicit TLumBelka(QWidget* parent = nullptr);

    void setLibrary(const ISkinImages* library);

    QChar Plec() const { return m_plec; }
    void setPlec(QChar v);              // QChar() (#0) draws no figure
    void setLudzikIndex(int v);
    const QString& Zalogowany() const { return m_zalogowany; }
    void setZalogowany(const QString& v);
    void setPokazZalogowanie(bool v);
    void setNowyStyl(bool v);
    void setTekstBelki(const QString& v);
    void setStylBelki(int v);           // -1 classic, 0..5 styled

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const ISkinImages* m_library = nullptr;
    QChar m_plec = u'M';
    int m_ludzikIndex = 1;
    QString m_zalogowany;
    bool m_pokazZalogowanie = true;
    bool m_nowyStyl = false;
    QString m_tekstBelki = QStringLiteral("Jesteś zalogowany jako:");
    int m_stylBelki = -1;
};
