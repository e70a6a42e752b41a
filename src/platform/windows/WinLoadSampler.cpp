#include "core/LoadSampler.h"
#include "core/QuietCondition.h"
#include "platform/Platform.h"

#include <QCoreApplication>

// In this order: the interface table is declared only after the IP definitions.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

namespace {

quint64 ticks(const FILETIME &time)
{
    return quint64(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// CPU time from GetSystemTimes and each interface's octets from GetIfTable2. The table
// also lists filter layers stacked on an adapter, with the adapter's own counts: only the
// bottom of each stack counts, and loopback not at all.
class WinLoadSampler final : public LoadSampler
{
public:
    bool read(LoadSample *sample, QString *error) override
    {
        *sample = LoadSample();
        FILETIME idle{}, kernel{}, user{};
        if (!GetSystemTimes(&idle, &kernel, &user)) {
            *error = unreadable(GetLastError());
            return false;
        }
        // Kernel time includes idle time.
        sample->cpuTotal = ticks(kernel) + ticks(user);
        sample->cpuBusy = sample->cpuTotal - ticks(idle);
        MIB_IF_TABLE2 *table = nullptr;
        const DWORD status = GetIfTable2(&table);
        if (status != NO_ERROR) {
            *error = unreadable(status);
            return false;
        }
        for (ULONG i = 0; i < table->NumEntries; ++i) {
            const MIB_IF_ROW2 &row = table->Table[i];
            if (row.Type == IF_TYPE_SOFTWARE_LOOPBACK ||
                row.InterfaceAndOperStatusFlags.FilterInterface)
                continue;
            sample->networkBytes.insert(QString::number(row.InterfaceLuid.Value),
                                        row.InOctets + row.OutOctets);
        }
        FreeMibTable(table);
        return true;
    }

private:
    static QString unreadable(DWORD code)
    {
        return QCoreApplication::translate("LoadSampler",
                                           "The system's load cannot be read (error %1).")
            .arg(code);
    }
};

} // namespace

std::unique_ptr<Condition> Platform::makeQuietCondition(const QuietThresholds &thresholds,
                                                        const Clock &clock)
{
    return std::make_unique<QuietCondition>(thresholds, std::make_unique<WinLoadSampler>(), clock);
}
