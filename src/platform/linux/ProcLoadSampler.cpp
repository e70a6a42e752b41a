#include "core/LoadSampler.h"
#include "platform/linux/ProcFiles.h"
#include "platform/linux/WaitParts.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <cctype>
#include <cerrno>

#include <sys/stat.h>

namespace {

// Each CPU's time from stat, each disk's bytes from diskstats and each interface's bytes
// from net/dev, under /proc or a folder a test fills.
class ProcLoadSampler final : public LoadSampler
{
public:
    explicit ProcLoadSampler(const QString &root)
        : m_root(root), m_sysBlock(root == QLatin1String("/proc") && isFolder("/sys/block"))
    {
    }

    bool read(LoadSample *sample, QString *error) override
    {
        *sample = LoadSample();
        const QString stat = m_root + QStringLiteral("/stat");
        const QString disks = m_root + QStringLiteral("/diskstats");
        const QString net = m_root + QStringLiteral("/net/dev");
        const std::optional<QByteArray> cpuText = readProcFile(QFile::encodeName(stat));
        if (!cpuText || !readCpus(*cpuText, sample)) {
            *error = unreadable(stat);
            return false;
        }
        // A kernel without block devices has no diskstats, and no disk to be busy.
        const std::optional<QByteArray> diskText = readProcFile(QFile::encodeName(disks));
        if (!diskText && errno != ENOENT) {
            *error = unreadable(disks);
            return false;
        }
        readDisks(diskText.value_or(QByteArray()), sample);
        const std::optional<QByteArray> netText = readProcFile(QFile::encodeName(net));
        if (!netText || !readNetwork(*netText, sample)) {
            *error = unreadable(net);
            return false;
        }
        return true;
    }

private:
    // "cpuN user nice system idle iowait irq softirq steal guest guest_nice", in ticks, one
    // line a CPU after the line of all; guest time is counted in user time already. Time
    // waiting for a disk is a job's time: it counts as busy. Time another virtual machine
    // took from this one (steal) is neither this machine's work nor its rest.
    static bool readCpus(const QByteArray &text, LoadSample *sample)
    {
        for (const QByteArray &line : text.split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() < 8 || !fields[0].startsWith("cpu") || fields[0] == "cpu")
                continue;
            quint64 value[7] = {};
            for (qsizetype i = 1; i < 8; ++i)
                value[i - 1] = fields[i].toULongLong();
            LoadSample::Cpu cpu;
            cpu.busy = value[0] + value[1] + value[2] + value[4] + value[5] + value[6];
            cpu.total = cpu.busy + value[3];
            sample->cpus << cpu;
        }
        return !sample->cpus.isEmpty();
    }

    // "major minor name reads merged sectors ms writes merged sectors ms ...": sectors of 512
    // bytes. Only whole disks (device mapper and RAID volumes among them): a partition's
    // bytes are its disk's too. Loop and RAM devices hold no disk at all.
    void readDisks(const QByteArray &text, LoadSample *sample)
    {
        QList<QByteArray> names;
        QList<quint64> bytes;
        for (const QByteArray &line : text.split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() < 10)
                continue;
            const QByteArray &name = fields[2];
            if (name.startsWith("loop") || name.startsWith("ram") || name.startsWith("zram"))
                continue;
            names << name;
            bytes << (fields[5].toULongLong() + fields[9].toULongLong()) * 512;
        }
        for (qsizetype i = 0; i < names.size(); ++i)
            if (isWholeDisk(names[i], names))
                sample->diskBytes.insert(QString::fromLatin1(names[i]), bytes[i]);
    }

    // The system lists its whole disks in /sys/block ("cciss/c0d0" as "cciss!c0d0"). Where
    // that is not the system's, by the kernel's naming: "sda1" of "sda", "nvme0n1p2" of
    // "nvme0n1" (a "p" after a name that ends in a digit); "sdaa" and "dm-10" are disks.
    bool isWholeDisk(const QByteArray &name, const QList<QByteArray> &names)
    {
        if (m_sysBlock) {
            const auto known = m_wholeDisks.constFind(name);
            if (known != m_wholeDisks.cend())
                return *known;
            const bool whole = isFolder("/sys/block/" + QByteArray(name).replace('/', '!'));
            m_wholeDisks.insert(name, whole);
            return whole;
        }
        return std::none_of(names.cbegin(), names.cend(), [&](const QByteArray &disk) {
            const qsizetype after =
                disk.size() + (!disk.isEmpty() && std::isdigit(uchar(disk.back())) ? 1 : 0);
            return name.size() > after && name.startsWith(disk) &&
                   (after == disk.size() || name[disk.size()] == 'p') &&
                   std::all_of(name.cbegin() + after, name.cend(),
                               [](char c) { return std::isdigit(uchar(c)); });
        });
    }

    // Two header lines, then "  eth0: rx_bytes rx_packets ... (8 received) tx_bytes ...".
    static bool readNetwork(const QByteArray &text, LoadSample *sample)
    {
        const QList<QByteArray> lines = text.split('\n');
        for (qsizetype i = 2; i < lines.size(); ++i) {
            if (lines[i].trimmed().isEmpty())
                continue;
            const qsizetype colon = lines[i].indexOf(':');
            const QByteArray name = lines[i].left(colon).trimmed();
            const QList<QByteArray> fields = lines[i].mid(colon + 1).simplified().split(' ');
            if (colon < 0 || fields.size() < 16)
                return false;
            if (name != "lo")
                sample->networkBytes.insert(QString::fromLatin1(name),
                                            fields[0].toULongLong() + fields[8].toULongLong());
        }
        return true;
    }

    static bool isFolder(const QByteArray &path)
    {
        struct stat info;
        return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
    }

    static QString unreadable(const QString &file)
    {
        return QCoreApplication::translate("LoadSampler",
                                           "The system's load cannot be read from %1.")
            .arg(file);
    }

    const QString m_root;
    const bool m_sysBlock;
    QHash<QByteArray, bool> m_wholeDisks;
};

} // namespace

std::unique_ptr<LoadSampler> makeProcLoadSampler(const QString &root)
{
    return std::make_unique<ProcLoadSampler>(root);
}

// A test seam: ORVANTA_PROC_ROOT names a folder holding stat, diskstats and net/dev, so an
// end-to-end test can feed counters it writes.
std::unique_ptr<LoadSampler> makeProcLoadSampler()
{
    return makeProcLoadSampler(qEnvironmentVariable("ORVANTA_PROC_ROOT", QStringLiteral("/proc")));
}
