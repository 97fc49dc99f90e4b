#include "screengrabber.h"

#include <QDebug>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QUrl>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include "portalrequest.h"
#endif

namespace {

constexpr int portalTimeoutMs = 20000;

QString unreadable()
{
    return QCoreApplication::translate("ScreenGrabber", "此 Wayland 会话无法读取屏幕（缺少截图门户 "
                                                        "xdg-desktop-portal 或其后端）");
}

} // namespace

bool ScreenGrabber::usesPortal()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariable("XDG_SESSION_TYPE")
                   .compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

bool ScreenGrabber::isBlack(const QImage &picture)
{
    if (picture.isNull())
        return true;
    const int stepX = qMax(1, picture.width() / 64);
    const int stepY = qMax(1, picture.height() / 64);
    for (int y = 0; y < picture.height(); y += stepY) {
        for (int x = 0; x < picture.width(); x += stepX) {
            const QRgb pixel = picture.pixel(x, y);
            if (qRed(pixel) > 8 || qGreen(pixel) > 8 || qBlue(pixel) > 8)
                return false;
        }
    }
    return true;
}

QImage ScreenGrabber::cropToScreen(const QImage &desktop, const QScreen *screen)
{
    if (!screen || desktop.isNull())
        return desktop;
    const QRect all = screen->virtualGeometry();
    if (all.width() <= 0 || all.height() <= 0)
        return desktop;
    // The portal's picture spans the desktop at the outputs' own resolution.
    const qreal scaleX = qreal(desktop.width()) / all.width();
    const qreal scaleY = qreal(desktop.height()) / all.height();
    const QRect area = screen->geometry().translated(-all.topLeft());
    const QRect part(qRound(area.x() * scaleX), qRound(area.y() * scaleY),
                     qRound(area.width() * scaleX), qRound(area.height() * scaleY));
    return desktop.copy(part.intersected(desktop.rect()));
}

void ScreenGrabber::grab(QScreen *screen, QObject *context, const Done &done)
{
    if (!screen) {
        done({}, QStringLiteral("no screen"));
        return;
    }
    if (!usesPortal()) {
        done(screen->grabWindow(0, 0, 0, -1, -1).toImage(), {});
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    auto *request = new PortalRequest(QDBusConnection::sessionBus(), context);
    const QPointer<QScreen> target(screen);
    QObject::connect(
        request, &PortalRequest::finished, context,
        [request, target, done](PortalRequest::Outcome outcome, const QVariantMap &results) {
            request->deleteLater();
            if (outcome != PortalRequest::Outcome::Success) {
                qWarning() << "Screenshot portal:" << outcome << request->error();
                done({}, outcome == PortalRequest::Outcome::Cancelled
                             ? QCoreApplication::translate("ScreenGrabber", "截图已取消")
                             : unreadable());
                return;
            }
            const QUrl uri(results.value(QStringLiteral("uri")).toString());
            const QImage desktop(uri.toLocalFile());
            if (desktop.isNull() || isBlack(desktop)) {
                qWarning() << "Screenshot portal: no picture of the screen in" << uri;
                done({}, unreadable());
                return;
            }
            done(cropToScreen(desktop, target), {});
        });
    request->start(QStringLiteral("org.freedesktop.portal.Screenshot"),
                   QStringLiteral("Screenshot"), {QString()},
                   {{QStringLiteral("interactive"), false}, {QStringLiteral("modal"), false}},
                   portalTimeoutMs);
#else
    Q_UNUSED(context);
#endif
}
