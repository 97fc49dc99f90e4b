#include "translationloader.h"

#include "apppaths.h"
#include "languagemanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
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

    if (translator->load(fileName, folder)) {
        QCoreApplication::installTranslator(translator);
        qDebug() << "Translation loaded successfully:" << fileName;
        LanguageManager::instance()->notifyLanguageChanged(code);
    } else {
        qDebug() << "Failed to load translation:" << fileName;
        translator->deleteLater();
    }
}
