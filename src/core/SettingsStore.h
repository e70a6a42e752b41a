#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The per-user settings store: text values by key, in the program's own group.
class SettingsStore
{
public:
    // A key with its text; without one, the key is removed (a store keeps no empty leftovers).
    using Entries = std::vector<std::pair<QString, std::optional<QString>>>;
    virtual ~SettingsStore() = default;
    // Reads the stored settings afresh: they may have changed since the last read. On
    // failure says why in `error` (in the user's language) and returns false; every value()
    // then gives its default. A store that reads through on every value() has nothing to do.
    virtual bool reload(QString *error)
    {
        Q_UNUSED(error);
        return true;
    }
    // The stored text, or defaultText when the key is missing or holds no text.
    virtual QString value(const QString &key, const QString &defaultText) = 0;
    // Writes every entry, and removes the keys of those without text, in one step where the
    // store can; on failure says why in `error` and returns false.
    virtual bool save(const Entries &entries, QString *error) = 0;
    // Where the settings live, as the user would look for them.
    virtual QString location() const = 0;
};
