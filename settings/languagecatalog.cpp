#include "languagecatalog.h"

#include "apppaths.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QVariantMap>

namespace {

const QString fallbackLanguage = QStringLiteral("zh_CN");

QStringList translationFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("app_*.qm")}, QDir::Files, QDir::Name);
}

} // namespace

QVariantList LanguageCatalog::availableLanguages()
{
    qDebug() << "查找可用语言文件...";
    const QStringList resourceFiles = translationFiles(QStringLiteral(":/translations"));
    qDebug() << "资源中发现的语言文件:" << resourceFiles;
    const QString folder = AppPaths::translationsDir();
    const QStringList folderFiles = translationFiles(folder);
    qDebug() << "应用程序目录中发现的语言文件:" << folderFiles << "路径:" << folder;

    QStringList files = resourceFiles + folderFiles;
    files.removeDuplicates();

    QVariantList languages;
    if (files.isEmpty()) {
        qDebug() << "未找到语言文件，添加默认语言";
        languages << QVariantMap{{QStringLiteral("code"), fallbackLanguage},
                                 {QStringLiteral("name"), QStringLiteral("简体中文")}};
        languages << QVariantMap{{QStringLiteral("code"), QStringLiteral("en")},
                                 {QStringLiteral("name"), QStringLiteral("English")}};
        return languages;
    }
    // The built-in texts need no file; without this entry a user who left them could
    // never choose them again.
    if (!files.contains(QStringLiteral("app_%1.qm").arg(fallbackLanguage)))
        languages << QVariantMap{{QStringLiteral("code"), fallbackLanguage},
                                 {QStringLiteral("name"), QStringLiteral("简体中文")}};
    for (const QString &file : std::as_const(files)) {
        const QString code = file.mid(4, file.size() - 4 - 3);
        languages << QVariantMap{{QStringLiteral("code"), code},
                                 {QStringLiteral("name"), languageName(code)}};
    }
    qDebug() << "找到" << languages.size() << "种语言";
    return languages;
}

QString LanguageCatalog::languageName(const QString &code)
{
    // The shipped languages by the names their speakers look for in a list: the
    // locale database says "American English", "español de España" or "français".
    static const QHash<QString, QString> shipped{
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("ar"), QStringLiteral("العربية")},
    };
    const QString known = shipped.value(code);
    if (!known.isEmpty())
        return known;
    const QString native = QLocale(code).nativeLanguageName();
    return native.isEmpty() ? code : native;
}

QStringList LanguageCatalog::translationCandidates(const QString &code)
{
    const QString prefix = QStringLiteral("app_");
    QString name = prefix + code;
    QStringList candidates;
    while (name.size() > prefix.size()) {
        candidates << name + QStringLiteral(".qm") << name;
        const qsizetype cut =
            std::max(name.lastIndexOf(QLatin1Char('_')), name.lastIndexOf(QLatin1Char('.')));
        if (cut < prefix.size())
            break;
        name.truncate(cut);
    }
    return candidates;
}

QString LanguageCatalog::defaultLanguage()
{
    return defaultLanguage(QLocale::system().name(), AppPaths::translationsDir());
}

QString LanguageCatalog::defaultLanguage(const QString &localeName, const QString &folder)
{
    // The translator falls back from app_en_US to app_en.qm, so such a file
    // makes the locale's language available as well.
    const QStringList candidates = translationCandidates(localeName);
    for (const QString &candidate : candidates) {
        if (QFileInfo(folder + QLatin1Char('/') + candidate).isFile())
            return localeName;
    }
    return fallbackLanguage;
}
