#include "core/LoadSampler.h"
#include "platform/linux/WaitParts.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

// Each CPU's time from /proc/stat, each disk's bytes from /proc/diskstats and each
// interface's bytes from /proc/net/dev. A test seam: ORVANTA_PROC_ROOT, read once, names
// another folder holding stat, diskstats and net/dev, so an end-to-end test can feed
// counters it writes.
class ProcLoadSampler final : public LoadSampler
{
public:
    bool read(LoadSample *sample, QString *error) override
    {
        static const QString root =
            qEnvironmentVariable("ORVANTA_PROC_ROOT", QStringLiteral("/proc"));
        *sample = LoadSample();
        QFile stat(root + QStringLiteral("/stat"));
        QFile net(root + QStringLiteral("/net/dev"));
        if (!stat.open(QIODevice::ReadOnly) || !readCpus(stat.readAll(), sample)) {
            *error = unreadable(stat.fileName());
            return false;
        }
        QFile disks(root + QStringLiteral("/diskstats"));
        if (!disks.open(QIODevice::ReadOnly) || !readDisks(disks.readAll(), sample)) {
            *error = unreadable(disks.fileName());
            return false;
        }
        if (!net.open(QIODevice::ReadOnly)) {
            *error = unreadable(net.fileName());
            return false;
        }
        // Two header lines, then "  eth0: rx_bytes rx_packets ... (8 received) tx_bytes ...".
        net.readLine();
        net.readLine();
        for (QByteArray line = net.readLine(); !line.isEmpty(); line = net.readLine()) {
            const qsizetype colon = line.indexOf(':');
            const QByteArray name = line.left(colon).trimmed();
            const QList<QByteArray> fields = line.mid(colon + 1).simplified().split(' ');
            if (colon < 0 || fields.size() < 16) {
                *error = unreadable(net.fileName());
                return false;
            }
            if (name != "lo")
                sample->networkBytes.insert(QString::fromLatin1(name),
                                            fields[0].toULongLong() + fields[8].toULongLong());
        }
        return true;
    }

private:
    // "cpuN user nice system idle iowait irq softirq steal guest guest_nice", in ticks, one
    // line a CPU after the line of all; guest time is counted in user time already. Time
    // waiting for a disk is a job's time: it counts as busy.
    static bool readCpus(const QByteArray &text, LoadSample *sample)
    {
        for (const QByteArray &line : text.split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() < 8 || !fields[0].startsWith("cpu") || fields[0] == "cpu")
                continue;
            quint64 value[8] = {};
            for (qsizetype i = 1; i < std::min<qsizetype>(fields.size(), 9); ++i)
                value[i - 1] = fields[i].toULongLong();
            LoadSample::Cpu cpu;
            cpu.busy = value[0] + value[1] + value[2] + value[4] + value[5] + value[6] + value[7];
            cpu.total = cpu.busy + value[3];
            sample->cpus << cpu;
        }
        return !sample->cpus.isEmpty();
    }

    // "major minor name reads merged sectors ms writes merged sectors ms ...": sectors of 512
    // bytes. Partitions count within their disk, loop and RAM devices hold no disk at all.
    static bool readDisks(const QByteArray &text, LoadSample *sample)
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
        for (qsizetype i = 0; i < names.size(); ++i) {
            // "sda1" of "sda", "nvme0n1p1" of "nvme0n1", "mmcblk0p1" of "mmcblk0".
            const bool partition =
                std::any_of(names.cbegin(), names.cend(), [&](const QByteArray &n) {
                    return n != names[i] && names[i].startsWith(n);
                });
            if (!partition)
                sample->diskBytes.insert(QString::fromLatin1(names[i]), bytes[i]);
        }
        return true;
    }

    static QString unreadable(const QString &file)
    {
        return QCoreApplication::translate("LoadSampler",
                                           "The system's load cannot be read from %1.")
            .arg(file);
    }
};

} // namespace

std::unique_ptr<LoadSampler> makeProcLoadSampler()
{
    return std::make_unique<ProcLoadSampler>();
}
