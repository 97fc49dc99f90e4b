#include "filedownloader.h"

#include "atomicfile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QUrl>

FileDownloader::FileDownloader(QObject *parent) : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { abortWith(QStringLiteral("transfer took longer than allowed")); });
}

FileDownloader::~FileDownloader()
{
    // At program exit a transfer may still run: stop it so that nothing is
    // written any more; the temporary file is dropped with m_file.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void FileDownloader::startDownload(const QString &url, const QString &saveFilePath)
{
    m_saveFilePath = saveFilePath;

    const QUrl address(url, QUrl::TolerantMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
        qWarning() << "下载失败:"
                   << "unsupported address" << url;
        refuse(QStringLiteral("unsupported address"));
        return;
    }

    const QFileInfo target(saveFilePath);
    if (!target.absoluteDir().exists())
        QDir().mkpath(target.absolutePath());

    m_file = std::make_unique<AtomicFile>(saveFilePath);
    m_file->setExecutable(m_executable);
    if (!m_file->open()) {
        qWarning() << "无法创建文件用于下载:" << saveFilePath;
        m_file.reset();
        refuse(QStringLiteral("cannot open target"));
        return;
    }

    QNetworkRequest request(address);
    // Never follow a redirect from https to http, and not endlessly.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(m_maximumRedirects);
    // Aborts when no data moves for this long.
    request.setTransferTimeout(m_idleTimeout);
    // Plain bytes only: their length is announced and checked, and no compressed
    // stream can end early and still look complete.
    request.setRawHeader("Accept-Encoding", "identity");

    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &FileDownloader::onDownloadProgress);
    connect(m_reply, &QNetworkReply::finished, this, &FileDownloader::onDownloadFinished);
    connect(m_reply, &QNetworkReply::readyRead, this, &FileDownloader::onReadyRead);
    // TLS errors are never ignored: the reply fails and the file is skipped.
    connect(m_reply, &QNetworkReply::sslErrors, this, [](const QList<QSslError> &errors) {
        for (const QSslError &error : errors)
            qWarning() << "TLS error:" << error.errorString();
    });
    m_deadline.start(m_transferTimeout);
    qDebug() << "开始下载:" << url << "到" << saveFilePath;
}

void FileDownloader::refuse(const QString &reason)
{
    m_failure = reason;
    QMetaObject::invokeMethod(
        this, [this] { finish(false); }, Qt::QueuedConnection);
}

void FileDownloader::onReadyRead()
{
    if (!m_reply || !m_file)
        return;
    appendBody();
}

bool FileDownloader::appendBody()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != 200) {
        // An error page is never a release file, whatever the status. Aborting here
        // would race Qt's own error report, so the body is read and dropped; the
        // timeouts still bound it.
        if (m_failure.isEmpty())
            m_failure = QStringLiteral("HTTP status %1").arg(status.toInt());
        m_reply->readAll();
        return false;
    }
    const QByteArray encoding = m_reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity") {
        abortWith(QStringLiteral("compressed body (%1) although a plain one was asked for")
                      .arg(QString::fromLatin1(encoding)));
        return false;
    }
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() > m_maximumSize) {
        abortWith(QStringLiteral("announced size %1 exceeds the limit of %2 bytes")
                      .arg(announced.toLongLong())
                      .arg(m_maximumSize));
        return false;
    }
    if (announced.isValid() && m_expectedSize >= 0 && announced.toLongLong() != m_expectedSize) {
        abortWith(QStringLiteral("announced size %1 differs from the release's %2 bytes")
                      .arg(announced.toLongLong())
                      .arg(m_expectedSize));
        return false;
    }
    const QByteArray chunk = m_reply->readAll();
    if (chunk.isEmpty())
        return true;
    const qint64 limit = m_expectedSize >= 0 ? qMin(m_expectedSize, m_maximumSize) : m_maximumSize;
    if (m_written + chunk.size() > limit) {
        abortWith(QStringLiteral("body exceeds the limit of %1 bytes").arg(limit));
        return false;
    }
    if (!m_file->write(chunk)) {
        abortWith(QStringLiteral("write failed: %1").arg(m_file->errorString()));
        return false;
    }
    m_hash.addData(chunk);
    m_written += chunk.size();
    return true;
}

void FileDownloader::onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (bytesTotal <= 0 || !m_failure.isEmpty() || !m_reply)
        return;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != 200)
        return;
    m_progress = double(bytesReceived) / double(bytesTotal);
    emit progressChanged(m_progress);
    qDebug() << "下载进度:" << m_progress * 100 << "% (" << bytesReceived << "/" << bytesTotal
             << ")";
}

void FileDownloader::abortWith(const QString &reason)
{
    if (m_failure.isEmpty())
        m_failure = reason;
    if (m_reply && m_reply->isRunning())
        m_reply->abort(); // finished follows and reports the failure
}

bool FileDownloader::verifyComplete(QString *reason) const
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200) {
        *reason = QStringLiteral("HTTP status %1").arg(status);
        return false;
    }
    // A body that simply ends when the connection closes may have been cut anywhere.
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (!announced.isValid()) {
        *reason = QStringLiteral("no Content-Length: completeness cannot be known");
        return false;
    }
    if (announced.toLongLong() != m_written) {
        *reason = QStringLiteral("body cut off: %1 of %2 bytes")
                      .arg(m_written)
                      .arg(announced.toLongLong());
        return false;
    }
    if (m_expectedSize >= 0 && m_written != m_expectedSize) {
        *reason =
            QStringLiteral("size %1 bytes, the release says %2").arg(m_written).arg(m_expectedSize);
        return false;
    }
    if (!m_expectedSha256.isEmpty()) {
        const QByteArray actual = m_hash.result().toHex();
        if (actual != m_expectedSha256.trimmed().toLower()) {
            *reason = QStringLiteral("SHA-256 mismatch: expected %1, got %2")
                          .arg(QString::fromLatin1(m_expectedSha256), QString::fromLatin1(actual));
            return false;
        }
    }
    return true;
}

void FileDownloader::onDownloadFinished()
{
    if (!m_reply || m_reported)
        return;
    m_deadline.stop();
    if (m_failure.isEmpty() && m_reply->error() == QNetworkReply::NoError)
        appendBody(); // the rest of the body; records a failure instead of aborting now
    bool success = false;
    QString reason;
    if (!m_failure.isEmpty()) {
        qWarning() << "下载失败:" << m_failure;
    } else if (m_reply->error() != QNetworkReply::NoError) {
        m_failure = m_reply->errorString();
        qWarning() << "下载失败:" << m_failure;
    } else if (!verifyComplete(&reason)) {
        m_failure = reason;
        qWarning() << "下载失败:" << m_failure;
    } else if (!m_file->commit()) {
        m_failure = m_file->errorString();
        qWarning() << "下载失败:" << m_failure;
    } else {
        qDebug() << "下载完成:" << m_saveFilePath << "大小:" << QFileInfo(m_saveFilePath).size()
                 << "字节";
        success = true;
    }
    finish(success);
}

void FileDownloader::finish(bool success)
{
    if (m_reported)
        return;
    m_reported = true;
    m_file.reset(); // drops the temporary file unless it was committed
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    emit downloadFinished(success);
}
