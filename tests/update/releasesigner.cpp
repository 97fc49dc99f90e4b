#include "releasesigner.h"

#include "releasesignature.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

QString ReleaseSigner::keyPath(const QString &pair)
{
    return QStringLiteral(UPDATE_TEST_KEY_DIR "/") + pair + QStringLiteral(".pem");
}

QByteArray ReleaseSigner::sign(const QByteArray &message, const QString &keyPath)
{
    QFile file(keyPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pem = file.readAll();
    const std::unique_ptr<BIO, decltype(&BIO_free)> bio(
        BIO_new_mem_buf(pem.constData(), int(pem.size())), &BIO_free);
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr), &EVP_PKEY_free);
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          &EVP_MD_CTX_free);
    if (!key || !context ||
        EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return {};
    QByteArray signature(64, '\0');
    size_t length = size_t(signature.size());
    if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &length,
                       reinterpret_cast<const unsigned char *>(message.constData()),
                       size_t(message.size())) != 1)
        return {};
    signature.resize(qsizetype(length));
    return signature;
}

QByteArray ReleaseSigner::envelope(const QJsonObject &manifest, const QString &keyPath)
{
    const QByteArray payload = QJsonDocument(manifest).toJson(QJsonDocument::Compact);
    const QJsonObject outer{
        {QStringLiteral("manifest"), QString::fromLatin1(payload.toBase64())},
        {QStringLiteral("signature"), QString::fromLatin1(sign(payload, keyPath).toBase64())},
        {QStringLiteral("push"), true}};
    return QJsonDocument(outer).toJson();
}

QJsonObject ReleaseSigner::manifest(const QString &version, const QString &uploadUrl,
                                    const QMap<QString, QByteArray> &files, qint64 serial)
{
    QJsonObject digests;
    QJsonObject sizes;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        digests.insert(
            it.key(),
            QString::fromLatin1(
                QCryptographicHash::hash(it.value(), QCryptographicHash::Sha256).toHex()));
        sizes.insert(it.key(), it.value().size());
    }
    return QJsonObject{{QStringLiteral("appVersion"), version},
                       {QStringLiteral("serial"), serial},
                       {QStringLiteral("files"), QJsonArray::fromStringList(files.keys())},
                       {QStringLiteral("uploadUrl"), uploadUrl},
                       {QStringLiteral("msg"), QJsonArray{QStringLiteral("line one")}},
                       {QStringLiteral("sha256"), digests},
                       {QStringLiteral("size"), sizes}};
}

UpdateManifest::Result ReleaseSigner::accepted(const QJsonObject &manifest)
{
    return UpdateManifest::check(envelope(manifest), ReleaseSignature::builtInKeys(), 0);
}
