#include "settingsstore.h"

#include "apppaths.h"
#include "settingsfile.h"

#include <QDebug>
#include <QPoint>
#include <QSettings>
#include <QSize>

#include <array>
#include <utility>

namespace {

QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(SettingsStore::organisation),
                     QString::fromLatin1(SettingsStore::application));
}

// Sizes and points become plain maps so that the documents can read them.
QVariant toDocumentValue(const QVariant &value)
{
    if (value.canConvert<QSize>()) {
        const QSize size = value.toSize();
        return QVariantMap{{QStringLiteral("width"), size.width()},
                           {QStringLiteral("height"), size.height()}};
    }
    if (value.canConvert<QPoint>()) {
        const QPoint point = value.toPoint();
        return QVariantMap{{QStringLiteral("x"), point.x()}, {QStringLiteral("y"), point.y()}};
    }
    return value;
}

// Stores value under the "/"-separated key, creating (or replacing by) maps on the way.
void insertNested(QVariantMap &map, const QStringList &parts, const QVariant &value)
{
    if (parts.size() == 1) {
        map.insert(parts.first(), value);
        return;
    }
    const QString &head = parts.first();
    QVariantMap child;
    const auto it = map.constFind(head);
    if (it != map.constEnd() && it->typeId() == QMetaType::QVariantMap)
        child = it->toMap();
    insertNested(child, parts.mid(1), value);
    map.insert(head, child);
}

} // namespace

QVariantMap SettingsStore::allSettings() const
{
    QSettings settings = openStore();
    const QString appDir = AppPaths::nativeApplicationDir();
    qDebug() << "应用目录路径:" << appDir;
    qDebug() << "开始加载所有设置...";

    const QStringList keys = settings.allKeys();
    qDebug() << "发现" << keys.size() << "个设置项:" << keys;

    QVariantMap result;
    for (const QString &key : keys) {
        const QVariant value = settings.value(key);
        qDebug() << "加载设置:" << key << "值:" << value.toString();
        insertNested(result, key.split(QLatin1Char('/')), toDocumentValue(value));
    }

    QVariantMap defaults;
    const QString savePathKey = QStringLiteral("screenSavePath");
    const QVariant savePath = result.value(savePathKey);
    if (!savePath.isValid() || savePath.toString().isEmpty()) {
        const QString defaultPath = AppPaths::picturesDir();
        qDebug() << "设置默认屏幕保存路径:" << defaultPath;
        result.insert(savePathKey, defaultPath);
        defaults.insert(savePathKey, defaultPath);
    }

    static const std::array<std::pair<const char *, const char *>, 6> hotKeys{{
        {"clearKey", "Ctrl+L"},
        {"closeDrawKey", "Ctrl+Q"},
        {"eraseKey", "Ctrl+D"},
        {"penKey", "Ctrl+E"},
        {"screenKey", "Ctrl+P"},
        {"textKey", "Ctrl+T"},
    }};
    for (const auto &[name, sequence] : hotKeys) {
        const QString key = QString::fromLatin1(name);
        if (result.value(key).isValid())
            continue;
        const QString defaultSequence = QString::fromLatin1(sequence);
        qDebug() << "设置默认快捷键:" << key << "=" << defaultSequence;
        result.insert(key, defaultSequence);
        defaults.insert(key, defaultSequence);
    }

    if (!defaults.isEmpty()) {
        write([&defaults](QSettings &store) {
            for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
                store.setValue(it.key(), it.value());
        });
    }
    qDebug() << "所有设置加载完成，结果:" << result;
    return result;
}

bool SettingsStore::setValue(const QString &key, const QVariant &value) const
{
    return write([&](QSettings &store) { store.setValue(key, value); });
}

QVariant SettingsStore::value(const QString &key, const QVariant &defaultValue) const
{
    return openStore().value(key, defaultValue);
}

bool SettingsStore::remove(const QString &key) const
{
    return write([&](QSettings &store) { store.remove(key); });
}

bool SettingsStore::write(const std::function<void(QSettings &)> &change) const
{
#ifdef Q_OS_WIN
    // The registry: no file to write.
    QSettings settings = openStore();
    change(settings);
    settings.sync();
    return settings.status() == QSettings::NoError;
#else
    return SettingsFile(fileName()).change(change);
#endif
}

QString SettingsStore::fileName() const
{
    return openStore().fileName();
}
