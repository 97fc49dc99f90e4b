#include "consolemessagehandler.h"
#include "consoleterminal.h"
#include "updateidentity.h"
#include "updatenetworkfactory.h"
#include "updatetray.h"

#include <QApplication>
#include <QDebug>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngineExtensionPlugin>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSystemTrayIcon>

Q_IMPORT_QML_PLUGIN(Cpp_MyComponentsPlugin)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    ConsoleMessageHandler::setMinimumLevel(0);
    ConsoleMessageHandler::install(ConsoleTerminal::createForPlatform());

    QCoreApplication::setApplicationName(QString::fromLatin1(UpdateIdentity::name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(UpdateIdentity::version));
    QCoreApplication::setOrganizationName(QString::fromLatin1(UpdateIdentity::organisation));
    QGuiApplication::setWindowIcon(QIcon(QString::fromLatin1(UpdateIdentity::iconPath)));
    QQuickStyle::setStyle(QStringLiteral("Material"));

    if (!QSystemTrayIcon::isSystemTrayAvailable())
        qDebug() << "No system tray available! Continuing without system tray...";

    QQmlApplicationEngine engine;
    UpdateNetworkFactory networkFactory;
    engine.setNetworkAccessManagerFactory(&networkFactory);
    const QUrl document(QString::fromLatin1(UpdateIdentity::windowDocument));

    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("AppName"),
                                QString::fromLatin1(UpdateIdentity::name));
    context->setContextProperty(QStringLiteral("AppVersion"),
                                QString::fromLatin1(UpdateIdentity::version));
    context->setContextProperty(QStringLiteral("AppCompany"),
                                QString::fromLatin1(UpdateIdentity::organisation));
    context->setContextProperty(QStringLiteral("AppDescription"),
                                QString::fromLatin1(UpdateIdentity::description));
    context->setContextProperty(QStringLiteral("AppCopyright"),
                                QString::fromUtf8(UpdateIdentity::copyright));

    UpdateTray tray;
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &tray,
                     &UpdateTray::onObjectCreated, Qt::QueuedConnection);
    tray.showIfAvailable();

    engine.load(document);
    if (engine.rootObjects().isEmpty())
        return -1;
    return QCoreApplication::exec();
}
