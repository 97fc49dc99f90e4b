#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// A folder reached without following links. Every part of its path below the
// root is opened as a real folder (never a link, junction or file), and entries
// are named relative to the open folder, so that a link planted on the path
// later cannot carry a read, a rename or a removal somewhere else. The root, the
// application directory, is taken as it is.
class NoFollowFolder
{
public:
    // Other: a link, junction, device, FIFO or socket.
    enum class Kind { Missing, File, Folder, Other };
    struct Entry
    {
        Kind kind = Kind::Missing;
        qint64 size = 0;
    };
    // Receives a file in pieces; returns false to stop reading.
    using Consumer = std::function<bool(const char *data, qint64 size)>;

    virtual ~NoFollowFolder() = default;

    virtual QString path() const = 0;
    // Another handle on the same folder.
    virtual std::unique_ptr<NoFollowFolder> duplicate() const = 0;
    // What is at name, the entry itself (a link is Other, never its target).
    virtual Entry entry(const QString &name) const = 0;
    // The sub-folder name; with create it is made when missing. Null, with the
    // reason, when it is a link or a file, or cannot be opened.
    virtual std::unique_ptr<NoFollowFolder> folder(const QString &name, bool create,
                                                   QString *error) const = 0;
    // Feeds the regular file name to consume; false when it is not a regular
    // file, cannot be read, or consume stopped.
    virtual bool read(const QString &name, const Consumer &consume, QString *error) const = 0;
    // Renames name to toName inside the folder to (on the same volume), replacing
    // a file there but never a folder; error gets the system's reason.
    virtual bool move(const QString &name, const NoFollowFolder &to, const QString &toName,
                      QString *error) const = 0;
    // Removes a file, a link or an empty folder; true when nothing is left.
    virtual bool remove(const QString &name) const = 0;
    // Makes the renames inside this folder durable.
    virtual void sync() const = 0;

    // The whole file, when it is a regular file of at most maxBytes.
    bool readAll(const QString &name, qint64 maxBytes, QByteArray *content, QString *error) const;

    // The root folder itself.
    static std::unique_ptr<NoFollowFolder> openRoot(const QString &path, QString *error);
    // relative ("a/b", or empty for base itself) below base, one part at a time.
    // missing, when given, is set instead of failing when a part does not exist
    // (and create is false).
    static std::unique_ptr<NoFollowFolder> openBelow(const NoFollowFolder &base,
                                                     const QString &relative, bool create,
                                                     QString *error, bool *missing = nullptr);
};
