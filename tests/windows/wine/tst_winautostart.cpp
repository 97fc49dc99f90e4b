#include "autostart.h"
#include "registry.h"

#include <QSettings>
#include <QTest>

namespace {

const QString runKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");

QSettings runSettings()
{
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\") + runKey, QSettings::NativeFormat);
}

} // namespace

// Start at login on Windows: the "Quillmark" value under the Run key of the user.
class TestWinAutostart : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        runSettings().remove(QStringLiteral("Quillmark"));
        runSettings().setValue(QStringLiteral("Another program"), QStringLiteral("C:\\x.exe"));
    }

    void valueWrittenAndRemoved_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("command");
        QTest::newRow("plain") << "C:/Quillmark/Quillmark.exe"
                               << "\"C:\\Quillmark\\Quillmark.exe\"";
        // Quoted, or Windows would run "C:\Program" with the rest as arguments.
        QTest::newRow("spaces and Chinese") << "C:/Program Files/批注 工具/Quillmark.exe"
                                            << "\"C:\\Program Files\\批注 工具\\Quillmark.exe\"";
    }
    void valueWrittenAndRemoved()
    {
        QFETCH(QString, program);
        QFETCH(QString, command);
        const std::unique_ptr<Autostart> autostart = Autostart::forProgram(program);
        QVERIFY(autostart);
        QVERIFY(!autostart->isEnabled());

        QVERIFY(autostart->setEnabled(true));
        QVERIFY(autostart->isEnabled());
        QCOMPARE(userRegistryText(runKey, QStringLiteral("Quillmark")),
                 std::optional<QString>(command));

        QVERIFY(autostart->setEnabled(false));
        QVERIFY(!autostart->isEnabled());
        QCOMPARE(userRegistryText(runKey, QStringLiteral("Quillmark")), std::nullopt);
        QVERIFY(autostart->setEnabled(false));
        // Other programs' values stay.
        QCOMPARE(userRegistryText(runKey, QStringLiteral("Another program")),
                 std::optional<QString>(QStringLiteral("C:\\x.exe")));
    }
};

QTEST_GUILESS_MAIN(TestWinAutostart)
#include "tst_winautostart.moc"
