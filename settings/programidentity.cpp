#include "programidentity.h"

#include <QCoreApplication>
#include <QQmlContext>

void ProgramIdentity::applyToApplication() const
{
    QCoreApplication::setApplicationName(QString::fromLatin1(name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
    QCoreApplication::setOrganizationName(QString::fromLatin1(organisation));
}

void ProgramIdentity::publish(QQmlContext *context) const
{
    context->setContextProperty(QStringLiteral("AppName"), QString::fromLatin1(name));
    context->setContextProperty(QStringLiteral("AppVersion"), QString::fromLatin1(version));
    context->setContextProperty(QStringLiteral("AppCompany"), QString::fromLatin1(organisation));
    context->setContextProperty(QStringLiteral("AppDescription"), QString::fromLatin1(description));
    context->setContextProperty(QStringLiteral("AppCopyright"), QString::fromUtf8(copyright));
}
