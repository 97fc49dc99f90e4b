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
    // Created with the execute bits (before open).
    void setExecutable(bool executable) { m_executable = executable; }
    bool open();
    bool isOpen() const { return m_temporary.isOpen(); }
    bool write(const QByteArray &data);
    // Flushes to disk and replaces the target; on failure the target is untouched.
    bool commit();
    // Drops the temporary file; the target is untouched.
    void discard();
    QString errorString() const { return m_error; }
    // Removes the directory entry itself, never what a link points to; true when
    // nothing is left at the path.
    static bool removeEntry(const QString &path);
    // Renames from over to in one step (a link at to is replaced, not followed).
    static bool replace(const QString &from, const QString &to, QString *error);

private:
    QString m_targetPath;
    QFile m_temporary;
    QString m_error;
    bool m_executable = false;
    bool m_created = false; // the temporary file is ours and not yet renamed
};
