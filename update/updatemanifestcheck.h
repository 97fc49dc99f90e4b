#pragma once

#include "updatemanifest.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariantMap>

class QNetworkAccessManager;
class QNetworkReply;

// The documents' way to the update manifest, in both programs: fetch() reads it
// with size and time limits, check() verifies it (signature, serial, structure).
// Results are maps {accepted, unreadable, reason, manifest}; the manifest is the
// signed one, so nothing the signature does not cover reaches the documents.
class UpdateManifestCheck : public QObject
{
    Q_OBJECT

public:
    explicit UpdateManifestCheck(QObject *parent = nullptr);
    ~UpdateManifestCheck() override;

    // Emits fetched(status, result) once; status is the HTTP status, 0 without answer.
    Q_INVOKABLE void fetch(const QString &url);
    Q_INVOKABLE QVariantMap check(const QString &body) const;

    // The release of the last manifest accepted, for the installer: its files and
    // signed bytes stay in native form.
    const UpdateManifest::Result &acceptedRelease() const { return m_accepted; }

    // For tests: other keys, another application directory (the installed serial).
    void setTrustedKeys(const QList<QByteArray> &keys) { m_keys = keys; }
    void setApplicationDir(const QString &dir) { m_applicationDir = dir; }

signals:
    void fetched(int status, const QVariantMap &result);

private:
    void onReadyRead();
    void onFinished();
    QVariantMap checkBytes(const QByteArray &body) const;

    QNetworkAccessManager *m_manager = nullptr;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QString m_failure;
    QTimer m_deadline;
    QList<QByteArray> m_keys;
    QString m_applicationDir;
    mutable UpdateManifest::Result m_accepted;
};
