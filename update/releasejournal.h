#pragma once

#include "installedserial.h"
#include "journalrecord.h"
#include "releaseswap.h"
#include "updatemanifest.h"

#include <QString>

// Puts a release in place all or nothing. Every file of a release is first
// downloaded and verified into a staging folder inside the application
// directory. Then every target is checked, the journal (the signed manifest) is
// written, and only then are the files swapped in, the installed ones kept aside
// until the whole release is in place. A swap that fails part-way is undone from
// them. A run killed before the journal exists leaves the old release whole (the
// staging folder is dropped); a run killed after it is finished by recover(),
// which both programs call before anything else, and which rolls forward only a
// release whose signature, serial and staged files verify, so the installation is
// always wholly the old or wholly the new release.
class ReleaseJournal
{
public:
    static constexpr auto &stagingFolder = ReleaseSwap::stagingFolder;
    static constexpr const char journalFile[] = ".update-journal";
    // Where a journal that is no regular file is set aside.
    static constexpr const char rejectedJournalFile[] = ".update-journal-rejected";
    static constexpr auto &serialFile = InstalledSerial::serialFile;
    // Held by the process that owns the staging folder (Update, while it runs):
    // no other process drops or finishes its work meanwhile.
    static constexpr const char lockFile[] = ".update-lock";

    enum class Outcome {
        Installed,
        // Nothing changed: a target or the staging did not pass the checks.
        Refused,
        // The swap failed part-way and the installed release was put back.
        RolledBack,
        // Neither: the undo is left to the next recover().
        Unfinished
    };

    explicit ReleaseJournal(const QString &applicationDir);

    QString stagingDir() const;
    // The highest valid serial known for this installation; 0 when none.
    qint64 installedSerial() const;

    // Claims the application directory's staging folder for this process until it
    // ends; false when another running process holds it.
    bool claim();
    // Finishes or undoes an interrupted swap, or drops an unfinished staging
    // folder; true when the installation is whole afterwards. Does nothing while
    // another process holds the claim: that process is still at work.
    bool recover();
    // An empty staging folder, whatever an earlier run left.
    bool resetStaging(QString *error);
    void discardStaging();
    // Empty when every file of the release can be put in place.
    QString targetRefusal(const QList<ReleaseFile> &files) const;
    // Checks the targets and the staged files and writes the journal: from here
    // on the release is bound to be put in place, or taken out again.
    bool prepare(const UpdateManifest::Result &release, QString *error);
    // prepare(), then the swap.
    Outcome commit(const UpdateManifest::Result &release, QString *error);

private:
    QString path(const QString &name) const;
    bool writeJournal(const JournalRecord &record, QString *error) const;
    void removeJournal() const;
    bool prepared(const UpdateManifest::Result &release, JournalRecord *record, QString *error);
    Outcome putInPlace(const JournalRecord &record, const UpdateManifest::Result &release,
                       QString *error);
    Outcome rollBack(JournalRecord record, const QList<ReleaseFile> &files, const QString &cause,
                     QString *error);
    bool recoverFromJournal();

    QString m_applicationDir;
    ReleaseSwap m_swap;
};
