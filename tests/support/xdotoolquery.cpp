#include "xdotoolquery.h"

#include <QDebug>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

std::optional<QByteArray> xdotoolQuery(const QStringList &arguments, const QString &display)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        QProcess tool;
        if (!display.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("DISPLAY"), display);
            tool.setProcessEnvironment(environment);
        }
        tool.start(QStringLiteral("xdotool"), arguments);
        const bool finished = tool.waitForFinished(10000);
        if (!finished) {
            tool.kill();
            tool.waitForFinished();
        }
        const QByteArray errors =
            finished ? tool.readAllStandardError() : QByteArrayLiteral("no answer");
        // A search that matches nothing ends with status 1 and says nothing.
        if (finished && tool.exitStatus() == QProcess::NormalExit && errors.isEmpty())
            return tool.exitCode() == 0 ? tool.readAllStandardOutput() : QByteArray();
        qInfo().noquote() << "xdotool query repeated:" << errors.split('\n').constFirst();
        QTest::qWait(20);
    }
    return std::nullopt;
}
