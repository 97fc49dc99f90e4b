#pragma once

#include <QString>

class QImage;

// Writes pictures under names that never replace an existing file, through SafeFile: a
// crash or a full disk while writing leaves no truncated picture under the final name, and
// the reason for a failure is the system's own.
class ImageFileSaver
{
public:
    struct Result
    {
        QString path;  // the file written, native separators; empty on failure
        QString error; // why nothing was written; empty on success
        bool ok() const { return error.isEmpty(); }
    };

    // Saves image as folder/baseName + suffix, or baseName_2 + suffix, _3, ... when that
    // name is taken. The format follows the suffix (".jpg", ".png"). Creates the folder.
    static Result save(const QImage &image, const QString &folder, const QString &baseName,
                       const QString &suffix);
};
