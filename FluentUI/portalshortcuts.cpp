#include "portalshortcuts.h"

#include "flukeynames.h"
#include "portalrequest.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDebug>
#include <QKeySequence>

namespace {

constexpr char shortcutsInterface[] = "org.freedesktop.portal.GlobalShortcuts";

// One entry of a(sa{sv}): the shortcut id and its properties.
struct PortalEntry
{
    QString id;
    QVariantMap properties;
};
using PortalEntries = QList<PortalEntry>;

} // namespace

Q_DECLARE_METATYPE(PortalEntry)
Q_DECLARE_METATYPE(PortalEntries)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const PortalEntry &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

void registerTypes()
{
    static const bool done = [] {
        qDBusRegisterMetaType<PortalEntry>();
        qDBusRegisterMetaType<PortalEntries>();
        return true;
    }();
    Q_UNUSED(done);
}

QString portalService()
{
    return QString::fromLatin1(PortalRequest::service);
}

QString portalPath()
{
    return QString::fromLatin1(PortalRequest::objectPath);
}

} // namespace

PortalShortcuts::PortalShortcuts(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
    registerTypes();
    m_version = version(m_bus);
    m_settle.setSingleShot(true);
    m_settle.setInterval(200);
    connect(&m_settle, &QTimer::timeout, this, &PortalShortcuts::bind);
    const bool listening =
        m_bus.connect(portalService(), portalPath(), QString::fromLatin1(shortcutsInterface),
                      QStringLiteral("Activated"), this, SLOT(onActivated(QDBusMessage))) &&
        m_bus.connect(portalService(), portalPath(), QString::fromLatin1(shortcutsInterface),
                      QStringLiteral("ShortcutsChanged"), this,
                      SLOT(onShortcutsChanged(QDBusMessage)));
    if (!listening)
        qWarning() << "全局快捷键门户: 无法接收按键信号" << m_bus.lastError().message();
}

PortalShortcuts::~PortalShortcuts()
{
    closeSession();
}

uint PortalShortcuts::version(const QDBusConnection &bus)
{
    return PortalRequest::interfaceVersion(QString::fromLatin1(shortcutsInterface), bus, 3000);
}

QString PortalShortcuts::triggerFor(const QString &sequence)
{
    const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (parsed.count() != 1 || parsed[0].key() == Qt::Key_unknown)
        return {};
    const QString name = FluKeyNames::symbolName(parsed[0].key());
    if (name.isEmpty())
        return {};
    QStringList parts = FluKeyNames::modifiers(parsed[0].keyboardModifiers(),
                                               {QStringLiteral("CTRL"), QStringLiteral("ALT"),
                                                QStringLiteral("SHIFT"), QStringLiteral("LOGO")});
    parts << name;
    return parts.join(QLatin1Char('+'));
}

void PortalShortcuts::setShortcuts(const QList<Shortcut> &shortcuts)
{
    m_shortcuts = shortcuts;
    m_settle.start();
}

void PortalShortcuts::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(portalService(), m_session,
                                                   QStringLiteral("org.freedesktop.portal.Session"),
                                                   QStringLiteral("Close")));
    m_session.clear();
    m_bound = false;
}

namespace {
PortalEntries entriesOf(const QList<PortalShortcuts::Shortcut> &shortcuts);
} // namespace

void PortalShortcuts::bind()
{
    closeSession();
    if (m_shortcuts.isEmpty())
        return;
    const int generation = ++m_generation;
    auto *request = new PortalRequest(m_bus, this);
    connect(
        request, &PortalRequest::finished, this,
        [this, request, generation](PortalRequest::Outcome outcome, const QVariantMap &results) {
            request->deleteLater();
            if (generation != m_generation)
                return; // a newer set is on its way
            const QVariant handle = results.value(QStringLiteral("session_handle"));
            const QString session = handle.canConvert<QDBusObjectPath>()
                                        ? handle.value<QDBusObjectPath>().path()
                                        : handle.toString();
            if (outcome != PortalRequest::Outcome::Success || session.isEmpty()) {
                const QString why = request->error().isEmpty()
                                        ? QStringLiteral("the desktop refused the session")
                                        : request->error();
                qWarning().noquote() << "全局快捷键门户无法创建会话:" << why;
                emit failed(why);
                return;
            }
            m_session = session;
            bindInSession(session);
        });
    // KDE's back-end of 2023 (Plasma 5.27) takes the shortcuts with the session and
    // ignores those of BindShortcuts; the others ignore them here.
    request->start(QString::fromLatin1(shortcutsInterface), QStringLiteral("CreateSession"), {},
                   {{QStringLiteral("session_handle_token"), PortalRequest::newToken()},
                    {QStringLiteral("shortcuts"), QVariant::fromValue(entriesOf(m_shortcuts))}});
}

namespace {

PortalEntries entriesOf(const QList<PortalShortcuts::Shortcut> &shortcuts)
{
    PortalEntries entries;
    for (const PortalShortcuts::Shortcut &shortcut : shortcuts) {
        QVariantMap properties{{QStringLiteral("description"), shortcut.description}};
        if (!shortcut.preferredTrigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), shortcut.preferredTrigger);
        entries.append({shortcut.id, properties});
    }
    return entries;
}

} // namespace

void PortalShortcuts::bindInSession(const QString &session)
{
    const PortalEntries entries = entriesOf(m_shortcuts);
    const int generation = m_generation;
    auto *request = new PortalRequest(m_bus, this);
    connect(
        request, &PortalRequest::finished, this,
        [this, request, generation](PortalRequest::Outcome outcome, const QVariantMap &results) {
            request->deleteLater();
            if (generation != m_generation)
                return;
            if (outcome != PortalRequest::Outcome::Success) {
                const QString why = outcome == PortalRequest::Outcome::Cancelled
                                        ? QStringLiteral("the user declined the shortcuts")
                                        : request->error();
                qWarning().noquote() << "全局快捷键门户未绑定快捷键:" << why;
                emit failed(why);
                return;
            }
            m_bound = true;
            takeTriggers(results.value(QStringLiteral("shortcuts")));
            qDebug().noquote() << "全局快捷键已由桌面绑定:" << m_triggers.size() << "个";
        });
    // A long timeout: the desktop may ask the user first.
    request->start(
        QString::fromLatin1(shortcutsInterface), QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(entries), QString()},
        {}, 300000);
}

void PortalShortcuts::takeTriggers(const QVariant &shortcuts)
{
    PortalEntries entries;
    if (shortcuts.canConvert<QDBusArgument>())
        entries = qdbus_cast<PortalEntries>(shortcuts.value<QDBusArgument>());
    else
        entries = shortcuts.value<PortalEntries>();
    QHash<QString, QString> triggers;
    for (const PortalEntry &entry : std::as_const(entries))
        triggers.insert(entry.id,
                        entry.properties.value(QStringLiteral("trigger_description")).toString());
    if (triggers == m_triggers)
        return;
    m_triggers = triggers;
    emit triggersChanged();
}

bool PortalShortcuts::configure()
{
    if (m_version < 2 || m_session.isEmpty())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(portalService(), portalPath(),
                                                       QString::fromLatin1(shortcutsInterface),
                                                       QStringLiteral("ConfigureShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << QString() << QVariantMap();
    m_bus.asyncCall(call);
    return true;
}

// (o s t a{sv}): the session, the shortcut id, a time stamp and options.
void PortalShortcuts::onActivated(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || arguments.at(0).value<QDBusObjectPath>().path() != m_session)
        return;
    emit activated(arguments.at(1).toString());
}

// (o a(sa{sv})): the session and all its shortcuts with their new triggers.
void PortalShortcuts::onShortcutsChanged(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || arguments.at(0).value<QDBusObjectPath>().path() != m_session)
        return;
    takeTriggers(arguments.at(1));
}
