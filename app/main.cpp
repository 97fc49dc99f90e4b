#include "actionrelay.h"
#include "actionserver.h"
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
#include <QTimer>

#include <cstdio>

#include <cstdio>
#include <memory>
#include <vector>

Q_IMPORT_QML_PLUGIN(Cpp_MyComponentsPlugin)
Q_IMPORT_QML_PLUGIN(FluentUIPlugin)

QT_BEGIN_NAMESPACE
// Qt Quick's start-up routine, which it runs when the library loads.
Q_DECL_IMPORT void QQuick_initializeModule();
QT_END_NAMESPACE

namespace {

// A plain second start sends an empty line (the running copy shows its toolbar) and
// ends; an action ends once the running copy answered that it was carried out.
int handedOverExitCode(const QString &action, const QByteArray &answer)
{
    if (action.isEmpty() || answer == "ok")
        return 0;
    const bool refused = answer == "refused";
    std::fprintf(stderr, "%s\n",
                 refused ? "The running copy refused the action."
                         : "The running copy did not answer: it may be busy, or of an older "
                           "version that takes no actions.");
    return refused ? 2 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine.append(QString::fromLocal8Bit(argv[i]));
    const auto request = CommandLine::request(commandLine);
    if (request != CommandLine::Request::Run && request != CommandLine::Request::Action)
        return CommandLine::answer(request, QString::fromLocal8Bit(argv[0]), commandLine);
    // An action for the running copy, or for this one once it runs.
    const QString startAction =
        request == CommandLine::Request::Action ? CommandLine::actionName(commandLine) : QString();

    // A running copy takes the start over before anything here touches the display,
    // the settings or config.ini.
    const QString instanceAddress =
        InstanceAddress::forName(QString::fromLatin1(AppIdentity::instanceName));
    const QByteArray handOverLine = startAction.toLatin1() + '\n';
    const bool restarting = commandLine.contains(QLatin1String(AppIdentity::restartFlag));
    if (!restarting) {
        const QCoreApplication handOverApp(argc, argv);
        SingleInstanceGuard running(instanceAddress);
        if (running.handOver(handOverLine))
            return handedOverExitCode(startAction, running.answer());
    }

    qputenv("QT_OPENGL", "desktop");
    // Without an X display Qt would abort; say why instead and end with an error.
    if (const QString missing = PlatformChoice::missingDisplay(PlatformChoice::current(argc, argv));
        !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", missing.toLocal8Bit().constData());
        return 1;
    }
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
    // The probe's application took Qt's clean-up routines with it, and with them the
    // accessibility of Qt Quick, installed when the library loaded: without it no
    // window reaches a screen reader. Qt Quick's start-up routine puts it back.
    QQuick_initializeModule();
    RenderBackend::select(renderChoice);

    // Again, for a copy that started meanwhile.
    SingleInstanceGuard guard(instanceAddress);
    switch (guard.claim(handOverLine, restarting)) {
    case SingleInstanceGuard::Outcome::Forwarded:
        return handedOverExitCode(startAction, guard.answer());
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

    // Actions from later starts and from the desktop's shortcuts. The toolbar's
    // visibility belongs to the tray's entry, so that its text follows.
    const auto carryOut = [&tray](const QString &name) {
        if (name.isEmpty())
            tray.present();
        else if (name == QLatin1String("toolbar"))
            tray.toggleWindow();
        else
            ActionRelay::instance()->trigger(name);
    };
    ActionServer actions(guard.server(), carryOut);
    actions.start();
    // After the tray has met the toolbar window (a queued hook).
    if (!startAction.isEmpty())
        QTimer::singleShot(0, &app, [&carryOut, startAction] { carryOut(startAction); });
    return QCoreApplication::exec();
}
