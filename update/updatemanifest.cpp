#include "updatemanifest.h"

#include "filenamepolicy.h"
#include "releasesignature.h"
#include "updatelimits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

namespace {

// Doubles hold integers exactly up to 2^53.
constexpr double largestExactInteger = 9007199254740992.0;

bool isWholeNumber(const QJsonValue &value, double minimum)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return number >= minimum && number <= largestExactInteger && number == double(qint64(number));
}

UpdateManifest::Result makeResult(UpdateManifest::Outcome outcome, const QString &reason)
{
    UpdateManifest::Result result;
    result.outcome = outcome;
    result.reason = reason;
    return result;
}

} // namespace

QVariantMap UpdateManifest::Result::toVariantMap() const
{
    return {{QStringLiteral("accepted"), outcome == Outcome::Accepted},
            {QStringLiteral("unreadable"), outcome == Outcome::Unreadable},
            {QStringLiteral("reason"), reason},
            {QStringLiteral("manifest"), manifest.toVariantMap()}};
}

UpdateManifest::Result UpdateManifest::check(const QByteArray &body,
                                             const QList<QByteArray> &trustedKeys,
                                             qint64 installedSerial)
{
    if (body.size() > UpdateLimits::manifestBytes)
        return makeResult(
            Outcome::Refused,
            QStringLiteral("manifest larger than %1 bytes").arg(UpdateLimits::manifestBytes));
    QJsonParseError error;
    const QJsonDocument envelope = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return makeResult(Outcome::Unreadable, error.errorString());
    const QJsonValue payloadText = envelope.object().value(QStringLiteral("manifest"));
    const QJsonValue signatureText = envelope.object().value(QStringLiteral("signature"));
    if (!envelope.isObject() || !payloadText.isString() || !signatureText.isString())
        return makeResult(Outcome::Refused, QStringLiteral("the manifest is not signed"));
    if (trustedKeys.isEmpty())
        return makeResult(Outcome::Refused,
                          QStringLiteral("this build has no public key for updates, so every "
                                         "manifest is refused"));
    const auto payload = QByteArray::fromBase64Encoding(payloadText.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    const auto signature = QByteArray::fromBase64Encoding(signatureText.toString().toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
    if (!payload || !signature)
        return makeResult(Outcome::Refused, QStringLiteral("the signed parts are not base64"));
    bool trusted = false;
    for (const QByteArray &key : trustedKeys)
        trusted = trusted || ReleaseSignature::verify(*payload, *signature, key);
    if (!trusted)
        return makeResult(Outcome::Refused,
                          QStringLiteral("the signature does not match a trusted key"));

    const QJsonDocument signedDocument = QJsonDocument::fromJson(*payload, &error);
    if (error.error != QJsonParseError::NoError || !signedDocument.isObject())
        return makeResult(Outcome::Refused, QStringLiteral("the signed manifest is not an object"));
    const QString refusal = structureRefusal(signedDocument.object(), installedSerial);
    if (!refusal.isEmpty())
        return makeResult(Outcome::Refused, refusal);
    Result result = makeResult(Outcome::Accepted, QString());
    result.manifest = signedDocument.object();
    return result;
}

QString UpdateManifest::structureRefusal(const QJsonObject &manifest, qint64 installedSerial)
{
    const QJsonValue version = manifest.value(QStringLiteral("appVersion"));
    if (!(version.isString() && !version.toString().isEmpty()) &&
        !(version.isDouble() && version.toDouble() != 0))
        return QStringLiteral("no appVersion");
    const QJsonValue serial = manifest.value(QStringLiteral("serial"));
    if (!isWholeNumber(serial, 1))
        return QStringLiteral("no release serial");
    if (qint64(serial.toDouble()) < installedSerial)
        return QStringLiteral("release serial %1 is older than the installed serial %2")
            .arg(qint64(serial.toDouble()))
            .arg(installedSerial);
    const QJsonValue upload = manifest.value(QStringLiteral("uploadUrl"));
    if (!upload.isUndefined() && !upload.isString())
        return QStringLiteral("uploadUrl is not text");

    const QJsonValue filesValue = manifest.value(QStringLiteral("files"));
    if (!filesValue.isArray())
        return QStringLiteral("files is not a list");
    const QJsonObject digests = manifest.value(QStringLiteral("sha256")).toObject();
    const QJsonObject sizes = manifest.value(QStringLiteral("size")).toObject();
    static const QRegularExpression hexDigest(QStringLiteral("^[0-9a-f]{64}$"));
    QSet<QString> seen;
    for (const QJsonValue &entry : filesValue.toArray()) {
        if (!entry.isString())
            return QStringLiteral("a file name is not text");
        const QString name = entry.toString();
        const QString nameRefusal = FileNamePolicy::refusal(name);
        if (!nameRefusal.isEmpty())
            return QStringLiteral("file name \"%1\" refused: %2").arg(name, nameRefusal);
        // Windows folds letter case: two names must not meet in one file.
        if (seen.contains(name.toLower()))
            return QStringLiteral("file \"%1\" listed twice").arg(name);
        seen.insert(name.toLower());
        if (!hexDigest.match(digests.value(name).toString()).hasMatch())
            return QStringLiteral("no SHA-256 for \"%1\"").arg(name);
        if (!isWholeNumber(sizes.value(name), 0))
            return QStringLiteral("no size for \"%1\"").arg(name);
    }
    const QJsonValue executable = manifest.value(QStringLiteral("executable"));
    if (!executable.isUndefined()) {
        if (!executable.isArray())
            return QStringLiteral("executable is not a list");
        for (const QJsonValue &entry : executable.toArray()) {
            if (!seen.contains(entry.toString().toLower()))
                return QStringLiteral("executable names a file the release does not list");
        }
    }
    return {};
}
