#include "traycontroller.h"

#include "appidentity.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QQuickWindow>
#include <QSystemTrayIcon>

TrayController::TrayController(QObject *parent)
    : QObject(parent), m_tray(new QSystemTrayIcon(this)), m_menu(std::make_unique<QMenu>())
{
    m_toggleAction = m_menu->addAction(QCoreApplication::translate("main", "隐藏"));
    QAction *exitAction = m_menu->addAction(QCoreApplication::translate("main", "退出"));
    connect(m_toggleAction, &QAction::triggered, this, &TrayController::toggleWindow);
    connect(exitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
    m_tray->setContextMenu(m_menu.get());
    m_tray->setIcon(QIcon(QString::fromLatin1(AppIdentity::iconPath)));
}

TrayController::~TrayController() = default;

void TrayController::show()
{
    m_tray->show();
}

void TrayController::onObjectCreated(QObject *object, const QUrl &)
{
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window)
        return;
    window->setIcon(QIcon(QString::fromLatin1(AppIdentity::iconPath)));
    m_window = window;
}

void TrayController::toggleWindow()
{
    if (!m_window)
        return;
    if (m_window->isVisible()) {
        m_window->hide();
        m_toggleAction->setText(QCoreApplication::translate("main", "显示"));
    } else {
        m_window->show();
        m_window->raise();
        m_window->requestActivate();
        m_toggleAction->setText(QCoreApplication::translate("main", "隐藏"));
    }
}

void TrayController::present()
{
    if (!m_window)
        return;
    if (!m_window->isVisible()) {
        toggleWindow();
        return;
    }
    m_window->raise();
}

QString TrayController::toggleText() const
{
    return m_toggleAction->text();
}
