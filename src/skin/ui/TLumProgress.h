#pragma once

#include <QWidget>

class ISkinImages;

// The result chart shown after checking an exercise: a text, the chart picture
// for the result and the result in percent. 259 × 90.
class TLumProgress : public QWidget {
    Q_OBJECT
public:
    explicit TLumProgress(QWidget* parent = nullptr);

    void setLibrary(const ISkinImages* library);
    int Wynik() const { return m_wynik; }
    void setWynik(int v); // values above 100 are ignored
    void setTekst(const QString& v);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const ISkinImages* m_library = nullptr;
    int m_wynik = 0;
    QString m_tekst = QStringLiteral("Twój wynik:");
};
