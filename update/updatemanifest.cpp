#include "updatemanifest.h"

#include "filenamepolicy.h"
#include "releasesignature.h"
#include "updatelimits.h"

#include <QJsonArray>
#include <QJsonDocument>
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

// The 32 bytes of a digest in 64 lower-case hex digits; empty when it is not one.
QByteArray digestBytes(const QJsonValue &value)
{
    const QString text = value.toString();
    if (text.size() != 64)
        return {};
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return {};
    }
    return QByteArray::fromHex(text.toLatin1());
}

// A name that is a file in one entry and a folder in another cannot be put in
// place; Windows folds letter case, so neither may "a" and "A/b".
QString fileFolderClash(const QSet<QString> &foldedNames)
{
    QSet<QString> folders;
    for (const QString &name : foldedNames) {
        for (qsizetype slash = name.indexOf(QLatin1Char('/')); slash >= 0;
             slash = name.indexOf(QLatin1Char('/'), slash + 1))
            folders.insert(name.left(slash));
    }
    for (const QString &folder : std::as_const(folders)) {
        if (foldedNames.contains(folder))
            return QStringLiteral("\"%1\" is listed as a file and as a folder").arg(folder);
    }
    return {};
}

} // namespace

QVariantMap UpdateManifest::Result::toVariantMap() const
{
    return {{QStringLiteral("accepted"), outcome == Outcome::Accepted},
            {QStringLiteral("unreadable"), outcome == Outcome::Unreadable},
            {QStringLiteral("alreadyInstalled"), alreadyInstalled},
            {QStringLiteral("reason"), reason},
            {QStringLiteral("manifest"), manifest.toVariantMap()}};
}

UpdateManifest::Result UpdateManifest::check(const QByteArray &body,
                                             const QList<QByteArray> &trustedKeys,
                                             qint64 installedSerial)
{
    return check(body, trustedKeys, InstalledSerial::Value{installedSerial, installedSerial});
}

UpdateManifest::Result UpdateManifest::check(const QByteArray &body,
                                             const QList<QByteArray> &trustedKeys,
                                             const InstalledSerial::Value &installed)
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
    const auto payload = QByteArray::fromBase64Encoding(payloadText.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    const auto signature = QByteArray::fromBase64Encoding(signatureText.toString().toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
    if (!payload || !signature)
        return makeResult(Outcome::Refused, QStringLiteral("the signed parts are not base64"));
    return checkSigned(*payload, *signature, trustedKeys, installed);
}

qint64 UpdateManifest::signedSerial(const QByteArray &payload, const QByteArray &signature,
                                    const QList<QByteArray> &trustedKeys)
{
    bool trusted = false;
    for (const QByteArray &key : trustedKeys)
        trusted = trusted || ReleaseSignature::verify(payload, signature, key);
    const QJsonValue serial =
        trusted ? QJsonDocument::fromJson(payload).object().value(QStringLiteral("serial"))
                : QJsonValue();
    return isWholeNumber(serial, 1) ? qint64(serial.toDouble()) : 0;
}

UpdateManifest::Result UpdateManifest::checkSigned(const QByteArray &payload,
                                                   const QByteArray &signature,
                                                   const QList<QByteArray> &trustedKeys,
                                                   const InstalledSerial::Value &installed)
{
    if (trustedKeys.isEmpty())
        return makeResult(Outcome::Refused,
                          QStringLiteral("this build has no public key for updates, so every "
                                         "manifest is refused"));
    bool trusted = false;
    for (const QByteArray &key : trustedKeys)
        trusted = trusted || ReleaseSignature::verify(payload, signature, key);
    if (!trusted)
        return makeResult(Outcome::Refused,
                          QStringLiteral("the signature does not match a trusted key"));

    QJsonParseError error;
    const QJsonDocument signedDocument = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !signedDocument.isObject())
        return makeResult(Outcome::Refused, QStringLiteral("the signed manifest is not an object"));
    Result result = makeResult(Outcome::Accepted, QString());
    const QString refusal = structureRefusal(signedDocument.object(), &result);
    if (!refusal.isEmpty())
        return makeResult(Outcome::Refused, refusal);
    if (result.serial < installed.highest)
        return makeResult(Outcome::Refused,
                          QStringLiteral("release serial %1 is older than the installed serial %2")
                              .arg(result.serial)
                              .arg(installed.highest));
    result.alreadyInstalled = result.serial == installed.recorded;
    result.manifest = signedDocument.object();
    for (const char *member : {"sha256", "size", "executable"})
        result.manifest.remove(QLatin1String(member));
    result.payload = payload;
    result.signature = signature;
    return result;
}

QString UpdateManifest::structureRefusal(const QJsonObject &manifest, Result *result)
{
    const QJsonValue version = manifest.value(QStringLiteral("appVersion"));
    if (!(version.isString() && !version.toString().isEmpty()) &&
        !(version.isDouble() && version.toDouble() != 0))
        return QStringLiteral("no appVersion");
    const QJsonValue serial = manifest.value(QStringLiteral("serial"));
    if (!isWholeNumber(serial, 1))
        return QStringLiteral("no release serial");
    result->serial = qint64(serial.toDouble());
    const QJsonValue upload = manifest.value(QStringLiteral("uploadUrl"));
    if (!upload.isUndefined() && !upload.isString())
        return QStringLiteral("uploadUrl is not text");

    const QJsonValue filesValue = manifest.value(QStringLiteral("files"));
    if (!filesValue.isArray())
        return QStringLiteral("files is not a list");
    const QJsonObject digests = manifest.value(QStringLiteral("sha256")).toObject();
    const QJsonObject sizes = manifest.value(QStringLiteral("size")).toObject();
    const QJsonArray names = filesValue.toArray();
    QSet<QString> seen;
    seen.reserve(names.size());
    result->files.reserve(names.size());
    for (const QJsonValue &entry : names) {
        if (!entry.isString())
            return QStringLiteral("a file name is not text");
        ReleaseFile file;
        file.name = entry.toString();
        const QString nameRefusal = FileNamePolicy::refusal(file.name);
        if (!nameRefusal.isEmpty())
            return QStringLiteral("file name \"%1\" refused: %2").arg(file.name, nameRefusal);
        // Windows folds letter case: two names must not meet in one file.
        const QString folded = file.name.toLower();
        if (seen.contains(folded))
            return QStringLiteral("file \"%1\" listed twice").arg(file.name);
        seen.insert(folded);
        file.sha256 = digestBytes(digests.value(file.name));
        if (file.sha256.isEmpty())
            return QStringLiteral("no SHA-256 for \"%1\"").arg(file.name);
        const QJsonValue size = sizes.value(file.name);
        if (!isWholeNumber(size, 0))
            return QStringLiteral("no size for \"%1\"").arg(file.name);
        file.size = qint64(size.toDouble());
        result->files.append(file);
    }
    const QString clash = fileFolderClash(seen);
    if (!clash.isEmpty())
        return clash;
    const QJsonValue executable = manifest.value(QStringLiteral("executable"));
    if (!executable.isUndefined()) {
        if (!executable.isArray())
            return QStringLiteral("executable is not a list");
        QSet<QString> executables;
        for (const QJsonValue &entry : executable.toArray()) {
            if (!seen.contains(entry.toString().toLower()))
                return QStringLiteral("executable names a file the release does not list");
            executables.insert(entry.toString());
        }
        for (ReleaseFile &file : result->files)
            file.executable = executables.contains(file.name);
    }
    return {};
}
