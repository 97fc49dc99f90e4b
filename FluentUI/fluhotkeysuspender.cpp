#include "fluhotkeysuspender.h"

#include "hotkeyregistry.h"

FluHotkeySuspender::FluHotkeySuspender(QObject *parent) : QObject(parent) {}

FluHotkeySuspender::~FluHotkeySuspender()
{
    setActive(false);
}

void FluHotkeySuspender::setActive(bool active)
{
    if (m_active == active)
        return;
    HotkeyRegistry *registry = HotkeyRegistry::instance();
    if (!registry)
        return;
    m_active = active;
    if (active)
        registry->suspend();
    else
        registry->resume();
    emit activeChanged();
}
