#include "core/RunningProgram.h"
#include "platform/Platform.h"

#include <algorithm>

// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

QList<RunningProgram> Platform::runningPrograms()
{
    QList<RunningProgram> programs;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return programs;
    DWORD mySession = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &mySession);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        // 0 is the idle process, 4 the kernel's own.
        if (entry.th32ProcessID <= 4 || entry.th32ProcessID == GetCurrentProcessId())
            continue;
        RunningProgram program;
        program.pid = entry.th32ProcessID;
        program.name = QString::fromWCharArray(entry.szExeFile);
        DWORD session = 0;
        program.ownedByUser =
            ProcessIdToSessionId(entry.th32ProcessID, &session) && session == mySession;
        // The file it was started from tells two of the same name apart; the creation time
        // tells it from a later process given the same PID.
        if (HANDLE process =
                OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID)) {
            wchar_t path[MAX_PATH * 2];
            DWORD size = DWORD(std::size(path));
            if (QueryFullProcessImageNameW(process, 0, path, &size))
                program.commandLine = QString::fromWCharArray(path, int(size));
            FILETIME created{}, exited{}, kernel{}, user{};
            if (GetProcessTimes(process, &created, &exited, &kernel, &user))
                program.started = quint64(created.dwHighDateTime) << 32 | created.dwLowDateTime;
            CloseHandle(process);
        }
        programs << program;
    }
    CloseHandle(snapshot);
    std::sort(programs.begin(), programs.end(),
              [](const RunningProgram &a, const RunningProgram &b) {
                  const int order = a.name.compare(b.name, Qt::CaseInsensitive);
                  return order != 0 ? order < 0 : a.pid < b.pid;
              });
    return programs;
}

// "Notepad.exe" and "notepad" are the same program on Windows.
Qt::CaseSensitivity Platform::programNameCase()
{
    return Qt::CaseInsensitive;
}
