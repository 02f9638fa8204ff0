#pragma once

#include <QWidget>

class ISkinImages;

// The statistics notebook of exercise windows: counts of correct, wrong and all
// answers with their pictures, and optionally the reviews. 155 × 200.
class TLumZeszytStatystyki : public QWidget {
    Q_OBJECT
public:
    explicit TLumZeszytStatystyki(QWidget* parent = nullptr);

    void setLibrary(const ISkinImages* library);
    void setShowPowtorki(bool v);
    void setPoprawnie(int v);
    void setBlednie(int v);
    void setXFactor(int v);
    void setPowtorki(int v);
    void setOstataniaPowtorka(const QString& v);
    void setTextPoprawnie(const QString& v);
    void setTextBlednie(const QString& v);
    void setTextOgolnie(const QString& v);
    void setTextZdanie(const QString& v);
    void setTextStatystyka(const QString& v);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const ISkinImages* m_library = nullptr;
    bool m_showPowtorki = false;
    int m_poprawnie = 0, m_blednie = 0, m_xFactor = 0, m_powtorki = 0;
    QString m_ostatniaPowtorka;
    QString m_textPoprawnie = QStringLiteral("poprawnie");
    QString m_textBlednie = QStringLiteral("błędnie");
    QString m_textOgolnie = QStringLiteral("ogólnie");
    QString m_textZdanie;
    QString m_textStatystyka = QStringLiteral(" STATYSTYKA");
};
