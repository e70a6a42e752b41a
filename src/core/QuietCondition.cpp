#include "core/QuietCondition.h"

#include "core/SpanText.h"

namespace {

// Bytes moved between two readings. An interface seen for the first time, or whose
// counter went backwards (reset, or a 32-bit counter wrapped), counts what it has counted
// since: at worst one interval is undercounted, never a whole counter taken for traffic.
quint64 trafficBetween(const QHash<QString, quint64> &before, const QHash<QString, quint64> &after)
{
    quint64 bytes = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const auto old = before.constFind(it.key());
        bytes += old != before.cend() && *old <= it.value() ? it.value() - *old : it.value();
    }
    return bytes;
}

} // namespace

QuietCondition::QuietCondition(const QuietThresholds &thresholds,
                               std::unique_ptr<LoadSampler> sampler, const Clock &clock,
                               QObject *parent)
    : Condition(parent), m_thresholds(thresholds), m_sampler(std::move(sampler)), m_clock(clock),
      m_sampleAlarm(clock.makeAlarm([this] { takeSample(); }))
{
}

bool QuietCondition::start(QString *error)
{
    m_cpuPercent = -1;
    m_networkBps = -1;
    if (!takeBaseline(error))
        return false;
    m_sampleAlarm->start(SampleMs);
    return true;
}

void QuietCondition::stop()
{
    m_sampleAlarm->stop();
}

void QuietCondition::restart()
{
    QString error;
    if (!takeBaseline(&error)) {
        stop();
        emit failed(error);
        return;
    }
    m_sampleAlarm->start(SampleMs);
    emit progressChanged();
}

bool QuietCondition::takeBaseline(QString *error)
{
    LoadSample sample;
    QString reason;
    if (!m_sampler->read(&sample, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    m_last = sample;
    m_lastAtMs = m_quietSinceMs = m_clock.monotonicMs();
    m_met = false;
    return true;
}

void QuietCondition::takeSample()
{
    LoadSample sample;
    QString error;
    if (!m_sampler->read(&sample, &error)) {
        stop();
        emit failed(error);
        return;
    }
    const qint64 now = m_clock.monotonicMs();
    const qint64 ms = now - m_lastAtMs;
    if (ms <= 0) {
        m_sampleAlarm->start(SampleMs);
        return;
    }
    const bool cpuCounted = sample.cpuTotal > m_last.cpuTotal && sample.cpuBusy >= m_last.cpuBusy;
    const quint64 total = cpuCounted ? sample.cpuTotal - m_last.cpuTotal : 0;
    const quint64 busy = cpuCounted ? qMin(sample.cpuBusy - m_last.cpuBusy, total) : 0;
    const quint64 bytes = trafficBetween(m_last.networkBytes, sample.networkBytes);
    // Exact comparisons: at a threshold is not below it. 1 KB/s is one byte a millisecond.
    const bool busyInterval = !cpuCounted ||
                              busy * 100 >= quint64(m_thresholds.cpuPercent) * total ||
                              bytes >= quint64(m_thresholds.networkKBps) * quint64(ms);
    if (cpuCounted)
        m_cpuPercent = int((busy * 100 + total / 2) / total);
    m_networkBps = qint64(bytes * 1000 / quint64(ms));
    if (busyInterval)
        m_quietSinceMs = now;
    m_last = sample;
    m_lastAtMs = now;
    m_sampleAlarm->start(SampleMs);
    emit progressChanged();
    if (!m_met && now - m_quietSinceMs >= m_thresholds.spanMs) {
        m_met = true;
        emit met();
    }
}

QString QuietCondition::progress() const
{
    const QString quiet = spanText(qMin(m_lastAtMs - m_quietSinceMs, m_thresholds.spanMs));
    const QString span = spanText(m_thresholds.spanMs);
    if (m_cpuPercent < 0)
        return tr("quiet for %1 of %2").arg(quiet, span);
    return tr("quiet for %1 of %2 — CPU %3 %, network %4 KB/s")
        .arg(quiet, span)
        .arg(m_cpuPercent)
        .arg((m_networkBps + 500) / 1000);
}
