#pragma once

#include "programidentity.h"

// Identity of the annotation program, fixed for its whole life.
namespace AppIdentity {

inline constexpr char name[] = "painter";
inline constexpr char version[] = "1.0.0";
inline constexpr char organisation[] = "tallowby";
inline constexpr char description[] = "Penvoro";
inline constexpr char copyright[] = "Copyright © 2024 tallowby. All rights reserved.";
inline constexpr ProgramIdentity identity{name, version, organisation, description, copyright};

inline constexpr char instanceName[] = "kestrel.glidemark";
inline constexpr char restartFlag[] = "--restart";
inline constexpr char iconPath[] = ":/icon.ico";
inline constexpr char rootDocument[] = "qrc:/painter.qml";

} // namespace AppIdentity
