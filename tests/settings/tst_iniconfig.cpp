#include "iniconfig.h"
#include "settingsclazz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

class TestIniConfig : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(iniPath()); }
    void cleanupTestCase() { QFile::remove(iniPath()); }

    void missingFileReadsEmptyThenWriteCreatesIt()
    {
        SettingsClazz settings;
        QCOMPARE(settings.getIniValue("UPDATE", "UpdateURL"), QVariant(QString()));
        QVERIFY(!QFile::exists(iniPath()));

        settings.setIniValue("UPDATE", "UpdateURL", "http://127.0.0.1:8080/check");
        QVERIFY(QFile::exists(iniPath()));
        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("UPDATE/UpdateURL").toString(), QString("http://127.0.0.1:8080/check"));
        QCOMPARE(settings.getIniValue("UPDATE", "UpdateURL").toString(),
                 QString("http://127.0.0.1:8080/check"));
    }

    void valuesStayInTheirGroups_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("rendering") << "APP"
                                   << "opengl"
                                   << "software";
        QTest::newRow("program name") << "UPDATE"
                                      << "EXEName"
                                      << "Quillmark";
        QTest::newRow("version") << "UPDATE"
                                 << "APPVersion"
                                 << "1.0.3";
        QTest::newRow("text with separators") << "UPDATE"
                                              << "UpdateURL"
                                              << "a=b;c, d|e";
    }
    void valuesStayInTheirGroups()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const IniConfig ini;
        ini.setValue("OTHER", key, "other");
        ini.setValue(group, key, value);
        QCOMPARE(ini.value(group, key), value);
        // Where a person editing config.ini looks for it.
        QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).value(group + "/" + key).toString(),
                 value);
        QCOMPARE(ini.value("OTHER", key), QString("other"));
        QCOMPARE(ini.value(group, "absent"), QString());
        QCOMPARE(ini.value("ABSENT", key), QString());
    }

    void numbersReadBackAsText()
    {
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue("UPDATE/APPVersion", 2);
        }
        QCOMPARE(SettingsClazz().getIniValue("UPDATE", "APPVersion"), QVariant(QString("2")));
    }

    void fileLiesBesideTheExecutable()
    {
        QCOMPARE(IniConfig().path(),
                 QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) +
                     QDir::separator() + "config.ini");
    }

private:
    static QString iniPath() { return QCoreApplication::applicationDirPath() + "/config.ini"; }
};

QTEST_MAIN(TestIniConfig)
#include "tst_iniconfig.moc"
