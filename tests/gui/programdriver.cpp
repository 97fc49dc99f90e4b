#include "programdriver.h"

#include "swaydesktop.h"
#include "xdotoolquery.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <cstdio>

namespace {

bool isInk(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

} // namespace

QString number(int value)
{
    return QString::number(value);
}

QByteArray runTool(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

bool xdo(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

std::optional<QByteArray> xdoQuery(const QStringList &args)
{
    return xdotoolQuery(args);
}

bool waitUntil(const std::function<bool()> &holds, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!holds()) {
        if (waited.elapsed() > limitMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

QRect waitForSettledGeometry(const std::function<std::optional<QRect>()> &sample)
{
    QRect last;
    int same = 0;
    const bool settled = waitUntil(
        [&] {
            const std::optional<QRect> now = sample();
            if (!now)
                return false;
            same = !now->isEmpty() && *now == last ? same + 1 : 0;
            last = *now;
            return same == 2;
        },
        waitLimitMs);
    return settled ? last : QRect();
}

bool inkNear(const QImage &image, QPoint at)
{
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && isInk(image.pixel(p)))
                return true;
        }
    return false;
}

QPoint toolbarButtonCentre(const QRect &toolbar, ToolbarButton button)
{
    const double scale = toolbar.width() / 33.0;
    const int index = int(button);
    const int top = index == 0 ? 0 : 29 + (index - 1) * 33;
    return {toolbar.center().x(), toolbar.top() + qRound((31 + 7 + top + 13) * scale)};
}

bool hover(QPoint at)
{
    const bool moved = xdo({"mousemove", number(at.x() - 3), number(at.y() - 3)});
    QTest::qWait(50);
    const bool arrived = moved && xdo({"mousemove", number(at.x()), number(at.y())});
    QTest::qWait(50);
    return arrived;
}

bool click(QPoint at)
{
    return hover(at) && xdo({"click", "1"});
}

bool drawStroke(QPoint centre)
{
    bool ok = xdo({"mousemove", number(centre.x() - 100), number(centre.y()), "mousedown", "1"});
    for (int x = centre.x() - 80; ok && x <= centre.x() + 100; x += 20)
        ok = xdo({"mousemove", number(x), number(centre.y())});
    return xdo({"mouseup", "1"}) && ok;
}

ProgramDriver::ProgramDriver(const QString &shotDir, const QString &shotPrefix)
    : m_shotDir(shotDir), m_shotPrefix(shotPrefix)
{
}

ProgramDriver::~ProgramDriver()
{
    stop();
}

QString ProgramDriver::settingsFile() const
{
    return m_home.filePath(QStringLiteral("config/tallowby/settings.conf"));
}

QString ProgramDriver::capturesPath() const
{
    return m_home.filePath(QStringLiteral("captures"));
}

bool ProgramDriver::start(const QString &program, const QVariantMap &settings, Output output)
{
    QDir().mkpath(m_home.filePath(QStringLiteral("tmp")));
    // The single-instance socket lives in the user's runtime folder, which must be
    // private to the owner.
    const QString runtime = m_home.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        QSettings store(settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("screenSavePath"), capturesPath());
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            store.setValue(it.key(), it.value());
    }
    // The autosave and exported pictures stay in the private folder too.
    QDir().mkpath(m_home.filePath(QStringLiteral("config")));
    {
        QFile dirs(m_home.filePath(QStringLiteral("config/user-dirs.dirs")));
        if (dirs.open(QIODevice::WriteOnly))
            dirs.write("XDG_PICTURES_DIR=\"" + picturesPath().toUtf8() + "\"\n");
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataPath());
    env.insert(QStringLiteral("TMPDIR"), m_home.filePath(QStringLiteral("tmp")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    // A failure's log then tells what the stacking keeper saw and did, and which presses
    // and releases the overlay received.
    if (!env.contains(QStringLiteral("QT_LOGGING_RULES")))
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("quillmark.stacking.debug=true;quillmark.pointer.debug=true"));
    if (m_session) {
        // The session's user owns the program's files; nothing of the test's display.
        env.remove(QStringLiteral("DISPLAY"));
        const QMap<QString, QString> session = m_session->sessionEnvironment();
        for (auto it = session.cbegin(); it != session.cend(); ++it) {
            if (it.key() != QLatin1String("XDG_RUNTIME_DIR"))
                env.insert(it.key(), it.value());
        }
        env.insert(QStringLiteral("HOME"), m_home.path());
        QProcess::execute(QStringLiteral("chown"), {"-R", m_session->user(), m_home.path()});
    }
    for (auto it = m_extraEnvironment.cbegin(); it != m_extraEnvironment.cend(); ++it)
        env.insert(it.key(), it.value());
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_adopted = 0;
    m_logFile.clear();
    if (output == Output::CapturedAcrossRestarts) {
        env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
        m_logFile = m_home.filePath(QStringLiteral("program.log"));
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        m_program.setStandardOutputFile(m_logFile, QIODevice::Append);
    } else if (output == Output::Captured) {
        // Log lines are matched in the default message format.
        env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&m_program, &QProcess::readyReadStandardOutput, &m_program,
                         [this] { m_log += m_program.readAllStandardOutput(); });
    } else {
        // Passed on as it comes, and kept for the evidence of a failure.
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&m_program, &QProcess::readyReadStandardOutput, &m_program, [this] {
            const QByteArray out = m_program.readAllStandardOutput();
            m_log += out;
            fwrite(out.constData(), 1, size_t(out.size()), stdout);
            fflush(stdout);
        });
    }
    m_program.setProcessEnvironment(env);
    if (m_session) {
        const QStringList command = m_session->asUser(program, {});
        m_program.start(command.constFirst(), command.mid(1));
    } else {
        m_program.start(program, {});
    }
    return m_program.waitForStarted();
}

const QByteArray &ProgramDriver::log() const
{
    if (!m_logFile.isEmpty()) {
        QFile file(m_logFile);
        if (file.open(QIODevice::ReadOnly))
            m_log = file.readAll();
    }
    return m_log;
}

namespace {

// A process that ended, even if nobody reaped it yet, counts as gone.
bool processGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close < 0 || text.mid(close + 2, 1) == "Z";
}

} // namespace

bool ProgramDriver::followRestart()
{
    if (!m_program.waitForFinished(waitLimitMs))
        return false;
    const QByteArray runtime =
        "XDG_RUNTIME_DIR=" + m_home.filePath(QStringLiteral("run")).toUtf8() + '\0';
    const QString program = QFileInfo(m_program.program()).canonicalFilePath();
    return waitUntil([&] {
        const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
        for (const QString &entry : entries) {
            bool isPid = false;
            const qint64 pid = entry.toLongLong(&isPid);
            if (!isPid || processGone(pid))
                continue;
            if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath() != program)
                continue;
            QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
            if (environ.open(QIODevice::ReadOnly) && environ.readAll().contains(runtime)) {
                m_adopted = pid;
                return true;
            }
        }
        return false;
    });
}

bool ProgramDriver::endWith(int signal)
{
    const qint64 pid = processId();
    if (pid <= 0 || ::kill(pid_t(pid), signal) != 0)
        return false;
    const bool ended = m_adopted > 0 ? waitUntil([pid] { return processGone(pid); })
                                     : m_program.waitForFinished(waitLimitMs);
    if (ended)
        m_adopted = 0;
    return ended;
}

void ProgramDriver::keepEvidenceOnFailure()
{
    if (!QTest::currentTestFailed() || !QTest::currentTestFunction())
        return;
    QString name = m_shotPrefix + QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        name += QLatin1Char('-') + QString::fromLatin1(QTest::currentDataTag());
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    if (name == m_evidenceKept)
        return;
    m_evidenceKept = name;
    const QString folder = m_shotDir + QStringLiteral("/failures");
    QDir().mkpath(folder);
    const QString base = folder + QLatin1Char('/') + name;
    if (m_session) {
        // A Wayland session's screen is the compositor's, not the X root window's.
        m_session->screenshot(base + QStringLiteral(".png"));
    } else {
        QProcess grab;
        grab.start(QStringLiteral("import"), {"-window", "root", base + QStringLiteral(".png")});
        if (!grab.waitForFinished(10000))
            grab.kill();
    }
    QFile output(base + QStringLiteral(".log"));
    if (output.open(QIODevice::WriteOnly))
        output.write(log());
    qInfo().noquote() << "Failure evidence:" << base + QStringLiteral(".png") << "and"
                      << output.fileName();
}

void ProgramDriver::stop()
{
    keepEvidenceOnFailure();
    if (m_adopted > 0) {
        ::kill(pid_t(m_adopted), SIGTERM);
        if (!waitUntil([this] { return processGone(m_adopted); }, 5000))
            ::kill(pid_t(m_adopted), SIGKILL);
        waitUntil([this] { return processGone(m_adopted); }, 5000);
        m_adopted = 0;
    }
    if (m_program.state() == QProcess::NotRunning)
        return;
    m_program.terminate();
    if (!m_program.waitForFinished(5000)) {
        m_program.kill();
        m_program.waitForFinished(5000);
    }
}

namespace {

// The first window's geometry in the output of "getwindowgeometry --shell"; empty when
// it names none.
QRect firstGeometry(const QByteArray &out)
{
    QHash<QByteArray, int> values;
    for (const QByteArray &line : out.split('\n')) {
        const QList<QByteArray> pair = line.split('=');
        if (pair.size() == 2 && !values.contains(pair.at(0)))
            values.insert(pair.at(0), pair.at(1).toInt());
    }
    if (!values.contains("WIDTH"))
        return QRect();
    return QRect(values.value("X"), values.value("Y"), values.value("WIDTH"),
                 values.value("HEIGHT"));
}

} // namespace

std::optional<QRect> windowGeometryOf(const QString &id)
{
    const std::optional<QByteArray> out = xdoQuery({"getwindowgeometry", "--shell", id});
    if (!out || out->isEmpty())
        return std::nullopt;
    return firstGeometry(*out);
}

std::optional<QRect> ProgramDriver::windowGeometry(const QString &title) const
{
    const std::optional<QByteArray> out =
        xdoQuery({"search", "--all", "--onlyvisible", "--pid", number(processId()), "--name", title,
                  "getwindowgeometry", "--shell"});
    if (!out)
        return std::nullopt;
    return firstGeometry(*out);
}

std::optional<QStringList> ProgramDriver::visibleWindowIds() const
{
    const std::optional<QByteArray> out =
        xdoQuery({"search", "--all", "--onlyvisible", "--pid", number(processId()), "--name", ""});
    if (!out)
        return std::nullopt;
    return QString::fromLatin1(*out).split('\n', Qt::SkipEmptyParts);
}

QString ProgramDriver::waitForWindowId(const QString &title) const
{
    QString id;
    const bool shown = waitUntil(
        [&] {
            const std::optional<QByteArray> out =
                xdoQuery({"search", "--all", "--onlyvisible", "--pid", number(processId()),
                          "--name", title});
            id = out ? QString::fromLatin1(out->split('\n').constFirst().trimmed()) : QString();
            return !id.isEmpty();
        },
        waitLimitMs);
    return shown ? id : QString();
}

QRect ProgramDriver::waitForWindow(const QString &title) const
{
    return waitForSettledGeometry([&] { return windowGeometry(title); });
}

QRect ProgramDriver::waitForSettingsWindow() const
{
    return waitForSettledGeometry([this]() -> std::optional<QRect> {
        const std::optional<QByteArray> out =
            xdoQuery({"search", "--all", "--onlyvisible", "--pid", number(processId()), "--name",
                      ".*", "getwindowgeometry", "--shell", "%@"});
        if (!out)
            return std::nullopt;
        QHash<QByteArray, int> values;
        for (const QByteArray &line : out->split('\n')) {
            const QList<QByteArray> pair = line.split('=');
            if (pair.size() != 2)
                continue;
            values.insert(pair.at(0), pair.at(1).toInt());
            if (pair.at(0) == "SCREEN" && values.value("WIDTH") == 400 &&
                values.value("HEIGHT") == 700)
                return QRect(values.value("X"), values.value("Y"), 400, 700);
        }
        return QRect();
    });
}

bool ProgramDriver::pickMenuEntry(const QRect &toolbar, int entry, const QString &shot) const
{
    if (!hover(toolbarButtonCentre(toolbar, ToolbarButton::Menu)))
        return false;
    const QRect menu = waitForWindow(QStringLiteral("^Sub Window$"));
    if (menu.isEmpty()) {
        qWarning() << "the menu did not open";
        return false;
    }
    const bool drawn = waitForScreen(
        [&menu](const QImage &grab) {
            return grab.pixel(menu.topLeft() + QPoint(2, 12)) == qRgb(255, 255, 255);
        },
        shot);
    if (!drawn) {
        qWarning() << "the menu at" << menu << "is not drawn";
        return false;
    }
    return click({menu.center().x(), menu.top() + 8 + entry * 24 + 11});
}

// Three definite answers in a row that no such window shows.
bool ProgramDriver::waitForNoWindow(const QString &title) const
{
    int absent = 0;
    return waitUntil(
        [&] {
            const std::optional<QRect> now = windowGeometry(title);
            if (now)
                absent = now->isEmpty() ? absent + 1 : 0;
            return absent == 3;
        },
        waitLimitMs);
}

// Grabs the screen until the condition holds; the last grab is kept as an
// artefact under the name given.
bool ProgramDriver::waitForScreen(const std::function<bool(const QImage &)> &holds,
                                  const QString &name) const
{
    QElapsedTimer waited;
    waited.start();
    QImage shot;
    bool ok = false;
    do {
        QTest::qWait(50);
        shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        ok = holds(shot);
    } while (!ok && waited.elapsed() < waitLimitMs);
    QDir().mkpath(m_shotDir);
    shot.save(m_shotDir + QLatin1Char('/') + m_shotPrefix + name + QStringLiteral(".png"));
    return ok;
}

// Whether the program logged exactly this line (after its category prefix)
// since the given offset of its output.
bool ProgramDriver::logHasLine(const QString &line, qsizetype from) const
{
    const QList<QByteArray> lines = log().mid(from).split('\n');
    const QByteArray wanted = line.toUtf8();
    for (const QByteArray &logged : lines) {
        const QByteArray text = logged.trimmed();
        if (text == wanted || text.endsWith(": " + wanted))
            return true;
    }
    return false;
}

bool ProgramDriver::waitForLogLine(const QString &line, qsizetype from, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!logHasLine(line, from)) {
        if (waited.elapsed() > limitMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}
