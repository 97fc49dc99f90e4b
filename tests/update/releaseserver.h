#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A release published with the repository's tool and served by nginx on the
// loopback address, as the real programs meet it.
class ReleaseServer
{
public:
    ~ReleaseServer();

    // Whether nginx is there to serve a release.
    static bool isAvailable();

    // Where the new build goes before start().
    QString builtFile(const QString &name) const;
    // Publishes the build as this version and serves it on a free port; error()
    // tells what went wrong.
    bool start(const QString &version);
    // The folder served: update/update.json and update/<version>/ lie in it.
    QString releaseDir() const;
    // Serves releaseDir() as it is on a free port.
    bool serve();

    QString baseUrl() const { return m_baseUrl; }
    QString manifestUrl() const { return m_baseUrl + QStringLiteral("/update/update.json"); }
    QString error() const { return m_error; }

private:
    bool fail(const QString &error);

    QTemporaryDir m_dir;
    QProcess m_nginx;
    QString m_baseUrl;
    QString m_error;
};
