#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>

// A file's bytes; none when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file written whole, its folder made first; a test cannot go on without it.
inline void write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}
