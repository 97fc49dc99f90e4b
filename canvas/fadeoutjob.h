#pragma once

#include <QObject>

class MyPainter;
class QTimer;

// Fades the bottom element of a canvas out over 20 ticks of 50 ms and then removes it.
class FadeOutJob : public QObject
{
    Q_OBJECT

public:
    static constexpr int Steps = 20;
    static constexpr int IntervalMs = 50;

    FadeOutJob(MyPainter *canvas, double startOpacity);

    // Runs the next step now; the timer calls this too.
    void tick();

    int counter() const { return m_counter; }
    double startOpacity() const { return m_startOpacity; }
    bool isFinished() const { return m_finished; }
    const QTimer *timer() const { return m_timer; }

private:
    friend class MyPainter;

    void start(bool runTimer);
    void finish();

    MyPainter *m_canvas;
    QTimer *m_timer;
    double m_startOpacity;
    int m_counter = 0;
    bool m_finished = false;
};
