#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <optional>

class SwayDesktop;

// How long a step waits for what it caused before it counts as failed.
inline constexpr int waitLimitMs = 15000;

QString number(int value);
// Standard output of a tool that ended well; empty otherwise.
QByteArray runTool(const QString &tool, const QStringList &args);
bool xdo(const QStringList &args);
// Standard output of an xdotool query that ran to its end, empty when nothing
// matched. A search dies with BadWindow when a window goes away while it walks
// the window tree, which happens whenever programs on the display open or close
// windows; such a run is repeated. nullopt when no run got through.
std::optional<QByteArray> xdoQuery(const QStringList &args);
// Geometry of the window with this id; nullopt when the query did not get through.
std::optional<QRect> windowGeometryOf(const QString &id);
// Polls until the condition holds; its answer decides, it is not asked again.
bool waitUntil(const std::function<bool()> &holds, int limitMs = waitLimitMs);
// Polls the sample until it gives the same non-empty geometry three times
// running (a window manager may still move a window it has just mapped);
// samples that could not be taken are skipped. Empty when it never settles.
QRect waitForSettledGeometry(const std::function<std::optional<QRect>()> &sample);
// Whether any pixel within 4 px of the point shows the red pen.
bool inkNear(const QImage &image, QPoint at);

// The toolbar's buttons from the top.
enum class ToolbarButton {
    Collapse,
    DrawingSwitch,
    Pen,
    Shapes,
    Eraser,
    Undo,
    Clear,
    Board,
    Screenshot,
    Colour,
    Thickness,
    Fade,
    Breathing,
    Presenter,
    Menu
};
// Centre of a button of the toolbar at this geometry: the logo 31 px and a gap of 7,
// then 26 px buttons 3 px apart with a 1 px separator from the second on, all at the
// scale the toolbar's width gives (33 px at 100 %).
QPoint toolbarButtonCentre(const QRect &toolbar, ToolbarButton button);
// Enters the point from just beside it, so that an item there sees the pointer enter.
bool hover(QPoint at);
bool click(QPoint at);
// A horizontal freehand stroke 200 px long through the centre.
bool drawStroke(QPoint centre);

// Runs the real program with a settings store and a socket folder of its own (a
// copy running elsewhere on the machine must not answer the single-instance
// call) and watches it from outside as a user would: its windows through
// xdotool, the screen, and its log when that is captured.
class ProgramDriver
{
public:
    // CapturedAcrossRestarts writes the output to a file, which a copy the program
    // starts in its place inherits and goes on writing to.
    enum class Output { Forwarded, Captured, CapturedAcrossRestarts };

    // Screen grabs are kept as <shotDir>/<shotPrefix><name>.png.
    ProgramDriver(const QString &shotDir, const QString &shotPrefix);
    ~ProgramDriver();

    bool isValid() const { return m_home.isValid(); }
    QString settingsFile() const;
    QString capturesPath() const;
    // The program's runtime folder, which holds its single-instance socket: a later
    // `--action` start must see the same XDG_RUNTIME_DIR to reach it.
    QString runtimePath() const { return m_home.filePath(QStringLiteral("run")); }
    // The user's pictures folder as the program sees it.
    QString picturesPath() const { return m_home.filePath(QStringLiteral("Pictures")); }
    // XDG_DATA_HOME of the program.
    QString dataPath() const { return m_home.filePath(QStringLiteral("data")); }
    qint64 processId() const { return m_adopted > 0 ? m_adopted : m_program.processId(); }

    // Set before start(): variables added to (or overriding) the program's environment.
    void setExtraEnvironment(const QMap<QString, QString> &variables)
    {
        m_extraEnvironment = variables;
    }

    // Set before start(): runs the program inside this Wayland session, as its user, with
    // its environment; null runs it on the test's own display.
    void setSession(const SwayDesktop *session) { m_session = session; }

    // Starts the program with these entries in its settings store besides the
    // screenshot folder.
    bool start(const QString &program, const QVariantMap &settings, Output output);
    void stop();
    // Sends the signal and waits for the program to end; false when it went on.
    bool endWith(int signal);
    // When the test function running now has failed: keeps the screen as it is now
    // and the program's output so far under <shotDir>/failures/, once per function
    // (and data row), and says where. stop() calls it; so do the tests' cleanup().
    void keepEvidenceOnFailure();
    // After the program restarted itself: waits for the old copy to end and follows
    // the new one, found by the runtime folder it inherited. False when none came.
    bool followRestart();

    // Geometry of the program's visible window with this title; empty while
    // none, nullopt when the query did not get through.
    std::optional<QRect> windowGeometry(const QString &title) const;
    // Ids of the program's visible windows; nullopt when the query did not get through.
    std::optional<QStringList> visibleWindowIds() const;
    // The id of the program's visible window with this title, once it shows.
    QString waitForWindowId(const QString &title) const;
    QRect waitForWindow(const QString &title) const;
    // The settings window has no title: it is the program's 400 x 700 window.
    QRect waitForSettingsWindow() const;
    // Opens the toolbar's menu and clicks its entry with this index (0 "关于" ...
    // 7 "退出") once the menu is drawn; the screen then is kept as <shot>.
    bool pickMenuEntry(const QRect &toolbar, int entry, const QString &shot) const;
    bool waitForNoWindow(const QString &title) const;
    bool waitForScreen(const std::function<bool(const QImage &)> &holds, const QString &name) const;

    const QByteArray &log() const;
    bool logHasLine(const QString &line, qsizetype from) const;
    bool waitForLogLine(const QString &line, qsizetype from, int limitMs = waitLimitMs);

private:
    QString m_shotDir;
    QString m_shotPrefix;
    QTemporaryDir m_home;
    QProcess m_program;
    mutable QByteArray m_log;
    QString m_logFile;
    qint64 m_adopted = 0;
    QMap<QString, QString> m_extraEnvironment;
    const SwayDesktop *m_session = nullptr;
    QString m_evidenceKept;
};
