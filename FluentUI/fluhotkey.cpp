#include "fluhotkey.h"

#include "hotkeyregistry.h"

FluHotkey::FluHotkey(QObject *parent) : QObject(parent) {}

FluHotkey::~FluHotkey()
{
    unregister();
}

void FluHotkey::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    emit nameChanged();
}

void FluHotkey::setSequence(const QString &sequence)
{
    if (m_sequence == sequence)
        return;
    m_sequence = sequence;
    emit sequenceChanged();
    if (m_complete)
        reRegister();
}

void FluHotkey::setShortcutId(const QString &id)
{
    if (m_shortcutId == id)
        return;
    m_shortcutId = id;
    emit shortcutIdChanged();
    if (m_complete)
        reRegister();
}

void FluHotkey::classBegin()
{
    m_complete = false;
}

void FluHotkey::componentComplete()
{
    m_complete = true;
    reRegister();
}

void FluHotkey::reRegister()
{
    const bool wasRegistered = isRegistered();
    // Give the old key back first, so that a move between two spellings of the same key
    // does not count as taken by someone else.
    if (HotkeyRegistry *registry = HotkeyRegistry::instance(); registry && m_handle > 0)
        registry->release(m_handle);
    m_handle = 0;
    if (!m_sequence.isEmpty()) {
        if (HotkeyRegistry *registry = HotkeyRegistry::instance()) {
            m_handle = registry->acquire(m_sequence, m_name, m_shortcutId);
            if (m_handle > 0) {
                connect(registry, &HotkeyRegistry::activated, this, &FluHotkey::onActivated,
                        Qt::UniqueConnection);
            }
        }
    }
    if (wasRegistered != isRegistered())
        emit isRegisteredChanged();
}

void FluHotkey::unregister()
{
    if (m_handle <= 0)
        return;
    if (HotkeyRegistry *registry = HotkeyRegistry::instance())
        registry->release(m_handle);
    m_handle = 0;
}

void FluHotkey::onActivated(int handle)
{
    if (handle == m_handle)
        emit activated();
}
