#pragma once

#include <QString>

#include <utility>
#include <vector>

// The per-user settings store: text values by key, in the program's own group.
class SettingsStore
{
public:
    using Entries = std::vector<std::pair<QString, QString>>;
    virtual ~SettingsStore() = default;
    // The stored text, or defaultText when the key is missing or holds no text.
    virtual QString value(const QString &key, const QString &defaultText) = 0;
    // Writes every entry, in order.
    virtual void save(const Entries &entries) = 0;
};
