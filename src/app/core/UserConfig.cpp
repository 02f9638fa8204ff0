#include "UserConfig.h"

#include "SafeSave.h"
#include "UserFiles.h"
#include "UserProfiles.h"
#include "XmlFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString configPath(const Installation& inst, qint32 id)
{
    return UserFilePath(inst, id, QStringLiteral("_config.xml"));
}

Failure unreadable(const QString& path)
{
    return Failure::error(
        QStringLiteral("Plik ustawień użytkownika jest uszkodzony! Ustawienia nie zostały wczytane ani zapisane. "),
        path);
}

bool setByte(quint8& field, int value)
{
    if (value < 0 || value > 255)
        return false;
    field = quint8(value);
    return true;
}

// Stores one value by id; the interface language is set like the others.
void storeValue(TUstawienia& s, int id, int value)
{
    switch (id) {
    case 1: setByte(s.InterfaceLanguage, value); break;
    case 2: setByte(s.TranslationLanguage, value); break;
    case 3: s.ArchiveRecordings = value != 0; break;
    case 4: s.ReviewsOn = value != 0; break;
    case 5: s.ReviewThreshold = value; break;
    case 6: s.Option6 = value; break;
    case 7: s.Option7 = value != 0; break;
    case 8: s.Option8 = value != 0; break;
    case 9: s.Option9 = value != 0; break;
    case 10: s.PunctuationRules = value != 0; break;
    case 11: s.LetterCase = value != 0; break;
    default: break;
    }
}

// The text written for an id, or nullopt for ids the program does not keep.
std::optional<int> storedValue(const TUstawienia& s, int id)
{
    switch (id) {
    case 1: return s.InterfaceLanguage;
    case 2: return s.TranslationLanguage;
    case 3: return int(s.ArchiveRecordings);
    case 4: return int(s.ReviewsOn);
    case 5: return s.ReviewThreshold;
    case 6: return 3;
    case 7: return int(s.Option7);
    case 8: return int(s.Option8);
    case 9: return int(s.Option9);
    case 10: return int(s.PunctuationRules);
    case 11: return int(s.LetterCase);
    default: return std::nullopt;
    }
}

std::optional<int> valueId(const pugi::xml_node& value)
{
    return ParseXmlInt(value.attribute("id").value());
}

} // namespace

UserConfigRead ReadUserConfig(const Installation& inst, TUstawienia& settings)
{
    UserConfigRead result;
    const QString path = configPath(inst, settings.User.Id);
    if (!QFileInfo(path).isFile()) {
        const Status written = CreateDefaultConfig(inst, settings.User.Id);
        result.notice = written ? Failure::error(QStringLiteral("Brak pliku ustawień użytkownika! "
                                                                "Plik został stworzony ponownie! "))
                                : Failure::error(QStringLiteral("Brak pliku ustawień użytkownika! ") +
                                                     written.failure().text,
                                                 path);
        return result;
    }
    const auto doc = LoadXmlFile(path);
    if (!doc) {
        result.notice = unreadable(path);
        return result;
    }

    TUstawienia read = settings;
    for (pugi::xml_node v = (*doc)->document_element().child("value"); v; v = v.next_sibling("value")) {
        const auto id = valueId(v);
        const auto value = ParseXmlInt(v.child_value());
        if (id && value)
            storeValue(read, *id, *value);
    }
    result.interfaceLanguageChanged = read.InterfaceLanguage != settings.InterfaceLanguage;
    settings = read;
    return result;
}

Status WriteUserConfig(const Installation& inst, const TUstawienia& settings)
{
    const QString path = configPath(inst, settings.User.Id);
    if (!QFileInfo(path).isFile()) {
        if (Status s = CreateDefaultConfig(inst, settings.User.Id); !s)
            return s;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Failure::error(QStringLiteral("Nie można odczytać pliku %1.").arg(path), path);
    const QByteArray bytes = f.readAll();
    f.close();

    // Checked by the strict reader first; then read again keeping everything
    // the program does not change: declaration, comments, line breaks.
    if (!ParseXml(bytes))
        return unreadable(path);
    pugi::xml_document doc;
    const unsigned keepAll = (pugi::parse_full | pugi::parse_ws_pcdata | pugi::parse_fragment) & ~pugi::parse_eol;
    const pugi::xml_parse_result parsed = doc.load_buffer(bytes.constData(), size_t(bytes.size()), keepAll);
    if (!parsed || !doc.document_element())
        return unreadable(path);

    for (pugi::xml_node v = doc.document_element().child("value"); v; v = v.next_sibling("value")) {
        const auto id = valueId(v);
        const auto value = id ? storedValue(settings, *id) : std::nullopt;
        if (value)
            v.text().set(QByteArray::number(*value).constData());
    }

    const bool utf16 = parsed.encoding == pugi::encoding_utf16_le || parsed.encoding == pugi::encoding_utf16_be;
    const QByteArray out = utf16 ? SerializeXml(doc, pugi::encoding_utf16_le, true)
                                 : SerializeXml(doc, parsed.encoding, bytes.startsWith("\xEF\xBB\xBF"));
    return SaveFileAtomically(path, out);
}
