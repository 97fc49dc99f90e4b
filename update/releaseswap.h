#pragma once

#include "updatemanifest.h"

#include <QBitArray>
#include <QList>
#include <QString>
#include <QStringList>

class NoFollowFolder;

// Puts a staged release in place and takes it out again. Staged files lie in the
// staging folder under their release names; each installed file they replace is
// moved aside into the backup folder first and stays there until the whole
// release is in place, so that a swap stopped or failing at any file can be undone
// file by file. Every folder is reached without following links.
//
// A file's state says how far it got, so both directions can be repeated after a
// kill: staged and no backup - untouched; staged and a backup - moved aside;
// neither staged nor a backup - in place (added); a backup only - in place.
class ReleaseSwap
{
public:
    static constexpr const char stagingFolder[] = ".update-staging";
    static constexpr const char backupFolder[] = ".update-backup";
    // Windows: backups still in use (a program of the old release running from
    // there) are moved here, out of the next swap's way, until they can go.
    static constexpr const char discardedFolder[] = ".update-discarded";

    // What putting the release in place changes beyond replacing files.
    struct Plan
    {
        QBitArray added;            // files (by index) with no installed file
        QStringList createdFolders; // outermost first
    };

    explicit ReleaseSwap(const QString &applicationDir);

    // Empty when every file can go in place: each folder on the way is a real
    // folder or missing, and at each name lies a regular file or nothing;
    // otherwise why not. Fills plan.
    QString targetRefusal(const QList<ReleaseFile> &files, Plan *plan) const;
    // Empty when every staged file is a regular file in real folders with the
    // size and digest of the release. With installedCounts, a file that is no
    // longer staged counts when the installed one is the release's.
    QString stagingRefusal(const QList<ReleaseFile> &files, bool installedCounts) const;
    // Moves each installed file aside and the staged one in, up to the first
    // failure.
    bool putInPlace(const QList<ReleaseFile> &files, QString *error) const;
    // Undoes putInPlace from wherever it stopped, and removes the folders it made
    // when they are empty again.
    bool takeOut(const QList<ReleaseFile> &files, const Plan &plan, QString *error) const;
    // Drops the staging and backup folders.
    void discard() const;
    // Drops the backup folder; true when none is left. On Windows a file in use
    // there is moved aside to the discarded folder instead.
    bool dropBackup() const;

private:
    QString m_applicationDir;
};
