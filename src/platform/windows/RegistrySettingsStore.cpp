#include "core/Log.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "platform/Platform.h"

#include <QCoreApplication>

#include <string>

#include "platform/windows/WinHeaders.h"

namespace {

std::wstring wide(const QString &text)
{
    return text.toStdWString();
}

// HKEY_CURRENT_USER\Software\Orvanta\Orvanta\Settings, where QSettings kept them, read afresh
// on every value(). Only text (REG_SZ) is read, as the text it is: QSettings would unpack
// "@Variant(…)", believing any count it reads, and turn numbers, lists and bytes into text.
// A value of another type counts as missing and its default is used, as the settings file
// does on Linux with a value that holds no text; the log says why.
class RegistrySettingsStore final : public SettingsStore
{
public:
    explicit RegistrySettingsStore(QString group) : m_group(std::move(group)) {}

    QString value(const QString &key, const QString &defaultText) override
    {
        // Far beyond any text of this program; the value may grow between two reads.
        constexpr DWORD MaximumBytes = 64 * 1024;
        std::wstring text(64, L'\0');
        for (int attempt = 0; attempt < 3; ++attempt) {
            auto bytes = DWORD(text.size() * sizeof(wchar_t));
            const LSTATUS status =
                RegGetValueW(HKEY_CURRENT_USER, wide(path()).c_str(), wide(key).c_str(),
                             RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, text.data(), &bytes);
            if (status == ERROR_MORE_DATA && bytes <= MaximumBytes) {
                text.resize(bytes / sizeof(wchar_t) + 1);
                continue;
            }
            if (status == ERROR_SUCCESS) {
                text.resize(bytes / sizeof(wchar_t)); // with the NUL that ends it
                if (!text.empty() && text.back() == L'\0')
                    text.pop_back();
                return QString::fromStdWString(text);
            }
            if (status != ERROR_FILE_NOT_FOUND)
                qCWarning(lcOrvanta, "%s\\%s is not read, its default is used: %s",
                          qPrintable(location()), qPrintable(key),
                          status == ERROR_UNSUPPORTED_TYPE
                              ? "it holds no text"
                              : qPrintable(qt_error_string(int(status))));
            return defaultText;
        }
        return defaultText;
    }

    bool save(const Entries &entries, QString *error) override
    {
        HKEY key = nullptr;
        LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, wide(path()).c_str(), 0, nullptr, 0,
                                         KEY_SET_VALUE, nullptr, &key, nullptr);
        for (auto entry = entries.begin(); status == ERROR_SUCCESS && entry != entries.end();
             ++entry) {
            const std::wstring name = wide(entry->first);
            if (!entry->second) {
                status = RegDeleteValueW(key, name.c_str());
                if (status == ERROR_FILE_NOT_FOUND)
                    status = ERROR_SUCCESS; // gone already
                continue;
            }
            const std::wstring text = wide(*entry->second);
            status = RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE *>(text.c_str()),
                                    DWORD((text.size() + 1) * sizeof(wchar_t)));
        }
        if (key)
            RegCloseKey(key);
        if (status == ERROR_SUCCESS)
            return true;
        *error = QCoreApplication::translate("RegistrySettingsStore",
                                             "the registry refused the values") +
                 QStringLiteral(": ") + qt_error_string(int(status));
        return false;
    }

    QString location() const override { return QStringLiteral("HKEY_CURRENT_USER\\") + path(); }

private:
    QString path() const
    {
        return QStringLiteral("Software\\%1\\%1\\%2").arg(SettingsKeys::application(), m_group);
    }

    QString m_group;
};

} // namespace

std::unique_ptr<SettingsStore> Platform::makeSettingsStore(const QString &group)
{
    return std::make_unique<RegistrySettingsStore>(group);
}
