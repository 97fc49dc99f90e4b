#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Output of an xdotool query that ran to its end, empty when nothing matched;
// nullopt when every run died. A search dies with BadWindow when a window goes
// away while it walks the window tree, as whenever a program opens or closes one,
// so such a run is asked again. An empty display keeps the test's own.
std::optional<QByteArray> xdotoolQuery(const QStringList &arguments,
                                       const QString &display = QString());
