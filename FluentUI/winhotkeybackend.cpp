#include "winhotkeybackend.h"

#include <QCoreApplication>

#include <qt_windows.h>

namespace {

quint32 virtualKeyFor(int key, quint32 *extraModifiers)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return quint32(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Menu:
        return VK_APPS;
    default:
        break;
    }
    // Punctuation depends on the keyboard layout; ask it, including whether Shift is needed.
    if (key > 0x20 && key <= 0xff) {
        const SHORT scan = VkKeyScanW(WCHAR(key));
        if (scan == -1)
            return 0;
        if (HIBYTE(scan) & 1)
            *extraModifiers |= MOD_SHIFT;
        return LOBYTE(scan);
    }
    return 0;
}

} // namespace

WinHotkeyBackend::WinHotkeyBackend()
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WinHotkeyBackend::~WinHotkeyBackend()
{
    for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it)
        UnregisterHotKey(nullptr, it.value());
    if (auto *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

std::optional<NativeKey> WinHotkeyBackend::resolve(QKeyCombination combination) const
{
    quint32 modifiers = 0;
    const quint32 vk = virtualKeyFor(combination.key(), &modifiers);
    if (!vk)
        return std::nullopt;
    const Qt::KeyboardModifiers qtModifiers = combination.keyboardModifiers();
    if (qtModifiers & Qt::ShiftModifier)
        modifiers |= MOD_SHIFT;
    if (qtModifiers & Qt::ControlModifier)
        modifiers |= MOD_CONTROL;
    if (qtModifiers & Qt::AltModifier)
        modifiers |= MOD_ALT;
    if (qtModifiers & Qt::MetaModifier)
        modifiers |= MOD_WIN;
    return NativeKey{vk, modifiers};
}

bool WinHotkeyBackend::grab(const NativeKey &key)
{
    if (m_ids.contains(key))
        return true;
    // Ids for application hot keys must stay below 0xC000.
    const int id = m_nextId;
    m_nextId = m_nextId % 0xBFFF + 1;
    if (!RegisterHotKey(nullptr, id, UINT(key.modifiers | MOD_NOREPEAT), UINT(key.code)))
        return false;
    m_ids.insert(key, id);
    return true;
}

void WinHotkeyBackend::ungrab(const NativeKey &key)
{
    const auto it = m_ids.constFind(key);
    if (it == m_ids.cend())
        return;
    UnregisterHotKey(nullptr, it.value());
    m_ids.erase(it);
}

bool WinHotkeyBackend::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_HOTKEY)
        return false;
    // WM_HOTKEY carries the modifiers in the low word and the virtual key in the high word.
    const quint32 modifiers = LOWORD(msg->lParam) & (MOD_SHIFT | MOD_CONTROL | MOD_ALT | MOD_WIN);
    emit pressed(NativeKey{HIWORD(msg->lParam), modifiers});
    return true;
}
