#pragma once

#include "effectjob.h"

// Fades the bottom element of a drawing out over 20 ticks of 50 ms and then removes it.
// It works on whatever element is at the bottom when a tick runs.
class FadeOutJob : public EffectJob
{
    Q_OBJECT

public:
    static constexpr int Steps = 20;
    static constexpr int IntervalMs = 50;

    // Runs on its timer when runTimer is set.
    FadeOutJob(DrawingDocument *document, double startOpacity, bool runTimer);

    void tick() override;

    int counter() const { return m_counter; }
    double startOpacity() const { return m_startOpacity; }

private:
    double m_startOpacity;
    int m_counter = 0;
};
