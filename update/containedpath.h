#pragma once

#include <QString>

// Paths below a root folder that stay below it: no folder on the way may be a
// link (which would carry a write somewhere else), and folders are created one
// level at a time so that a link planted meanwhile is noticed.
class ContainedPath
{
public:
    // Empty when root + "/" + relativeName can be written without passing through
    // a link; otherwise why not. A link at the final name itself is allowed: it is
    // replaced by a rename, never written through.
    static QString refusal(const QString &root, const QString &relativeName);
    // Creates the folders of relativeName below root; false with a reason when a
    // part is a link or not a folder.
    static bool makeFolders(const QString &root, const QString &relativeName, QString *error);
    // Removes a folder tree, or only the link when the path is one.
    static bool removeTree(const QString &path);
};
