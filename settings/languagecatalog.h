#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// Translation files "app_<code>.qm": where they are, which languages they offer
// and how a language is named.
class LanguageCatalog
{
public:
    // Entries {"code", "name"}, resource files first, never empty.
    static QVariantList availableLanguages();
    // The language's own name: the shipped languages' from a table, others' from
    // the locale database, else the code.
    static QString languageName(const QString &code);
    // The file names QTranslator::load tries, in order, for "app_" + code,
    // stopping before the name loses its language part.
    static QStringList translationCandidates(const QString &code);
    // The system locale's name when a translation for it would load, else "zh_CN".
    static QString defaultLanguage();
    static QString defaultLanguage(const QString &localeName, const QString &folder);
};
