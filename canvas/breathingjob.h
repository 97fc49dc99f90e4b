#pragma once

#include "effectjob.h"

#include <memory>

class DrawingElement;

// Pulses the opacity of the newest element of a drawing along a raised cosine and moves
// on to the newest one whenever the element count changes.
class BreathingJob : public EffectJob
{
    Q_OBJECT

public:
    static constexpr int IntervalMs = 40;
    static constexpr double Minimum = 0.05;

    // A child of the document, aimed at its newest element (the document has one).
    BreathingJob(DrawingDocument *document, int period);

    void start() { startTimer(); }
    void tick() override;
    // Gives the pulsing element its own opacity back and ends the job.
    void stop();

    int period() const { return m_period; }
    int steps() const { return m_steps; }
    double minimum() const { return Minimum; }
    double maximum() const { return m_maximum; }
    int counter() const { return m_counter; }

    int targetIndex() const { return m_targetIndex; }
    double savedOpacity() const { return m_savedOpacity; }
    // Element count seen at the start or the last step.
    int lastCount() const { return m_lastCount; }
    // The element whose opacity the pulse changed.
    std::shared_ptr<DrawingElement> target() const { return m_target.lock(); }

    // Opacity at tick counter k of a pulse between minimum and maximum.
    double opacityAt(int k) const;

signals:
    // Whether the pulse is showing; sent at every step and when the job ends by itself.
    void breathingChanged(bool shown);

private:
    void restoreTarget();

    int m_period;
    int m_steps;
    int m_counter = 0;
    int m_targetIndex;
    int m_lastCount;
    double m_savedOpacity;
    double m_maximum;
    std::weak_ptr<DrawingElement> m_target;
};
