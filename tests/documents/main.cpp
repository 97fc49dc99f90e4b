#include "languagemanager.h"
#include "releasesigner.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlEngineExtensionPlugin>
#include <QQuickStyle>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Cpp_MyComponentsPlugin)
Q_IMPORT_QML_PLUGIN(FluentUIPlugin)

// Signs manifests for the update prompt's tests with the test build's key; fills
// in the serial and, for each listed file, a digest and size when they are missing.
class TestReleaseSigner : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString sign(const QString &manifestJson) const
    {
        QJsonObject manifest = QJsonDocument::fromJson(manifestJson.toUtf8()).object();
        if (!manifest.contains(QStringLiteral("serial")))
            manifest.insert(QStringLiteral("serial"), 1);
        if (!manifest.contains(QStringLiteral("sha256"))) {
            QJsonObject digests;
            QJsonObject sizes;
            for (const QJsonValue &name : manifest.value(QStringLiteral("files")).toArray()) {
                const QByteArray content = name.toString().toUtf8();
                digests.insert(
                    name.toString(),
                    QString::fromLatin1(
                        QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex()));
                sizes.insert(name.toString(), content.size());
            }
            manifest.insert(QStringLiteral("sha256"), digests);
            manifest.insert(QStringLiteral("size"), sizes);
        }
        return QString::fromUtf8(ReleaseSigner::envelope(manifest));
    }
};

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
        engine->rootContext()->setContextProperty(QStringLiteral("releaseSigner"), &m_signer);
    }

private:
    TestReleaseSigner m_signer;
};

QUICK_TEST_MAIN_WITH_SETUP(documents, Setup)

#include "main.moc"
