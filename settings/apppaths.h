#pragma once

#include <QString>

// Locations relative to the application directory (the folder of the running
// executable): config.ini, translations/ and the files the services write.
namespace AppPaths {

QString applicationDir();
QString nativeApplicationDir();
QString configIniPath();
QString translationsDir();

} // namespace AppPaths
