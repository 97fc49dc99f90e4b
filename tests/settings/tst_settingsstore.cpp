#include "isolatedstore.h"
#include "messagecapture.h"
#include "settingsclazz.h"

#include <QCoreApplication>
#include <QDir>
#include <QPoint>
#include <QSettings>
#include <QSignalSpy>
#include <QSize>
#include <QTest>

namespace {

QSettings rawStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "tallowby", "settings");
}

const QMap<QString, QString> hotKeyDefaults{
    {"clearKey", "Ctrl+L"}, {"closeDrawKey", "Ctrl+Q"}, {"eraseKey", "Ctrl+D"},
    {"penKey", "Ctrl+E"},   {"screenKey", "Ctrl+P"},    {"textKey", "Ctrl+T"},
};

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(storeIsIsolated(), "run through ctest: XDG_CONFIG_HOME must point into the build");
    }
    void init() { clearStore(); }

    void firstRunWritesAndReturnsSevenDefaults()
    {
        SettingsClazz settings;
        QSignalSpy changed(&settings, &SettingsClazz::settingsChanged);
        const QVariantMap all = settings.getAllSettings().toMap();

        const QString appDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        QCOMPARE(all.size(), 7);
        QCOMPARE(all.value("screenSavePath").toString(), appDir);
        for (auto it = hotKeyDefaults.cbegin(); it != hotKeyDefaults.cend(); ++it)
            QCOMPARE(all.value(it.key()).toString(), it.value());

        QSettings store = rawStore();
        QCOMPARE(store.allKeys().size(), 7);
        QCOMPARE(store.value("screenSavePath").toString(), appDir);
        for (auto it = hotKeyDefaults.cbegin(); it != hotKeyDefaults.cend(); ++it)
            QCOMPARE(store.value(it.key()).toString(), it.value());
        QCOMPARE(changed.count(), 0);
    }

    void storedValuesWinOverDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("changed hot key") << "clearKey"
                                         << "Ctrl+K";
        QTest::newRow("hot key cleared by the user") << "penKey"
                                                     << "";
        QTest::newRow("save folder") << "screenSavePath"
                                     << "/somewhere/else";
    }
    void storedValuesWinOverDefaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        rawStore().setValue(key, stored);

        MessageCapture log;
        const QVariantMap all = SettingsClazz().getAllSettings().toMap();
        QVERIFY(!log.contains(QString("设置默认快捷键: \"%1\"").arg(key)));
        QVERIFY(log.contains(QString("设置默认快捷键: \"textKey\" = \"Ctrl+T\"")));
        QCOMPARE(all.value(key).toString(), stored);
        QCOMPARE(rawStore().value(key).toString(), stored);
    }

    void emptySavePathIsReplaced()
    {
        rawStore().setValue("screenSavePath", QString());
        const QVariantMap all = SettingsClazz().getAllSettings().toMap();
        const QString appDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        QCOMPARE(all.value("screenSavePath").toString(), appDir);
        QCOMPARE(rawStore().value("screenSavePath").toString(), appDir);
    }

    void nestedKeysBecomeMaps()
    {
        {
            QSettings store = rawStore();
            store.setValue("window/size", QSize(300, 200));
            store.setValue("window/pos", QPoint(12, -7));
            store.setValue("window/title/text", "t");
        }
        const QVariantMap window = SettingsClazz().getAllSettings().toMap().value("window").toMap();
        const QVariantMap size = window.value("size").toMap();
        QCOMPARE(size.value("width").toInt(), 300);
        QCOMPARE(size.value("height").toInt(), 200);
        const QVariantMap pos = window.value("pos").toMap();
        QCOMPARE(pos.value("x").toInt(), 12);
        QCOMPARE(pos.value("y").toInt(), -7);
        QCOMPARE(window.value("title").toMap().value("text").toString(), QString("t"));
    }

    void plainKeyAndGroupOfTheSameName()
    {
        // The store lists keys sorted, "a" before "a/b": the group replaces the plain value.
        {
            QSettings store = rawStore();
            store.setValue("a", 1);
            store.setValue("a/b", 2);
            QCOMPARE(store.allKeys().indexOf("a") < store.allKeys().indexOf("a/b"), true);
        }
        const QVariant a = SettingsClazz().getAllSettings().toMap().value("a");
        QCOMPARE(a.typeId(), QMetaType::QVariantMap);
        QCOMPARE(a.toMap().value("b").toInt(), 2);
    }

    void getSettingByKey_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << QVariant(42) << "42";
        QTest::newRow("negative") << QVariant(-3) << "-3";
        QTest::newRow("real") << QVariant(2.5) << "2.5";
        QTest::newRow("text") << QVariant("Ctrl+E") << "Ctrl+E";
        QTest::newRow("absent") << QVariant() << "";
    }
    void getSettingByKey()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        SettingsClazz settings;
        if (stored.isValid())
            QVERIFY(settings.addSetting("probe", stored));
        QCOMPARE(SettingsClazz().getSettingByKey("probe"), expected);
    }

    void addAndRemoveEmitAndReachOtherInstances()
    {
        SettingsClazz writer;
        SettingsClazz reader;
        QSignalSpy writerChanged(&writer, &SettingsClazz::settingsChanged);
        QSignalSpy readerChanged(&reader, &SettingsClazz::settingsChanged);

        QVERIFY(writer.addSetting("group/key", "v"));
        QCOMPARE(reader.getSettingByKey("group/key"), QString("v"));
        QVERIFY(writer.removeSetting("group"));
        QCOMPARE(reader.getSettingByKey("group/key"), QString());
        QVERIFY(writer.removeSetting("never/stored"));

        QCOMPARE(writerChanged.count(), 3);
        QCOMPARE(readerChanged.count(), 0);
    }

    void settingsValueNotifiesOnlyOnChange()
    {
        SettingsClazz settings;
        QSignalSpy changed(&settings, &SettingsClazz::settingsChanged);
        settings.setProperty("settingsValue", 5);
        settings.setProperty("settingsValue", 5);
        settings.setProperty("settingsValue", "5x");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(settings.property("settingsValue").toString(), QString("5x"));
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
