// The help page shipped in the application directory: it loads, every picture
// it shows is there, it covers every hot key and every toolbar icon of the
// toolbar document in both languages, and the menu finds it.
#include "settingsclazz.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
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
    void picturesExist();
    void hotKeysAreExplained_data();
    void hotKeysAreExplained();
    void everyToolbarIconIsPictured();
    void rendersWithItsPictures();
    void menuFindsThePageBesideTheProgram_data();
    void menuFindsThePageBesideTheProgram();

private:
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

void TestHelpPage::picturesExist()
{
    const QStringList tags = matches(m_page, QStringLiteral("(<img[^>]*>)"));
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
    const QRegularExpression hotkey(QString::fromUtf8(
        R"re(FluHotkey\s*\{\s*name:\s*qsTr\("([^"]+)"\)\s*sequence:\s*hotkeys\.sequenceFor\("\w+",\s*"([^"]*)"\))re"));
    auto it = hotkey.globalMatch(m_toolbar);
    int count = 0;
    while (it.hasNext()) {
        const auto match = it.next();
        QTest::newRow(qPrintable(match.captured(1))) << match.captured(1) << match.captured(2);
        ++count;
    }
    QCOMPARE(count, 15);
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

void TestHelpPage::everyToolbarIconIsPictured()
{
    const QStringList names = matches(m_page, QStringLiteral("src=\"help/(\\w+)\\.png\""));
    const QSet<QString> pictured(names.begin(), names.end());
    const QStringList icons = matches(m_toolbar, QStringLiteral("qrc:/icons/(\\w+)\\.png"));
    QVERIFY(icons.size() > 20);
    for (const QString &icon : icons)
        QVERIFY2(pictured.contains(icon), qPrintable(icon));
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
