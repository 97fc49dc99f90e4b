#include "hotkeyregistry.h"

#include "hotkeybackend.h"
#if defined(Q_OS_WIN)
#include "winhotkeybackend.h"
#elif defined(QUILLMARK_HOTKEYS_X11)
#include "x11hotkeybackend.h"
#endif

#include <QCoreApplication>
#include <QDebug>
#include <QKeySequence>

namespace {

HotkeyRegistry *theRegistry = nullptr;
bool shutDown = false;

void destroyRegistry()
{
    delete theRegistry;
    theRegistry = nullptr;
    shutDown = true;
}

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
    theRegistry = new HotkeyRegistry(createBackend());
    // Runs at the start of the application's destruction, while the window system
    // connection is still open.
    qAddPostRoutine(destroyRegistry);
    return theRegistry;
}

HotkeyRegistry::HotkeyRegistry(std::unique_ptr<HotkeyBackend> backend)
    : m_backend(std::move(backend))
{
    if (m_backend) {
        connect(m_backend.get(), &HotkeyBackend::pressed, this, &HotkeyRegistry::dispatch);
        connect(m_backend.get(), &HotkeyBackend::keyboardChanged, this, &HotkeyRegistry::rebind);
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

int HotkeyRegistry::acquire(const QString &sequence, const QString &owner)
{
    const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    const int key = parsed.count() == 1 ? parsed[0].key() : Qt::Key_unknown;
    if (parsed.count() != 1 || key == Qt::Key_unknown || key == 0 || isModifierKey(key)) {
        qWarning() << "热键无法解析:" << qUtf8Printable(describe(owner, sequence));
        return 0;
    }
    if (!m_backend)
        return 0;
    const std::optional<NativeKey> native = m_backend->resolve(parsed[0]);
    if (!native) {
        qWarning() << "热键在此键盘上没有对应按键:" << qUtf8Printable(describe(owner, sequence));
        return 0;
    }

    auto it = m_registrations.find(*native);
    if (it == m_registrations.end()) {
        Registration registration;
        if (!isSuspended()) {
            if (!m_backend->grab(*native)) {
                qWarning() << "热键已被其他程序占用:" << qUtf8Printable(describe(owner, sequence));
                return 0;
            }
            registration.grabbed = true;
        }
        it = m_registrations.insert(*native, registration);
    } else if (!it->grabbed && !isSuspended()) {
        // Lost on an earlier resume: the other program may have let go since.
        it->grabbed = m_backend->grab(*native);
        if (!it->grabbed) {
            qWarning() << "热键已被其他程序占用:" << qUtf8Printable(describe(owner, sequence));
            return 0;
        }
    }
    const int handle = m_nextHandle++;
    it->handles.append(handle);
    m_handles.insert(handle, *native);
    m_combinations.insert(handle, parsed[0]);
    m_owners.insert(handle, owner);
    return handle;
}

void HotkeyRegistry::release(int handle)
{
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
    if (m_suspendCount++ > 0)
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
    if (m_suspendCount == 0 || --m_suspendCount > 0)
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
