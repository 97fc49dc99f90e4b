#pragma once

#include "drawingfile.h"
#include "mypainter.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

// Keeps a copy of the drawing on disk so that a crash, a kill or a log-out loses at most
// the last moments: a change is written once the drawing has been still for a short quiet
// period (whatever the tool, even in the middle of a gesture), and at the latest a few
// seconds after the first unsaved change while drawing goes on. The drawing is serialised
// on the GUI thread and written on a worker thread through SafeFile, so a full disk or a
// link at the path never costs the last good copy. Quitting writes what is pending at once.
//
// The file found at the start is looked at before anything is written there: one that
// cannot be read (damaged, from a newer version, not a regular file) is moved aside under a
// name with its date, never overwritten.
class AutoSave : public QObject
{
    Q_OBJECT
    Q_PROPERTY(MyPainter *painter READ painter WRITE setPainter NOTIFY painterChanged FINAL)
    Q_PROPERTY(int delay READ delay WRITE setDelay NOTIFY delayChanged FINAL)

public:
    // The longest a change waits while the drawing keeps changing.
    static constexpr int DefaultMaxWait = 8000;

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
    void setMaxWait(int ms) { m_maxWait = ms; }
    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    // Looks at the file on the worker thread; recoverableChecked tells the outcome. A
    // drawing with at least one element is kept for restore(), so that it brings back what
    // was offered even after newer strokes were saved.
    Q_INVOKABLE void checkRecoverable();
    // The same, waiting for the answer.
    Q_INVOKABLE bool hasRecoverable();
    // Replaces the drawing with the one offered as one undoable step.
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
    // A snapshot was handed to the writer, and later written (or not): once per attempt.
    void snapshotTaken(const QByteArray &data);
    void saved();
    void saveFailed(const QString &reason);
    // Said once when writes start failing, and once when they work again.
    void failureStarted(const QString &reason);
    void failureEnded();
    void recoverableChecked(bool found);
    // The file at the path could not be read and was moved to keptPath; when it could not
    // be moved, keptPath is empty and nothing is written there.
    void setAside(const QString &keptPath, const QString &reason);
    // The drawing offered back was not restored before the new one was first saved: its
    // file was moved to keptPath rather than written over.
    void offerKept(const QString &keptPath);

private:
    struct Inspection;
    void documentChanged();
    void writeSnapshot();
    // Whether the next write must first move the offered drawing's file out of its way.
    bool takeOfferToKeep();
    void writeDone(bool ok, const QString &error, const QString &kept);
    void inspected(const Inspection &result);
    static Inspection inspect(const QString &path);
    QString markPath() const;

    QPointer<MyPainter> m_painter;
    QPointer<DrawingDocument> m_document;
    QString m_path;
    std::shared_ptr<DrawingFile::Loaded> m_offered;
    QTimer m_quiet;
    QTimer m_longest;
    // Short enough that little is lost, long enough that a burst of strokes is written once.
    int m_delay = 1500;
    int m_maxWait = DefaultMaxWait;
    bool m_pending = false;
    bool m_inspected = false;
    // A look at the file is under way on the writer thread and its answer has not come back.
    bool m_inspecting = false;
    bool m_writeAfterInspection = false;
    bool m_failing = false;
    bool m_offerKept = false;
    // Set on the writer thread when the file found could not be moved aside.
    std::shared_ptr<std::atomic<bool>> m_blocked = std::make_shared<std::atomic<bool>>(false);
    // One writer thread: the look at the old file and the snapshots reach the disk in
    // the order they were asked for.
    QThreadPool m_writer;
};
