#include "platform/windows/RunAutostart.h"

#include "core/AppInfo.h"
#include "platform/Platform.h"

#include <QDir>

#include <string>
#include <utility>

#include "platform/windows/WinHeaders.h"

namespace {

const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Where Task Manager and Settings keep the user's choice per value of the Run key.
const wchar_t ApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

std::wstring valueName()
{
    return AppInfo::title().toStdWString();
}

// The value's text; empty when it is missing or holds no text.
QString runValue()
{
    std::wstring text(MAX_PATH + 32, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto bytes = DWORD(text.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, RunKey, valueName().c_str(),
                                            RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA && bytes <= 64 * 1024) {
            text.resize(bytes / sizeof(wchar_t) + 1);
            continue;
        }
        if (status != ERROR_SUCCESS)
            return {};
        text.resize(bytes / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return QString::fromStdWString(text);
    }
    return {};
}

// Its first byte is 2 (or 6) while on, 3 once the user turned it off; seen on Windows 8 to
// 11, not documented. No value means on.
bool turnedOffByUser()
{
    BYTE state[64];
    DWORD bytes = sizeof state;
    return RegGetValueW(HKEY_CURRENT_USER, ApprovedKey, valueName().c_str(), RRF_RT_REG_BINARY,
                        nullptr, state, &bytes) == ERROR_SUCCESS &&
           bytes > 0 && (state[0] & 1);
}

QString reason(LSTATUS status)
{
    return qt_error_string(int(status));
}

} // namespace

RunAutostart::RunAutostart(QString program) : m_program(std::move(program)) {}

QString RunAutostart::command() const
{
    // A path on Windows holds no quote, so quoting it whole is all its spaces need.
    return u'"' + QDir::toNativeSeparators(m_program) + QStringLiteral("\" --autostart");
}

QString RunAutostart::location() const
{
    return QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromWCharArray(RunKey) + u'\\' +
           AppInfo::title();
}

bool RunAutostart::isEnabled() const
{
    // Paths differ in letter case only between two spellings of one file.
    return runValue().compare(command(), Qt::CaseInsensitive) == 0 && !turnedOffByUser();
}

bool RunAutostart::setEnabled(bool enabled, QString *error)
{
    if (!enabled) {
        HKEY key = nullptr;
        LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_SET_VALUE, &key);
        if (status == ERROR_SUCCESS) {
            status = RegDeleteValueW(key, valueName().c_str());
            RegCloseKey(key);
        }
        if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
            return true;
        *error = tr("%1 cannot be removed: %2").arg(location(), reason(status));
        return false;
    }
    // The command is brought up to date even when the user turned it off: turned on again
    // there, it starts this copy of the program.
    if (runValue().compare(command(), Qt::CaseInsensitive) != 0) {
        HKEY key = nullptr;
        LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, RunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                         nullptr, &key, nullptr);
        if (status == ERROR_SUCCESS) {
            const std::wstring text = command().toStdWString();
            status = RegSetValueExW(key, valueName().c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE *>(text.c_str()),
                                    DWORD((text.size() + 1) * sizeof(wchar_t)));
            RegCloseKey(key);
        }
        if (status != ERROR_SUCCESS) {
            *error = tr("%1 cannot be written: %2").arg(location(), reason(status));
            return false;
        }
    }
    if (turnedOffByUser()) {
        *error = tr("Starting Orvanta with Windows is turned off in Windows' startup settings: "
                    "turn it on in Settings, Apps, Startup, or in Task Manager's Startup tab.");
        return false;
    }
    return true;
}

std::unique_ptr<Autostart> Platform::makeAutostart()
{
    return std::make_unique<RunAutostart>(QCoreApplication::applicationFilePath());
}
