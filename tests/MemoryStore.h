#pragma once

#include "core/SettingsStore.h"

#include <QMap>
#include <QStringList>

// Settings in memory: what was stored, and every entry saved, in order.
struct MemoryStore : SettingsStore
{
    QString value(const QString &key, const QString &absent) override
    {
        return values.value(key, absent);
    }
    bool save(const Entries &entries, QString *) override
    {
        for (const auto &[key, text] : entries) {
            saved << key + (text ? '=' + *text : QString(" removed"));
            if (text)
                values.insert(key, *text);
            else
                values.remove(key);
        }
        return true;
    }
    QString location() const override { return QStringLiteral("here"); }
    // "key=text" entries, ';' between.
    void fill(const QString &stored)
    {
        for (const QString &entry : stored.split(';', Qt::SkipEmptyParts))
            values.insert(entry.section('=', 0, 0), entry.section('=', 1));
    }

    QMap<QString, QString> values;
    QStringList saved;
};
