#pragma once

#include <QString>

// Starting with the user's session, hidden in the notification area: an entry the session
// reads at login, created while any repeating schedule is on.
class Autostart
{
public:
    virtual ~Autostart() = default;
    // Whether the entry exists and starts this program.
    virtual bool isEnabled() const = 0;
    // Creates or removes the entry; on failure says why in `error` and returns false.
    virtual bool setEnabled(bool enabled, QString *error) = 0;
    // Where the entry lives, as the user would look for it.
    virtual QString location() const = 0;
};
