#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The serial of the installed release, kept where one damaged file cannot lower
// it: in .update-serial, in the signed record of the last install (the journal
// of that install, kept as .update-installed) and in the user's settings, keyed
// by the application directory. The highest valid value wins.
class InstalledSerial
{
public:
    static constexpr const char serialFile[] = ".update-serial";
    static constexpr const char recordFile[] = ".update-installed";

    struct Value
    {
        // What the application directory records: a release with this serial is
        // in place, and a manifest with it is "already installed".
        qint64 recorded = 0;
        // The highest serial known, the user's settings included: an older
        // release is refused. A copy unpacked anew into the same folder records
        // nothing, so the release with this serial may be installed again.
        qint64 highest = 0;
    };

    explicit InstalledSerial(const QString &applicationDir);
    InstalledSerial(const QString &applicationDir, const QList<QByteArray> &trustedKeys);

    Value read() const;
    // Called once the release with this serial is in place and its record is
    // renamed in: writes .update-serial and the user's settings.
    void remember(qint64 serial) const;
    // The user-settings key of this application directory.
    QString settingsKey() const;

private:
    qint64 fromSerialFile() const;
    qint64 fromRecord() const;
    qint64 fromSettings() const;

    QString m_applicationDir;
    QList<QByteArray> m_keys;
};
