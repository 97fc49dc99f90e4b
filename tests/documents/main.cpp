#include "languagemanager.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlEngineExtensionPlugin>
#include <QQuickStyle>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Cpp_MyComponentsPlugin)
Q_IMPORT_QML_PLUGIN(FluentUIPlugin)

// Gives the documents what the program gives them at start-up: the style, the
// modules in the resources and the language notifier.
class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("tallowby"));
        QQuickStyle::setStyle(QStringLiteral("Material"));
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
        engine->rootContext()->setContextProperty(QStringLiteral("LanguageManager"),
                                                  LanguageManager::instance());
    }
};

QUICK_TEST_MAIN_WITH_SETUP(documents, Setup)

#include "main.moc"
