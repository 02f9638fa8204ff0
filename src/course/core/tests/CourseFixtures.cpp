#include "CourseFixtures.h"

#include "TestSupport.h"

namespace coursefx {

QString copyInstallation(const char* name, QTemporaryDir& tmp)
{
    return testsupport::copyFixture(QStringLiteral(FIXTURES_DIR "/") + QLatin1String(name), tmp);
}

Installation installation(const QString& appDir, int programMode, int language)
{
    Installation inst;
    inst.appDir = appDir;
    inst.programMode = programMode;
    inst.interfaceLanguage = language;
    return inst;
}

QByteArray exerciseXml(int grupa, int typ, int poziom, const QString& title, const QString& extraConfig,
                       const QString& body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><id>1</id>"
                          "<nazwa id=\"0\">%1</nazwa><grupa>%2</grupa><poziom>%3</poziom><typ_cw>%4</typ_cw>%5"
                          "</config><body>%6</body></cwiczenie>")
        .arg(title)
        .arg(grupa)
        .arg(poziom)
        .arg(typ)
        .arg(extraConfig, body)
        .toUtf8();
}

QByteArray definitionsXml(const QList<std::pair<int, QString>>& groups)
{
    QString g;
    for (const auto& [id, caption] : groups)
        g += QStringLiteral("<grupa id=\"%1\"><tlumaczenie id=\"0\">%2</tlumaczenie></grupa>").arg(id).arg(caption);
    return QStringLiteral("<?xml version=\"1.0\"?><definitions><languages/><hinty>"
                          "<hint id=\"9\"><tlumaczenie id=\"0\">Prezentacja</tlumaczenie></hint></hinty>"
                          "<groups id=\"a\">%1</groups><groups id=\"b\">%1</groups></definitions>")
        .arg(g)
        .toUtf8();
}

QString describe(const QList<TElement*>& flat)
{
    QString out;
    for (const TElement* n : flat)
        out += QString(n->Depth * 2, u' ') + QStringLiteral("%1 %2 '%3'\n").arg(n->Kind).arg(n->FileName, n->Caption);
    return out;
}

} // namespace coursefx
