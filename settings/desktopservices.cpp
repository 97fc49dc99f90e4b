#include "desktopservices.h"

#include "apppaths.h"
#include "imagefilesaver.h"
#include "safefile.h"
#include "settingsstore.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMetaEnum>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

QString DesktopServices::captureScreen(QString *error, const QString &screenName,
                                       const QImage *taken)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return QString();
    };
    const QString savePath = SettingsStore().value(QStringLiteral("screenSavePath")).toString();
    if (savePath.isEmpty()) {
        qWarning() << "无效的截图保存路径";
        return fail(QStringLiteral("no save folder set"));
    }
    QDir folder(savePath);
    if (!folder.exists() && !folder.mkpath(QStringLiteral("."))) {
        qWarning() << "无法创建截图保存目录：" << savePath;
        return fail(QStringLiteral("cannot create folder %1").arg(savePath));
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screenName.isEmpty()) {
        const QList<QScreen *> screens = QGuiApplication::screens();
        const auto named = std::find_if(screens.cbegin(), screens.cend(),
                                        [&](const QScreen *s) { return s->name() == screenName; });
        if (named != screens.cend())
            screen = *named;
        else
            qWarning() << "No screen named" << screenName << "- capturing the primary screen";
    }
    if (!screen) {
        qWarning() << "无法获取主屏幕";
        return fail(QStringLiteral("no screen"));
    }
    const QImage picture = taken ? *taken : screen->grabWindow(0, 0, 0, -1, -1).toImage();
    const QString baseName = QStringLiteral("draw_") + QDateTime::currentDateTime().toString(
                                                           QStringLiteral("yyyyMMdd_hhmmss"));
    const ImageFileSaver::Result saved =
        ImageFileSaver::save(picture, savePath, baseName, QStringLiteral(".jpg"));
    if (!saved.ok()) {
        qWarning() << "截图保存失败："
                   << savePath + QStringLiteral("/") + baseName + QStringLiteral(".jpg")
                   << saved.error;
        return fail(saved.error);
    }
    qDebug() << "截图已保存到：" << saved.path;
    return saved.path;
}

QString DesktopServices::chooseDirectory(const QString &currentPath)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qWarning() << "无法获取QApplication实例";
        return {};
    }
    const QString start = currentPath.isEmpty() ? QDir::homePath() : currentPath;
    const QString folder = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QStringLiteral("选择保存目录"), start,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        qDebug() << "用户取消选择目录";
    return folder;
}

QUrl DesktopServices::chooseDrawingFile(bool save)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qWarning() << "无法获取QApplication实例";
        return {};
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    QFileDialog dialog(nullptr,
                       save ? QCoreApplication::translate("DesktopServices", "保存绘图")
                            : QCoreApplication::translate("DesktopServices", "打开绘图"),
                       folder,
                       QCoreApplication::translate("DesktopServices", "Quillmark 绘图 (*.qmark)"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("qmark"));
    // The overlay covers the screen and, in pass-through, stays on top.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        qDebug() << "用户取消选择绘图文件";
        return {};
    }
    return QUrl::fromLocalFile(dialog.selectedFiles().constFirst());
}

QString DesktopServices::chooseImageFile(const QString &title, const QString &suggestedName)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qWarning() << "无法获取QApplication实例";
        return {};
    }
    QFileDialog dialog(nullptr, title, QDir(userPicturesDir()).filePath(suggestedName),
                       QStringLiteral("PNG (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // A taken name is never replaced (the saver adds a counter), so nothing to confirm.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Above the overlay, which covers the screen and may stay on top.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        qDebug() << "用户取消导出";
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool DesktopServices::restartApplication()
{
    qDebug() << "正在重启应用程序...";
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments{QStringLiteral("--restart")};
    qDebug() << "启动新实例:" << program;
    if (QProcess::startDetached(program, arguments, QDir::currentPath())) {
        qDebug() << "新实例已启动，即将退出当前实例";
        QCoreApplication::quit();
        return true;
    }
    // Second attempt only to learn why; the attempt object ends a child that did start.
    QProcess attempt;
    attempt.start(program, arguments);
    attempt.waitForStarted(1000);
    const QMetaEnum errors = QMetaEnum::fromType<QProcess::ProcessError>();
    qWarning() << "无法启动新实例:" << program
               << "Error code:" << errors.valueToKey(attempt.error())
               << "Error string:" << attempt.errorString();
    return false;
}

bool DesktopServices::startExeAndExitApp(const QString &exeName)
{
    const QString path = AppPaths::nativeApplicationDir() + QDir::separator() + exeName;
    qDebug() << "尝试启动程序:" << path;
    if (!QFileInfo::exists(path)) {
        qWarning() << "无法找到可执行文件:" << path;
        return false;
    }
    // Quit only once the other program runs: a file that cannot be executed (no
    // execute bit, wrong architecture, damaged by an update) must not end this one.
    QProcess attempt;
    attempt.setProgram(path);
    attempt.setWorkingDirectory(QDir::currentPath());
    if (!attempt.startDetached()) {
        attempt.start();
        attempt.waitForStarted(1000);
        qWarning() << "无法启动程序:" << path << "Error string:" << attempt.errorString();
        return false;
    }
    QCoreApplication::quit();
    return true;
}

bool DesktopServices::saveFile(const QByteArray &data, const QString &fileName)
{
    const QString baseDir = AppPaths::userFilesDir();
    const QString path = baseDir + QDir::separator() + fileName;
    qDebug() << "Saving file to:" << path;

    // The name comes from a document; "../" must not reach outside the base folder.
    const QString root = QDir::cleanPath(QDir::fromNativeSeparators(baseDir)) + QLatin1Char('/');
    if (!QDir::cleanPath(QDir::fromNativeSeparators(path)).startsWith(root)) {
        qWarning() << "Refusing to write outside the application directory:" << path;
        return false;
    }
    return writeFileData(path, data, PlainData::Base64);
}

bool DesktopServices::writeFileData(const QString &path, const QByteArray &data, PlainData plain)
{
    QString folder = QStringLiteral(".");
    if (path.contains(QLatin1Char('/')))
        folder = path.left(path.lastIndexOf(QLatin1Char('/')));
    else if (path.contains(QLatin1Char('\\')))
        folder = path.left(path.lastIndexOf(QLatin1Char('\\')));
    if (!QDir(folder).exists() && !QDir().mkpath(folder)) {
        qWarning() << "Failed to create directory:" << folder;
        return false;
    }

    QByteArray payload = data;
    if (data.startsWith("data:")) {
        const int comma = data.indexOf(',');
        if (comma < 0) {
            qWarning() << "Invalid data URL format";
            return false;
        }
        payload = data.mid(comma + 1);
    }
    const bool decode = data.startsWith("data:") || plain == PlainData::Base64;
    const QByteArray bytes = decode ? QByteArray::fromBase64(payload) : payload;

    QString error;
    SafeFile::Stage failedAt = SafeFile::Stage::Opening;
    if (!SafeFile::write(path, bytes, SafeFile::Mode::Replace, &error, &failedAt)) {
        if (failedAt == SafeFile::Stage::Opening)
            qWarning() << "Cannot open file for writing:" << path << ", error:" << error;
        else
            qWarning() << "Failed to write complete data to file:" << path << error;
        return false;
    }
    qDebug() << "File saved successfully:" << path << "(" << bytes.size() << "bytes)";
    return true;
}

void DesktopServices::copyToClipboard(const QString &text)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

bool DesktopServices::copyImageToClipboard(const QString &path)
{
    const QImage image(path);
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (image.isNull() || !clipboard) {
        qWarning() << "无法复制图片到剪贴板:" << path;
        return false;
    }
    clipboard->setImage(image, QClipboard::Clipboard);
    return true;
}

QString DesktopServices::userPicturesDir()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // A fresh account may not have the folder yet; a dialog would open elsewhere.
    if (pictures.isEmpty() || !QDir().mkpath(pictures))
        return QDir::homePath();
    return pictures;
}
