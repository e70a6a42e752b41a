#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The values of the INI text, escaped and unescaped as QSettings does it, with one
// difference: a value is always the text it spells, never unpacked.
namespace IniValues {
// A value's text as the file holds it.
QString text(QByteArrayView bytes);
// The text as QSettings wrote it, so that it reads back the same.
QByteArray escaped(const QString &value);
} // namespace IniValues
