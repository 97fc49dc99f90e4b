// Every translation file against the texts of the sources: the texts are extracted
// again into a scratch copy of each file, which must then hold no text left to
// translate, no entry whose text has gone from the sources, and no translation that
// lost or invented an argument (%1, %2 ...). The languages the program ships are
// all there.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Entry> readEntries(const QString &path, QString *language)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entries << entry;
        }
    }
    if (xml.hasError())
        entries.clear();
    return entries;
}

// The arguments a text takes, each once: "%1 of %2, %1" gives {%1, %2}.
QSet<QString> argumentsOf(const QString &text)
{
    QSet<QString> found;
    static const QRegularExpression argument(QStringLiteral("%L?([1-9][0-9]?)"));
    auto it = argument.globalMatch(text);
    while (it.hasNext())
        found.insert(QLatin1Char('%') + it.next().captured(1));
    return found;
}

QString describe(const Entry &entry)
{
    return entry.context + QLatin1String(": ") + entry.source;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageShips();
    void complete_data();
    void complete();

private:
    QDir m_folder{QStringLiteral(TS_DIR)};
};

void TestTranslations::everyLanguageShips()
{
    const QStringList files = m_folder.entryList({QStringLiteral("app_*.ts")}, QDir::Files);
    for (const char *code : {"en", "de", "fr", "es", "pt_BR", "ja", "ko", "ru", "zh_TW", "ar"})
        QVERIFY2(files.contains(QStringLiteral("app_%1.ts").arg(QLatin1String(code))), code);
    // And each one compiled beside the programs, where the settings offer it.
    for (const QString &file : files) {
        const QString compiled = QStringLiteral(QM_DIR "/") + QString(file).replace(".ts", ".qm");
        QVERIFY2(QFile::exists(compiled), qPrintable(compiled));
    }
}

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : m_folder.entryList({QStringLiteral("app_*.ts")}, QDir::Files))
        QTest::newRow(qPrintable(file)) << file;
}

void TestTranslations::complete()
{
    QFETCH(QString, file);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString copy = scratch.filePath(file);
    QVERIFY(QFile::copy(m_folder.filePath(file), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("@" SOURCE_LIST), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

    QString language;
    const QList<Entry> entries = readEntries(copy, &language);
    QVERIFY2(!entries.isEmpty(), "no entries, or not a readable translation file");
    QCOMPARE(language, file.mid(4, file.size() - 7));

    QStringList faults;
    for (const Entry &entry : entries) {
        if (entry.type == QLatin1String("unfinished"))
            faults << QStringLiteral("not translated: ") + describe(entry);
        else if (entry.type == QLatin1String("vanished") || entry.type == QLatin1String("obsolete"))
            faults << QStringLiteral("no longer in the sources: ") + describe(entry);
        else if (entry.translation.trimmed().isEmpty())
            faults << QStringLiteral("empty: ") + describe(entry);
        else if (argumentsOf(entry.source) != argumentsOf(entry.translation))
            faults << QStringLiteral("arguments differ: ") + describe(entry) +
                          QLatin1String(" -> ") + entry.translation;
    }
    QVERIFY2(faults.isEmpty(),
             qPrintable(QStringLiteral("%1 (refresh with the update_translations target, then "
                                       "translate):\n")
                            .arg(file) +
                        faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)

#include "tst_translations.moc"
