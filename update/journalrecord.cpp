#include "journalrecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int format = 2;

} // namespace

bool JournalRecord::write(const std::function<bool(const QByteArray &)> &write) const
{
    const QByteArray head = "{\"format\":" + QByteArray::number(format) + ",\"state\":\"" +
                            (state == State::Install ? "install" : "rollback") +
                            "\",\"manifest\":\"";
    if (!write(head))
        return false;
    // Base64 needs no escaping in JSON, and pieces of whole 3-byte groups join
    // into one text.
    constexpr qsizetype piece = 3 * 16 * 1024;
    for (qsizetype at = 0; at < payload.size(); at += piece) {
        if (!write(payload.mid(at, piece).toBase64()))
            return false;
    }
    const QByteArray addedBits(added.bits(), (added.size() + 7) / 8);
    return write(
        "\",\"signature\":\"" + signature.toBase64() +
        "\",\"files\":" + QByteArray::number(added.size()) + ",\"added\":\"" +
        addedBits.toBase64() + "\",\"createdFolders\":" +
        QJsonDocument(QJsonArray::fromStringList(createdFolders)).toJson(QJsonDocument::Compact) +
        '}');
}

QByteArray JournalRecord::toJson() const
{
    QByteArray json;
    write([&json](const QByteArray &piece) {
        json += piece;
        return true;
    });
    return json;
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
    const QByteArray addedBits =
        QByteArray::fromBase64(object.value(QStringLiteral("added")).toString().toLatin1());
    const qsizetype files = object.value(QStringLiteral("files")).toInteger();
    if (files >= 0 && files <= addedBits.size() * 8)
        record.added = QBitArray::fromBits(addedBits.constData(), files);
    for (const QJsonValue &name : object.value(QStringLiteral("createdFolders")).toArray())
        record.createdFolders.append(name.toString());
    return record;
}
