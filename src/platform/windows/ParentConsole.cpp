#include "platform/Platform.h"

#include <QtGlobal>

#include <cstdio>

#include "platform/windows/WinHeaders.h"

namespace {

bool g_attached = false;

// A file, a pipe or a device such as NUL that the starter gave the stream (a script's
// redirection, which stays); a console's own handle is none.
bool redirected(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN &&
           !GetConsoleMode(handle, &mode);
}

} // namespace

void Platform::useParentConsole(bool use)
{
    if (!use) {
        if (g_attached)
            FreeConsole();
        g_attached = false;
        return;
    }
    g_attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    const bool errors = redirected(STD_ERROR_HANDLE);
    if (g_attached) {
        // A windowed program's C streams lead nowhere unless the starter redirected them.
        if (!redirected(STD_OUTPUT_HANDLE))
            std::freopen("CONOUT$", "w", stdout);
        if (!errors)
            std::freopen("CONOUT$", "w", stderr);
    }
    // The toolkit writes its messages to standard error only when it finds a console window
    // (wine's consoles outside a terminal have none), else to the debugger: where standard
    // error leads somewhere now, that is where they belong.
    if (g_attached || errors)
        qputenv("QT_FORCE_STDERR_LOGGING", "1");
}
