#include "settingsclazz.h"
#include "xdgautostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// desktop-file-validate's verdict on an entry: empty when it has no remark.
QString validatorRemarks(const QString &path)
{
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validator.waitForFinished(10000))
        return QStringLiteral("desktop-file-validate did not run");
    const QString out = QString::fromUtf8(validator.readAll()).trimmed();
    return validator.exitCode() == 0 ? out : QStringLiteral("failed: ") + out;
}

QByteArray execLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("Exec="))
            return line.mid(5);
    return {};
}

} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT

private slots:
    void entryStartsTheProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("plain") << "/usr/bin/quillmark" << QByteArray("/usr/bin/quillmark");
        QTest::newRow("space") << "/opt/My Tools/quillmark"
                               << QByteArray("\"/opt/My Tools/quillmark\"");
        // Inside quotes $ " ` \ take a backslash, which the string escaping doubles;
        // a percent sign is doubled so it is no field code.
        QTest::newRow("specials") << "/home/a$b/100%/q\"m"
                                  << QByteArray("\"/home/a\\\\$b/100%%/q\\\\\"m\"");
    }
    void entryStartsTheProgram()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, exec);
        QTemporaryDir home;
        const QString entry = home.filePath(QStringLiteral("autostart/quillmark.desktop"));
        XdgAutostart autostart(entry, program);
        QVERIFY(!autostart.isEnabled());

        QVERIFY(autostart.setEnabled(true));
        QVERIFY(autostart.isEnabled());
        QCOMPARE(execLine(entry), exec);
        QCOMPARE(validatorRemarks(entry), QString());
        // Switching on twice leaves one good entry.
        QVERIFY(autostart.setEnabled(true));
        QCOMPARE(execLine(entry), exec);

        QVERIFY(autostart.setEnabled(false));
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!autostart.isEnabled());
        QVERIFY(autostart.setEnabled(false));
    }

    void sessionSwitchesRespected_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("plain") << QByteArray("Name=Quillmark") << true;
        QTest::newRow("hidden") << QByteArray("Hidden=true") << false;
        QTest::newRow("GNOME off") << QByteArray("X-GNOME-Autostart-enabled=false") << false;
    }
    void sessionSwitchesRespected()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, enabled);
        QTemporaryDir home;
        const QString entry = home.filePath(QStringLiteral("quillmark.desktop"));
        QFile file(entry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\nExec=quillmark\n" + line + "\n");
        file.close();
        QCOMPARE(XdgAutostart(entry, QStringLiteral("/usr/bin/quillmark")).isEnabled(), enabled);
    }

    void unwritableFolderFailsCleanly()
    {
        QTemporaryDir home;
        // A file where the autostart folder should be.
        QFile blocker(home.filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        XdgAutostart autostart(home.filePath(QStringLiteral("autostart/quillmark.desktop")),
                               QStringLiteral("/usr/bin/quillmark"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Cannot create the autostart folder"));
        QVERIFY(!autostart.setEnabled(true));
        QVERIFY(!autostart.isEnabled());
    }

    // The settings window's switch: the entry lands in the user's autostart folder.
    void settingsElementUsesUserFolder()
    {
        QVERIFY2(qEnvironmentVariable("XDG_CONFIG_HOME").contains(QLatin1String("tests")),
                 "run through ctest: XDG_CONFIG_HOME must point into the build");
        const QString entry =
            qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/org.quillmark.Quillmark.desktop";
        QFile::remove(entry);
        SettingsClazz settings;
        QVERIFY(!settings.startsAtLogin());
        QVERIFY(settings.setStartAtLogin(true));
        QVERIFY(settings.startsAtLogin());
        QCOMPARE(execLine(entry), QCoreApplication::applicationFilePath().toUtf8());
        QVERIFY(settings.setStartAtLogin(false));
        QVERIFY(!QFile::exists(entry));
    }
};

QTEST_GUILESS_MAIN(TestAutostart)

#include "tst_autostart.moc"
