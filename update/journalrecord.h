#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
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
    // By the manifest's order of files: those with no installed file before the swap.
    QBitArray added;
    // Folders the swap makes, outermost first.
    QStringList createdFolders;

    // The JSON text in pieces, so that the manifest, its bulk, is never copied whole;
    // stops when write returns false.
    bool write(const std::function<bool(const QByteArray &piece)> &write) const;
    QByteArray toJson() const;
    static std::optional<JournalRecord> fromJson(const QByteArray &json, QString *error);
};
