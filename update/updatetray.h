#pragma once

#include <QObject>

#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QUrl;

// The updater's tray icon: "显示" brings the window back, "退出" ends the program.
// Without a system tray the actions exist but nothing is shown.
class UpdateTray : public QObject
{
    Q_OBJECT

public:
    explicit UpdateTray(QObject *parent = nullptr);
    ~UpdateTray() override;

    // Engine hook: a created Quick window gets the icon and becomes what "显示" shows.
    void onObjectCreated(QObject *object, const QUrl &url);
    // Adds the menu and shows the icon, when there is a system tray.
    void showIfAvailable();

    QAction *showAction() const { return m_showAction; }
    QAction *quitAction() const { return m_quitAction; }

private:
    QSystemTrayIcon *m_tray = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QAction *m_showAction = nullptr;
    QAction *m_quitAction = nullptr;
};
