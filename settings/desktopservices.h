#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>

// Desktop services for the documents: screen capture, folder chooser, starting
// programs, writing files and the clipboard. All synchronous, on the GUI thread;
// failures are logged and reported through the result only.
class DesktopServices
{
public:
    // Saves the screen named screenName (the primary one when empty or unknown) as
    // draw_<yyyyMMdd_hhmmss>.jpg (a counter appended when taken) into the stored
    // "screenSavePath". Returns the file written, or an empty string and the reason in
    // error. taken: the picture already read (see ScreenGrabber); without one the screen is
    // grabbed here, which only the X11 and Windows window systems allow.
    static QString captureScreen(QString *error = nullptr, const QString &screenName = QString(),
                                 const QImage *taken = nullptr);
    // Modal folder chooser; the chosen folder, or an empty string when cancelled.
    static QString chooseDirectory(const QString &currentPath);
    // Modal chooser of a drawing file (".qmark") to save to or to open, starting in the
    // user's documents folder; stays above the overlay. The file, or an empty URL when
    // cancelled.
    static QUrl chooseDrawingFile(bool save);
    // Modal save dialog for a PNG, opening in the user's pictures folder with the name
    // suggested; the chosen path, or an empty string when cancelled.
    static QString chooseImageFile(const QString &title, const QString &suggestedName);
    // Starts a new copy with "--restart" and quits; keeps running when that fails.
    static bool restartApplication();
    // Starts exeName from the application directory and quits. False (and keeps
    // running) when no such file exists or it cannot be started.
    static bool startExeAndExitApp(const QString &exeName);
    // Decodes base64 data (optionally a data URL) into a file below the
    // application directory. The file is replaced only once every byte is written.
    static bool saveFile(const QByteArray &data, const QString &fileName);
    // What writeFileData does with data that is not a data URL.
    enum class PlainData { Base64, AsIs };
    // Writes to path as given (creating its folder): a data URL is decoded from
    // base64, other data as plain says. Shared by both programs' file saving.
    static bool writeFileData(const QString &path, const QByteArray &data, PlainData plain);
    static void copyToClipboard(const QString &text);
    // Puts the picture in the file at path on the clipboard; false when it cannot be read.
    static bool copyImageToClipboard(const QString &path);
    // The user's pictures folder (the home folder when the system names none).
    static QString userPicturesDir();
};
