#include "releaseserver.h"

#include "releasesigner.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTest>

ReleaseServer::~ReleaseServer()
{
    stopProcess(m_nginx);
}

bool ReleaseServer::isAvailable()
{
    return QFileInfo(QStringLiteral(NGINX_PROGRAM)).isExecutable();
}

QString ReleaseServer::builtFile(const QString &name) const
{
    return m_dir.filePath(QStringLiteral("built/") + name);
}

QString ReleaseServer::releaseDir() const
{
    return m_dir.filePath(QStringLiteral("release"));
}

bool ReleaseServer::start(const QString &version)
{
    if (!serve())
        return false;
    QProcess publish;
    publish.start(QStringLiteral(CMAKE_PROGRAM),
                  {QStringLiteral("-DAPP_DIR=") + m_dir.filePath(QStringLiteral("built")),
                   QStringLiteral("-DVERSION=") + version, QStringLiteral("-DOUT=") + releaseDir(),
                   QStringLiteral("-DBASE_URL=") + m_baseUrl,
                   QStringLiteral("-DKEY=") + ReleaseSigner::keyPath(),
                   QStringLiteral("-DMSG=新版本;修复问题"), QStringLiteral("-P"),
                   QStringLiteral(PUBLISH_SCRIPT)});
    if (!publish.waitForFinished(30000) || publish.exitCode() != 0)
        return fail(QString::fromLocal8Bit(publish.readAllStandardError()));
    return true;
}

bool ReleaseServer::serve()
{
    const QString prefix = m_dir.filePath(QStringLiteral("nginx"));
    if (!m_dir.isValid() || !QDir().mkpath(prefix) || !QDir().mkpath(releaseDir()))
        return fail(QStringLiteral("no folder for the release"));
    const quint16 port = freePort();
    m_baseUrl = QStringLiteral("http://127.0.0.1:%1").arg(port);
    QString config = QString::fromUtf8(readFile(QStringLiteral(NGINX_TEMPLATE)));
    config.replace(QStringLiteral("@LISTEN@"), QStringLiteral("127.0.0.1:%1").arg(port));
    config.replace(QStringLiteral("@ROOT@"), releaseDir());
    config.replace(QStringLiteral("@PREFIX@"), prefix);
    if (!writeFile(prefix + QStringLiteral("/nginx.conf"), config.toUtf8()))
        return fail(QStringLiteral("cannot write nginx.conf"));
    m_nginx.start(QStringLiteral(NGINX_PROGRAM),
                  {QStringLiteral("-p"), prefix, QStringLiteral("-c"),
                   prefix + QStringLiteral("/nginx.conf"), QStringLiteral("-e"),
                   prefix + QStringLiteral("/error.log"), QStringLiteral("-g"),
                   QStringLiteral("daemon off; master_process off;")});
    if (!m_nginx.waitForStarted(5000))
        return fail(QStringLiteral("nginx did not start"));
    for (int attempt = 0; attempt < 50; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200))
            return true;
        QTest::qWait(100);
    }
    return fail(QStringLiteral("nginx does not take connections"));
}

bool ReleaseServer::fail(const QString &error)
{
    m_error = error;
    return false;
}
