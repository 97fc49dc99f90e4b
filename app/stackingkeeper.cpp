#include "stackingkeeper.h"

#include "stackingbackend.h"
#if !defined(Q_OS_WIN)
#include "x11stackingbackend.h"
#endif

#include <QDebug>
#include <QGuiApplication>
#include <QLoggingCategory>

// QT_LOGGING_RULES="quillmark.stacking.debug=true" shows every restack with the order
// the window manager reported.
Q_LOGGING_CATEGORY(lcStacking, "quillmark.stacking", QtWarningMsg)

namespace {

// A window manager that answers every raise with another change must not keep
// the program busy: after this many mends in a row it is left alone until the
// order is right once more.
constexpr int maxFixesInARow = 20;

std::unique_ptr<StackingBackend> createBackend()
{
#if defined(Q_OS_WIN)
    return nullptr; // the always-on-top flags keep the order there
#else
    return X11StackingBackend::create();
#endif
}

} // namespace

StackingKeeper::StackingKeeper(const QString &overlayTitle, QObject *parent)
    : QObject(parent), m_overlayTitle(overlayTitle), m_backend(createBackend())
{
    if (!m_backend)
        return;
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(30);
    connect(&m_debounce, &QTimer::timeout, this, &StackingKeeper::enforce);
    connect(m_backend.get(), &StackingBackend::changed, this, &StackingKeeper::schedule);
    // Windows of this program appear and change flags without any root change.
    m_safetyNet.setInterval(1000);
    connect(&m_safetyNet, &QTimer::timeout, this, &StackingKeeper::schedule);
    m_safetyNet.start();
}

StackingKeeper::~StackingKeeper() = default;

void StackingKeeper::onObjectCreated(QObject *object)
{
    if (auto *window = qobject_cast<QWindow *>(object); window && !m_toolbar) {
        m_toolbar = window;
        schedule();
    }
}

void StackingKeeper::schedule()
{
    if (m_backend && !m_debounce.isActive())
        m_debounce.start();
}

QList<QWindow *> StackingKeeper::overlays() const
{
    QList<QWindow *> found;
    const QList<QWindow *> windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (window->isVisible() && window->title() == m_overlayTitle)
            found.append(window);
    }
    return found;
}

bool StackingKeeper::enforce()
{
    if (!m_backend)
        return true;
    // A modal dialog (a file chooser) is the window manager's to keep in front:
    // restacking the overlay and the toolbar around it makes openbox take windows
    // off the screen and map them again, and an overlay may then stop drawing.
    if (QGuiApplication::modalWindow())
        return true;
    // A restack in the middle of a drag can take the pointer from it (the rest of a
    // stroke is lost): the order is mended once the button is up.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        m_debounce.start();
        return true;
    }
    QWindow *toolbar = m_toolbar && m_toolbar->isVisible() ? m_toolbar.data() : nullptr;
    // Windows that bypass the window manager (under XWayland) lie above every managed
    // one already; asking a compositor to restack them only starts a fight.
    if (m_toolbar && m_toolbar->flags().testFlag(Qt::BypassWindowManagerHint))
        return true;
    // One overlay per screen: all of them lie below the toolbar, in any order among
    // themselves. Raising one above the toolbar as if it were a dialog would start a
    // fight with the window manager, and every restack risks the pointer of a drag.
    const QList<QWindow *> covers = overlays();
    if (!toolbar && covers.isEmpty())
        return true;

    QList<WId> keep; // bottom to top
    // The toolbar is a transient of the overlay that leads, and window managers keep a
    // transient right above its parent: that overlay goes up last, or any overlay raised
    // after it would cover the toolbar for good.
    const QWindow *lead = toolbar ? toolbar->transientParent() : nullptr;
    QList<QWindow *> ordered;
    for (QWindow *cover : covers) {
        if (cover != lead)
            ordered.append(cover);
    }
    for (QWindow *cover : covers) {
        if (cover == lead)
            ordered.append(cover);
    }
    for (const QWindow *cover : std::as_const(ordered))
        keep.append(cover->winId());
    const qsizetype coverCount = keep.size();
    if (toolbar)
        keep.append(toolbar->winId());
    // Later changes of the windows' flags may drop the layer again.
    for (const WId id : std::as_const(keep)) {
        if (!m_backend->isAbove(id))
            m_backend->setAbove(id);
    }

    const QList<WId> order = m_backend->stackingOrder();
    QList<WId> ownWindows;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && window->handle() && order.contains(window->winId()))
            ownWindows.append(window->winId());
    }
    // The program's dialogs and pop-ups share the layer, so that they can stay above.
    for (const WId id : std::as_const(ownWindows)) {
        if (!keep.contains(id) && !m_backend->isAbove(id))
            m_backend->setAbove(id);
    }
    // Every window of another program must lie below the lowest kept window, and
    // the kept windows must lie in their order.
    qsizetype lowestKept = order.size();
    for (const WId id : std::as_const(keep)) {
        const qsizetype at = order.indexOf(id);
        if (at < 0)
            return true; // not managed yet: its mapping will report again
        lowestKept = std::min(lowestKept, at);
    }
    bool inOrder = true;
    for (qsizetype i = lowestKept + 1; inOrder && i < order.size(); ++i) {
        if (!ownWindows.contains(order.at(i)))
            inOrder = false;
    }
    // Each overlay of the toolbar's screen below the toolbar. The overlays of other
    // screens never cover it, and openbox may keep one of them in its full-screen layer,
    // out of reach of any raise: asking for an order nobody sees only starts a fight.
    if (toolbar) {
        const qsizetype toolbarAt = order.indexOf(keep.constLast());
        for (qsizetype i = 0; inOrder && i < coverCount; ++i) {
            if (ordered.at(i)->screen() == toolbar->screen() &&
                order.indexOf(keep.at(i)) > toolbarAt)
                inOrder = false;
        }
    }
    const qsizetype topKept = order.indexOf(keep.constLast());
    for (const WId id : std::as_const(ownWindows)) {
        if (inOrder && !keep.contains(id) && order.indexOf(id) < topKept)
            inOrder = false;
    }
    if (inOrder) {
        m_fixesInARow = 0;
        return true;
    }
    if (m_fixesInARow >= maxFixesInARow)
        return false;
    if (++m_fixesInARow == maxFixesInARow)
        qWarning() << "The window manager keeps changing the stacking order; giving up for now";

    if (lcStacking().isDebugEnabled()) {
        const auto describe = [](WId id) {
            for (const QWindow *window : QGuiApplication::topLevelWindows()) {
                if (window->handle() && window->winId() == id)
                    return QStringLiteral("%1 %2").arg(id, 0, 16).arg(window->title());
            }
            return QString::number(id, 16);
        };
        QStringList now, wanted;
        for (const WId id : order)
            now << describe(id);
        for (const WId id : std::as_const(keep))
            wanted << describe(id);
        qCDebug(lcStacking) << "restacking; bottom to top now:" << now << "kept:" << wanted;
    }
    for (const WId id : std::as_const(keep))
        m_backend->raise(id);
    // The program's own dialogs and pop-ups stay above the toolbar.
    for (const WId id : std::as_const(ownWindows)) {
        if (!keep.contains(id))
            m_backend->raise(id);
    }
    return false;
}
