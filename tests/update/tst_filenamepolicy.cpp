#include "filenamepolicy.h"

#include <QTest>

// Names from a manifest that arrived over the network.
class TestFileNamePolicy : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
};

void TestFileNamePolicy::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("plain file") << "Quillmark" << true;
    QTest::newRow("file in a sub-folder") << "translations/app_en.qm" << true;
    QTest::newRow("deep sub-folder") << "a/b/c/d.txt" << true;
    QTest::newRow("space inside") << "my file.txt" << true;
    QTest::newRow("Chinese name") << "说明/更新.txt" << true;
    QTest::newRow("dot file") << ".hidden" << true;
    QTest::newRow("two dots inside a name") << "a..b" << true;

    QTest::newRow("parent") << "../x" << false;
    QTest::newRow("parent after a folder") << "a/../../x" << false;
    QTest::newRow("parent at the end") << "a/.." << false;
    QTest::newRow("parent alone") << ".." << false;
    QTest::newRow("current folder") << "./x" << false;
    QTest::newRow("absolute") << "/etc/x" << false;
    QTest::newRow("drive letter with backslash") << "C:\\x" << false;
    QTest::newRow("drive letter with slash") << "C:/x" << false;
    QTest::newRow("drive-relative") << "C:x" << false;
    QTest::newRow("alternate stream") << "x:stream" << false;
    QTest::newRow("backslash parent") << "..\\x" << false;
    QTest::newRow("UNC") << "\\\\host\\share\\x" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "   " << false;
    QTest::newRow("newline") << "a\nb" << false;
    QTest::newRow("NUL character")
        << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << false;
    QTest::newRow("escape character") << "a\x1b[31m" << false;
    QTest::newRow("DEL character") << "a\x7f" << false;
    QTest::newRow("empty component") << "a//b" << false;
    QTest::newRow("trailing slash") << "a/" << false;
    QTest::newRow("trailing dot") << "x." << false;
    QTest::newRow("trailing space in a folder") << "a /x" << false;
    QTest::newRow("device name") << "NUL" << false;
    QTest::newRow("device name with extension") << "sub/com1.txt" << false;
    QTest::newRow("port with a superscript digit") << "COM\u00b9" << false;
    QTest::newRow("printer port with a superscript digit") << "LPT\u00b2.txt" << false;
    QTest::newRow("device name, space before the dot") << "CON .txt" << false;
    QTest::newRow("console input") << "CONIN$" << false;
    QTest::newRow("console output with extension") << "sub/conout$.log" << false;
    QTest::newRow("not a device: longer name") << "CONSOLE.txt" << true;
    QTest::newRow("not a device: port 10") << "COM10" << true;
    QTest::newRow("part longer than 255 bytes") << QString(256, QLatin1Char('a')) << false;
    QTest::newRow("pipe") << "a|b" << false;
    QTest::newRow("wildcard") << "*.dll" << false;
    QTest::newRow("the downloader's temporary file") << "Quillmark.update-part" << false;
    QTest::newRow("config.ini") << "config.ini" << false;
    QTest::newRow("config.ini in other letter case") << "CONFIG.Ini" << false;
    QTest::newRow("config.ini in a sub-folder") << "docs/config.ini" << true;
    QTest::newRow("staging folder") << ".update-staging/Quillmark" << false;
    QTest::newRow("journal") << ".Update-Journal" << false;
    QTest::newRow("installed serial") << ".update-serial" << false;
}

void TestFileNamePolicy::names()
{
    QFETCH(QString, name);
    QFETCH(bool, acceptable);
    const QString refusal = FileNamePolicy::refusal(name);
    QVERIFY2(refusal.isEmpty() == acceptable, qPrintable(name + QStringLiteral(" -> ") + refusal));
    QCOMPARE(FileNamePolicy::isAcceptable(name), acceptable);
}

QTEST_APPLESS_MAIN(TestFileNamePolicy)
#include "tst_filenamepolicy.moc"
