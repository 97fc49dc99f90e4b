#include "languagemanager.h"

#include <QDebug>

namespace {
LanguageManager *s_instance = nullptr;
}

LanguageManager *LanguageManager::instance()
{
    // Deliberately without a parent: it outlives the application object so that
    // late language notifications still have a sender.
    if (!s_instance)
        s_instance = new LanguageManager;
    return s_instance;
}

LanguageManager::LanguageManager()
{
    qDebug() << "LanguageManager created";
}

LanguageManager::~LanguageManager()
{
    qDebug() << "LanguageManager destroyed";
    if (s_instance == this)
        s_instance = nullptr;
}

void LanguageManager::notifyLanguageChanged(const QString &language)
{
    qDebug() << "Emitting languageChanged signal with language:" << language;
    emit languageChanged(language);
}
