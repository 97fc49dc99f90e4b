// The real program on an X display with a system tray (scripts/test.sh provides
// Xvfb + openbox + trayer). Every run gets its own application directory,
// configuration home and temporary folder, so the single-instance name and the
// settings never meet those of the user or of other tests.
#include "programrun.h"
#include "releasejournal.h"
#include "releasesigner.h"
#include "updatetestsupport.h"
#include "xdotoolquery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <optional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString instanceName = QStringLiteral("kestrel.glidemark");

struct XWindow
{
    QString id;
    QString name;
    QRect geometry;
    bool viewable = false;
};

QString run(const QString &program, const QStringList &arguments, const QString &display)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

XWindow describe(const QString &id, const QString &display)
{
    XWindow window;
    window.id = id;
    window.name = run("xdotool", {"getwindowname", id}, display).trimmed();
    const QString info = run("xwininfo", {"-id", id}, display);
    const auto field = [&info](const QString &label) {
        const QRegularExpression re(QRegularExpression::escape(label) + ":\\s*(-?\\d+)");
        return re.match(info).captured(1).toInt();
    };
    window.geometry = QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                            field("Width"), field("Height"));
    window.viewable = info.contains("Map State: IsViewable");
    return window;
}

std::optional<QString> query(const QStringList &arguments, const QString &display)
{
    const std::optional<QByteArray> output = xdotoolQuery(arguments, display);
    return output ? std::optional<QString>(QString::fromUtf8(*output)) : std::nullopt;
}

// nullopt when the search did not get through.
std::optional<QList<XWindow>> windowsOf(qint64 pid, const QString &display)
{
    const std::optional<QString> ids = query({"search", "--pid", QString::number(pid)}, display);
    if (!ids)
        return std::nullopt;
    QList<XWindow> windows;
    for (const QString &id : ids->split('\n', Qt::SkipEmptyParts))
        windows << describe(id, display);
    return windows;
}

// The first matching window; with `settled`, once it shows with the same
// geometry three polls running, so that the window manager or the tray has
// placed it for a click.
std::optional<XWindow> findWindow(qint64 pid, const QString &display,
                                  const std::function<bool(const XWindow &)> &match,
                                  bool settled = false, int timeoutMs = 15000)
{
    const QDeadlineTimer deadline(timeoutMs);
    std::optional<XWindow> last;
    int same = 0;
    do {
        const std::optional<QList<XWindow>> windows = windowsOf(pid, display);
        if (windows) {
            std::optional<XWindow> now;
            for (const XWindow &window : *windows) {
                if (match(window)) {
                    now = window;
                    break;
                }
            }
            same = now && last && now->id == last->id && now->geometry == last->geometry ? same + 1
                                                                                         : 0;
            last = now;
            if (now && (!settled || same == 2))
                return now;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

bool isToolbar(const XWindow &window)
{
    return window.viewable && window.name == QStringLiteral("主窗口");
}

// The tray icon: a small square window docked into the tray.
bool isTrayIcon(const XWindow &window)
{
    return window.viewable && window.geometry.width() <= 64 &&
           window.geometry.width() == window.geometry.height() && !isToolbar(window);
}

// A socket file that nobody listens on, as a crashed copy leaves it.
bool makeStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (size_t(native.size()) >= sizeof(address.sun_path)) {
        ::close(fd);
        return false;
    }
    qstrcpy(address.sun_path, native.constData());
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

} // namespace

class TestQuillmark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a system tray (scripts/test.sh starts one)");
        m_display = qEnvironmentVariable("DISPLAY");
        QVERIFY(QFile::exists(QStringLiteral(QUILLMARK_PROGRAM)));
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        QVERIFY(QDir().mkpath(appDir() + "/translations"));
        QVERIFY(QDir().mkpath(m_root->path() + "/config"));
        QVERIFY(QDir().mkpath(m_root->path() + "/tmp"));
        QVERIFY(QDir().mkpath(m_root->path() + "/run"));
        QFile::setPermissions(m_root->path() + "/run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QFile::copy(QStringLiteral(QUILLMARK_PROGRAM), program()));
        QVERIFY(QFile::copy(QStringLiteral(QUILLMARK_TRANSLATIONS) + "/app_en.qm",
                            appDir() + "/translations/app_en.qm"));
    }
    void cleanup()
    {
        stopBareDisplay();
        m_root.reset();
    }

    void startsWithTrayAndRecordsTheRenderer()
    {
        ProgramRun first(program(), {}, environment());
        QVERIFY(findWindow(first.pid(), m_display, isToolbar));
        QVERIFY(findWindow(first.pid(), m_display, isTrayIcon));
        // Built-in Chinese under the C locale. Logged after the probe's line, so once it is
        // there the probe's line is complete (the log arrives in pieces of any size).
        QVERIFY(first.waitForLog("Looking for translation: \"app_zh_CN\""));
        const QString log = first.log();
        QVERIFY(log.contains("OpenGL renderer:"));
        const bool softwareRenderer =
            log.contains(QRegularExpression("OpenGL renderer: \"[^\"]*(software|llvmpipe|swrast)",
                                            QRegularExpression::CaseInsensitiveOption));
        QSettings ini(appDir() + "/config.ini", QSettings::IniFormat);
        QCOMPARE(ini.value("APP/opengl").toString(), softwareRenderer ? "software" : "hardware");
    }

    // An update killed during its swap is finished before the program uses a file,
    // but only a release that verifies: a staged link is never put in place.
    void interruptedUpdateIsFinishedAtStartUp()
    {
        QVERIFY(writeFile(appDir() + "/data.bin", "old"));
        QTemporaryDir outside;
        QVERIFY(writeFile(outside.filePath("secret"), "outside"));
        const auto plant = [this, &outside](qint64 serial, bool linked) {
            const UpdateManifest::Result release = ReleaseSigner::accepted(ReleaseSigner::manifest(
                "2.1.3", "http://127.0.0.1", {{"data.bin", "new"}}, serial));
            ReleaseJournal journal(appDir());
            QString error;
            QVERIFY(journal.resetStaging(&error));
            QVERIFY(writeFile(journal.stagingDir() + "/data.bin", "new"));
            QVERIFY2(journal.prepare(release, &error), qPrintable(error));
            if (linked) {
                QFile::remove(journal.stagingDir() + "/data.bin");
                QVERIFY(
                    QFile::link(outside.filePath("secret"), journal.stagingDir() + "/data.bin"));
            }
        };
        plant(3, true);
        {
            ProgramRun app(program(), {}, environment());
            QVERIFY(app.waitForLog("The interrupted update does not verify"));
            QVERIFY(app.waitForLog("OpenGL renderer:"));
        }
        QCOMPARE(readFile(appDir() + "/data.bin"), QByteArray("old"));
        QCOMPARE(readFile(outside.filePath("secret")), QByteArray("outside"));
        QVERIFY(!QFileInfo::exists(appDir() + "/.update-journal"));

        plant(3, false);
        ProgramRun app(program(), {}, environment());
        QVERIFY(app.waitForLog("Finishing an interrupted update: 1 files"));
        QVERIFY(app.waitForLog("OpenGL renderer:"));
        QCOMPARE(readFile(appDir() + "/data.bin"), QByteArray("new"));
        QCOMPARE(ReleaseJournal(appDir()).installedSerial(), qint64(3));
        QVERIFY(!QFileInfo::exists(ReleaseJournal(appDir()).stagingDir()));
    }

    void secondCopyHandsOverAndExits()
    {
        ProgramRun first(program(), {}, environment());
        QVERIFY(findWindow(first.pid(), m_display, isToolbar));
        ProgramRun second(program(), {"a", "b"}, environment());
        QCOMPARE(second.waitForExit(), 0);
        QVERIFY(!second.log().contains("所有设置加载完成"));
        QTest::qWait(500);
        QVERIFY(first.running());
    }

    void restartTakesOverFromTheOldCopy()
    {
        auto old = std::make_unique<ProgramRun>(program(), QStringList{}, environment());
        QVERIFY(findWindow(old->pid(), m_display, isToolbar));
        ProgramRun restarted(program(), {"--restart"}, environment());
        // The old copy quits a moment later, as it does after starting the new one.
        QTest::qWait(700);
        QVERIFY(restarted.running());
        old.reset();
        QVERIFY(findWindow(restarted.pid(), m_display, isToolbar));
        QVERIFY(restarted.running());
        ProgramRun later(program(), {}, environment());
        QCOMPARE(later.waitForExit(), 0);
    }

    void restartWhileTheNameStaysTakenFails()
    {
        ProgramRun first(program(), {}, environment());
        QVERIFY(findWindow(first.pid(), m_display, isToolbar));
        ProgramRun restarted(program(), {"--restart"}, environment());
        QCOMPARE(restarted.waitForExit(20000), 1);
        QVERIFY(first.running());
    }

    void staleNameFromACrashedCopyIsReclaimed()
    {
        {
            ProgramRun crashed(program(), {}, environment());
            QVERIFY(findWindow(crashed.pid(), m_display, isToolbar));
            crashed.crash();
        }
        // The user's runtime folder holds the name.
        const QString socket = m_root->path() + "/run/" + instanceName;
        QVERIFY(QFile::exists(socket) || makeStaleSocket(socket));

        ProgramRun next(program(), {}, environment());
        QVERIFY(findWindow(next.pid(), m_display, isToolbar));
        ProgramRun another(program(), {}, environment());
        QCOMPARE(another.waitForExit(), 0);
    }

    // Many Linux desktops have no tray: the program runs all the same and says why.
    void noTrayStillShowsTheToolbar()
    {
        const QString display = startBareDisplay();
        QVERIFY(!display.isEmpty());
        QProcessEnvironment bare = environment();
        bare.insert("DISPLAY", display);
        ProgramRun lonely(program(), {}, bare);
        QVERIFY(findWindow(lonely.pid(), display, isToolbar));
        QVERIFY(lonely.running());
        QVERIFY(lonely.waitForLog("No system tray available!"));
        QVERIFY(lonely.waitForLog("Running without a tray icon"));
    }

    void trayEntryHidesAndShowsTheToolbar()
    {
        ProgramRun app(program(), {}, environment());
        const auto toolbar = findWindow(app.pid(), m_display, isToolbar);
        QVERIFY(toolbar);
        const auto icon = findWindow(app.pid(), m_display, isTrayIcon, true);
        QVERIFY(icon);

        for (const bool expectVisible : {false, true}) {
            // A click that reaches the tray before the icon listens is lost; the
            // program is not at fault, so the test clicks again, three times at most.
            // The tray may move its icons when others come or go: each click aims
            // at where the icon is now.
            std::optional<XWindow> menu;
            for (int attempt = 0; attempt < 3 && !menu; ++attempt) {
                const QPoint centre = describe(icon->id, m_display).geometry.center();
                run("xdotool",
                    {"mousemove", QString::number(centre.x()), QString::number(centre.y()), "click",
                     "3"},
                    m_display);
                menu = findWindow(
                    app.pid(), m_display,
                    [&](const XWindow &w) {
                        return w.viewable && w.id != toolbar->id && w.id != icon->id &&
                               w.geometry.height() > 20 && w.geometry.width() > 40;
                    },
                    true, 10000);
            }
            QVERIFY(menu);
            // First entry: the upper quarter of a two-entry menu.
            const QPoint entry(menu->geometry.center().x(),
                               menu->geometry.top() + menu->geometry.height() / 4);
            run("xdotool",
                {"mousemove", QString::number(entry.x()), QString::number(entry.y()), "click", "1"},
                m_display);
            const QDeadlineTimer deadline(15000);
            bool viewable = !expectVisible;
            while (viewable != expectVisible && !deadline.hasExpired()) {
                QTest::qWait(100);
                viewable = describe(toolbar->id, m_display).viewable;
            }
            QCOMPARE(viewable, expectVisible);
        }
    }

    void storedLanguageIsInstalled()
    {
        {
            QSettings store(m_root->path() + "/config/tallowby/settings.conf",
                            QSettings::IniFormat);
            store.setValue("appLanguage", "en");
        }
        ProgramRun app(program(), {}, environment());
        QVERIFY(app.waitForLog("Translation loaded successfully: \"app_en\""));
        QVERIFY(findWindow(app.pid(), m_display, isToolbar));
    }

    // en_US has no app_en_US.qm, but the translator would load app_en.qm for it.
    void systemLocaleFallsBackToTheLanguageFile()
    {
        QProcessEnvironment english = environment();
        english.insert("LANG", "en_US.UTF-8");
        ProgramRun app(program(), {}, english);
        QVERIFY(app.waitForLog("Translation loaded successfully: \"app_en_US\""));
        QVERIFY(findWindow(app.pid(), m_display, isToolbar));
    }

private:
    QString appDir() const { return m_root->path() + "/app"; }
    QString program() const { return appDir() + "/Quillmark"; }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_CONFIG_HOME", m_root->path() + "/config");
        environment.insert("XDG_RUNTIME_DIR", m_root->path() + "/run");
        environment.insert("TMPDIR", m_root->path() + "/tmp");
        environment.insert("LANG", "C.UTF-8");
        environment.remove("LC_ALL");
        environment.remove("LC_MESSAGES");
        environment.remove("LANGUAGE");
        return environment;
    }

    // A second display without a tray; Xvfb picks a free number and reports it.
    QString startBareDisplay()
    {
        m_bareDisplay = std::make_unique<QProcess>();
        m_bareDisplay->start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "800x600x24",
                                      "-nolisten", "tcp"});
        if (!m_bareDisplay->waitForStarted(5000))
            return {};
        const QDeadlineTimer deadline(15000);
        while (!m_bareDisplay->canReadLine() && !deadline.hasExpired() &&
               m_bareDisplay->state() == QProcess::Running)
            m_bareDisplay->waitForReadyRead(200);
        const QString number = QString::fromLatin1(m_bareDisplay->readLine()).trimmed();
        if (number.isEmpty())
            return {};
        return ":" + number;
    }
    void stopBareDisplay()
    {
        if (!m_bareDisplay)
            return;
        m_bareDisplay->terminate();
        if (!m_bareDisplay->waitForFinished(5000))
            m_bareDisplay->kill();
        m_bareDisplay->waitForFinished(3000);
        m_bareDisplay.reset();
    }
    QString m_display;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QProcess> m_bareDisplay;
};

QTEST_GUILESS_MAIN(TestQuillmark)
#include "tst_quillmark.moc"
