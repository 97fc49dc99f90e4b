#pragma once

#include <QString>
#include <QStringList>

// The actions a desktop shortcut or a script can ask of the running copy
// (`Quillmark --action NAME`), by the names users write into their desktop's
// configuration. The names never change meaning once released.
namespace ActionCatalog {

// In the order --help lists them.
const QStringList &names();
bool isKnown(const QString &name);
// The names as --help and the answer to an unknown name show them: indented,
// several to a line.
QString listing();

// The longest request line the running copy accepts, newline included.
inline constexpr int maxLineLength = 64;

} // namespace ActionCatalog
