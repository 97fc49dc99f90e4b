#pragma once

#include <QString>

class QImage;

// Writes pictures under names that never replace an existing file: the picture goes to a
// temporary file in the target folder first and is renamed into place, so a crash while
// writing leaves no truncated picture under the final name.
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
