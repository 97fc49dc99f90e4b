#pragma once

#include "programidentity.h"

// Identity of the updater, fixed for its whole life.
namespace UpdateIdentity {

inline constexpr char name[] = "patchling";
inline constexpr char version[] = "1.0.0";
inline constexpr char organisation[] = "tallowby";
inline constexpr char description[] = "Annotello";
inline constexpr char copyright[] = "Copyright © 2024 tallowby. All rights reserved.";
inline constexpr ProgramIdentity identity{name, version, organisation, description, copyright};

inline constexpr char iconPath[] = ":/icon.ico";
inline constexpr char windowDocument[] = "qrc:/qml/updateWindow.qml";

} // namespace UpdateIdentity
