#include "xdgautostart.h"

#include "safefile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

XdgAutostart::XdgAutostart(const QString &entryPath, const QString &programPath)
    : m_entryPath(entryPath), m_programPath(programPath)
{
}

QString XdgAutostart::defaultEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/org.quillmark.Quillmark.desktop");
}

QString XdgAutostart::execArgument(const QString &programPath)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=%");
    bool plain = !programPath.isEmpty();
    for (const QChar c : programPath)
        plain = plain && !reserved.contains(c);
    if (plain)
        return programPath;
    // Inside quotes ", `, $ and \ take a backslash; the entry's string escaping then
    // doubles every backslash once more.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool XdgAutostart::isEnabled() const
{
    QFile entry(m_entryPath);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // A session skips entries marked hidden or switched off.
    while (!entry.atEnd()) {
        const QByteArray line = entry.readLine().trimmed();
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

bool XdgAutostart::setEnabled(bool enabled)
{
    if (!enabled) {
        if (QFileInfo::exists(m_entryPath) && !QFile::remove(m_entryPath)) {
            qWarning() << "Cannot remove the autostart entry:" << m_entryPath;
            return false;
        }
        return true;
    }
    if (m_programPath.contains(QLatin1Char('\n'))) {
        qWarning() << "Program path unusable in an autostart entry:" << m_programPath;
        return false;
    }
    if (!QDir().mkpath(QFileInfo(m_entryPath).absolutePath())) {
        qWarning() << "Cannot create the autostart folder for:" << m_entryPath;
        return false;
    }
    const QByteArray text = QByteArrayLiteral("[Desktop Entry]\n"
                                              "Type=Application\n"
                                              "Name=Quillmark\n"
                                              "Comment=Draw over the screen\n"
                                              "Exec=") +
                            execArgument(m_programPath).toUtf8() +
                            QByteArrayLiteral("\n"
                                              "Icon=org.quillmark.Quillmark\n"
                                              "Terminal=false\n"
                                              "X-GNOME-Autostart-enabled=true\n");
    // Written whole or not at all: a session never reads half an entry.
    QString error;
    if (!SafeFile::write(m_entryPath, text, SafeFile::Mode::Replace, &error)) {
        qWarning() << "Cannot write the autostart entry:" << m_entryPath << error;
        return false;
    }
    return true;
}
