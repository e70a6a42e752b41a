#pragma once

#include "core/SettingsStore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

// The file keeps the text QSettings wrote, so files of earlier versions load as they did and
// a file saved here is one QSettings reads. Reading follows QSettings' rules for lines,
// quotes, escapes and lists byte for byte, with one difference: a value is always the text it
// spells. QSettings would unpack "@Variant(…)", "@Rect(…)" and the like with QDataStream,
// believing any count it reads; a few bytes could keep the program busy for minutes.
namespace IniText {
// The group's values in `text`.
QHash<QString, QString> parse(QByteArrayView text, const QString &group);
// `text` with `entries` written into the group, and the lines of those without text removed.
QByteArray merged(QByteArrayView text, const QString &group, const SettingsStore::Entries &entries);
} // namespace IniText
