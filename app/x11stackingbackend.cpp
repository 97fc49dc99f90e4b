#include "x11stackingbackend.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr quint32 netWmStateAdd = 1;
constexpr quint32 sourcePager = 2; // asks as a pager does: window managers obey it

template <typename T> struct Reply
{
    T *data;
    explicit Reply(T *reply) : data(reply) {}
    ~Reply() { std::free(data); }
    Reply(const Reply &) = delete;
    Reply &operator=(const Reply &) = delete;
    T *operator->() const { return data; }
    explicit operator bool() const { return data != nullptr; }
};

} // namespace

std::unique_ptr<X11StackingBackend> X11StackingBackend::create()
{
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t *connection = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    return std::unique_ptr<X11StackingBackend>(new X11StackingBackend(connection, screen->root));
}

X11StackingBackend::X11StackingBackend(xcb_connection_t *connection, quint32 root)
    : m_connection(connection), m_root(root)
{
    // Root property changes and the frames' restacking tell when windows open, are
    // raised or change layer; the toolkit's own selection on the root is kept.
    Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, m_root), nullptr));
    const quint32 mask = (attributes ? attributes->your_event_mask : 0) |
                         XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11StackingBackend::~X11StackingBackend()
{
    if (auto *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

quint32 X11StackingBackend::atom(const char *name) const
{
    const QByteArray key(name);
    if (const auto it = m_atoms.constFind(key); it != m_atoms.cend())
        return it.value();
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, quint16(std::strlen(name)), name), nullptr));
    const quint32 value = reply ? reply->atom : XCB_ATOM_NONE;
    m_atoms.insert(key, value);
    return value;
}

QList<quint32> X11StackingBackend::atomList(quint32 window, quint32 property, quint32 type) const
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, 4096), nullptr));
    QList<quint32> values;
    if (!reply || reply->format != 32 || reply->type != type)
        return values;
    const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply.data));
    const int count = xcb_get_property_value_length(reply.data) / 4;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values.append(data[i]);
    return values;
}

bool X11StackingBackend::isIgnoredType(quint32 window) const
{
    // Panels, trays and the desktop live in layers of their own.
    const QList<quint32> types = atomList(window, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM);
    return types.contains(atom("_NET_WM_WINDOW_TYPE_DOCK")) ||
           types.contains(atom("_NET_WM_WINDOW_TYPE_DESKTOP"));
}

bool X11StackingBackend::managerSupports(quint32 hint) const
{
    return atomList(m_root, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM).contains(hint);
}

QList<quint32> X11StackingBackend::children(quint32 window, quint32 *parent) const
{
    Reply<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
    QList<quint32> result;
    if (!reply)
        return result;
    if (parent)
        *parent = reply->parent;
    const xcb_window_t *list = xcb_query_tree_children(reply.data);
    const int count = xcb_query_tree_children_length(reply.data);
    for (int i = 0; i < count; ++i)
        result.append(list[i]);
    return result;
}

quint32 X11StackingBackend::frameOf(quint32 window) const
{
    // The window manager's frame is the ancestor that is a child of the root.
    quint32 current = window;
    for (int depth = 0; depth < 16; ++depth) {
        quint32 parent = XCB_NONE;
        children(current, &parent);
        if (parent == XCB_NONE)
            return XCB_NONE;
        if (parent == m_root)
            return current;
        current = parent;
    }
    return XCB_NONE;
}

QList<WId> X11StackingBackend::stackingOrder() const
{
    // Some window managers keep _NET_CLIENT_LIST_STACKING in mapping order; the
    // order of the frames among the root's children is what the screen shows.
    const QList<quint32> frames = children(m_root, nullptr);
    QList<std::pair<qsizetype, WId>> placed;
    const QList<quint32> windows =
        atomList(m_root, atom("_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW);
    for (const quint32 window : windows) {
        if (isIgnoredType(window))
            continue;
        const qsizetype at = frames.indexOf(frameOf(window));
        if (at >= 0)
            placed.append({at, WId(window)});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<WId> order;
    for (const auto &entry : std::as_const(placed))
        order.append(entry.second);
    return order;
}

bool X11StackingBackend::isAbove(WId window) const
{
    return atomList(quint32(window), atom("_NET_WM_STATE"), XCB_ATOM_ATOM)
        .contains(atom("_NET_WM_STATE_ABOVE"));
}

void X11StackingBackend::setAbove(WId window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = quint32(window);
    event.type = atom("_NET_WM_STATE");
    event.data.data32[0] = netWmStateAdd;
    event.data.data32[1] = atom("_NET_WM_STATE_ABOVE");
    event.data.data32[2] = 0;
    event.data.data32[3] = sourcePager;
    xcb_send_event(m_connection, 0, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(m_connection);
}

void X11StackingBackend::raise(WId window)
{
    const quint32 restack = atom("_NET_RESTACK_WINDOW");
    if (managerSupports(restack)) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = quint32(window);
        event.type = restack;
        event.data.data32[0] = sourcePager;
        event.data.data32[1] = XCB_NONE; // no sibling: the top of its layer
        event.data.data32[2] = XCB_STACK_MODE_ABOVE;
        xcb_send_event(m_connection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
    } else {
        const quint32 mode = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(m_connection, quint32(window), XCB_CONFIG_WINDOW_STACK_MODE, &mode);
    }
    xcb_flush(m_connection);
}

bool X11StackingBackend::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_CONFIGURE_NOTIFY || type == XCB_MAP_NOTIFY) {
        // Both start with the window whose children changed.
        const auto *configure = static_cast<const xcb_configure_notify_event_t *>(message);
        if (configure->event == m_root)
            emit changed();
        return false;
    }
    if (type == XCB_CLIENT_MESSAGE) {
        // The requests this keeper sends to the window manager come back to it through
        // its selection on the root; the toolkit would log each as unhandled.
        const auto *request = static_cast<const xcb_client_message_event_t *>(message);
        return request->type == atom("_NET_RESTACK_WINDOW");
    }
    if (type != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *property = static_cast<const xcb_property_notify_event_t *>(message);
    if ((property->window == m_root && (property->atom == atom("_NET_CLIENT_LIST_STACKING") ||
                                        property->atom == atom("_NET_ACTIVE_WINDOW"))) ||
        property->atom == atom("_NET_WM_STATE"))
        emit changed();
    return false;
}
