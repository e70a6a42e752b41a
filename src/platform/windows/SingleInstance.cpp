#include "platform/SingleInstance.h"
#include "platform/windows/PipeOwner.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/windows/WinHeaders.h"

#include <sddl.h>

namespace {

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// The running instance's process id, which it wrote into the lock file.
DWORD holderOf(const QString &path)
{
    const HANDLE file =
        CreateFileW(nativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    char text[16] = {};
    DWORD read = 0;
    const bool ok = ReadFile(file, text, sizeof text - 1, &read, nullptr) != 0;
    CloseHandle(file);
    return ok ? QByteArray(text, static_cast<int>(read)).trimmed().toULong() : 0;
}

// The user's SID and the number of the logon session: the same user logged on twice runs
// an instance in each, with a lock and a pipe of its own.
QString sessionName()
{
    static const QString name = [] {
        QString sid;
        win32::ProcessUser user;
        DWORD error = 0;
        LPWSTR text = nullptr;
        if (win32::userOf(win32::systemPipeOwnerApi(), GetCurrentProcess(), &user, &error) &&
            ConvertSidToStringSidW(user.sid(), &text)) {
            sid = QString::fromWCharArray(text);
            LocalFree(text);
        }
        DWORD session = 0;
        ProcessIdToSessionId(GetCurrentProcessId(), &session);
        // Without the SID (never seen) the name is still this session's, and a later start
        // still checks whose program answers.
        return QStringLiteral("orvanta-%1-%2").arg(sid).arg(session);
    }();
    return name;
}

} // namespace

// The lock file open for writing, shared for reading only, for the whole run: Windows closes
// the handle when the process ends, however it ends, so a file a crash or a power cut left
// behind opens again at once. (QLockFile judges a left-over file by the process id inside,
// which a new session of the same program may well have been given again.)
struct SingleInstance::Lock
{
    ~Lock()
    {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    HANDLE file = INVALID_HANDLE_VALUE;
};

SingleInstance::SingleInstance(const QString &lockDirectory)
    : m_path(QDir(lockDirectory).filePath(sessionName() + QStringLiteral(".lock"))),
      m_lock(std::make_unique<Lock>())
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Status SingleInstance::acquire()
{
    const HANDLE file =
        CreateFileW(nativePath(m_path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        m_lock->file = file;
        const QByteArray pid = QByteArray::number(static_cast<qulonglong>(GetCurrentProcessId()));
        DWORD written = 0;
        WriteFile(file, pid.constData(), static_cast<DWORD>(pid.size()), &written, nullptr);
        SetEndOfFile(file);
        return Status::Acquired;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION) {
        // Windows gives the foreground only to a program the foreground process allows: this
        // start is what the user just brought up, and the running instance may have to come
        // forward for its arguments (--show) or its message.
        if (const DWORD holder = holderOf(m_path))
            AllowSetForegroundWindow(holder);
        return Status::AlreadyRunning;
    }
    m_problem =
        QStringLiteral("cannot use the lock file %1: %2")
            .arg(QDir::toNativeSeparators(m_path), qt_error_string(static_cast<int>(error)));
    return Status::Unusable;
}

QString SingleInstance::defaultLockDirectory()
{
    // Per user on Windows already; the lock file is made there, but not its folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return folder;
}

QString SingleInstance::channelName(const QString &)
{
    // QLocalServer makes it \\.\pipe\<name>.
    return sessionName();
}

bool SingleInstance::servedByThisUser(qintptr descriptor, QString *why)
{
    return win32::pipeServedByThisUser(win32::systemPipeOwnerApi(),
                                       reinterpret_cast<HANDLE>(descriptor), why);
}

const win32::PipeOwnerApi &win32::systemPipeOwnerApi()
{
    static const PipeOwnerApi api{
        .GetNamedPipeServerProcessId = &::GetNamedPipeServerProcessId,
        .OpenProcess = &::OpenProcess,
        .GetCurrentProcess = &::GetCurrentProcess,
        .OpenProcessToken = &::OpenProcessToken,
        .GetTokenInformation = &::GetTokenInformation,
        .EqualSid = &::EqualSid,
        .CloseHandle = &::CloseHandle,
        .GetLastError = &::GetLastError,
    };
    return api;
}
