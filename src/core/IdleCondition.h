#pragma once

#include "core/Clock.h"
#include "core/Condition.h"
#include "core/IdleSource.h"

#include <memory>
#include <optional>

// Holds when nobody has used keyboard or mouse for the span, counted from the last input: a
// user who has been away since before the
// wait was armed is away already. Input while it holds says lapsed(), and the span begins
// again from that input. Readings a second apart count as the same input: a source read at
// intervals is off by a few milliseconds each time.
class IdleCondition final : public Condition
{
    Q_OBJECT
public:
    IdleCondition(qint64 spanMs, std::unique_ptr<IdleSource> source, const Clock &clock,
                  QObject *parent = nullptr);

    QString progress() const override;
    bool progressesWithTime() const override { return true; }

protected:
    bool begin(QString *error) override;
    void end() override;

private:
    void onIdleFor(qint64 ms);
    void onInUse();
    // Whether the span has passed; after each report, and when it would end.
    void checkSpan();

    const qint64 m_spanMs;
    const std::unique_ptr<IdleSource> m_source;
    const Clock &m_clock;
    const std::unique_ptr<Alarm> m_spanEnd;
    // Since when nobody has used the computer; nothing while someone does (or before the
    // first report).
    std::optional<qint64> m_idleSinceMs;
};
