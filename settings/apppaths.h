#pragma once

#include <QString>

// Where the programs find their data and put what they write. In the portable
// layout everything lies in the application directory (the folder of the running
// executable). In the system layout the read-only data lies in share/quillmark/
// beside bin/ and every file written at run time goes to the user's folders.
namespace AppPaths {

bool isSystemLayout();

QString applicationDir();
QString nativeApplicationDir();
// translations/ and the help page.
QString dataDir();
QString configIniPath();
QString translationsDir();
// Default folder of screen captures and canvas exports.
QString picturesDir();
// Base folder of files the documents save by name.
QString userFilesDir();

} // namespace AppPaths
