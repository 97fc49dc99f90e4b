#pragma once

#include "updatemanifest.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

// Signs manifests the way server/publish.cmake does, with the key pairs the test
// build made at configure time ("release" is trusted, "other" is not).
class ReleaseSigner
{
public:
    static QString keyPath(const QString &pair = QStringLiteral("release"));
    static QByteArray sign(const QByteArray &message, const QString &keyPath);
    // What the server sends: {"manifest", "signature", "push"}.
    static QByteArray envelope(const QJsonObject &manifest,
                               const QString &keyPath = ReleaseSigner::keyPath());
    // A manifest for these files with their digests and sizes.
    static QJsonObject manifest(const QString &version, const QString &uploadUrl,
                                const QMap<QString, QByteArray> &files, qint64 serial = 1);
    // The manifest signed and accepted by the programs' own check, as an install
    // receives it.
    static UpdateManifest::Result accepted(const QJsonObject &manifest);
};
