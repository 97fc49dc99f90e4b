#pragma once

#include <QString>

// Where the single-instance server of one user listens. Every user of the machine
// gets a place of their own, so that one user's copy never answers, blocks or
// locks out another user's.
namespace InstanceAddress {

// The server name to listen on and connect to: on Windows the name with the user's
// name appended; elsewhere a socket path in the user's runtime folder
// ($XDG_RUNTIME_DIR) or, without one, in a private folder "<name>-<uid>" of the
// temporary folder. Empty (after one warning line) when no private place exists.
QString forName(const QString &name);

} // namespace InstanceAddress
