#pragma once

#include <QObject>

class DrawingDocument;
class QTimer;

// A timed effect on a drawing: a repeating timer (a child of the job, which is a child of
// the document) calls tick() until the job finishes and deletes itself later.
class EffectJob : public QObject
{
    Q_OBJECT

public:
    // Runs the next step now; the timer calls this too.
    virtual void tick() = 0;

    bool isFinished() const { return m_finished; }
    const QTimer *timer() const { return m_timer; }

protected:
    EffectJob(DrawingDocument *document, int intervalMs);

    void startTimer();
    void finish();
    DrawingDocument &document() const { return *m_document; }

private:
    DrawingDocument *m_document;
    QTimer *m_timer;
    bool m_finished = false;
};
