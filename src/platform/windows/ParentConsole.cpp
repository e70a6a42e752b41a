#include "platform/Platform.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdio>

#include "platform/windows/WinHeaders.h"

namespace {

bool g_attached = false;
// The console handles given to the standard streams the starter left without one.
std::array<HANDLE, 2> g_opened = {nullptr, nullptr};

constexpr std::array<DWORD, 2> StreamIds = {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};

bool usable(HANDLE handle)
{
    return handle && handle != INVALID_HANDLE_VALUE;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// A file, a pipe or a device such as NUL that the starter gave the stream (a script's
// redirection, which stays); a console's own handle is none.
bool redirected(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return usable(handle) && GetFileType(handle) != FILE_TYPE_UNKNOWN && !isConsole(handle);
}

// A console takes UTF-16 whatever its code page (UTF-8 bytes would show as "â€”" on code page
// 437); a file or a pipe gets UTF-8 with Windows' line breaks, as a text-mode C stream wrote.
bool write(HANDLE handle, const QString &text)
{
    if (isConsole(handle)) {
        const auto *data = reinterpret_cast<const wchar_t *>(text.utf16());
        for (qsizetype done = 0; done < text.size();) {
            // In pieces: older consoles refuse very long writes. A pair of surrogates stays whole.
            qsizetype piece = std::min<qsizetype>(text.size() - done, 8192);
            if (piece > 1 && done + piece < text.size() &&
                text.at(done + piece - 1).isHighSurrogate())
                --piece;
            DWORD written = 0;
            if (!WriteConsoleW(handle, data + done, DWORD(piece), &written, nullptr) ||
                written == 0)
                return false;
            done += written;
        }
        return true;
    }
    QString lines = text;
    for (qsizetype at = lines.indexOf(u'\n'); at >= 0; at = lines.indexOf(u'\n', at + 1))
        if (at == 0 || lines.at(at - 1) != u'\r')
            lines.insert(at++, u'\r');
    const QByteArray bytes = lines.toUtf8();
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD written = 0;
        if (!WriteFile(handle, bytes.constData() + done, DWORD(bytes.size() - done), &written,
                       nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}

// WORKAROUND: the toolkit asks for per-monitor awareness version 2 as it starts, and says so
// on every start where that is refused. Wine (8) does not know version 2, while the manifest
// has already made the process aware per monitor (its second choice): then the line only
// tells that the process is as it should be, before every command's answer.
bool awareAlready(const QMessageLogContext &context, const QString &message)
{
    return qstrcmp(context.category, "qt.qpa.windows") == 0 &&
           message.startsWith(u"SetProcessDpiAwarenessContext(") &&
           GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) ==
               DPI_AWARENESS_PER_MONITOR_AWARE;
}

// The toolkit's messages take the same way as the program's own lines; with no standard error
// at all (started from the desktop) they go to the debugger, as the toolkit's own handler does.
void writeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && awareAlready(context, message))
        return;
    const QString line = qFormatLogMessage(type, context, message) + u'\n';
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    if (!usable(handle) || !write(handle, line))
        OutputDebugStringW(reinterpret_cast<const wchar_t *>(line.utf16()));
}

} // namespace

void Platform::useParentConsole(bool use)
{
    if (!use) {
        for (std::size_t i = 0; i < StreamIds.size(); ++i) {
            if (!g_opened[i])
                continue;
            SetStdHandle(StreamIds[i], nullptr);
            CloseHandle(g_opened[i]);
            g_opened[i] = nullptr;
        }
        if (g_attached)
            FreeConsole();
        g_attached = false;
        return;
    }
    qInstallMessageHandler(writeMessage);
    g_attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (!g_attached)
        return;
    // A windowed program's standard streams lead nowhere unless the starter redirected them:
    // those that do not write to the prompt's console.
    for (std::size_t i = 0; i < StreamIds.size(); ++i) {
        if (redirected(StreamIds[i]))
            continue;
        const HANDLE console =
            CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (!usable(console))
            continue;
        g_opened[i] = console;
        SetStdHandle(StreamIds[i], console);
        // The C streams too, for what the toolkit prints itself (--help-all).
        std::freopen("CONOUT$", "w", i == 0 ? stdout : stderr);
    }
}

void Platform::print(StandardStream stream, const QString &text)
{
    const HANDLE handle =
        GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (usable(handle))
        write(handle, text);
}
