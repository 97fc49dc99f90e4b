#include "isolatedstore.h"
#include "languagecatalog.h"
#include "languagemanager.h"
#include "messagecapture.h"
#include "settingsclazz.h"
#include "translationloader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QResource>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

// Compiled test translations (context "main", text "隐藏"): app_en, app_ja, app_zh.
static const QString qmDir = QStringLiteral(TEST_QM_DIR);
static const QString resourceBundle = QStringLiteral(TEST_RCC_FILE);

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(storeIsIsolated(), "run through ctest: XDG_CONFIG_HOME must point into the build");
        QVERIFY(QFile::exists(qmDir + "/app_en.qm"));
    }

    void init()
    {
        clearStore();
        QDir(translationsDir()).removeRecursively();
        QDir().mkpath(translationsDir());
        loadTranslation(qApp, "none");
        settleDeletions();
    }

    void noFilesGivesTheTwoDefaults()
    {
        const QVariantList languages = SettingsClazz().getAvailableLanguages();
        QCOMPARE(languages.size(), 2);
        QCOMPARE(languages.at(0).toMap().value("code").toString(), QString("zh_CN"));
        QCOMPARE(languages.at(0).toMap().value("name").toString(), QString("简体中文"));
        QCOMPARE(languages.at(1).toMap().value("code").toString(), QString("en"));
        QCOMPARE(languages.at(1).toMap().value("name").toString(), QString("English"));
    }

    void filesInTheFolderAreListed()
    {
        install("app_en.qm");
        install("app_ja.qm");
        QFile::copy(qmDir + "/app_en.qm", translationsDir() + "/not_a_translation.qm");

        QMap<QString, QString> found;
        for (const QVariant &entry : SettingsClazz().getAvailableLanguages())
            found.insert(entry.toMap().value("code").toString(),
                         entry.toMap().value("name").toString());
        QCOMPARE(found.keys(), QStringList({"en", "ja", "zh_CN"}));
        QCOMPARE(found.value("zh_CN"), QString("简体中文"));
        QCOMPARE(found.value("en"), QString("English"));
        QCOMPARE(found.value("ja"), QString("日本語"));
    }

    void aFileInResourcesAndFolderIsListedOnce()
    {
        QVERIFY(QResource::registerResource(resourceBundle));
        install("app_en.qm");
        install("app_ja.qm");
        const QVariantList languages = SettingsClazz().getAvailableLanguages();
        QVERIFY(QResource::unregisterResource(resourceBundle));

        QStringList codes;
        for (const QVariant &entry : languages)
            codes << entry.toMap().value("code").toString();
        // The built-in language, then resources before the folder.
        QCOMPARE(codes, QStringList({"zh_CN", "en", "ja"}));
    }

    void languageNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("Chinese") << "zh_CN"
                                 << "简体中文";
        QTest::newRow("Traditional Chinese") << "zh_TW"
                                             << "繁體中文";
        QTest::newRow("English") << "en"
                                 << "English";
        QTest::newRow("Spanish") << "es"
                                 << "Español";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "Português (Brasil)";
        QTest::newRow("Arabic") << "ar"
                                << "العربية";
        QTest::newRow("from the locale database") << "it" << QLocale("it").nativeLanguageName();
        QTest::newRow("unknown") << "qx"
                                 << "qx";
    }
    void languageNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(LanguageCatalog::languageName(code), name);
    }

    void translationCandidatesFollowTheTranslatorSearch_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("language and country")
            << "zh_CN" << QStringList{"app_zh_CN.qm", "app_zh_CN", "app_zh.qm", "app_zh"};
        QTest::newRow("language") << "en" << QStringList{"app_en.qm", "app_en"};
        QTest::newRow("script") << "sr_Latn_RS"
                                << QStringList{"app_sr_Latn_RS.qm", "app_sr_Latn_RS",
                                               "app_sr_Latn.qm",    "app_sr_Latn",
                                               "app_sr.qm",         "app_sr"};
    }
    void translationCandidatesFollowTheTranslatorSearch()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        QCOMPARE(LanguageCatalog::translationCandidates(code), expected);
    }

    // The start-up default must pick the locale exactly when the translator would
    // load a language file for it.
    void defaultLanguageMatchesWhatTheTranslatorLoads_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("en_US with app_en.qm") << "en_US" << QStringList{"app_en.qm"};
        QTest::newRow("en_US with app_en_US.qm") << "en_US" << QStringList{"app_en_US.qm"};
        QTest::newRow("en_US without files") << "en_US" << QStringList{};
        QTest::newRow("de_DE with app_en.qm") << "de_DE" << QStringList{"app_en.qm"};
        QTest::newRow("C locale") << "C" << QStringList{"app_en.qm"};
        QTest::newRow("zh_CN with app_zh.qm") << "zh_CN" << QStringList{"app_zh.qm"};
    }
    void defaultLanguageMatchesWhatTheTranslatorLoads()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, files);
        for (const QString &file : files)
            QVERIFY(QFile::copy(qmDir + "/app_en.qm", translationsDir() + "/" + file));

        const QString chosen = LanguageCatalog::defaultLanguage(locale, translationsDir());
        QTranslator translator;
        const bool loads = translator.load("app_" + locale, translationsDir());
        QCOMPARE(chosen, loads ? locale : QString("zh_CN"));
        QCOMPARE(loads, !files.isEmpty() && locale != "de_DE" && locale != "C");
    }

    void setLanguageWithAMissingFile()
    {
        install("app_en.qm");
        SettingsClazz settings;
        QVERIFY(settings.setLanguage("en"));
        QCOMPARE(QCoreApplication::translate("main", "隐藏"), QString("Hide"));

        QSignalSpy changed(&settings, &SettingsClazz::settingsChanged);
        QSignalSpy languageChanged(LanguageManager::instance(), &LanguageManager::languageChanged);
        MessageCapture log;
        QVERIFY(settings.setLanguage("fr"));
        QCOMPARE(settings.getCurrentLanguage(), QString("fr"));
        QCOMPARE(languageChanged.count(), 0);
        QCOMPARE(changed.count(), 2);
        QVERIFY(log.contains("Failed to load translation: \"app_fr\""));
        // The earlier translation is gone: the built-in Chinese text shows.
        QCOMPARE(QCoreApplication::translate("main", "隐藏"), QString("隐藏"));
    }

    void twoSwitchesLeaveOneTranslator()
    {
        install("app_en.qm");
        install("app_ja.qm");
        SettingsClazz settings;
        QSignalSpy languageChanged(LanguageManager::instance(), &LanguageManager::languageChanged);
        QVERIFY(settings.setLanguage("en"));
        QVERIFY(settings.setLanguage("ja"));
        settleDeletions();

        QCOMPARE(qApp->findChildren<QTranslator *>().size(), 1);
        QCOMPARE(QCoreApplication::translate("main", "隐藏"), QString("隠す"));
        QCOMPARE(settings.getTranslation("退出"), QString("終了"));
        QCOMPARE(settings.getTranslation("没有的文字"), QString("没有的文字"));
        QCOMPARE(languageChanged.count(), 2);
        QCOMPARE(languageChanged.at(1).at(0).toString(), QString("ja"));
    }

    // Arabic lays the windows out from the right, until a language read from the left
    // comes, or the translation cannot be loaded.
    void layoutDirectionFollowsTheLanguage()
    {
        install("app_ar.qm");
        install("app_en.qm");
        SettingsClazz settings;
        QVERIFY(settings.setLanguage("ar"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY(settings.setLanguage("en"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QVERIFY(settings.setLanguage("ar"));
        QVERIFY(settings.setLanguage("he"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    void languageFallsBackToTheShorterFile()
    {
        install("app_zh.qm");
        QVERIFY(SettingsClazz().setLanguage("zh_CN"));
        QCOMPARE(QCoreApplication::translate("main", "隐藏"), QString("藏起"));
    }

    void missingFolderIsCreated()
    {
        QDir(translationsDir()).removeRecursively();
        MessageCapture log;
        loadTranslation(qApp, "en");
        QVERIFY(log.contains("Translations directory does not exist!"));
        QVERIFY(QDir(translationsDir()).exists());
    }

    void reloadUsesTheStoredLanguageWithoutStoring()
    {
        install("app_ja.qm");
        SettingsClazz settings;
        QCOMPARE(settings.getCurrentLanguage(), QString("zh_CN"));
        QVERIFY(settings.addSetting("appLanguage", "ja"));
        QSignalSpy changed(&settings, &SettingsClazz::settingsChanged);
        QVERIFY(settings.reloadTranslations());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(QCoreApplication::translate("main", "隐藏"), QString("隠す"));
        QCOMPARE(settings.getCurrentLanguageName(), LanguageCatalog::languageName("ja"));
    }

    void languageManagerIsSingle()
    {
        QCOMPARE(LanguageManager::instance(), LanguageManager::instance());
        QSignalSpy languageChanged(LanguageManager::instance(), &LanguageManager::languageChanged);
        LanguageManager::instance()->notifyLanguageChanged("ko");
        QCOMPARE(languageChanged.count(), 1);
        QCOMPARE(languageChanged.at(0).at(0).toString(), QString("ko"));
    }

private:
    static QString translationsDir()
    {
        return QCoreApplication::applicationDirPath() + "/translations";
    }
    static void install(const QString &file)
    {
        QVERIFY(QFile::copy(qmDir + "/" + file, translationsDir() + "/" + file));
    }
    static void settleDeletions()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
