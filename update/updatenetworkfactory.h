#pragma once

#include <QQmlNetworkAccessManagerFactory>

// Network access for the window's own requests (the manifest): a stalled server
// ends the request instead of holding the window in its waiting state for ever,
// and redirects never lead from https to http.
class UpdateNetworkFactory : public QQmlNetworkAccessManagerFactory
{
public:
    static constexpr int idleTimeout = 30 * 1000;

    QNetworkAccessManager *create(QObject *parent) override;
};
