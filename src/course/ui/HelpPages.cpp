#include "HelpPages.h"

#include <QHash>

QString HelpPageForForm(const QString& formName, int programMode)
{
    if (programMode == 2) {
        static const QHash<QString, QString> grammar = {
            {QStringLiteral("frmAntonimy"), QStringLiteral("h_exer.html#a7")},
            {QStringLiteral("frmTabelkaGr"), QStringLiteral("h_exer.html#a8")},
            {QStringLiteral("frmTest2"), QStringLiteral("h_exer.html#a6")},
            {QStringLiteral("frmTFGr"), QStringLiteral("h_exer.html#a5")},
            {QStringLiteral("frmUkladanka"), QStringLiteral("h_exer.html#a4")},
            {QStringLiteral("frmWpisywanieGr"), QStringLiteral("h_exer.html#a1")},
            {QStringLiteral("frmWpisywaniePelne"), QStringLiteral("h_exer.html#a2")},
            {QStringLiteral("frmZdaniaDD"), QStringLiteral("h_exer.html#a3")},
        };
        return grammar.value(formName, QStringLiteral("h_index.html"));
    }
    static const QHash<QString, QString> pages = {
        {QStringLiteral("frmOdkrywanka"), QStringLiteral("h_nowe.html")},
        {QStringLiteral("frm3Obrazki"), QStringLiteral("h_foto.html")},
        {QStringLiteral("frmTabelka"), QStringLiteral("h_film.html")},
        {QStringLiteral("frmTFGr"), QStringLiteral("h_film.html")},
        {QStringLiteral("frmWpisywanie"), QStringLiteral("h_film.html")},
        {QStringLiteral("frmAntonimy"), QStringLiteral("h_film.html")},
        {QStringLiteral("frmWyborCwiczenia"), QStringLiteral("h_index.html")},
        {QStringLiteral("frmZdania_Dyk"), QStringLiteral("h_sent.html")},
        {QStringLiteral("frmZdania_Ukl"), QStringLiteral("h_sent.html")},
        {QStringLiteral("frmZdania_Tlu"), QStringLiteral("h_sent.html")},
        {QStringLiteral("frmDialogi_Dop"), QStringLiteral("h_konwers.html")},
        {QStringLiteral("frmDialogi_Prez"), QStringLiteral("h_konwers.html")},
        {QStringLiteral("frmDialogi_Rozum"), QStringLiteral("h_konwers.html")},
        {QStringLiteral("frmMain"), QStringLiteral("h_index.html")},
    };
    return pages.value(formName);
}
