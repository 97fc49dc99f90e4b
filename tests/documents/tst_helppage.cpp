// The help pages shipped in the application directory: they load, every picture
// they show is there, they cover every hot key and every toolbar icon of the
// toolbar document in every language, under the names the program gives them,
// and the menu finds them.
#include "settingsclazz.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

namespace {

QString readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList matches(const QString &text, const QString &pattern, int group = 1)
{
    QStringList found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(group);
    return found;
}

} // namespace

class TestHelpPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesExist_data();
    void picturesExist();
    void hotKeysAreExplained_data();
    void hotKeysAreExplained();
    void everyToolbarIconIsPictured_data();
    void everyToolbarIconIsPictured();
    void translatedPagesUseTheProgramsNames_data();
    void translatedPagesUseTheProgramsNames();
    void rendersWithItsPictures();
    void menuFindsThePageBesideTheProgram_data();
    void menuFindsThePageBesideTheProgram();

private:
    void addPageRows();
    // The hot keys of the toolbar: their names and fallback sequences.
    QList<QPair<QString, QString>> hotKeys() const;

    QDir m_appDir{QStringLiteral(APP_DIR)};
    QString m_page;
    QString m_toolbar;
};

void TestHelpPage::initTestCase()
{
    m_page = readAll(m_appDir.filePath(QStringLiteral("help.html")));
    QVERIFY2(!m_page.isEmpty(), "no help.html in the application directory");
    // The toolbar document, its hot keys and the icon addresses it shows.
    for (const char *part : {":/painter.qml", ":/ToolbarHotkeys.qml", ":/icons.js"}) {
        QFile file(QString::fromLatin1(part));
        QVERIFY2(file.open(QIODevice::ReadOnly), part);
        m_toolbar += QString::fromUtf8(file.readAll());
    }
    QVERIFY(m_page.contains(QLatin1String("id=\"zh\"")));
    QVERIFY(m_page.contains(QLatin1String("id=\"en\"")));
}

// Every page beside the program: the Chinese and English one, and one per language.
void TestHelpPage::addPageRows()
{
    QTest::addColumn<QString>("file");
    const QStringList pages = m_appDir.entryList({QStringLiteral("help*.html")}, QDir::Files);
    QVERIFY(pages.size() >= 10);
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << page;
}

QList<QPair<QString, QString>> TestHelpPage::hotKeys() const
{
    QList<QPair<QString, QString>> keys;
    const QRegularExpression hotkey(QString::fromUtf8(
        R"re(FluHotkey\s*\{\s*name:\s*qsTr\("([^"]+)"\)\s*sequence:\s*hotkeys\.sequenceFor\("\w+",\s*"([^"]*)"\))re"));
    auto it = hotkey.globalMatch(m_toolbar);
    while (it.hasNext()) {
        const auto match = it.next();
        keys.append({match.captured(1), match.captured(2)});
    }
    return keys;
}

void TestHelpPage::picturesExist_data()
{
    addPageRows();
}

void TestHelpPage::picturesExist()
{
    QFETCH(QString, file);
    const QString page = readAll(m_appDir.filePath(file));
    const QStringList tags = matches(page, QStringLiteral("(<img[^>]*>)"));
    QVERIFY(tags.size() > 20);
    const QRegularExpression sourceOf(QStringLiteral("src=\"([^\"]+)\""));
    for (const QString &tag : tags) {
        const QString source = sourceOf.match(tag).captured(1);
        QVERIFY2(QUrl(source).isRelative(), qPrintable(source));
        const QImage picture(m_appDir.filePath(source));
        QVERIFY2(!picture.isNull(), qPrintable(source + QStringLiteral(" is missing")));
        // Icons are small; screenshots of the tools fit the page's width.
        const int widest = tag.contains(QLatin1String("class=\"shot\"")) ? 860 : 64;
        QVERIFY2(picture.width() <= widest, qPrintable(source + QStringLiteral(" is too wide")));
    }
}

// Every hot key of the toolbar, with its fallback sequence, once per language.
void TestHelpPage::hotKeysAreExplained_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fallback");
    const auto keys = hotKeys();
    for (const auto &[name, fallback] : keys)
        QTest::newRow(qPrintable(name)) << name << fallback;
    QCOMPARE(keys.size(), 17);
}

void TestHelpPage::hotKeysAreExplained()
{
    QFETCH(QString, name);
    QFETCH(QString, fallback);
    const qsizetype english = m_page.indexOf(QLatin1String("id=\"en\""));
    // A key without a default says so.
    const QString row =
        fallback.isEmpty()
            ? QStringLiteral("<td>%1</td><td>无</td>").arg(name)
            : QStringLiteral("<td>%1</td><td><kbd>%2</kbd></td>").arg(name, fallback);
    QVERIFY2(m_page.left(english).contains(row), qPrintable(row));
    const QString shown = fallback.isEmpty() ? QStringLiteral("</td><td>none</td>")
                                             : QStringLiteral("<kbd>%1</kbd>").arg(fallback);
    QVERIFY2(m_page.mid(english).contains(shown), qPrintable(shown));
}

void TestHelpPage::everyToolbarIconIsPictured_data()
{
    addPageRows();
}

void TestHelpPage::everyToolbarIconIsPictured()
{
    QFETCH(QString, file);
    const QString page = readAll(m_appDir.filePath(file));
    const QStringList names = matches(page, QStringLiteral("src=\"help/(\\w+)\\.png\""));
    const QSet<QString> pictured(names.begin(), names.end());
    const QStringList icons = matches(m_toolbar, QStringLiteral("qrc:/icons/(\\w+)\\.png"));
    QVERIFY(icons.size() > 20);
    for (const QString &icon : icons)
        QVERIFY2(pictured.contains(icon), qPrintable(icon));
}

// A page per language: it says which language it is in (Arabic from the right), and
// its hot-key table holds every hot key under the name the program shows in that
// language, with its default keys.
void TestHelpPage::translatedPagesUseTheProgramsNames_data()
{
    QTest::addColumn<QString>("code");
    const QStringList pages = m_appDir.entryList({QStringLiteral("help_*.html")}, QDir::Files);
    QCOMPARE(pages.size(), 9);
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << page.mid(5, page.size() - 10);
}

void TestHelpPage::translatedPagesUseTheProgramsNames()
{
    QFETCH(QString, code);
    const QString page = readAll(m_appDir.filePath(QStringLiteral("help_%1.html").arg(code)));
    const QString htmlLang = QString(code).replace(QLatin1Char('_'), QLatin1Char('-'));
    const QString direction =
        code == QLatin1String("ar") ? QStringLiteral(" dir=\"rtl\"") : QString();
    QVERIFY2(page.contains(QStringLiteral("<html lang=\"%1\"%2>").arg(htmlLang, direction)),
             "no language, or the wrong direction, on the page");
    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral("app_") + code,
                             m_appDir.filePath(QStringLiteral("translations"))),
             "no compiled translation beside the program");
    for (const auto &[name, fallback] : hotKeys()) {
        const QString shown = translator.translate("ToolbarHotkeys", name.toUtf8().constData());
        QVERIFY2(!shown.isEmpty(), qPrintable(name));
        const QString row = QStringLiteral("<tr><td>%1</td><td>").arg(shown);
        QVERIFY2(page.contains(row), qPrintable(row));
        if (!fallback.isEmpty())
            QVERIFY2(page.contains(row + QStringLiteral("<kbd>%1</kbd>").arg(fallback)),
                     qPrintable(row + fallback));
    }
    // Every other language is a link away.
    for (const QString &other : m_appDir.entryList({QStringLiteral("help_*.html")}, QDir::Files)) {
        if (other != QStringLiteral("help_%1.html").arg(code))
            QVERIFY2(page.contains(QStringLiteral("href=\"%1\"").arg(other)), qPrintable(other));
    }
}

// Rendered by Qt's own rich-text engine: the pictures resolve relative to the
// page. The picture of the page stays in the build folder.
void TestHelpPage::rendersWithItsPictures()
{
    QTextBrowser browser;
    browser.resize(900, 1400);
    browser.setSource(QUrl::fromLocalFile(m_appDir.filePath(QStringLiteral("help.html"))));
    QCOMPARE(browser.documentTitle(), QStringLiteral("Quillmark 帮助 · Help"));
    const QVariant logo = browser.document()->resource(QTextDocument::ImageResource,
                                                       QUrl(QStringLiteral("help/logo.png")));
    QVERIFY(logo.isValid() && !logo.value<QImage>().isNull());
    browser.grab().save(QStringLiteral(SHOT_DIR "/help-page.png"));
}

void TestHelpPage::menuFindsThePageBesideTheProgram_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("file beside the program") << QStringLiteral("help-check.html") << true;
    QTest::newRow("missing file") << QStringLiteral("no-such-page.html") << false;
    QTest::newRow("path upwards") << QStringLiteral("../help-check.html") << false;
    QTest::newRow("sub folder") << QStringLiteral("help/logo.png") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("the folder itself") << QStringLiteral(".") << false;
}

void TestHelpPage::menuFindsThePageBesideTheProgram()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    // The services look beside the running program: this test's folder.
    const QDir here(QCoreApplication::applicationDirPath());
    QFile page(here.filePath(QStringLiteral("help-check.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();
    const QString url = SettingsClazz().applicationFileUrl(name);
    page.remove();
    if (!found) {
        QCOMPARE(url, QString());
        return;
    }
    QCOMPARE(QUrl(url), QUrl::fromLocalFile(here.filePath(name)));
}

QTEST_MAIN(TestHelpPage)

#include "tst_helppage.moc"
