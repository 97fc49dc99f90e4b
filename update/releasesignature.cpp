#include "releasesignature.h"

#include "trustedkeys.h"

#include <QRegularExpression>

#include <openssl/evp.h>

#include <memory>

bool ReleaseSignature::verify(const QByteArray &message, const QByteArray &signature,
                              const QByteArray &publicKey)
{
    if (signature.size() != signatureSize || publicKey.size() != publicKeySize)
        return false;
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char *>(publicKey.constData()),
                                    size_t(publicKey.size())),
        &EVP_PKEY_free);
    if (!key)
        return false;
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          &EVP_MD_CTX_free);
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(),
                            reinterpret_cast<const unsigned char *>(signature.constData()),
                            size_t(signature.size()),
                            reinterpret_cast<const unsigned char *>(message.constData()),
                            size_t(message.size())) == 1;
}

QList<QByteArray> ReleaseSignature::builtInKeys()
{
    return parseKeys(QByteArray(TrustedKeys::updatePublicKeys));
}

QList<QByteArray> ReleaseSignature::parseKeys(const QByteArray &text)
{
    static const QRegularExpression separators(QStringLiteral("[;,\\s]+"));
    static const QRegularExpression hexKey(QStringLiteral("^[0-9a-fA-F]{64}$"));
    QList<QByteArray> keys;
    for (const QString &entry : QString::fromLatin1(text).split(separators, Qt::SkipEmptyParts)) {
        if (hexKey.match(entry).hasMatch())
            keys.append(QByteArray::fromHex(entry.toLatin1()));
    }
    return keys;
}
