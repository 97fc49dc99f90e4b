#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class FileDownloader;

// The updater window's way to install one accepted release all or nothing:
// begin() with the signed manifest, download() every file into the staging
// folder (each checked against its size and SHA-256), then install() swaps the
// whole release in through the journal, or discard() keeps the old one.
class ReleaseInstaller : public QObject
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ReleaseInstaller(QObject *parent = nullptr);

    Q_INVOKABLE bool begin(const QVariantMap &manifest);
    Q_INVOKABLE FileDownloader *download(const QString &url, const QString &fileName);
    // True only when every file of the release is in place.
    Q_INVOKABLE bool install();
    Q_INVOKABLE void discard();
    Q_INVOKABLE QString errorString() const { return m_error; }

private:
    QString m_applicationDir;
    QStringList m_files;
    QHash<QString, QString> m_digests;
    QHash<QString, qint64> m_sizes;
    QSet<QString> m_executables;
    QSet<QString> m_staged;
    qint64 m_serial = 0;
    QString m_error;
};
