#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the journal of an install holds, and, once the release is in place, the
// record of the installed release (.update-installed): the signed manifest as
// it came, and what undoing the swap needs to know. Only the manifest is
// signed; the rest only guides an undo.
struct JournalRecord
{
    enum class State { Install, RollBack };

    State state = State::Install;
    QByteArray payload;
    QByteArray signature;
    // Names that had no installed file before the swap.
    QStringList added;
    // Folders the swap makes, outermost first.
    QStringList createdFolders;

    QByteArray toJson() const;
    static std::optional<JournalRecord> fromJson(const QByteArray &json, QString *error);
};
