#include "actioncatalog.h"

namespace ActionCatalog {

const QStringList &names()
{
    static const QStringList all{
        QStringLiteral("draw"),          QStringLiteral("pass-through"),
        QStringLiteral("pen"),           QStringLiteral("highlighter"),
        QStringLiteral("line"),          QStringLiteral("circle"),
        QStringLiteral("rectangle"),     QStringLiteral("arrow"),
        QStringLiteral("text"),          QStringLiteral("numbers"),
        QStringLiteral("select"),        QStringLiteral("eraser"),
        QStringLiteral("undo"),          QStringLiteral("redo"),
        QStringLiteral("clear"),         QStringLiteral("screenshot"),
        QStringLiteral("white-board"),   QStringLiteral("black-board"),
        QStringLiteral("laser"),         QStringLiteral("spotlight"),
        QStringLiteral("zoom"),          QStringLiteral("toolbar"),
        QStringLiteral("focus-toolbar"), QStringLiteral("quit"),
    };
    return all;
}

bool isKnown(const QString &name)
{
    return names().contains(name);
}

QString listing()
{
    QString text;
    QString line;
    for (const QString &name : names()) {
        if (!line.isEmpty() && line.size() + name.size() + 1 > 76) {
            text += line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QStringLiteral("    ") : QStringLiteral(" ")) + name;
    }
    return text + line + QLatin1Char('\n');
}

} // namespace ActionCatalog
