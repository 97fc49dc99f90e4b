#include "consolemessagehandler.h"
#include "consoleterminal.h"

#include <QTemporaryFile>
#include <QTest>

#include <cstdio>

namespace {

int g_enableCalls = 0;

class CountingTerminal : public ConsoleTerminal
{
public:
    void enableColours() override { ++g_enableCalls; }
};

QByteArray readAll(FILE *file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray content;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, qsizetype(n));
    return content;
}

} // namespace

// The updater's coloured console lines.
class TestConsoleMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lineFormat_data();
    void lineFormat();
    void everyMessageOfTheProcessPassesThrough();
    void messagesBelowTheMinimumLevelAreDropped();
    void terminalIsPreparedOnceOnly();

private:
    FILE *m_output = nullptr;
};

void TestConsoleMessageHandler::init()
{
    m_output = std::tmpfile();
    QVERIFY(m_output);
    g_enableCalls = 0;
    ConsoleMessageHandler::setOutput(m_output);
    ConsoleMessageHandler::setMinimumLevel(0);
    ConsoleMessageHandler::install(std::make_unique<CountingTerminal>());
}

void TestConsoleMessageHandler::cleanup()
{
    qInstallMessageHandler(nullptr);
    ConsoleMessageHandler::setOutput(nullptr);
    std::fclose(m_output);
    m_output = nullptr;
}

void TestConsoleMessageHandler::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("debug") << int(QtDebugMsg)
                           << "开始下载:" << QByteArray("\x1b[37mDebug: 开始下载:\x1b[0m\n");
    QTest::newRow("info") << int(QtInfoMsg) << "i" << QByteArray("\x1b[36mInfo: i\x1b[0m\n");
    QTest::newRow("warning") << int(QtWarningMsg) << "w"
                             << QByteArray("\x1b[33mWarning: w\x1b[0m\n");
    QTest::newRow("critical") << int(QtCriticalMsg) << "下载失败: a.txt"
                              << QByteArray("\x1b[31mCritical: 下载失败: a.txt\x1b[0m\n");
    QTest::newRow("fatal") << int(QtFatalMsg) << "f" << QByteArray("\x1b[35mFatal: f\x1b[0m\n");
    QTest::newRow("unknown type: bare text") << 42 << "bare" << QByteArray("bare\x1b[0m\n");
    QTest::newRow("empty text") << int(QtDebugMsg) << "" << QByteArray("\x1b[37mDebug: \x1b[0m\n");
    // A name from the server cannot recolour the terminal nor forge a line.
    QTest::newRow("escape sequence and forged line")
        << int(QtDebugMsg) << "a\x1b[31m\nCritical: x\r\x7f"
        << QByteArray("\x1b[37mDebug: a\\x1b[31m\\x0aCritical: x\\x0d\\x7f\x1b[0m\n");
    QTest::newRow("C1 control") << int(QtWarningMsg) << QString(QChar(0x9b)) + "2J"
                                << QByteArray("\x1b[33mWarning: \\x9b2J\x1b[0m\n");
}

void TestConsoleMessageHandler::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QByteArray, line);
    QCOMPARE(ConsoleMessageHandler::formatLine(QtMsgType(type), text), line);
    // The handler writes exactly the formatted line.
    ConsoleMessageHandler::handleMessage(QtMsgType(type), QMessageLogContext(), text);
    QCOMPARE(readAll(m_output), line);
}

void TestConsoleMessageHandler::everyMessageOfTheProcessPassesThrough()
{
    qDebug() << "开始下载:" << QStringLiteral("http://127.0.0.1/a") << "到" << 3;
    qWarning("plain %s", "warning");
    QCOMPARE(readAll(m_output),
             QByteArray("\x1b[37mDebug: 开始下载: \"http://127.0.0.1/a\" 到 3\x1b[0m\n"
                        "\x1b[33mWarning: plain warning\x1b[0m\n"));
}

void TestConsoleMessageHandler::messagesBelowTheMinimumLevelAreDropped()
{
    ConsoleMessageHandler::setMinimumLevel(int(QtWarningMsg));
    qDebug("dropped");
    qWarning("kept");
    qCritical("also kept");
    QCOMPARE(readAll(m_output), QByteArray("\x1b[33mWarning: kept\x1b[0m\n"
                                           "\x1b[31mCritical: also kept\x1b[0m\n"));
}

void TestConsoleMessageHandler::terminalIsPreparedOnceOnly()
{
    QCOMPARE(g_enableCalls, 0);
    qDebug("one");
    qDebug("two");
    qWarning("three");
    QCOMPARE(g_enableCalls, 1);
}

QTEST_APPLESS_MAIN(TestConsoleMessageHandler)
#include "tst_consolemessagehandler.moc"
