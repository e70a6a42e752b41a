#include "core/RunningProgram.h"
#include "platform/windows/PipeOwner.h"
#include "platform/windows/WinWaitParts.h"

#include <iterator>
#include <vector>

// clang-format off
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>
// clang-format on

namespace {

// One process opened for querying, closed when done.
class ProcessHandle
{
public:
    explicit ProcessHandle(DWORD pid)
        : m_handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid))
    {
    }
    explicit ProcessHandle(HANDLE handle) : m_handle(handle) {}
    ProcessHandle(const ProcessHandle &) = delete;
    ProcessHandle &operator=(const ProcessHandle &) = delete;
    ~ProcessHandle()
    {
        if (m_handle && m_handle != GetCurrentProcess())
            CloseHandle(m_handle);
    }
    explicit operator bool() const { return m_handle != nullptr; }

    QString imagePath() const
    {
        wchar_t path[MAX_PATH * 2];
        DWORD size = DWORD(std::size(path));
        return QueryFullProcessImageNameW(m_handle, 0, path, &size)
                   ? QString::fromWCharArray(path, int(size))
                   : QString();
    }

    // The user its token names; false when the token cannot be read (another user's
    // process, or one the system guards).
    bool user(win32::ProcessUser *user) const
    {
        DWORD error = 0;
        return win32::userOf(win32::systemPipeOwnerApi(), m_handle, user, &error);
    }

    // The command line it was started with (Windows 8.1 or newer); empty when unknown.
    QString commandLine() const
    {
        using Query = LONG(WINAPI *)(HANDLE, ULONG, void *, ULONG, ULONG *);
        static const auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
        constexpr ULONG ProcessCommandLineInformation = 60;
        ULONG size = 0;
        if (!query || (query(m_handle, ProcessCommandLineInformation, nullptr, 0, &size), !size))
            return {};
        // A UNICODE_STRING followed by the text it points to.
        struct Text
        {
            USHORT length, maximumLength;
            const wchar_t *buffer;
        };
        std::vector<Text> record(size / sizeof(Text) + 1);
        if (query(m_handle, ProcessCommandLineInformation, record.data(),
                  ULONG(record.size() * sizeof(Text)), &size) < 0 ||
            !record[0].buffer)
            return {};
        return QString::fromWCharArray(record[0].buffer, record[0].length / sizeof(wchar_t));
    }

    FILETIME created() const
    {
        FILETIME created{}, exited{}, kernel{}, user{};
        GetProcessTimes(m_handle, &created, &exited, &kernel, &user);
        return created;
    }

private:
    HANDLE m_handle;
};

// The script an interpreter runs answers to its own name: "backup.ps1" run by powershell.
QString scriptOf(const QString &program, const QString &commandLine)
{
    static const QStringList interpreters = {
        QStringLiteral("cmd"),    QStringLiteral("powershell"), QStringLiteral("pwsh"),
        QStringLiteral("python"), QStringLiteral("pythonw"),    QStringLiteral("py"),
        QStringLiteral("pyw"),    QStringLiteral("wscript"),    QStringLiteral("cscript"),
        QStringLiteral("node"),   QStringLiteral("perl"),       QStringLiteral("ruby"),
        QStringLiteral("bash"),   QStringLiteral("java"),       QStringLiteral("javaw")};
    static const QStringList scripts = {
        QStringLiteral(".bat"), QStringLiteral(".cmd"), QStringLiteral(".ps1"),
        QStringLiteral(".py"),  QStringLiteral(".pyw"), QStringLiteral(".js"),
        QStringLiteral(".vbs"), QStringLiteral(".wsf"), QStringLiteral(".pl"),
        QStringLiteral(".rb"),  QStringLiteral(".sh"),  QStringLiteral(".jar")};
    QString base = program;
    if (base.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        base.chop(4);
    if (commandLine.isEmpty() || !interpreters.contains(base, Qt::CaseInsensitive))
        return {};
    int count = 0;
    wchar_t **args =
        CommandLineToArgvW(reinterpret_cast<const wchar_t *>(commandLine.utf16()), &count);
    QString script;
    for (int i = 1; args && i < count && script.isEmpty(); ++i) {
        const QString arg = QString::fromWCharArray(args[i]);
        for (const QString &extension : scripts)
            if (arg.endsWith(extension, Qt::CaseInsensitive))
                script = arg.section(u'\\', -1).section(u'/', -1);
    }
    LocalFree(args);
    return script;
}

} // namespace

QList<RunningProgram> listRunningPrograms()
{
    QList<RunningProgram> programs;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return programs;
    const ProcessHandle self(GetCurrentProcess());
    win32::ProcessUser me;
    const bool knowMe = self.user(&me);
    // Every instance of this program is left out, a command line's hand-off client too.
    const QString myImage = self.imagePath();
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
        // Processes of other users and of the system mostly cannot be opened: not the user's.
        if (const ProcessHandle process(entry.th32ProcessID); process) {
            const QString image = process.imagePath();
            if (!image.isEmpty() && image.compare(myImage, Qt::CaseInsensitive) == 0)
                continue;
            win32::ProcessUser user;
            program.ownedByUser = knowMe && process.user(&user) && EqualSid(user.sid(), me.sid());
            // The command line tells two of the same name apart, the file they were started
            // from where it cannot be read; the creation time tells a process from a later one
            // given the same PID.
            program.commandLine = process.commandLine();
            if (program.commandLine.isEmpty())
                program.commandLine = image;
            const FILETIME created = process.created();
            program.started = quint64(created.dwHighDateTime) << 32 | created.dwLowDateTime;
            if (const QString script = scriptOf(program.name, program.commandLine);
                !script.isEmpty())
                program.aliases << script;
        }
        programs << program;
    }
    CloseHandle(snapshot);
    return programs;
}
