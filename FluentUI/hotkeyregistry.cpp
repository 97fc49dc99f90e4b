#include "hotkeyregistry.h"

#include "hotkeybackend.h"
#if defined(Q_OS_WIN)
#include "winhotkeybackend.h"
#elif defined(QUILLMARK_HOTKEYS_X11)
#include "portalshortcuts.h"
#include "x11hotkeybackend.h"
#endif

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QKeySequence>
#include <QSet>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

HotkeyRegistry *theRegistry = nullptr;
bool shutDown = false;

void destroyRegistry()
{
    delete theRegistry;
    theRegistry = nullptr;
    shutDown = true;
}

#if defined(QUILLMARK_HOTKEYS_X11)
// On Wayland only the desktop sees every key: its GlobalShortcuts portal, when it has
// one, gets the keys. Elsewhere keys are grabbed.
PortalShortcuts *createPortal()
{
    if (!HotkeyRegistry::isWaylandSession())
        return nullptr;
    auto portal = std::make_unique<PortalShortcuts>();
    if (portal->portalVersion() == 0) {
        qWarning() << "Wayland 会话没有全局快捷键门户：热键只在 X11 窗口获得焦点时有效，"
                      "请在桌面的快捷键设置中绑定 --action 命令";
        return nullptr;
    }
    qDebug() << "热键由桌面的全局快捷键门户提供，版本" << portal->portalVersion();
    return portal.release();
}
#endif

std::unique_ptr<HotkeyBackend> createBackend()
{
#if defined(Q_OS_WIN)
    return std::make_unique<WinHotkeyBackend>();
#elif defined(QUILLMARK_HOTKEYS_X11)
    return X11HotkeyBackend::create();
#else
    return nullptr;
#endif
}

// "画笔 "Ctrl+E"" for named hot keys, the sequence alone otherwise.
QString describe(const QString &owner, const QString &sequence)
{
    const QString quoted = QLatin1Char('"') + sequence + QLatin1Char('"');
    return owner.isEmpty() ? quoted : owner + QLatin1Char(' ') + quoted;
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock;
}

} // namespace

HotkeyRegistry *HotkeyRegistry::instance()
{
    if (theRegistry || shutDown || !QCoreApplication::instance())
        return theRegistry;
#if defined(QUILLMARK_HOTKEYS_X11)
    if (PortalShortcuts *portal = createPortal())
        theRegistry = new HotkeyRegistry(nullptr, portal);
    else
#endif
        theRegistry = new HotkeyRegistry(createBackend());
    // Runs at the start of the application's destruction, while the window system
    // connection is still open.
    qAddPostRoutine(destroyRegistry);
    return theRegistry;
}

HotkeyRegistry::HotkeyRegistry(std::unique_ptr<HotkeyBackend> backend, PortalShortcuts *portal)
    : m_backend(std::move(backend)), m_portal(portal)
{
#if defined(QUILLMARK_HOTKEYS_X11)
    if (m_portal) {
        m_portal->setParent(this);
        connect(m_portal, &PortalShortcuts::activated, this, &HotkeyRegistry::portalActivated);
        connect(m_portal, &PortalShortcuts::triggersChanged, this,
                &HotkeyRegistry::triggersChanged);
        // A portal that offers the interface but cannot serve this desktop (another
        // desktop's back-end) leaves the keys to the grabs.
        connect(m_portal, &PortalShortcuts::failed, this, &HotkeyRegistry::fallBackFromPortal);
        return;
    }
#endif
    if (m_backend) {
        connect(m_backend.get(), &HotkeyBackend::pressed, this, &HotkeyRegistry::dispatch);
        connect(m_backend.get(), &HotkeyBackend::keyboardChanged, this, &HotkeyRegistry::rebind);
        // While one of the program's own modal dialogs (a file chooser) has the keyboard,
        // its keys are the dialog's: Ctrl+A selects the name there instead of picking the
        // arrow behind it.
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] {
                const bool modal = QGuiApplication::modalWindow() != nullptr;
                if (modal == m_suspendedForDialog)
                    return;
                m_suspendedForDialog = modal;
                modal ? suspend() : resume();
            });
        }
    } else
        qWarning() << "系统热键在此平台不可用";
}

HotkeyRegistry::~HotkeyRegistry()
{
    if (!m_backend)
        return;
    for (auto it = m_registrations.cbegin(); it != m_registrations.cend(); ++it) {
        if (it->grabbed)
            m_backend->ungrab(it.key());
    }
}

QString HotkeyRegistry::mode() const
{
    if (m_portal)
        return QStringLiteral("portal");
    if (!m_backend)
        return QStringLiteral("none");
#if defined(Q_OS_WIN)
    return QStringLiteral("windows");
#else
    return QStringLiteral("x11");
#endif
}

bool HotkeyRegistry::isWaylandSession()
{
#if defined(Q_OS_WIN)
    return false;
#else
    const QString type = qEnvironmentVariable("XDG_SESSION_TYPE");
    if (!type.isEmpty())
        return type.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

QHash<QString, QString> HotkeyRegistry::triggers() const
{
#if defined(QUILLMARK_HOTKEYS_X11)
    if (m_portal)
        return m_portal->triggers();
#endif
    return {};
}

bool HotkeyRegistry::canConfigure() const
{
#if defined(QUILLMARK_HOTKEYS_X11)
    return m_portal && m_portal->portalVersion() >= 2;
#else
    return false;
#endif
}

bool HotkeyRegistry::configure()
{
#if defined(QUILLMARK_HOTKEYS_X11)
    return m_portal && m_portal->configure();
#else
    return false;
#endif
}

void HotkeyRegistry::publishToPortal()
{
#if defined(QUILLMARK_HOTKEYS_X11)
    // One shortcut per id, in the order the keys were asked for.
    QList<int> handles = m_portalClaims.keys();
    std::sort(handles.begin(), handles.end());
    QList<PortalShortcuts::Shortcut> shortcuts;
    QSet<QString> seen;
    for (const int handle : std::as_const(handles)) {
        const PortalClaim &claim = m_portalClaims[handle];
        if (claim.id.isEmpty() || seen.contains(claim.id))
            continue;
        seen.insert(claim.id);
        shortcuts.append({claim.id, claim.owner.isEmpty() ? claim.id : claim.owner,
                          PortalShortcuts::triggerFor(claim.sequence)});
    }
    m_portal->setShortcuts(shortcuts);
#endif
}

void HotkeyRegistry::portalActivated(const QString &id)
{
    QList<int> handles;
    for (auto it = m_portalClaims.cbegin(); it != m_portalClaims.cend(); ++it) {
        if (it->id == id)
            handles.append(it.key());
    }
    std::sort(handles.begin(), handles.end());
    for (const int handle : std::as_const(handles)) {
        if (m_portalClaims.contains(handle))
            emit activated(handle);
    }
}

int HotkeyRegistry::acquire(const QString &sequence, const QString &owner, const QString &id)
{
    const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    const int key = parsed.count() == 1 ? parsed[0].key() : Qt::Key_unknown;
    if (parsed.count() != 1 || key == Qt::Key_unknown || key == 0 || isModifierKey(key)) {
        qWarning() << "热键无法解析:" << qUtf8Printable(describe(owner, sequence));
        return 0;
    }
    if (m_portal) {
        const int handle = m_nextHandle++;
        m_portalClaims.insert(handle, {id, owner, sequence});
        if (!id.isEmpty())
            publishToPortal();
        return handle;
    }
    const int handle = m_nextHandle;
    if (!acquireNative(handle, parsed[0], owner, sequence))
        return 0;
    ++m_nextHandle;
    return handle;
}

bool HotkeyRegistry::acquireNative(int handle, QKeyCombination combination, const QString &owner,
                                   const QString &sequence)
{
    if (!m_backend)
        return false;
    const std::optional<NativeKey> native = m_backend->resolve(combination);
    if (!native) {
        qWarning() << "热键在此键盘上没有对应按键:" << qUtf8Printable(describe(owner, sequence));
        return false;
    }

    auto it = m_registrations.find(*native);
    if (it == m_registrations.end()) {
        Registration registration;
        if (!isSuspended()) {
            if (!m_backend->grab(*native)) {
                qWarning() << "热键已被其他程序占用:" << qUtf8Printable(describe(owner, sequence));
                return false;
            }
            registration.grabbed = true;
        }
        it = m_registrations.insert(*native, registration);
    } else if (!it->grabbed && !isSuspended()) {
        // Lost on an earlier resume: the other program may have let go since.
        it->grabbed = m_backend->grab(*native);
        if (!it->grabbed) {
            qWarning() << "热键已被其他程序占用:" << qUtf8Printable(describe(owner, sequence));
            return false;
        }
    }
    it->handles.append(handle);
    m_handles.insert(handle, *native);
    m_combinations.insert(handle, combination);
    m_owners.insert(handle, owner);
    return true;
}

void HotkeyRegistry::fallBackFromPortal()
{
#if defined(QUILLMARK_HOTKEYS_X11)
    if (!m_portal)
        return;
    qWarning() << "全局快捷键门户不可用：热键只在 X11 窗口获得焦点时有效，"
                  "请在桌面的快捷键设置中绑定 --action 命令";
    m_portal->deleteLater();
    m_portal = nullptr;
    m_backend = createBackend();
    if (m_backend) {
        connect(m_backend.get(), &HotkeyBackend::pressed, this, &HotkeyRegistry::dispatch);
        connect(m_backend.get(), &HotkeyBackend::keyboardChanged, this, &HotkeyRegistry::rebind);
    }
    // The same handles, now grabbed where the window system lets the program grab.
    const QHash<int, PortalClaim> claims = std::exchange(m_portalClaims, {});
    for (auto it = claims.cbegin(); it != claims.cend(); ++it) {
        const QKeySequence parsed =
            QKeySequence::fromString(it->sequence, QKeySequence::PortableText);
        acquireNative(it.key(), parsed[0], it->owner, it->sequence);
    }
    emit modeChanged();
    emit triggersChanged();
#endif
}

void HotkeyRegistry::release(int handle)
{
    if (m_portal) {
        const PortalClaim claim = m_portalClaims.take(handle);
        if (!claim.id.isEmpty())
            publishToPortal();
        return;
    }
    m_combinations.remove(handle);
    m_owners.remove(handle);
    const auto handleIt = m_handles.constFind(handle);
    if (handleIt == m_handles.cend())
        return;
    const NativeKey native = handleIt.value();
    m_handles.erase(handleIt);
    auto it = m_registrations.find(native);
    if (it == m_registrations.end())
        return;
    it->handles.removeOne(handle);
    if (!it->handles.isEmpty())
        return;
    if (it->grabbed)
        m_backend->ungrab(native);
    m_registrations.erase(it);
}

void HotkeyRegistry::suspend()
{
    // The desktop owns the keys behind the portal: nothing to give back.
    if (m_suspendCount++ > 0 || !m_backend)
        return;
    for (auto it = m_registrations.begin(); it != m_registrations.end(); ++it) {
        if (it->grabbed) {
            m_backend->ungrab(it.key());
            it->grabbed = false;
        }
    }
}

void HotkeyRegistry::resume()
{
    if (m_suspendCount == 0 || --m_suspendCount > 0 || !m_backend)
        return;
    grabAll();
}

void HotkeyRegistry::grabAll()
{
    for (auto it = m_registrations.begin(); it != m_registrations.end(); ++it) {
        if (it->grabbed)
            continue;
        it->grabbed = m_backend->grab(it.key());
        if (!it->grabbed)
            qWarning() << "热键已被其他程序占用:" << it->handles.size() << "个热键未能恢复";
    }
}

void HotkeyRegistry::rebind()
{
    // Grabs are by key code: after a map change the old codes may carry other symbols.
    for (auto it = m_registrations.cbegin(); it != m_registrations.cend(); ++it) {
        if (it->grabbed)
            m_backend->ungrab(it.key());
    }
    m_registrations.clear();
    m_handles.clear();
    for (auto it = m_combinations.cbegin(); it != m_combinations.cend(); ++it) {
        const std::optional<NativeKey> native = m_backend->resolve(it.value());
        if (!native) {
            qWarning() << "热键在此键盘上没有对应按键:"
                       << qUtf8Printable(describe(m_owners.value(it.key()),
                                                  QKeySequence(it.value()).toString()));
            continue;
        }
        m_registrations[*native].handles.append(it.key());
        m_handles.insert(it.key(), *native);
    }
    if (!isSuspended())
        grabAll();
    qDebug() << "键盘布局已更改，热键已重新注册";
}

void HotkeyRegistry::dispatch(const NativeKey &key)
{
    const auto it = m_registrations.constFind(key);
    if (it == m_registrations.cend() || !it->grabbed)
        return;
    // A handler may release or acquire hot keys; work on a copy.
    const QList<int> handles = it->handles;
    for (const int handle : handles) {
        if (m_handles.contains(handle))
            emit activated(handle);
    }
}
