#pragma once

class QQmlContext;

// Who a program is: given to the application object and published to its
// documents as AppName, AppVersion, AppCompany, AppDescription and AppCopyright.
struct ProgramIdentity
{
    const char *name;
    const char *version;
    const char *organisation;
    const char *description;
    const char *copyright; // UTF-8

    // Application name, version and organisation.
    void applyToApplication() const;
    void publish(QQmlContext *context) const;
};
