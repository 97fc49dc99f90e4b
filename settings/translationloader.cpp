#include "translationloader.h"

#include "apppaths.h"
#include "languagemanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

void loadTranslation(QObject *parent, const QString &code)
{
    const QList<QTranslator *> old = parent->findChildren<QTranslator *>();
    for (QTranslator *translator : old) {
        QCoreApplication::removeTranslator(translator);
        translator->deleteLater();
    }

    auto *translator = new QTranslator(parent);
    const QString fileName = QStringLiteral("app_") + code;
    const QString folder = AppPaths::translationsDir();
    qDebug() << "Looking for translation:" << fileName << "in" << folder;

    if (!QDir(folder).exists()) {
        qDebug() << "Translations directory does not exist!";
        QDir().mkpath(folder);
    }

    const bool loaded = translator->load(fileName, folder);
    // Arabic lays the windows out from the right; the built-in Chinese from the left.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(loaded ? QLocale(code).textDirection()
                                                   : Qt::LeftToRight);
    if (loaded) {
        QCoreApplication::installTranslator(translator);
        qDebug() << "Translation loaded successfully:" << fileName;
        LanguageManager::instance()->notifyLanguageChanged(code);
    } else {
        qDebug() << "Failed to load translation:" << fileName;
        translator->deleteLater();
    }
}
