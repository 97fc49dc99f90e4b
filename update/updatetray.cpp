#include "updatetray.h"

#include "updateidentity.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QQuickWindow>
#include <QSystemTrayIcon>

UpdateTray::UpdateTray(QObject *parent)
    : QObject(parent), m_tray(new QSystemTrayIcon(this)), m_menu(std::make_unique<QMenu>()),
      m_showAction(new QAction(QStringLiteral("显示"), this)),
      m_quitAction(new QAction(QStringLiteral("退出"), this))
{
    connect(m_quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
}

UpdateTray::~UpdateTray() = default;

void UpdateTray::onObjectCreated(QObject *object, const QUrl &)
{
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window)
        return;
    window->setIcon(QIcon(QString::fromLatin1(UpdateIdentity::iconPath)));
    connect(m_showAction, &QAction::triggered, window, [window] {
        window->show();
        window->raise();
        window->requestActivate();
    });
}

void UpdateTray::showIfAvailable()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_menu->addAction(m_showAction);
    m_menu->addAction(m_quitAction);
    m_tray->setContextMenu(m_menu.get());
    m_tray->setIcon(QIcon(QString::fromLatin1(UpdateIdentity::iconPath)));
    m_tray->show();
}
