#include "x11hotkeybackend.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <cstring>

namespace {

// XKEYBOARD event subtypes (xkb.h), in the byte after the response type.
constexpr quint8 xkbNewKeyboardNotify = 0;
constexpr quint8 xkbMapNotify = 1;

// Modifiers a hot key may carry; everything else in an event's state (locks, pointer
// buttons) is ignored when matching a press.
constexpr quint16 hotkeyModifierMask =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

quint32 keysymFor(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return XK_a + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape:
        return XK_Escape;
    case Qt::Key_Tab:
        return XK_Tab;
    case Qt::Key_Backspace:
        return XK_BackSpace;
    case Qt::Key_Return:
        return XK_Return;
    case Qt::Key_Enter:
        return XK_KP_Enter;
    case Qt::Key_Insert:
        return XK_Insert;
    case Qt::Key_Delete:
        return XK_Delete;
    case Qt::Key_Pause:
        return XK_Pause;
    case Qt::Key_Print:
        return XK_Print;
    case Qt::Key_Home:
        return XK_Home;
    case Qt::Key_End:
        return XK_End;
    case Qt::Key_Left:
        return XK_Left;
    case Qt::Key_Up:
        return XK_Up;
    case Qt::Key_Right:
        return XK_Right;
    case Qt::Key_Down:
        return XK_Down;
    case Qt::Key_PageUp:
        return XK_Prior;
    case Qt::Key_PageDown:
        return XK_Next;
    case Qt::Key_Menu:
        return XK_Menu;
    default:
        break;
    }
    // Latin-1 keys (digits, punctuation, space) share their code with their keysym.
    if (key >= 0x20 && key <= 0xff)
        return quint32(key);
    return 0;
}

} // namespace

void X11HotkeyBackend::SymbolsDeleter::operator()(_XCBKeySymbols *symbols) const
{
    xcb_key_symbols_free(symbols);
}

std::unique_ptr<X11HotkeyBackend> X11HotkeyBackend::create()
{
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t *connection = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    return std::unique_ptr<X11HotkeyBackend>(new X11HotkeyBackend(connection, screen->root));
}

X11HotkeyBackend::X11HotkeyBackend(xcb_connection_t *connection, quint32 root)
    : m_connection(connection), m_root(root), m_symbols(xcb_key_symbols_alloc(connection))
{
    readNumLockMask();
    constexpr char xkbName[] = "XKEYBOARD";
    if (xcb_query_extension_reply_t *xkb = xcb_query_extension_reply(
            m_connection, xcb_query_extension(m_connection, std::strlen(xkbName), xkbName),
            nullptr)) {
        if (xkb->present)
            m_xkbEventBase = xkb->first_event;
        std::free(xkb);
    }
    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        // The symbol table is read afresh: XKB changes give no core event to refresh it by.
        m_symbols.reset(xcb_key_symbols_alloc(m_connection));
        readNumLockMask();
        emit keyboardChanged();
    });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

void X11HotkeyBackend::mapChanged()
{
    m_settle.start();
}

X11HotkeyBackend::~X11HotkeyBackend()
{
    if (auto *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

void X11HotkeyBackend::readNumLockMask()
{
    m_numLockMask = 0;
    xcb_keycode_t *numLockCodes = xcb_key_symbols_get_keycode(m_symbols.get(), XK_Num_Lock);
    if (!numLockCodes)
        return;
    xcb_get_modifier_mapping_reply_t *reply = xcb_get_modifier_mapping_reply(
        m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
    if (reply) {
        const xcb_keycode_t *map = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8 && !m_numLockMask; ++modifier) {
            for (int i = 0; i < perModifier && !m_numLockMask; ++i) {
                const xcb_keycode_t code = map[modifier * perModifier + i];
                for (const xcb_keycode_t *n = numLockCodes; code && *n != XCB_NO_SYMBOL; ++n) {
                    if (*n == code) {
                        m_numLockMask = quint16(1u << modifier);
                        break;
                    }
                }
            }
        }
        std::free(reply);
    }
    std::free(numLockCodes);
}

quint32 X11HotkeyBackend::lockCombination(int index) const
{
    quint32 locks = 0;
    if (index & 1)
        locks |= XCB_MOD_MASK_LOCK;
    if (index & 2)
        locks |= m_numLockMask;
    return locks;
}

std::optional<NativeKey> X11HotkeyBackend::resolve(QKeyCombination combination) const
{
    const quint32 keysym = keysymFor(combination.key());
    if (!keysym)
        return std::nullopt;
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(m_symbols.get(), keysym);
    if (!codes)
        return std::nullopt;
    const xcb_keycode_t code = codes[0];
    std::free(codes);
    if (code == XCB_NO_SYMBOL)
        return std::nullopt;

    quint32 modifiers = 0;
    const Qt::KeyboardModifiers qtModifiers = combination.keyboardModifiers();
    if (qtModifiers & Qt::ShiftModifier)
        modifiers |= XCB_MOD_MASK_SHIFT;
    if (qtModifiers & Qt::ControlModifier)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (qtModifiers & Qt::AltModifier)
        modifiers |= XCB_MOD_MASK_1;
    if (qtModifiers & Qt::MetaModifier)
        modifiers |= XCB_MOD_MASK_4;
    // "Ctrl+!" lives on the shifted level of the "1" key: pressing it means pressing Shift.
    if (xcb_key_symbols_get_keysym(m_symbols.get(), code, 0) != keysym)
        modifiers |= XCB_MOD_MASK_SHIFT;
    return NativeKey{code, modifiers};
}

bool X11HotkeyBackend::grab(const NativeKey &key)
{
    const int combinations = m_numLockMask ? 4 : 2;
    xcb_void_cookie_t cookies[4];
    for (int i = 0; i < combinations; ++i) {
        cookies[i] = xcb_grab_key_checked(
            m_connection, 1, m_root, quint16(key.modifiers | lockCombination(i)),
            xcb_keycode_t(key.code), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    bool ok = true;
    for (int i = 0; i < combinations; ++i) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookies[i])) {
            ok = false;
            std::free(error);
        }
    }
    // A half-taken key would steal presses from the program that holds the rest.
    if (!ok)
        ungrab(key);
    return ok;
}

void X11HotkeyBackend::ungrab(const NativeKey &key)
{
    // Ungrabbing a combination that another client holds is a no-op on the server,
    // so this never takes anything away from another program.
    const int combinations = m_numLockMask ? 4 : 2;
    for (int i = 0; i < combinations; ++i) {
        xcb_ungrab_key(m_connection, xcb_keycode_t(key.code), m_root,
                       quint16(key.modifiers | lockCombination(i)));
    }
    xcb_flush(m_connection);
}

bool X11HotkeyBackend::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & ~0x80;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto *mapping = reinterpret_cast<const xcb_mapping_notify_event_t *>(event);
        if (mapping->request != XCB_MAPPING_POINTER)
            mapChanged();
        return false;
    }
    if (m_xkbEventBase && type == m_xkbEventBase) {
        const quint8 xkbType = reinterpret_cast<const quint8 *>(event)[1];
        if (xkbType == xkbNewKeyboardNotify || xkbType == xkbMapNotify)
            mapChanged();
        return false;
    }
    if (type != XCB_KEY_PRESS)
        return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (press->event != m_root)
        return false;
    const quint16 relevant = hotkeyModifierMask & ~m_numLockMask;
    emit pressed(NativeKey{press->detail, quint32(press->state & relevant)});
    return true;
}
