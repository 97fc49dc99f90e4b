// The hot keys on a Wayland desktop with the GlobalShortcuts portal: the real
// xdg-desktop-portal frontend with KDE's back-end (xdg-desktop-portal-kde) and
// kglobalaccel, on a private session bus of this test. The program, told that it runs
// in a Wayland session, hands its keys to the desktop; a shortcut activated through
// kglobalaccel acts, and the desktop's triggers are the user's keys.
#include "programdriver.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

const QString frontend = QStringLiteral("/usr/libexec/xdg-desktop-portal");
const QString kdeBackend =
    QStringLiteral("/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde");
const QString kglobalaccel = QStringLiteral("/usr/bin/kglobalaccel5");
const QString busName = QStringLiteral("quillmark-portal-test");
const QPoint stroke(700, 400);

} // namespace

class TestPortalHotkeysGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void shortcutsAreBoundWithTheUsersKeys();
    void activatedShortcutActs();

private:
    bool startService(const QString &program, const QStringList &arguments = {});
    // The kglobalaccel component that holds the program's shortcuts.
    QString component() const;
    bool invoke(const QString &shortcut) const;

    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
    std::unique_ptr<QProcess> m_bus;
    std::vector<std::unique_ptr<QProcess>> m_services;
    ProgramDriver m_program{QStringLiteral(SHOT_DIR), QStringLiteral("portal-")};
};

bool TestPortalHotkeysGui::startService(const QString &program, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(m_environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(program, arguments);
    const bool started = process->waitForStarted();
    m_services.push_back(std::move(process));
    return started;
}

void TestPortalHotkeysGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    for (const QString &needed : {frontend, kdeBackend, kglobalaccel}) {
        if (!QFile::exists(needed))
            QSKIP(qPrintable(needed + " is missing: bash scripts/deps.sh installs it"));
    }
    QVERIFY(m_home.isValid());
    QVERIFY(QDir(m_home.path()).mkpath("run"));
    QFile::setPermissions(m_home.path() + "/run",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A session bus of the test's own; the desktop's services run on it as in a
    // Plasma session.
    m_bus = std::make_unique<QProcess>();
    m_bus->start(QStringLiteral("dbus-daemon"),
                 {"--session", "--nofork", "--nosyslog", "--print-address=1"});
    QVERIFY(m_bus->waitForStarted());
    QVERIFY(m_bus->waitForReadyRead(10000));
    const QString address = QString::fromLatin1(m_bus->readLine()).trimmed();
    QVERIFY2(!address.isEmpty(), "the private bus gave no address");

    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
    m_environment.insert("XDG_CURRENT_DESKTOP", "KDE");
    m_environment.insert("XDG_RUNTIME_DIR", m_home.path() + "/run");
    m_environment.insert("HOME", m_home.path());
    m_environment.insert("XDG_CONFIG_HOME", m_home.path() + "/config");
    QVERIFY(startService(kglobalaccel));
    {
        QProcessEnvironment offscreen = m_environment;
        offscreen.insert("QT_QPA_PLATFORM", "offscreen");
        std::swap(offscreen, m_environment);
        QVERIFY(startService(kdeBackend));
        std::swap(offscreen, m_environment);
    }
    QVERIFY(startService(frontend));

    QDBusConnection bus = QDBusConnection::connectToBus(address, busName);
    QVERIFY(bus.isConnected());
    QVERIFY2(waitUntil([&bus] {
                 QDBusMessage get = QDBusMessage::createMethodCall(
                     "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                     "org.freedesktop.DBus.Properties", "Get");
                 get << QStringLiteral("org.freedesktop.portal.GlobalShortcuts")
                     << QStringLiteral("version");
                 return bus.call(get, QDBus::Block, 2000).type() == QDBusMessage::ReplyMessage;
             }),
             "the portal offers no GlobalShortcuts");

    // Told it runs in a Plasma Wayland session on that bus (it still draws through X).
    m_program.setExtraEnvironment({{"DBUS_SESSION_BUS_ADDRESS", address},
                                   {"XDG_SESSION_TYPE", "wayland"},
                                   {"XDG_CURRENT_DESKTOP", "KDE"}});
    QVERIFY(m_program.start(QStringLiteral(QUILLMARK_PROGRAM),
                            {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")},
                             {QStringLiteral("undoKey"), QStringLiteral("Ctrl+Alt+U")}},
                            ProgramDriver::Output::Captured));
    QVERIFY2(!m_program.waitForWindow(QStringLiteral("^主窗口$")).isEmpty(),
             "the toolbar did not appear");
}

void TestPortalHotkeysGui::cleanupTestCase()
{
    m_program.stop();
    if (qEnvironmentVariableIsSet("DEBUGLOG"))
        qInfo().noquote() << QString::fromUtf8(m_program.log());
    for (auto it = m_services.rbegin(); it != m_services.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000)) {
            (*it)->kill();
            (*it)->waitForFinished();
        }
    }
    QDBusConnection::disconnectFromBus(busName);
    if (m_bus) {
        m_bus->terminate();
        m_bus->waitForFinished(3000);
    }
}

QString TestPortalHotkeysGui::component() const
{
    const QDBusConnection bus(busName);
    const QDBusReply<QList<QDBusObjectPath>> components = bus.call(QDBusMessage::createMethodCall(
        "org.kde.kglobalaccel", "/kglobalaccel", "org.kde.KGlobalAccel", "allComponents"));
    if (!components.isValid())
        return {};
    for (const QDBusObjectPath &path : components.value()) {
        const QDBusReply<QStringList> names = bus.call(
            QDBusMessage::createMethodCall("org.kde.kglobalaccel", path.path(),
                                           "org.kde.kglobalaccel.Component", "shortcutNames"));
        if (names.isValid() && names.value().contains(QStringLiteral("pen")))
            return path.path();
    }
    return {};
}

bool TestPortalHotkeysGui::invoke(const QString &shortcut) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.kde.kglobalaccel", component(), "org.kde.kglobalaccel.Component", "invokeShortcut");
    call << shortcut;
    return QDBusConnection(busName).call(call).type() == QDBusMessage::ReplyMessage;
}

// Every hot key with a key is a shortcut of the desktop now, under its action's
// name, and the desktop took the user's keys as the triggers (a changed undo key too).
void TestPortalHotkeysGui::shortcutsAreBoundWithTheUsersKeys()
{
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("全局快捷键已由桌面绑定: 12 个"), 0),
             "the desktop did not bind the shortcuts");
    QString path;
    QVERIFY(waitUntil([&] { return !(path = component()).isEmpty(); }));
    const QDBusReply<QStringList> names =
        QDBusConnection(busName).call(QDBusMessage::createMethodCall(
            "org.kde.kglobalaccel", path, "org.kde.kglobalaccel.Component", "shortcutNames"));
    QStringList sorted = names.value();
    sorted.sort();
    QCOMPARE(sorted, QStringList({"arrow", "circle", "clear", "eraser", "line", "pass-through",
                                  "pen", "rectangle", "redo", "screenshot", "text", "undo"}));

    // The keys the desktop holds: a(ssssssaiai), the shortcut's name first and its
    // active keys (Qt key codes with modifiers) in the first list.
    const QDBusMessage reply = QDBusConnection(busName).call(QDBusMessage::createMethodCall(
        "org.kde.kglobalaccel", path, "org.kde.kglobalaccel.Component", "allShortcutInfos"));
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QMap<QString, QList<int>> keys;
    const QDBusArgument infos = reply.arguments().value(0).value<QDBusArgument>();
    infos.beginArray();
    while (!infos.atEnd()) {
        QString texts[6];
        QList<int> active;
        QList<int> defaults;
        infos.beginStructure();
        for (QString &text : texts)
            infos >> text;
        infos >> active >> defaults;
        infos.endStructure();
        keys.insert(texts[0], active);
    }
    infos.endArray();
    QCOMPARE(keys.value("undo"), QList<int>{int(Qt::CTRL | Qt::ALT | Qt::Key_U)});
    QCOMPARE(keys.value("pen"), QList<int>{int(Qt::CTRL | Qt::Key_E)});
}

// A shortcut activated through kglobalaccel reaches the program through the portal:
// the pen switches drawing on, a stroke is drawn, undo takes it away again.
void TestPortalHotkeysGui::activatedShortcutActs()
{
    qsizetype from = m_program.log().size();
    QVERIFY(invoke(QStringLiteral("pen")));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("画笔"), from), "the pen did not act");
    QCOMPARE(m_program.waitForWindow(QStringLiteral("^draw$")),
             QGuiApplication::primaryScreen()->geometry());
    QVERIFY(drawStroke(stroke));
    QVERIFY2(m_program.waitForScreen([](const QImage &shot) { return inkNear(shot, stroke); },
                                     QStringLiteral("drawn")),
             "the stroke is not on screen");

    from = m_program.log().size();
    QVERIFY(invoke(QStringLiteral("undo")));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("撤销操作"), from), "undo did not act");
    QVERIFY2(m_program.waitForScreen([](const QImage &shot) { return !inkNear(shot, stroke); },
                                     QStringLiteral("undone")),
             "the stroke stayed");
}

QTEST_MAIN(TestPortalHotkeysGui)

#include "tst_portalhotkeysgui.moc"
