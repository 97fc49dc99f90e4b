#pragma once

#include <QObject>

// Tells the documents that a translation was installed. Exactly one exists; it
// lives until the process ends.
class LanguageManager : public QObject
{
    Q_OBJECT

public:
    static LanguageManager *instance();
    ~LanguageManager() override;

    void notifyLanguageChanged(const QString &language);

signals:
    void languageChanged(const QString &language);

private:
    LanguageManager();
};
