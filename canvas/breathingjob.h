#pragma once

#include <QObject>

class MyPainter;
class QTimer;

// Pulses the opacity of the newest element of a canvas along a raised cosine.
class BreathingJob : public QObject
{
    Q_OBJECT

public:
    static constexpr int IntervalMs = 40;
    static constexpr double Minimum = 0.05;

    BreathingJob(MyPainter *canvas, int period, double maximum);

    // Runs the next step now; the timer calls this too.
    void tick();

    int period() const { return m_period; }
    int steps() const { return m_steps; }
    double minimum() const { return Minimum; }
    double maximum() const { return m_maximum; }
    int counter() const { return m_counter; }
    bool isFinished() const { return m_finished; }
    const QTimer *timer() const { return m_timer; }

    // Opacity at tick counter k of a pulse between minimum and maximum.
    double opacityAt(int k) const;

private:
    friend class MyPainter;

    void start(bool runTimer);
    void finish();

    MyPainter *m_canvas;
    QTimer *m_timer;
    int m_period;
    int m_steps;
    double m_maximum;
    int m_counter = 0;
    bool m_finished = false;
};
