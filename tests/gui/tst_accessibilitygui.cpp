// The real program as a screen reader and a keyboard-only user meet it, at the
// largest toolbar size: its accessibility tree read over AT-SPI (a session bus of
// the test's own with the accessibility bus on it, as a desktop session provides),
// then the toolbar driven from the keyboard alone to draw and to take a screenshot.
#include "programdriver.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QtTest>

namespace {

struct Node
{
    QString window;
    QString role;
    QString name;
    QStringList states;
};

void flatten(const QJsonObject &node, const QString &window, QList<Node> &into)
{
    into.append({window, node.value("role").toString(), node.value("name").toString(),
                 node.value("states").toVariant().toStringList()});
    for (const QJsonValue &child : node.value("children").toArray())
        flatten(child.toObject(), window, into);
}

} // namespace

class TestAccessibilityGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void toolbarButtonsHaveNamesAndRoles();
    void keyboardAloneDrawsAndCaptures();

private:
    bool startBuses();
    // Every accessible object of the program, flattened; empty when it could not be read.
    QList<Node> tree() const;
    bool waitForNode(const std::function<bool(const Node &)> &matches, const QString &what) const;
    bool waitForFocus(const QString &name) const;
    // Keys as xdotool names them, separated by spaces.
    bool key(const QString &keys) const
    {
        return xdo(QStringList{"key", "--delay", "60"} + keys.split(QLatin1Char(' ')));
    }

    ProgramDriver m_program{QStringLiteral(SHOT_DIR), QStringLiteral("accessibility-")};
    QProcess m_sessionBus;
    QProcess m_accessibilityBus;
    QString m_busAddress;
    QRect m_toolbar;
};

// A session bus, and on it the accessibility bus, switched on as a screen reader does.
bool TestAccessibilityGui::startBuses()
{
    m_sessionBus.start(QStringLiteral("dbus-daemon"),
                       {"--session", "--nofork", "--print-address=1"});
    if (!m_sessionBus.waitForStarted() || !waitUntil([this] {
            m_sessionBus.waitForReadyRead(100);
            m_busAddress += QString::fromUtf8(m_sessionBus.readAllStandardOutput());
            return m_busAddress.contains('\n');
        }))
        return false;
    m_busAddress = m_busAddress.trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
    m_accessibilityBus.start(QStringLiteral(ATSPI_LAUNCHER), {"--launch-immediately"});
    if (!m_accessibilityBus.waitForStarted())
        return false;
    return waitUntil([] {
        return QProcess::execute(QStringLiteral("dbus-send"),
                                 {"--session", "--print-reply", "--dest=org.a11y.Bus",
                                  "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                                  "string:org.a11y.Status", "string:IsEnabled",
                                  "variant:boolean:true"}) == 0;
    });
}

QList<Node> TestAccessibilityGui::tree() const
{
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(ATSPI_TREE), QString::number(m_program.processId())});
    if (!reader.waitForFinished(waitLimitMs) || reader.exitCode() != 0) {
        qWarning().noquote() << "reading the accessibility tree failed:"
                             << QString::fromUtf8(reader.readAllStandardError());
        return {};
    }
    const QJsonObject answer = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
    QList<Node> nodes;
    for (const QJsonValue &window : answer.value("windows").toArray())
        flatten(window.toObject(), window.toObject().value("name").toString(), nodes);
    return nodes;
}

bool TestAccessibilityGui::waitForNode(const std::function<bool(const Node &)> &matches,
                                       const QString &what) const
{
    QList<Node> last;
    const bool found = waitUntil([&] {
        last = tree();
        return std::any_of(last.cbegin(), last.cend(), matches);
    });
    if (!found) {
        qWarning().noquote() << "not in the accessibility tree:" << what;
        for (const Node &node : std::as_const(last))
            qWarning().noquote() << " " << node.window << node.role << node.name
                                 << node.states.join(',');
    }
    return found;
}

bool TestAccessibilityGui::waitForFocus(const QString &name) const
{
    return waitForNode(
        [&](const Node &n) { return n.name == name && n.states.contains("focused"); },
        QStringLiteral("focus on ") + name);
}

void TestAccessibilityGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    if (!QFile::exists(QStringLiteral(ATSPI_LAUNCHER)))
        QSKIP("needs at-spi2-core and python3-pyatspi (scripts/deps.sh installs them)");
    QVERIFY2(startBuses(), "no session bus with an accessibility bus");
    m_program.setExtraEnvironment({{"DBUS_SESSION_BUS_ADDRESS", m_busAddress}});
    QVERIFY(m_program.start(QStringLiteral(QUILLMARK_PROGRAM),
                            {{"toolbarKey", "Ctrl+F12"}, {"toolbarSize", "200"}},
                            ProgramDriver::Output::Forwarded));
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");
    QCOMPARE(m_toolbar.width(), 65);
}

void TestAccessibilityGui::cleanup()
{
    m_program.keepEvidenceOnFailure();
}

void TestAccessibilityGui::cleanupTestCase()
{
    m_program.stop();
    for (QProcess *process : {&m_accessibilityBus, &m_sessionBus}) {
        process->terminate();
        if (!process->waitForFinished(5000))
            process->kill();
    }
    // The launcher names its bus on the display, where later programs would look for it.
    runTool(QStringLiteral("xprop"), {"-root", "-remove", "AT_SPI_BUS"});
}

void TestAccessibilityGui::toolbarButtonsHaveNamesAndRoles()
{
    QList<Node> buttons;
    QVERIFY(waitUntil([&] {
        const QList<Node> nodes = tree();
        buttons.clear();
        for (const Node &node : nodes) {
            if (node.window == QStringLiteral("主窗口") &&
                node.role == QLatin1String("push button"))
                buttons.append(node);
        }
        return buttons.size() >= 15;
    }));
    QSet<QString> names;
    for (const Node &button : std::as_const(buttons)) {
        QVERIFY2(!button.name.isEmpty(), "a toolbar button without a name");
        QVERIFY2(button.states.contains("focusable"), qPrintable(button.name));
        names.insert(button.name);
    }
    QCOMPARE(names.size(), buttons.size());
    for (const char *name : {"绘制", "画笔：普通画笔", "橡皮擦", "截屏", "菜单"})
        QVERIFY2(names.contains(QString::fromUtf8(name)), name);
}

void TestAccessibilityGui::keyboardAloneDrawsAndCaptures()
{
    // The focus key takes the keyboard to the toolbar; Enter switches drawing on.
    QVERIFY(key("ctrl+F12"));
    QVERIFY(waitForFocus(QStringLiteral("绘制")));
    // The window manager hands the keyboard over a moment after the program asked.
    QVERIFY(waitUntil([] {
        return runTool(QStringLiteral("xdotool"), {"getactivewindow", "getwindowname"}).trimmed() ==
               "主窗口";
    }));
    // A key that arrives before the toolbar's window has taken the keyboard is lost: Enter
    // is pressed again only while drawing has not come on.
    const auto drawingOn = [] {
        return !runTool(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "^draw$"})
                    .trimmed()
                    .isEmpty();
    };
    for (int tries = 0; tries < 3 && !drawingOn(); ++tries) {
        QVERIFY(key("Return"));
        waitUntil(drawingOn, 3000);
    }
    QVERIFY(waitForNode([](const Node &n) { return n.role == "alert" && n.name == "绘制已开启"; },
                        QStringLiteral("the announcement")));
    QVERIFY(waitForFocus(QStringLiteral("绘制")));

    // The shape chooser, worked from the keyboard: the line.
    QVERIFY(key("Down Down"));
    QVERIFY(waitForFocus(QStringLiteral("形状：直线")));
    QVERIFY(key("Return"));
    QVERIFY(waitForNode(
        [](const Node &n) { return n.role == "menu item" && n.states.contains("focused"); },
        QStringLiteral("a focused chooser entry")));
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("chooser-200")));
    QVERIFY(key("Down Return"));
    QVERIFY(waitForFocus(QStringLiteral("形状：圆形")));
    // Opened again, the chooser starts on the shape in use.
    QVERIFY(key("Return"));
    QVERIFY(waitForFocus(QStringLiteral("圆形")));
    QVERIFY(key("Up"));
    QVERIFY(waitForFocus(QStringLiteral("直线")));
    QVERIFY(key("Return"));
    QVERIFY(waitForFocus(QStringLiteral("形状：直线")));

    // Escape hands the keys to the overlay: the keyboard pen draws a line from the
    // middle of the screen, 200 px to the right.
    QVERIFY(key("Escape"));
    QVERIFY(waitUntil([] {
        const QByteArray active =
            runTool(QStringLiteral("xdotool"), {"getactivewindow", "getwindowname"});
        return active.trimmed() == "draw";
    }));
    const QPoint middle = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY(key("space"));
    for (int i = 0; i < 5; ++i)
        QVERIFY(key("shift+Right"));
    QVERIFY(key("space"));
    QVERIFY2(m_program.waitForScreen(
                 [&](const QImage &shot) { return inkNear(shot, middle + QPoint(100, 0)); },
                 QStringLiteral("keyboard-line")),
             "the keyboard pen drew nothing");

    // Back on the toolbar, the screenshot button.
    QVERIFY(key("ctrl+F12"));
    QVERIFY(waitForFocus(QStringLiteral("形状：直线")));
    QVERIFY(key("Down Down Down Down Down"));
    QVERIFY(waitForFocus(QStringLiteral("截屏")));
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("toolbar-200")));
    QVERIFY(key("Return"));
    QVERIFY(waitUntil([this] {
        return !QDir(m_program.capturesPath()).entryList({"*.jpg"}, QDir::Files).isEmpty();
    }));
    QVERIFY(waitForNode(
        [](const Node &n) { return n.role == "alert" && n.name.startsWith("截图已保存到："); },
        QStringLiteral("the capture announced")));
}

QTEST_MAIN(TestAccessibilityGui)

#include "tst_accessibilitygui.moc"
