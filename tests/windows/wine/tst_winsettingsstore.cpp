#include "iniconfig.h"
#include "registry.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSize>
#include <QTest>

namespace {

const QString storeKey = QStringLiteral("Software\\tallowby\\settings");

} // namespace

// The settings store and config.ini on Windows: the registry of the user, and a
// config.ini beside the program that people edit with Notepad.
class TestWinSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\") + storeKey, QSettings::NativeFormat)
            .clear();
        QFile::remove(iniPath());
    }

    void storeLivesInTheUsersRegistry_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("hot key") << "penKey"
                                 << "Ctrl+E";
        QTest::newRow("folder with backslashes and Chinese") << "screenSavePath"
                                                             << "C:\\Users\\测试\\Pictures\\截图";
    }
    void storeLivesInTheUsersRegistry()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QVERIFY(SettingsStore().setValue(key, value));
        QCOMPARE(userRegistryText(storeKey, key), std::optional<QString>(value));
        QCOMPARE(SettingsStore().value(key).toString(), value);
        QCOMPARE(SettingsStore().fileName(), QStringLiteral("\\HKEY_CURRENT_USER\\") + storeKey);
    }

    void allSettingsFromTheRegistryAreNested()
    {
        SettingsStore store;
        QVERIFY(store.setValue(QStringLiteral("window/size"), QSize(300, 200)));
        QVERIFY(store.setValue(QStringLiteral("window/title/text"), QStringLiteral("标题")));
        QVERIFY(store.setValue(QStringLiteral("count"), 42));
        const QVariantMap all = store.allSettings();
        const QVariantMap window = all.value(QStringLiteral("window")).toMap();
        QCOMPARE(
            window.value(QStringLiteral("size")).toMap().value(QStringLiteral("width")).toInt(),
            300);
        QCOMPARE(window.value(QStringLiteral("title")).toMap().value(QStringLiteral("text")),
                 QVariant(QStringLiteral("标题")));
        QCOMPARE(all.value(QStringLiteral("count")).toString(), QStringLiteral("42"));
        // The defaults are written on the first read, the save folder as a Windows path.
        const QString savePath = all.value(QStringLiteral("screenSavePath")).toString();
        QVERIFY2(savePath.size() > 2 && savePath.at(1) == QLatin1Char(':') &&
                     !savePath.contains(QLatin1Char('/')),
                 qPrintable(savePath));
        QCOMPARE(userRegistryText(storeKey, QStringLiteral("screenSavePath")),
                 std::optional<QString>(savePath));
    }

    void configIniIsBesideTheProgram()
    {
        const QString path = IniConfig().path();
        QCOMPARE(path, QDir::toNativeSeparators(iniPath()));
        QVERIFY2(path.at(1) == QLatin1Char(':') && !path.contains(QLatin1Char('/')),
                 qPrintable(path));
        IniConfig().setValue(QStringLiteral("UPDATE"), QStringLiteral("EXEName"),
                             QStringLiteral("Quillmark.exe"));
        QVERIFY(QFile::exists(iniPath()));
        QCOMPARE(IniConfig().value(QStringLiteral("UPDATE"), QStringLiteral("EXEName")),
                 QStringLiteral("Quillmark.exe"));
    }

    void configIniSavedByNotepad_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray lines = "[APP]\r\nrendering=software\r\n[UPDATE]\r\n"
                                 "UpdateURL=http://127.0.0.1:8080/check\r\n"
                                 "Note=\xe6\xb5\x8b\xe8\xaf\x95\r\n";
        QTest::newRow("UTF-8 with CRLF") << lines;
        QTest::newRow("UTF-8 with a byte order mark") << QByteArray("\xef\xbb\xbf") + lines;
    }
    void configIniSavedByNotepad()
    {
        QFETCH(QByteArray, content);
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const IniConfig ini;
        QCOMPARE(ini.value(QStringLiteral("APP"), QStringLiteral("rendering")),
                 QStringLiteral("software"));
        QCOMPARE(ini.value(QStringLiteral("UPDATE"), QStringLiteral("UpdateURL")),
                 QStringLiteral("http://127.0.0.1:8080/check"));
        QCOMPARE(ini.value(QStringLiteral("UPDATE"), QStringLiteral("Note")),
                 QStringLiteral("测试"));
    }

private:
    static QString iniPath() { return QCoreApplication::applicationDirPath() + "/config.ini"; }
};

QTEST_GUILESS_MAIN(TestWinSettingsStore)
#include "tst_winsettingsstore.moc"
