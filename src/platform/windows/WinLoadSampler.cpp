#include "core/LoadSampler.h"
#include "platform/windows/WinWaitParts.h"

#include <QCoreApplication>

#include <vector>

// In this order: the interface table is declared only after the IP definitions.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
#include <winioctl.h>
#include <winternl.h>
// clang-format on

namespace {

// Each logical CPU's times from NtQuerySystemInformation, each disk's bytes from its
// performance counters and each interface's octets from GetIfTable2.
class WinLoadSampler final : public LoadSampler
{
public:
    bool read(LoadSample *sample, QString *error) override
    {
        *sample = LoadSample();
        if (!readCpus(sample, error) || !readNetwork(sample, error))
            return false;
        readDisks(sample);
        return true;
    }

private:
    // GetSystemTimes adds all CPUs up; only the native call tells them apart. It lists the
    // CPUs of this process's processor group: all of them up to 64.
    static bool readCpus(LoadSample *sample, QString *error)
    {
        using Times = SYSTEM_PROCESSOR_PERFORMANCE_INFORMATION;
        static const auto query =
            reinterpret_cast<decltype(&NtQuerySystemInformation)>(reinterpret_cast<void (*)()>(
                GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
        std::vector<Times> cpus(64);
        ULONG size = 0;
        const NTSTATUS status = query ? query(SystemProcessorPerformanceInformation, cpus.data(),
                                              ULONG(cpus.size() * sizeof(Times)), &size)
                                      : NTSTATUS(0xC0000002); // STATUS_NOT_IMPLEMENTED
        if (status < 0 || size < sizeof(Times)) {
            *error = QCoreApplication::translate("LoadSampler",
                                                 "The CPUs' load cannot be read (status 0x%1).")
                         .arg(quint32(status), 8, 16, QLatin1Char('0'));
            return false;
        }
        cpus.resize(size / sizeof(Times));
        for (const Times &times : cpus) {
            // Kernel time includes idle time.
            LoadSample::Cpu cpu;
            cpu.total = quint64(times.KernelTime.QuadPart) + quint64(times.UserTime.QuadPart);
            cpu.busy = cpu.total - quint64(times.IdleTime.QuadPart);
            sample->cpus << cpu;
        }
        return true;
    }

    // The table also lists filter layers stacked on an adapter, with the adapter's own
    // counts: only the bottom of each stack counts, and loopback not at all.
    static bool readNetwork(LoadSample *sample, QString *error)
    {
        MIB_IF_TABLE2 *table = nullptr;
        const DWORD status = GetIfTable2(&table);
        if (status != NO_ERROR) {
            *error =
                QCoreApplication::translate("LoadSampler", "The network's load cannot be read: %1")
                    .arg(qt_error_string(int(status)));
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

    // IOCTL_DISK_PERFORMANCE asks for no access right, so a handle opened with none does,
    // and that needs no administrator (reading the disk itself would); PDH's counters would
    // bring a library and localised counter names for the same numbers. A disk whose
    // counters cannot be read is left out rather than failing the sample: under wine no
    // disk answers, and the CPUs and the network still tell whether the computer is quiet.
    static void readDisks(LoadSample *sample)
    {
        constexpr int MaxDisks = 32; // the numbers may have gaps where a disk was removed
        for (int number = 0; number < MaxDisks; ++number) {
            const QString name = QStringLiteral("PhysicalDrive%1").arg(number);
            const QString path = QStringLiteral("\\\\.\\") + name;
            const HANDLE disk =
                CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), 0,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
            if (disk == INVALID_HANDLE_VALUE)
                continue;
            DISK_PERFORMANCE counters{};
            DWORD size = 0;
            if (DeviceIoControl(disk, IOCTL_DISK_PERFORMANCE, nullptr, 0, &counters,
                                sizeof counters, &size, nullptr))
                sample->diskBytes.insert(name, quint64(counters.BytesRead.QuadPart) +
                                                   quint64(counters.BytesWritten.QuadPart));
            CloseHandle(disk);
        }
    }
};

} // namespace

std::unique_ptr<LoadSampler> makeWinLoadSampler()
{
    return std::make_unique<WinLoadSampler>();
}
