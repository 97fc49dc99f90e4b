#pragma once

#include <QString>
#include <QStringList>

class QLockFile;

// Puts a release in place all or nothing. Every file of a release is first
// downloaded and verified into a staging folder inside the application
// directory; then a journal listing the files is written, and only then are the
// files renamed over the installed ones. A run killed before the journal exists
// leaves the old release whole (the staging folder is dropped); a run killed
// after it is finished by recover(), which both programs call before anything
// else, so the installation is always wholly the old or wholly the new release.
class ReleaseJournal
{
public:
    static constexpr const char stagingFolder[] = ".update-staging";
    static constexpr const char journalFile[] = ".update-journal";
    // The serial of the installed release; swapped in together with its files.
    static constexpr const char serialFile[] = ".update-serial";
    // Held by the process that owns the staging folder (Update, while it runs):
    // no other process drops or finishes its work meanwhile.
    static constexpr const char lockFile[] = ".update-lock";

    explicit ReleaseJournal(const QString &applicationDir);

    QString stagingDir() const;
    // 0 when no serial was ever installed.
    qint64 installedSerial() const;

    // Claims the application directory's staging folder for this process until it
    // ends; false when another running process holds it.
    bool claim();
    // Finishes an interrupted swap or drops an unfinished staging folder; true
    // when the installation is whole afterwards. Does nothing while another
    // process holds the claim: that process is still at work.
    bool recover();
    // An empty staging folder, whatever an earlier run left.
    bool resetStaging(QString *error);
    void discardStaging();
    // Stages the new serial and writes the journal: from here on the release is
    // bound to be put in place.
    bool prepare(const QStringList &names, qint64 serial, QString *error);
    // prepare(), then swaps the staged names (relative to the application
    // directory) in. On failure the journal stays, and the next recover() retries.
    bool commit(const QStringList &names, qint64 serial, QString *error);

private:
    QString path(const QString &name) const;
    bool finishSwap(const QStringList &names, QString *error);

    QString m_applicationDir;
};
