#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class AtomicFile;
class QNetworkAccessManager;
class QNetworkReply;

// Downloads one address into one file. The body goes into a temporary file beside
// the target, which replaces the target only when the whole body arrived with
// status 200 (and, when a digest is expected, matches it); on any failure the
// installed file stays as it was. Each downloader serves exactly one transfer and
// reports downloadFinished exactly once.
class FileDownloader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged FINAL)

public:
    static constexpr qint64 defaultMaximumSize = qint64(256) * 1024 * 1024;
    static constexpr int defaultIdleTimeout = 30 * 1000;
    static constexpr int defaultTransferTimeout = 30 * 60 * 1000;
    static constexpr int defaultMaximumRedirects = 5;

    explicit FileDownloader(QObject *parent = nullptr);
    ~FileDownloader() override;

    double progress() const { return m_progress; }
    QString saveFilePath() const { return m_saveFilePath; }

    // Shares a network access manager (and so its connections) with other
    // downloaders; set before startDownload. Without one the downloader has its own.
    void setNetworkAccessManager(QNetworkAccessManager *manager) { m_manager = manager; }
    // Limits; set before startDownload.
    void setExpectedSha256(const QByteArray &hexDigest) { m_expectedSha256 = hexDigest; }
    // The exact body length the release promises; -1 when unknown.
    void setExpectedSize(qint64 bytes) { m_expectedSize = bytes; }
    // The file arrives with its execute bits set.
    void setExecutable(bool executable) { m_executable = executable; }
    void setMaximumSize(qint64 bytes) { m_maximumSize = bytes; }
    void setIdleTimeout(int msecs) { m_idleTimeout = msecs; }
    void setTransferTimeout(int msecs) { m_transferTimeout = msecs; }
    void setMaximumRedirects(int count) { m_maximumRedirects = count; }

    Q_INVOKABLE void startDownload(const QString &url, const QString &saveFilePath);
    // Why the transfer failed, once downloadFinished reported false.
    Q_INVOKABLE QString errorString() const { return m_failure; }
    // Reports a failure without any transfer, once control is back in the event
    // loop, so that a caller connecting after this call still receives it.
    void refuse(const QString &reason);

signals:
    void progressChanged(double progress);
    void downloadFinished(bool success);

private slots:
    void onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void onDownloadFinished();
    void onReadyRead();

private:
    void abortWith(const QString &reason);
    bool appendBody();
    bool verifyComplete(QString *reason) const;
    void finish(bool success);

    QNetworkAccessManager *m_manager = nullptr;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<AtomicFile> m_file;
    double m_progress = 0.0;
    QString m_saveFilePath;

    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    QByteArray m_expectedSha256;
    qint64 m_expectedSize = -1;
    bool m_executable = false;
    qint64 m_written = 0;
    qint64 m_maximumSize = defaultMaximumSize;
    int m_idleTimeout = defaultIdleTimeout;
    int m_transferTimeout = defaultTransferTimeout;
    int m_maximumRedirects = defaultMaximumRedirects;
    QTimer m_deadline;
    QString m_failure;
    bool m_reported = false;
};
