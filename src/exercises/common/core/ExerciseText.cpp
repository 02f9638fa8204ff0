#include "ExerciseText.h"

#include <cmath>

QString ToHtmlText(const QString& text)
{
    static const QString polish = QStringLiteral("ąćęłńśźżĄĆĘŁŃŚŹŻ");
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (polish.contains(c))
            out += QStringLiteral("&#%1;").arg(c.unicode());
        else
            out += c;
    }
    return out;
}

QString PrintPage(const QString& title, const QString& body)
{
    QString html = QStringLiteral(
        "<HTML><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=\"ISO-8859-2\">"
        "<STYLE type=\"text/css\">H2 {font-size: 20pt;}.kwestia{font-family: Times New Roman;font-size: 14pt;}"
        "</STYLE></head>");
    html += QStringLiteral("<H2>") + ToHtmlText(title) + QStringLiteral("</h2><hr />");
    html += body;
    html += QStringLiteral("<p align=\"right\">") + ToHtmlText(QStringLiteral("Orvanta 6.0 – kurs języka angielskiego"))
          + QStringLiteral("</p>");
    html += QStringLiteral("</HTML>");
    return html;
}

int PercentHalfEven(int part, int whole)
{
    if (whole <= 0)
        return 0;
    // Exact in integers: 100 * part / whole with the remainder compared to half.
    const long long num = 100LL * part;
    long long q = num / whole;
    const long long r2 = 2 * (num % whole);
    if (r2 > whole || (r2 == whole && (q % 2) != 0))
        ++q;
    return int(q);
}

QString ResultLine(const QString& label, int done, int total)
{
    return QStringLiteral("%1 %2 / %3").arg(label).arg(done).arg(total);
}
