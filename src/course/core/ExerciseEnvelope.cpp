#include "ExerciseEnvelope.h"

#include "XmlFile.h"

QString TitleInLanguage(const TXMLNazwaTypeList& titles, int language, bool fallbackToLanguage1)
{
    for (const TXMLNazwaType n : titles) {
        if (n.id() != language)
            continue;
        const QString t = n.text();
        if (!t.isEmpty() || !fallbackToLanguage1)
            return t;
        for (const TXMLNazwaType one : titles)
            if (one.id() == 1)
                return one.text();
        return {};
    }
    return {};
}

Expected<ExerciseDocument> ExerciseDocument::load(const QString& path)
{
    auto doc = LoadXmlFile(path);
    if (!doc.ok())
        return doc.failure();
    return ExerciseDocument(std::move(doc).value());
}

Expected<ExerciseDocument> ExerciseDocument::parse(const QByteArray& bytes)
{
    auto doc = ParseXml(bytes);
    if (!doc.ok())
        return doc.failure();
    return ExerciseDocument(std::move(doc).value());
}

QString ExerciseDocument::rootName() const
{
    return QString::fromUtf8(m_doc->document_element().name());
}

QString InstructionInLanguage(const TXMLPolecenieTypeList& list, int language)
{
    for (const TXMLPolecenieType p : list)
        if (p.id() == language)
            return p.text();
    return {};
}
