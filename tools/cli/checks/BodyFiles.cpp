#include "BodyFiles.h"

#include "WinPath.h"
#include "XmlFile.h"

QString ChangeFileExt(const QString& name, const QString& ext)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype folder = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u'/'));
    if (dot < 0 || dot < folder)
        return name + ext;
    return name.left(dot) + ext;
}

QString WavAsMp3(const QString& name)
{
    return name.endsWith(QLatin1String(".wav")) ? name.chopped(4) + QStringLiteral(".mp3") : name;
}

QString ExerciseBaseName(const QString& fileName)
{
    return ChangeFileExt(WinFileName(fileName), QString());
}

QString ChildText(pugi::xml_node node, const char* name)
{
    return XmlText(node.child(name));
}

pugi::xml_node BodyFiles::config() const
{
    return m_ctx.document.cwiczenie().config().node();
}

pugi::xml_node BodyFiles::body() const
{
    return m_ctx.document.cwiczenie().body().node();
}

void BodyFiles::media(const QString& folder, const QString& name, const QString& what)
{
    if (name.isEmpty() || m_ctx.inst.cdDir.isEmpty())
        return;
    const QString tail = folder + u'\\' + name;
    if (!WinFileExists(m_ctx.inst.mediaPath(u'\\' + tail)))
        problem(QStringLiteral("%1 Media\\%2 is missing").arg(what, tail));
}

void BodyFiles::requiredMedia(const QString& folder, const QString& sourceName, const QString& fileName,
                              const QString& what, const QString& element)
{
    if (sourceName.isEmpty()) {
        problem(QStringLiteral("%1 names no %2").arg(element, what));
        return;
    }
    media(folder, fileName, what);
}

void BodyFiles::textMedia(const QString& name)
{
    static const QString folder = QStringLiteral("Teksty");
    if (name.endsWith(QLatin1String(".swf"))) {
        media(folder, name, QStringLiteral("Flash movie"));
    } else if (name.endsWith(QLatin1String(".wmv"))) {
        media(folder, name.chopped(4) + QStringLiteral(".mpg"), QStringLiteral("video"));
        media(folder, name, QStringLiteral("video"));
    } else if (name.endsWith(QLatin1String(".mpg"))) {
        media(folder, name, QStringLiteral("video"));
    } else {
        media(folder, name, QStringLiteral("recording"));
    }
}

void BodyFiles::recordingInZdaniaAndTeksty(const QString& name)
{
    media(QStringLiteral("Zdania"), name, QStringLiteral("recording"));
    media(QStringLiteral("Teksty"), name, QStringLiteral("recording"));
}

void BodyFiles::sentenceRecordings()
{
    for (pugi::xml_node z : body().children("zdanie"))
        media(QStringLiteral("Zdania"), XmlAttr(z, "sampel"), QStringLiteral("recording"));
}

void BodyFiles::appFile(const QString& tail, const QString& what)
{
    if (tail.isEmpty())
        return;
    if (!WinFileExists(m_ctx.inst.path(u'\\' + tail)))
        problem(QStringLiteral("%1 %2 is missing").arg(what, tail));
}

void BodyFiles::handbookPage(const QString& page)
{
    QString name = page.section(u'#', 0, 0);
    if (name.startsWith(u'/') || name.startsWith(u'\\'))
        name.remove(0, 1);
    if (!name.isEmpty())
        appFile(QStringLiteral("Podrecznik\\") + name, QStringLiteral("handbook page"));
}
