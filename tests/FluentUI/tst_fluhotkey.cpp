// Global hot keys against a real X server: the keys are pressed with xdotool, other
// programs holding keys are played by the hotkeyholder helper.

#include "fluhotkey.h"
#include "fluhotkeysuspender.h"

#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <memory>

Q_IMPORT_QML_PLUGIN(FluentUIPlugin)

namespace {

bool press(const QString &keys)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}) == 0;
}

// Collects the warnings logged while it lives.
class WarningLog
{
public:
    WarningLog()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(handler);
    }
    ~WarningLog() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtWarningMsg || type == QtCriticalMsg)
            s_lines.append(message);
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

// Another X client holding (or trying to hold) one key.
class Holder
{
public:
    explicit Holder(const QString &keys)
    {
        m_process.start(QStringLiteral(HOTKEYHOLDER_PATH), {keys});
        m_process.waitForStarted();
        while (m_state.isEmpty() && m_process.waitForReadyRead(5000))
            m_state = QString::fromLatin1(m_process.readLine()).trimmed();
    }
    ~Holder()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool holds() const { return m_state == QLatin1String("held"); }
    QString state() const { return m_state; }
    // Waits for the next press the holder reports.
    bool receivedPress()
    {
        for (int i = 0; i < 20; ++i) {
            if (m_process.canReadLine() || m_process.waitForReadyRead(100)) {
                if (m_process.readLine().trimmed() == "pressed")
                    return true;
            }
        }
        return false;
    }

private:
    QProcess m_process;
    QString m_state;
};

// Toggles lock keys on for one test and back off at its end, pass or fail.
class Locks
{
public:
    explicit Locks(const QStringList &keys) : m_keys(keys)
    {
        for (const QString &key : m_keys)
            press(key);
    }
    ~Locks()
    {
        for (const QString &key : m_keys)
            press(key);
    }

private:
    QStringList m_keys;
};

std::unique_ptr<FluHotkey> makeHotkey(const QString &sequence, const QString &name = {})
{
    auto hotkey = std::make_unique<FluHotkey>();
    hotkey->setName(name);
    hotkey->setSequence(sequence);
    return hotkey;
}

} // namespace

class TestFluHotkey : public QObject
{
    Q_OBJECT

private:
    // Presses `keys`, then a sentinel hot key; once the sentinel has arrived every
    // earlier press has been delivered too, so `spy` has its final count.
    void pressThenSentinel(const QString &keys)
    {
        const auto sentinel = makeHotkey(QStringLiteral("Shift+F11"));
        QVERIFY(sentinel->isRegistered());
        QSignalSpy sentinelSpy(sentinel.get(), &FluHotkey::activated);
        QVERIFY(press(keys));
        QVERIFY(press(QStringLiteral("shift+F11")));
        QVERIFY(sentinelSpy.wait(3000));
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
                 "xdotool is missing");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void pressActivates_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("locks");
        QTest::newRow("ctrl letter") << "Ctrl+E"
                                     << "ctrl+e" << QStringList{};
        QTest::newRow("ctrl shift letter") << "Ctrl+Shift+K"
                                           << "ctrl+shift+k" << QStringList{};
        QTest::newRow("alt function key") << "Alt+F5"
                                          << "alt+F5" << QStringList{};
        QTest::newRow("ctrl digit") << "Ctrl+1"
                                    << "ctrl+1" << QStringList{};
        QTest::newRow("meta letter") << "Meta+P"
                                     << "super+p" << QStringList{};
        QTest::newRow("lower-case spelling") << "ctrl+shift+u"
                                             << "ctrl+shift+u" << QStringList{};
        QTest::newRow("num lock on") << "Ctrl+E"
                                     << "ctrl+e" << QStringList{"Num_Lock"};
        QTest::newRow("caps lock on") << "Ctrl+E"
                                      << "ctrl+e" << QStringList{"Caps_Lock"};
        QTest::newRow("both locks on") << "Ctrl+E"
                                       << "ctrl+e" << QStringList{"Num_Lock", "Caps_Lock"};
        QTest::newRow("num lock, function key") << "Ctrl+F9"
                                                << "ctrl+F9" << QStringList{"Num_Lock"};
    }
    void pressActivates()
    {
        QFETCH(QString, sequence);
        QFETCH(QString, keys);
        QFETCH(QStringList, locks);
        WarningLog log;
        const auto hotkey = makeHotkey(sequence);
        QVERIFY(hotkey->isRegistered());
        QSignalSpy spy(hotkey.get(), &FluHotkey::activated);
        const Locks lockState(locks);
        QVERIFY(press(keys));
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(log.lines(), QStringList{});
    }

    void otherCombinationsDoNotActivate_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("keys");
        QTest::newRow("extra shift") << "Ctrl+E"
                                     << "ctrl+shift+e";
        QTest::newRow("missing ctrl") << "Ctrl+Shift+E"
                                      << "shift+e";
        QTest::newRow("other letter") << "Ctrl+E"
                                      << "ctrl+r";
        QTest::newRow("alt instead of ctrl") << "Ctrl+E"
                                             << "alt+e";
    }
    void otherCombinationsDoNotActivate()
    {
        QFETCH(QString, sequence);
        QFETCH(QString, keys);
        const auto hotkey = makeHotkey(sequence);
        QVERIFY(hotkey->isRegistered());
        QSignalSpy spy(hotkey.get(), &FluHotkey::activated);
        pressThenSentinel(keys);
        QCOMPARE(spy.count(), 0);
    }

    void destroyingGivesTheKeyBack()
    {
        {
            const auto hotkey = makeHotkey(QStringLiteral("Ctrl+E"));
            QVERIFY(hotkey->isRegistered());
            Holder whileHeld(QStringLiteral("ctrl+e"));
            QCOMPARE(whileHeld.state(), QStringLiteral("busy"));
        }
        Holder afterwards(QStringLiteral("ctrl+e"));
        QCOMPARE(afterwards.state(), QStringLiteral("held"));
        QVERIFY(press(QStringLiteral("ctrl+e")));
        QVERIFY(afterwards.receivedPress());
    }

    void changingTheSequenceMovesTheGrab()
    {
        const auto hotkey = makeHotkey(QStringLiteral("Ctrl+E"));
        QSignalSpy spy(hotkey.get(), &FluHotkey::activated);
        hotkey->setSequence(QStringLiteral("Ctrl+Shift+B"));
        QVERIFY(hotkey->isRegistered());
        pressThenSentinel(QStringLiteral("ctrl+e"));
        QCOMPARE(spy.count(), 0);
        QVERIFY(press(QStringLiteral("ctrl+shift+b")));
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.count(), 1);
        Holder oldKey(QStringLiteral("ctrl+e"));
        QCOMPARE(oldKey.state(), QStringLiteral("held"));
    }

    void respellingTheSameKeyKeepsIt()
    {
        const auto hotkey = makeHotkey(QStringLiteral("Ctrl+E"));
        hotkey->setSequence(QStringLiteral("ctrl+e"));
        QVERIFY(hotkey->isRegistered());
        QSignalSpy spy(hotkey.get(), &FluHotkey::activated);
        QVERIFY(press(QStringLiteral("ctrl+e")));
        QVERIFY(spy.wait(3000));
    }

    void sameSequenceReachesEveryHolder()
    {
        WarningLog log;
        auto first = makeHotkey(QStringLiteral("Ctrl+L"), QStringLiteral("清除画布"));
        const auto second = makeHotkey(QStringLiteral("ctrl+l"), QStringLiteral("直线模式"));
        QVERIFY(first->isRegistered());
        QVERIFY(second->isRegistered());
        QSignalSpy firstSpy(first.get(), &FluHotkey::activated);
        QSignalSpy secondSpy(second.get(), &FluHotkey::activated);
        pressThenSentinel(QStringLiteral("ctrl+l"));
        QCOMPARE(firstSpy.count(), 1);
        QCOMPARE(secondSpy.count(), 1);
        QCOMPARE(log.lines(), QStringList{});

        // The shared grab stays while anyone still holds it.
        first.reset();
        {
            Holder other(QStringLiteral("ctrl+l"));
            QCOMPARE(other.state(), QStringLiteral("busy"));
        }
        pressThenSentinel(QStringLiteral("ctrl+l"));
        QCOMPARE(secondSpy.count(), 2);
    }

    void keyHeldByAnotherProgram()
    {
        Holder other(QStringLiteral("ctrl+g"));
        QVERIFY(other.holds());
        WarningLog log;
        const auto taken = makeHotkey(QStringLiteral("Ctrl+G"), QStringLiteral("截屏"));
        const auto free = makeHotkey(QStringLiteral("Ctrl+H"), QStringLiteral("画笔"));
        QCOMPARE(log.lines().size(), 1);
        QVERIFY2(log.lines().constFirst().contains(QStringLiteral("Ctrl+G")),
                 qPrintable(log.lines().constFirst()));
        QVERIFY(!taken->isRegistered());
        QVERIFY(free->isRegistered());

        // The other program keeps its key, in every lock state, and ours keeps working.
        QSignalSpy takenSpy(taken.get(), &FluHotkey::activated);
        QSignalSpy freeSpy(free.get(), &FluHotkey::activated);
        QVERIFY(press(QStringLiteral("ctrl+g")));
        QVERIFY(other.receivedPress());
        QVERIFY(press(QStringLiteral("ctrl+h")));
        QVERIFY(freeSpy.wait(3000));
        QCOMPARE(takenSpy.count(), 0);
        {
            // A half-taken grab would steal the key from the other program with Num Lock on.
            Holder numLockVariant(QStringLiteral("ctrl+g"));
            QCOMPARE(numLockVariant.state(), QStringLiteral("busy"));
        }
        const Locks numLock({QStringLiteral("Num_Lock")});
        pressThenSentinel(QStringLiteral("ctrl+g"));
        QCOMPARE(takenSpy.count(), 0);
    }

    void unusableSequence_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<int>("warnings");
        QTest::newRow("unknown key") << "Ctrl+Foo" << 1;
        QTest::newRow("two chords") << "Ctrl+E, Ctrl+F" << 1;
        QTest::newRow("dangling plus") << "Ctrl+" << 1;
        QTest::newRow("modifier alone") << "Shift" << 1;
        QTest::newRow("garbage") << "+++" << 1;
        QTest::newRow("empty means unset") << "" << 0;
    }
    void unusableSequence()
    {
        QFETCH(QString, sequence);
        QFETCH(int, warnings);
        const auto working = makeHotkey(QStringLiteral("Ctrl+Shift+J"));
        WarningLog log;
        const auto broken = makeHotkey(sequence, QStringLiteral("文字"));
        QCOMPARE(log.lines().size(), warnings);
        QVERIFY(!broken->isRegistered());
        QSignalSpy spy(working.get(), &FluHotkey::activated);
        QVERIFY(press(QStringLiteral("ctrl+shift+j")));
        QVERIFY(spy.wait(3000));
    }

    void brokenSequenceCanBeFixed()
    {
        const auto hotkey = makeHotkey(QStringLiteral("Ctrl+Foo"));
        QVERIFY(!hotkey->isRegistered());
        QSignalSpy registered(hotkey.get(), &FluHotkey::isRegisteredChanged);
        hotkey->setSequence(QStringLiteral("Ctrl+Shift+Y"));
        QVERIFY(hotkey->isRegistered());
        QCOMPARE(registered.count(), 1);
        QSignalSpy spy(hotkey.get(), &FluHotkey::activated);
        QVERIFY(press(QStringLiteral("ctrl+shift+y")));
        QVERIFY(spy.wait(3000));
    }

    void suspenderLendsTheKeysOut()
    {
        const auto hotkey = makeHotkey(QStringLiteral("Ctrl+E"));
        QSignalSpy spy(hotkey.get(), &FluHotkey::activated);
        {
            FluHotkeySuspender suspender;
            suspender.setActive(true);
            Holder other(QStringLiteral("ctrl+e"));
            QCOMPARE(other.state(), QStringLiteral("held"));
        }
        // Taken back when the suspender goes.
        Holder other(QStringLiteral("ctrl+e"));
        QCOMPARE(other.state(), QStringLiteral("busy"));
        QVERIFY(press(QStringLiteral("ctrl+e")));
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.count(), 1);
    }

    void declaredInADocument()
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine);
        component.setData("import FluentUI\n"
                          "FluHotkey { name: \"画笔\"; sequence: \"Ctrl+\" + \"K\" }",
                          QUrl());
        WarningLog log;
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *hotkey = qobject_cast<FluHotkey *>(object.get());
        QVERIFY(hotkey);
        QVERIFY(hotkey->isRegistered());
        QSignalSpy spy(hotkey, &FluHotkey::activated);
        QVERIFY(press(QStringLiteral("ctrl+k")));
        QVERIFY(spy.wait(3000));
        QCOMPARE(log.lines(), QStringList{});
    }
};

int main(int argc, char **argv)
{
    // Without a display there is nothing to grab; start anyway so the cases can skip.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestFluHotkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fluhotkey.moc"
