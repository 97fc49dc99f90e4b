#include "updatenetworkfactory.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>

QNetworkAccessManager *UpdateNetworkFactory::create(QObject *parent)
{
    auto *manager = new QNetworkAccessManager(parent);
    manager->setTransferTimeout(idleTimeout);
    manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    return manager;
}
