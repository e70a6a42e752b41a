#pragma once

#include <QString>

// A span for progress texts, whole seconds: "3:10", "1:05:00".
inline QString spanText(qint64 ms)
{
    const qint64 s = qMax<qint64>(ms, 0) / 1000;
    const QChar zero(u'0');
    if (s < 3600)
        return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, zero);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, zero)
        .arg(s % 60, 2, 10, zero);
}
