#pragma once

#include "updatemanifest.h"
#include "updatemanifestcheck.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class FileDownloader;
class QNetworkAccessManager;

// The updater window's way to install one accepted release all or nothing:
// begin() with the release the manifest check accepted (refused at once when a
// file cannot go in place), download() every file into the staging folder (each
// checked against its size and SHA-256), then install() swaps the whole release
// in, or discard() keeps the old one.
class ReleaseInstaller : public QObject
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ReleaseInstaller(QObject *parent = nullptr);

    Q_INVOKABLE bool begin(UpdateManifestCheck *check);
    bool begin(const UpdateManifest::Result &release);
    Q_INVOKABLE FileDownloader *download(const QString &url, const QString &fileName);
    // True only when every file of the release is in place.
    Q_INVOKABLE bool install();
    Q_INVOKABLE void discard();
    Q_INVOKABLE QString errorString() const { return m_error; }
    // After a failure: false while a half-done swap waits to be undone at the
    // next start, true when the installed release is whole.
    Q_INVOKABLE bool installationWhole() const { return m_whole; }

private:
    QString m_applicationDir;
    UpdateManifest::Result m_release;
    QHash<QString, qsizetype> m_index;
    QList<bool> m_staged;
    QNetworkAccessManager *m_network = nullptr;
    QString m_error;
    bool m_whole = true;
};
