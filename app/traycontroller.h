#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;
class QMenu;
class QQuickWindow;
class QSystemTrayIcon;
class QUrl;

// The tray icon with its menu: hide/show of the toolbar window, and exit.
class TrayController : public QObject
{
    Q_OBJECT

public:
    explicit TrayController(QObject *parent = nullptr);
    ~TrayController() override;

    void show();
    // Engine hook: a created root object that is a Quick window becomes the
    // window that the first entry hides and shows.
    void onObjectCreated(QObject *object, const QUrl &url);
    void toggleWindow();
    // Shows the window when hidden and brings it to the front.
    void present();

    QString toggleText() const;

private:
    QSystemTrayIcon *m_tray = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QAction *m_toggleAction = nullptr;
    QPointer<QQuickWindow> m_window;
};
