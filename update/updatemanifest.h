#pragma once

#include "installedserial.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariantMap>

// One file of a release, as its signed manifest describes it.
struct ReleaseFile
{
    QString name;
    QByteArray sha256; // the 32 bytes of the digest
    qint64 size = 0;
    bool executable = false;
};

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
        // The signed manifest, when accepted, without the per-file digests and
        // sizes (those are in files).
        QJsonObject manifest;
        qint64 serial = 0;
        // Accepted, and the installed release has this serial already.
        bool alreadyInstalled = false;
        QList<ReleaseFile> files;
        // The signed bytes as they came, kept by the journal of an install.
        QByteArray payload;
        QByteArray signature;

        // {accepted, unreadable, alreadyInstalled, reason, manifest} for the documents.
        QVariantMap toVariantMap() const;
    };

    // An older serial than the installed one is refused, the same serial is
    // accepted as already installed.
    static Result check(const QByteArray &body, const QList<QByteArray> &trustedKeys,
                        const InstalledSerial::Value &installed);
    // installedSerial is both what is recorded and the highest known.
    static Result check(const QByteArray &body, const QList<QByteArray> &trustedKeys,
                        qint64 installedSerial);
    // The serial of a signed manifest that was accepted once (the record of an
    // install): the signature is checked, the rest was checked then. 0 when the
    // signature does not hold.
    static qint64 signedSerial(const QByteArray &payload, const QByteArray &signature,
                               const QList<QByteArray> &trustedKeys);
    // The signed parts alone, as the journal keeps them.
    static Result checkSigned(const QByteArray &payload, const QByteArray &signature,
                              const QList<QByteArray> &trustedKeys,
                              const InstalledSerial::Value &installed);

private:
    static QString structureRefusal(const QJsonObject &manifest, Result *result);
};
