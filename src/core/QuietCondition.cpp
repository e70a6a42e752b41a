#include "core/QuietCondition.h"

#include "core/SpanText.h"

#include <algorithm>

namespace {

// What one counter moved between two readings. A counter seen for the first time, or one
// that went backwards (reset, or a 32-bit counter wrapped), counts what it has counted
// since: at worst one interval is undercounted, never a whole counter taken for traffic.
quint64 moved(const QHash<QString, quint64> &before, const QString &key, quint64 now)
{
    const auto old = before.constFind(key);
    return old != before.cend() && *old <= now ? now - *old : now;
}

quint64 sumMoved(const QHash<QString, quint64> &before, const QHash<QString, quint64> &after)
{
    quint64 sum = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        sum += moved(before, it.key(), it.value());
    return sum;
}

// The busiest disk's bytes: a disk, its partitions' device mapper above it and a RAID
// count the same transfer more than once, so they are not added up.
quint64 mostMoved(const QHash<QString, quint64> &before, const QHash<QString, quint64> &after)
{
    quint64 most = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        most = std::max(most, moved(before, it.key(), it.value()));
    return most;
}

// The busiest CPU's use over the interval in per mille, or -1 when the readings cannot be
// compared (a CPU taken offline or online, counters that went backwards).
int busiestCpu(const QList<LoadSample::Cpu> &before, const QList<LoadSample::Cpu> &after)
{
    if (before.size() != after.size() || after.isEmpty())
        return -1;
    int busiest = -1;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const LoadSample::Cpu &a = before[i], &b = after[i];
        if (b.total < a.total || b.busy < a.busy)
            return -1;
        const quint64 total = b.total - a.total;
        if (total == 0)
            continue; // no tick on this CPU: nothing to judge it by
        const quint64 busy = std::min(b.busy - a.busy, total);
        busiest = std::max(busiest, int(busy * 1000 / total));
    }
    return busiest;
}

} // namespace

QuietCondition::QuietCondition(const QuietThresholds &thresholds,
                               std::unique_ptr<LoadSampler> sampler, const Clock &clock,
                               QObject *parent)
    : Condition(parent), m_thresholds(thresholds), m_sampler(std::move(sampler)), m_clock(clock),
      m_sampleAlarm(clock.makeAlarm([this] { takeSample(); }))
{
}

bool QuietCondition::begin(QString *error)
{
    m_sampleAlarm->stop();
    LoadSample sample;
    QString reason;
    if (!m_sampler->read(&sample, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    m_last = sample;
    m_lastAtMs = m_quietSinceMs = m_clock.monotonicMs();
    m_cpuPercent = -1;
    m_diskBps = m_networkBps = -1;
    m_sampleAlarm->start(SampleMs);
    return true;
}

void QuietCondition::end()
{
    m_sampleAlarm->stop();
}

void QuietCondition::takeSample()
{
    LoadSample sample;
    QString error;
    if (!m_sampler->read(&sample, &error)) {
        end();
        emit failed(error);
        return;
    }
    const qint64 now = m_clock.monotonicMs();
    const qint64 ms = now - m_lastAtMs;
    m_sampleAlarm->start(SampleMs);
    if (ms <= 0)
        return;
    const int cpu = busiestCpu(m_last.cpus, sample.cpus);
    const quint64 disk = mostMoved(m_last.diskBytes, sample.diskBytes);
    const quint64 network = sumMoved(m_last.networkBytes, sample.networkBytes);
    // Exact comparisons: at a threshold is not below it. 1 KB/s is one byte a millisecond.
    const bool busy = cpu < 0 || cpu >= m_thresholds.cpuPercent * 10 ||
                      disk >= quint64(m_thresholds.diskKBps) * quint64(ms) ||
                      network >= quint64(m_thresholds.networkKBps) * quint64(ms);
    if (cpu >= 0)
        m_cpuPercent = (cpu + 5) / 10;
    m_diskBps = qint64(disk * 1000 / quint64(ms));
    m_networkBps = qint64(network * 1000 / quint64(ms));
    m_last = sample;
    m_lastAtMs = now;
    if (busy)
        m_quietSinceMs = now;
    emit progressChanged();
    if (busy)
        setHolds(false, tr("The computer is busy again."));
    else if (now - m_quietSinceMs >= m_thresholds.spanMs)
        setHolds(true);
}

QString QuietCondition::progress() const
{
    const QString quiet = spanText(qMin(m_lastAtMs - m_quietSinceMs, m_thresholds.spanMs));
    const QString span = spanText(m_thresholds.spanMs);
    if (m_networkBps < 0)
        return tr("quiet for %1 of %2").arg(quiet, span);
    const auto kB = [](qint64 bps) { return QString::number((bps + 500) / 1000); };
    return tr("quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s")
        .arg(quiet, span, m_cpuPercent < 0 ? QStringLiteral("?") : QString::number(m_cpuPercent),
             kB(m_diskBps), kB(m_networkBps));
}
