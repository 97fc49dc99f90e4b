#include "startupnotice.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QVariantMap>

namespace StartupNotice {

void showNoTray(QQmlEngine &engine, QObject *toolbar)
{
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/notice.qml")));
    const QVariantMap properties{
        {QStringLiteral("toolbar"), QVariant::fromValue(toolbar)},
        {QStringLiteral("text"),
         QCoreApplication::translate("main", "没有系统托盘：请通过工具栏菜单中的“退出”结束程序。")},
        {QStringLiteral("detail"),
         QCoreApplication::translate(
             "main", "要显示托盘图标，请安装托盘扩展（GNOME："
                     "AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。")},
    };
    QObject *notice = component.createWithInitialProperties(properties);
    if (!notice) {
        qWarning() << "Cannot show the no-tray notice:" << component.errorString();
        return;
    }
    // Hidden once read; it lives as long as the engine.
    QQmlEngine::setObjectOwnership(notice, QQmlEngine::CppOwnership);
    notice->QObject::setParent(&engine);
    // Later notices line up below this one instead of covering it.
    if (!toolbar->setProperty("trayNotice",
                              QVariant::fromValue(qobject_cast<QQuickWindow *>(notice))))
        qWarning() << "The toolbar does not know the no-tray notice";
}

} // namespace StartupNotice
