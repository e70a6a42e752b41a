#include "core/LoadSampler.h"
#include "core/QuietCondition.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The whole computer's CPU time from /proc/stat and each interface's bytes from
// /proc/net/dev. A test seam: ORVANTA_PROC_ROOT, read once, names another
// folder holding stat and net/dev, so an end-to-end test can feed counters it writes.
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
        if (!stat.open(QIODevice::ReadOnly) || !readCpu(stat.readLine(), sample)) {
            *error = unreadable(stat.fileName());
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
    // "cpu  user nice system idle iowait irq softirq steal guest guest_nice", in ticks; guest
    // time is counted in user time already.
    static bool readCpu(const QByteArray &line, LoadSample *sample)
    {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 8 || fields[0] != "cpu")
            return false;
        quint64 value[8] = {};
        for (int i = 1; i < 8; ++i)
            value[i - 1] = fields[i].toULongLong();
        const quint64 steal = fields.size() > 8 ? fields[8].toULongLong() : 0;
        sample->cpuBusy = value[0] + value[1] + value[2] + value[5] + value[6] + steal;
        sample->cpuTotal = sample->cpuBusy + value[3] + value[4];
        return sample->cpuTotal > 0;
    }

    static QString unreadable(const QString &file)
    {
        return QCoreApplication::translate("LoadSampler",
                                           "The system's load cannot be read from %1.")
            .arg(file);
    }
};

} // namespace

std::unique_ptr<Condition> Platform::makeQuietCondition(const QuietThresholds &thresholds,
                                                        const Clock &clock)
{
    return std::make_unique<QuietCondition>(thresholds, std::make_unique<ProcLoadSampler>(), clock);
}
