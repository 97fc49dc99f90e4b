#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariantMap>

// The one check of an update manifest, shared by the annotation program's prompt
// and the updater, so that both accept exactly the same manifests.
//
// What the server sends is an envelope {"manifest": base64, "signature": base64,
// "push": true}; the signature is Ed25519 over the manifest bytes. The signed
// manifest holds appVersion, serial, files, uploadUrl, msg, and for every file its
// sha256 and size, plus the list of files that are executable.
class UpdateManifest
{
public:
    enum class Outcome { Accepted, Unreadable, Refused };

    struct Result
    {
        Outcome outcome = Outcome::Refused;
        QString reason;
        QJsonObject manifest; // the signed manifest, when accepted

        // {accepted, unreadable, reason, manifest} for the documents.
        QVariantMap toVariantMap() const;
    };

    // installedSerial: the serial of the release in place (0 when none is known);
    // an older serial is refused.
    static Result check(const QByteArray &body, const QList<QByteArray> &trustedKeys,
                        qint64 installedSerial);

private:
    static QString structureRefusal(const QJsonObject &manifest, qint64 installedSerial);
};
