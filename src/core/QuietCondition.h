#pragma once

#include "core/Clock.h"
#include "core/Condition.h"
#include "core/LoadSampler.h"
#include "core/QuietThresholds.h"

#include <memory>

// Holds when CPU use and network traffic have stayed below their thresholds for the span:
// the end of a download or a render. The counters are read at start and then every
// SampleMs while started, never more often; each reading judges the time since the one
// before. A busy interval, or one whose CPU counters went backwards (a CPU taken offline),
// begins the span again from its end; so does restart().
class QuietCondition final : public Condition
{
    Q_OBJECT
public:
    static constexpr int SampleMs = 5000;

    QuietCondition(const QuietThresholds &thresholds, std::unique_ptr<LoadSampler> sampler,
                   const Clock &clock, QObject *parent = nullptr);

    bool start(QString *error) override;
    void stop() override;
    void restart() override;
    QString progress() const override;

private:
    void takeSample();
    bool takeBaseline(QString *error);

    const QuietThresholds m_thresholds;
    const std::unique_ptr<LoadSampler> m_sampler;
    const Clock &m_clock;
    const std::unique_ptr<Alarm> m_sampleAlarm;
    LoadSample m_last;
    qint64 m_lastAtMs = 0;
    qint64 m_quietSinceMs = 0;
    bool m_met = false;
    // The figures of the last interval; -1 before the first.
    int m_cpuPercent = -1;
    qint64 m_networkBps = -1;
};
