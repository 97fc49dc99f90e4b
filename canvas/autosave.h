#pragma once

#include "drawingfile.h"
#include "mypainter.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <QTimer>

// Keeps a copy of the drawing on disk so that a crash, a log-out or a restart loses at
// most the last moments. A change starts a short quiet period; when it ends without a
// gesture in progress the drawing is serialised on the GUI thread and written on a worker
// thread (atomically: the old file stays whole until the new one is complete). Quitting
// writes what is still pending at once. The pointer path pays only a timer restart.
class AutoSave : public QObject
{
    Q_OBJECT
    Q_PROPERTY(MyPainter *painter READ painter WRITE setPainter NOTIFY painterChanged FINAL)
    Q_PROPERTY(int delay READ delay WRITE setDelay NOTIFY delayChanged FINAL)

public:
    explicit AutoSave(QObject *parent = nullptr);
    ~AutoSave() override;

    // The user's data folder: autosave.qmark in the program's writable data location.
    static QString defaultPath();

    MyPainter *painter() const { return m_painter; }
    void setPainter(MyPainter *painter);
    // For code without a canvas item (tests, benchmarks, helpers).
    void setDocument(DrawingDocument *document);
    int delay() const { return m_delay; }
    void setDelay(int ms);
    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    // Whether the file holds a drawing with at least one element. That drawing is kept, so
    // that restore() brings back what was offered even after newer strokes were saved.
    Q_INVOKABLE bool hasRecoverable();
    // Replaces the drawing with the one offered (else the one in the file) as one undoable
    // step.
    Q_INVOKABLE bool restore();
    // Writes a pending change now, on the calling thread, after any write in flight.
    Q_INVOKABLE void saveNow();
    // The next start restores the drawing without asking (a restart for a new language).
    Q_INVOKABLE bool markRestoreOnNextStart();
    // Whether the previous run asked for that; the mark is used up.
    Q_INVOKABLE bool takeRestoreMark();

signals:
    void painterChanged();
    void delayChanged();
    // A snapshot was handed to the writer, and later written (or not).
    void snapshotTaken(const QByteArray &data);
    void saved();
    void saveFailed(const QString &reason);

private:
    void documentChanged();
    void quietPeriodOver();
    QString markPath() const;
    static bool writeFile(const QString &path, const QByteArray &data, QString *error);

    QPointer<MyPainter> m_painter;
    QPointer<DrawingDocument> m_document;
    QString m_path;
    std::optional<DrawingFile::Loaded> m_offered;
    QTimer m_timer;
    // Long enough that a burst of strokes is written once, short enough that little is lost.
    int m_delay = 1500;
    bool m_pending = false;
    int m_gestureRetries = 0;
    // One writer thread, so snapshots reach the disk in the order they were taken.
    QThreadPool m_writer;
};
