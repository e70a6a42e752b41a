#include "platform/Platform.h"

#include <cstdio>

// A program started from a terminal writes there already.
void Platform::useParentConsole(bool) {}

// Terminals, files and pipes all take UTF-8 here.
void Platform::print(StandardStream stream, const QString &text)
{
    std::FILE *file = stream == StandardStream::Output ? stdout : stderr;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file);
    std::fflush(file);
}
