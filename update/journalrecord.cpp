#include "journalrecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int format = 2;

} // namespace

QByteArray JournalRecord::toJson() const
{
    const QJsonObject object{
        {QStringLiteral("format"), format},
        {QStringLiteral("state"),
         state == State::Install ? QStringLiteral("install") : QStringLiteral("rollback")},
        {QStringLiteral("manifest"), QString::fromLatin1(payload.toBase64())},
        {QStringLiteral("signature"), QString::fromLatin1(signature.toBase64())},
        {QStringLiteral("added"), QJsonArray::fromStringList(added)},
        {QStringLiteral("createdFolders"), QJsonArray::fromStringList(createdFolders)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<JournalRecord> JournalRecord::fromJson(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonObject object = QJsonDocument::fromJson(json, &parseError).object();
    if (parseError.error != QJsonParseError::NoError || object.isEmpty()) {
        *error = QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    // The first journals listed bare names, with nothing to verify them by.
    if (object.value(QStringLiteral("format")).toInt() != format) {
        *error = QStringLiteral("an unsigned journal of an earlier format");
        return std::nullopt;
    }
    JournalRecord record;
    const QString state = object.value(QStringLiteral("state")).toString();
    if (state != QLatin1String("install") && state != QLatin1String("rollback")) {
        *error = QStringLiteral("unknown state \"%1\"").arg(state);
        return std::nullopt;
    }
    record.state = state == QLatin1String("install") ? State::Install : State::RollBack;
    const auto payload = QByteArray::fromBase64Encoding(
        object.value(QStringLiteral("manifest")).toString().toLatin1(),
        QByteArray::AbortOnBase64DecodingErrors);
    const auto signature = QByteArray::fromBase64Encoding(
        object.value(QStringLiteral("signature")).toString().toLatin1(),
        QByteArray::AbortOnBase64DecodingErrors);
    if (!payload || !signature) {
        *error = QStringLiteral("the signed manifest is not base64");
        return std::nullopt;
    }
    record.payload = *payload;
    record.signature = *signature;
    for (const QJsonValue &name : object.value(QStringLiteral("added")).toArray())
        record.added.append(name.toString());
    for (const QJsonValue &name : object.value(QStringLiteral("createdFolders")).toArray())
        record.createdFolders.append(name.toString());
    return record;
}
