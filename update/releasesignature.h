#pragma once

#include <QByteArray>
#include <QList>

// Ed25519 signatures of update manifests, checked with OpenSSL.
class ReleaseSignature
{
public:
    static constexpr int publicKeySize = 32;
    static constexpr int signatureSize = 64;

    // True when signature is a valid Ed25519 signature of message by the raw
    // 32-byte public key.
    static bool verify(const QByteArray &message, const QByteArray &signature,
                       const QByteArray &publicKey);
    // The public keys this build trusts (set by QUILLMARK_UPDATE_PUBLIC_KEYS);
    // empty when the build was configured without one.
    static QList<QByteArray> builtInKeys();
    // Keys from text: hexadecimal raw keys separated by ';', ',' or spaces;
    // malformed entries are dropped.
    static QList<QByteArray> parseKeys(const QByteArray &text);
};
