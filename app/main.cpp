#include "appidentity.h"
#include "iniconfig.h"
#include "languagecatalog.h"
#include "languagemanager.h"
#include "openglprobe.h"
#include "renderbackend.h"
#include "settingsclazz.h"
#include "settingsstore.h"
#include "singleinstanceguard.h"
#include "translationloader.h"
#include "traycontroller.h"

#include <QApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngineExtensionPlugin>
#include <QQuickStyle>
#include <QSystemTrayIcon>

#include <memory>
#include <vector>

Q_IMPORT_QML_PLUGIN(Cpp_MyComponentsPlugin)
Q_IMPORT_QML_PLUGIN(FluentUIPlugin)

int main(int argc, char *argv[])
{
    qputenv("QT_OPENGL", "desktop");

    // The probe application may consume Qt's own options from argv; the program's
    // application object must see the same command line, so the probe gets a copy.
    std::vector<char *> probeArgv(argv, argv + argc + 1);
    int probeArgc = argc;
    auto probeApp = std::make_unique<QGuiApplication>(probeArgc, probeArgv.data());
    const OpenGlProbe::Choice renderChoice = OpenGlProbe::probe();
    QCoreApplication::quit();

    const SettingsStore store;
    const SettingsClazz startupSettings;

    const QString renderValue = OpenGlProbe::applyEnvironment(renderChoice);
    IniConfig().setValue(QStringLiteral("APP"), QStringLiteral("opengl"), renderValue);

    // Rendering attributes take effect only for an application object created afterwards.
    probeApp.reset();
    OpenGlProbe::applyAttribute(renderChoice);
    QApplication app(argc, argv);
    RenderBackend::select(renderChoice);

    const QStringList arguments = QCoreApplication::arguments();
    const bool restarting = arguments.contains(QLatin1String(AppIdentity::restartFlag));
    SingleInstanceGuard guard(QString::fromLatin1(AppIdentity::instanceName));
    switch (guard.claim(arguments.mid(1), restarting)) {
    case SingleInstanceGuard::Outcome::Forwarded:
        return 0;
    case SingleInstanceGuard::Outcome::Failed:
        return 1;
    case SingleInstanceGuard::Outcome::Primary:
        break;
    }

    QCoreApplication::setApplicationName(QString::fromLatin1(AppIdentity::name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppIdentity::version));
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppIdentity::organisation));
    QGuiApplication::setWindowIcon(QIcon(QString::fromLatin1(AppIdentity::iconPath)));
    QQuickStyle::setStyle(QStringLiteral("Material"));

    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        qWarning() << "No system tray available!";
        return -1;
    }

    const QString defaultLanguage = LanguageCatalog::defaultLanguage();
    const QString language = store.value(QStringLiteral("appLanguage"), defaultLanguage).toString();

    QQmlApplicationEngine engine;
    loadTranslation(&app, language);

    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("AppName"), QString::fromLatin1(AppIdentity::name));
    context->setContextProperty(QStringLiteral("AppVersion"),
                                QString::fromLatin1(AppIdentity::version));
    context->setContextProperty(QStringLiteral("AppCompany"),
                                QString::fromLatin1(AppIdentity::organisation));
    context->setContextProperty(QStringLiteral("AppDescription"),
                                QString::fromLatin1(AppIdentity::description));
    context->setContextProperty(QStringLiteral("AppCopyright"),
                                QString::fromUtf8(AppIdentity::copyright));
    context->setContextProperty(QStringLiteral("LanguageManager"), LanguageManager::instance());

    TrayController tray;
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &tray,
                     &TrayController::onObjectCreated, Qt::QueuedConnection);
    tray.show();

    engine.load(QUrl(QString::fromLatin1(AppIdentity::rootDocument)));
    if (engine.rootObjects().isEmpty())
        return -1;
    return QCoreApplication::exec();
}
