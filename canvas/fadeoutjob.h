#pragma once

#include <QObject>

class DrawingDocument;
class QTimer;

// Fades the bottom element of a drawing out over 20 ticks of 50 ms and then removes it.
// It works on whatever element is at the bottom when a tick runs.
class FadeOutJob : public QObject
{
    Q_OBJECT

public:
    static constexpr int Steps = 20;
    static constexpr int IntervalMs = 50;

    // A child of the document; runs on its timer when runTimer is set.
    FadeOutJob(DrawingDocument *document, double startOpacity, bool runTimer);

    // Runs the next step now; the timer calls this too.
    void tick();

    int counter() const { return m_counter; }
    double startOpacity() const { return m_startOpacity; }
    bool isFinished() const { return m_finished; }
    const QTimer *timer() const { return m_timer; }

private:
    void finish();

    DrawingDocument *m_document;
    QTimer *m_timer;
    double m_startOpacity;
    int m_counter = 0;
    bool m_finished = false;
};
