#include "updatemanifestcheck.h"

#include "apppaths.h"
#include "installedserial.h"
#include "releasesignature.h"
#include "updatelimits.h"
#include "updatemanifest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <utility>

UpdateManifestCheck::UpdateManifestCheck(QObject *parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)),
      m_keys(ReleaseSignature::builtInKeys())
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_failure = QStringLiteral("the manifest took longer than allowed");
        if (m_reply)
            m_reply->abort();
    });
}

UpdateManifestCheck::~UpdateManifestCheck()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void UpdateManifestCheck::fetch(const QString &url)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_body.clear();
    m_failure.clear();
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setTransferTimeout(UpdateLimits::manifestIdleTimeout);
    request.setRawHeader("Accept-Encoding", "identity");
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateManifestCheck::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateManifestCheck::onFinished);
    m_deadline.start(UpdateLimits::manifestTransferTimeout);
}

void UpdateManifestCheck::onReadyRead()
{
    if (!m_reply || !m_failure.isEmpty())
        return;
    m_body += m_reply->readAll();
    // An endless manifest would otherwise grow the process without bound.
    if (m_body.size() > UpdateLimits::manifestBytes) {
        m_failure =
            QStringLiteral("manifest larger than %1 bytes").arg(UpdateLimits::manifestBytes);
        m_body.clear();
        m_reply->abort();
    }
}

void UpdateManifestCheck::onFinished()
{
    if (!m_reply)
        return;
    m_deadline.stop();
    onReadyRead();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = std::exchange(m_body, QByteArray());
    UpdateManifest::Result refused;
    refused.reason = m_failure;
    if (refused.reason.isEmpty() && reply->error() != QNetworkReply::NoError && status == 200)
        refused.reason = reply->errorString();
    m_accepted = UpdateManifest::Result();
    emit fetched(status, refused.reason.isEmpty() ? checkBytes(body) : refused.toVariantMap());
}

QVariantMap UpdateManifestCheck::check(const QString &body) const
{
    return checkBytes(body.toUtf8());
}

QVariantMap UpdateManifestCheck::checkBytes(const QByteArray &body) const
{
    const QString dir = m_applicationDir.isEmpty() ? AppPaths::applicationDir() : m_applicationDir;
    UpdateManifest::Result result =
        UpdateManifest::check(body, m_keys, InstalledSerial(dir, m_keys).read());
    const QVariantMap map = result.toVariantMap();
    m_accepted = result.outcome == UpdateManifest::Outcome::Accepted ? std::move(result)
                                                                     : UpdateManifest::Result();
    return map;
}
