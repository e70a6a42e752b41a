#pragma once

#include "core/Clock.h"
#include "core/Condition.h"
#include "core/LoadSampler.h"
#include "core/QuietThresholds.h"

#include <memory>

// Holds when the busiest CPU, the busiest disk and the network have stayed below their
// thresholds for the span: the end of a render, a copy or a download. The counters are read
// at start and then every SampleMs while started, never more often; each reading judges the
// time since the one before. A busy interval, or one whose counters cannot be compared (a
// CPU taken offline), begins the span again from its end. It is read on
// while it holds: a busy interval in the warning minute says lapsed().
class QuietCondition final : public Condition
{
    Q_OBJECT
public:
    static constexpr int SampleMs = 5000;

    QuietCondition(const QuietThresholds &thresholds, std::unique_ptr<LoadSampler> sampler,
                   const Clock &clock, QObject *parent = nullptr);

    QString progress() const override;

protected:
    bool begin(QString *error) override;
    void end() override;

private:
    void takeSample();

    const QuietThresholds m_thresholds;
    const std::unique_ptr<LoadSampler> m_sampler;
    const Clock &m_clock;
    const std::unique_ptr<Alarm> m_sampleAlarm;
    LoadSample m_last;
    qint64 m_lastAtMs = 0;
    qint64 m_quietSinceMs = 0;
    // The figures of the last interval; -1 before the first.
    int m_cpuPercent = -1;
    qint64 m_diskBps = -1;
    qint64 m_networkBps = -1;
};
