#include "appidentity.h"
#include "apppaths.h"
#include "commandline.h"
#include "iniconfig.h"
#include "instanceaddress.h"
#include "languagecatalog.h"
#include "languagemanager.h"
#include "openglprobe.h"
#include "platformchoice.h"
#include "releasejournal.h"
#include "renderbackend.h"
#include "sessionendwatcher.h"
#include "settingsclazz.h"
#include "settingsstore.h"
#include "singleinstanceguard.h"
#include "stackingkeeper.h"
#include "startupnotice.h"
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
    QStringList commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine.append(QString::fromLocal8Bit(argv[i]));
    if (const auto request = CommandLine::request(commandLine);
        request != CommandLine::Request::Run)
        return CommandLine::answer(request, QString::fromLocal8Bit(argv[0]));

    qputenv("QT_OPENGL", "desktop");
    PlatformChoice::apply(argc, argv);

    // The probe application may consume Qt's own options from argv; the program's
    // application object must see the same command line, so the probe gets a copy.
    std::vector<char *> probeArgv(argv, argv + argc + 1);
    int probeArgc = argc;
    auto probeApp = std::make_unique<QGuiApplication>(probeArgc, probeArgv.data());
    // An update killed half-way is finished before any file of the release is used;
    // a system install is updated by the package manager, never by Update.
    if (!AppPaths::isSystemLayout())
        ReleaseJournal(AppPaths::applicationDir()).recover();
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
    SingleInstanceGuard guard(
        InstanceAddress::forName(QString::fromLatin1(AppIdentity::instanceName)));
    switch (guard.claim(arguments.mid(1), restarting)) {
    case SingleInstanceGuard::Outcome::Forwarded:
        return 0;
    case SingleInstanceGuard::Outcome::Failed:
        return 1;
    case SingleInstanceGuard::Outcome::Primary:
        break;
    }

    // A log-out or a shutdown ends the program like its menu's "退出": what saves on
    // quitting (the drawing) saves.
    SessionEndWatcher sessionEnd;
    QObject::connect(&sessionEnd, &SessionEndWatcher::endRequested, &app, [](const QString &why) {
        qWarning() << "Asked to end by" << why << "- quitting after saving";
        QCoreApplication::quit();
    });
    if (!sessionEnd.watch())
        qWarning() << "Cannot watch for the end of the session";

    AppIdentity::identity.applyToApplication();
    QGuiApplication::setWindowIcon(QIcon(QString::fromLatin1(AppIdentity::iconPath)));
    QQuickStyle::setStyle(QStringLiteral("Material"));

    const bool trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    if (!trayAvailable) {
        qWarning() << "No system tray available!";
#ifdef Q_OS_WIN
        return -1;
#else
        // Many Linux desktops have no tray; the toolbar's menu still offers the way out.
        qWarning() << "Running without a tray icon: quit from the toolbar's menu";
#endif
    }

    const QString defaultLanguage = LanguageCatalog::defaultLanguage();
    const QString language = store.value(QStringLiteral("appLanguage"), defaultLanguage).toString();

    QQmlApplicationEngine engine;
    loadTranslation(&app, language);

    QQmlContext *context = engine.rootContext();
    AppIdentity::identity.publish(context);
    context->setContextProperty(QStringLiteral("LanguageManager"), LanguageManager::instance());

    TrayController tray;
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &tray,
                     &TrayController::onObjectCreated, Qt::QueuedConnection);
    if (trayAvailable)
        tray.show();
    StackingKeeper stacking(QStringLiteral("draw"));
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &stacking,
                     &StackingKeeper::onObjectCreated, Qt::QueuedConnection);

    engine.load(QUrl(QString::fromLatin1(AppIdentity::rootDocument)));
    if (engine.rootObjects().isEmpty())
        return -1;
    if (!trayAvailable)
        StartupNotice::showNoTray(engine, engine.rootObjects().constFirst());
    return QCoreApplication::exec();
}
