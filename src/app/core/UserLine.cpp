#include "UserLine.h"

#include "AnsiText.h"
#include "FieldOf.h"
#include "XmlFile.h"

namespace {

constexpr char kKey[8] = {'Q', 'E', 'V', '_', 'M', 'A', 'R', 'O'};

QByteArray applyKey(const QByteArray& in, int sign)
{
    QByteArray out(in.size(), Qt::Uninitialized);
    for (qsizetype j = 0; j < in.size(); ++j) {
        const int key = static_cast<unsigned char>(kKey[(j + 1) % 8]);
        out[j] = char((static_cast<unsigned char>(in[j]) + sign * key + 256) % 256);
    }
    return out;
}

int fieldNumber(const QByteArray& field)
{
    return ParseXmlInt(field.constData()).value_or(0);
}

} // namespace

std::optional<QString> LoginCharacterProblem(const QString& login)
{
    if (login.contains(u'='))
        return QStringLiteral("Nazwa użytkownika nie może zawierać znaku „=”.");
    for (QChar c : login) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        if (control || !isAnsiRepresentable(QString(c))) {
            const QString shown = control ? QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper()
                                          : QString(c);
            return QStringLiteral("Nazwa użytkownika zawiera znak, którego nie można zapisać: „%1”.").arg(shown);
        }
    }
    return std::nullopt;
}

QByteArray ScrambleUserLine(const QByteArray& plain)
{
    return applyKey(plain, +1);
}

QByteArray UnscrambleUserLine(const QByteArray& scrambled)
{
    return applyKey(scrambled, -1);
}

TUser ParseUserLine(const QByteArray& plain)
{
    TUser u;
    u.Id = fieldNumber(FieldOf(1, plain, '='));
    u.Login = decodeAnsi(FieldOf(2, plain, '='));
    u.Gender = decodeAnsi(FieldOf(3, plain, '=')).left(1);
    u.HasPassword = fieldNumber(FieldOf(4, plain, '=')) != 0;
    u.Password = decodeAnsi(FieldOf(5, plain, '='));
    u.Figure = quint8(fieldNumber(FieldOf(6, plain, '=')) + 1);
    return u;
}

QString FormatUserLine(const TUser& user)
{
    return QStringList{QString::number(user.Id), user.Login, user.Gender, user.HasPassword ? QStringLiteral("1")
                                                                                           : QStringLiteral("0"),
                       user.Password, QString::number(user.Figure)}
        .join(u'=');
}

std::optional<QString> UserLineProblem(const TUser& user)
{
    if (auto login = LoginCharacterProblem(user.Login))
        return login;
    for (const QString* field : {&user.Gender, &user.Password}) {
        if (field->contains(u'=') || !isAnsiRepresentable(*field))
            return QStringLiteral("Danych profilu nie można zapisać: płeć lub hasło zawiera niedozwolony znak.");
    }
    const QByteArray scrambled = ScrambleUserLine(*encodeAnsi(FormatUserLine(user)));
    if (scrambled.contains('\r') || scrambled.contains('\n') || scrambled.contains('\0'))
        return QStringLiteral("Tej nazwy użytkownika nie da się zapisać w pliku użytkowników. "
                              "Proszę ją nieco zmienić, na przykład dodać lub zamienić jedną literę.");
    return std::nullopt;
}

Expected<QByteArray> EncodeUserLine(const TUser& user)
{
    if (const auto problem = UserLineProblem(user))
        return Failure::error(*problem);
    return *encodeAnsi(FormatUserLine(user));
}
