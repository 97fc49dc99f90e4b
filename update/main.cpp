#include "apppaths.h"
#include "consolemessagehandler.h"
#include "consoleterminal.h"
#include "languagecatalog.h"
#include "releasejournal.h"
#include "settingsstore.h"
#include "updateidentity.h"
#include "updatenetworkfactory.h"
#include "updatetray.h"

#include <QApplication>
#include <QDebug>
#include <QIcon>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngineExtensionPlugin>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSystemTrayIcon>
#include <QTranslator>

Q_IMPORT_QML_PLUGIN(Cpp_MyComponentsPlugin)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    ConsoleMessageHandler::setMinimumLevel(0);
    ConsoleMessageHandler::install(ConsoleTerminal::createForPlatform());
    // An update killed half-way is finished (or dropped) before anything else;
    // the staging folder is this process's while it runs.
    ReleaseJournal journal(AppPaths::applicationDir());
    journal.claim();
    journal.recover();

    UpdateIdentity::identity.applyToApplication();
    QGuiApplication::setWindowIcon(QIcon(QString::fromLatin1(UpdateIdentity::iconPath)));
    QQuickStyle::setStyle(QStringLiteral("Material"));

    if (!QSystemTrayIcon::isSystemTrayAvailable())
        qDebug() << "No system tray available! Continuing without system tray...";

    // The language the annotation program shows, from the same store and files.
    const QString language =
        SettingsStore()
            .value(QStringLiteral("appLanguage"), LanguageCatalog::defaultLanguage())
            .toString();
    QTranslator translator;
    if (translator.load(QStringLiteral("app_") + language, AppPaths::translationsDir())) {
        QCoreApplication::installTranslator(&translator);
        QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    }

    QQmlApplicationEngine engine;
    UpdateNetworkFactory networkFactory;
    engine.setNetworkAccessManagerFactory(&networkFactory);
    const QUrl document(QString::fromLatin1(UpdateIdentity::windowDocument));

    UpdateIdentity::identity.publish(engine.rootContext());

    UpdateTray tray;
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &tray,
                     &UpdateTray::onObjectCreated, Qt::QueuedConnection);
    tray.showIfAvailable();

    engine.load(document);
    if (engine.rootObjects().isEmpty())
        return -1;
    return QCoreApplication::exec();
}
