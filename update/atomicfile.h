#pragma once

#include <QFile>
#include <QString>

// Writes a file next to its target and puts it in place with one rename, so that
// readers see either the old file or the complete new one, never a partial file.
// The temporary name is fixed per target: a run that was killed leaves it behind,
// and the next writer of the same target removes it.
class AtomicFile
{
public:
    static constexpr const char temporarySuffix[] = ".update-part";

    explicit AtomicFile(const QString &targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    static QString temporaryPathFor(const QString &targetPath);

    QString targetPath() const { return m_targetPath; }
    QString temporaryPath() const { return m_temporary.fileName(); }
    bool open();
    bool isOpen() const { return m_temporary.isOpen(); }
    bool write(const QByteArray &data);
    // Flushes to disk and replaces the target; on failure the target is untouched.
    bool commit();
    // Drops the temporary file; the target is untouched.
    void discard();
    QString errorString() const { return m_error; }

private:
    QString m_targetPath;
    QFile m_temporary;
    QString m_error;
};
