#include "core/IdleCondition.h"

#include "core/SpanText.h"

#include <limits>

namespace {
// Readings of the same idleness taken at intervals differ by this much at most.
constexpr qint64 SameInputMs = 1000;
} // namespace

IdleCondition::IdleCondition(qint64 spanMs, std::unique_ptr<IdleSource> source, const Clock &clock,
                             QObject *parent)
    : Condition(parent), m_spanMs(spanMs), m_source(std::move(source)), m_clock(clock),
      m_spanEnd(clock.makeAlarm([this] { checkSpan(); }))
{
    connect(m_source.get(), &IdleSource::idleFor, this, &IdleCondition::onIdleFor);
    connect(m_source.get(), &IdleSource::inUse, this, &IdleCondition::onInUse);
    connect(m_source.get(), &IdleSource::failed, this, [this](const QString &reason) {
        stop();
        emit failed(reason);
    });
}

bool IdleCondition::start(QString *)
{
    m_idleSinceMs.reset();
    m_restartedAtMs = std::numeric_limits<qint64>::min();
    m_met = m_activityTold = false;
    m_source->start();
    return true;
}

void IdleCondition::stop()
{
    m_source->stop();
    m_spanEnd->stop();
}

void IdleCondition::restart()
{
    m_restartedAtMs = m_clock.monotonicMs();
    m_met = m_activityTold = false;
    emit progressChanged();
    checkSpan();
}

void IdleCondition::onIdleFor(qint64 ms)
{
    const qint64 since = m_clock.monotonicMs() - qMax<qint64>(ms, 0);
    if (m_idleSinceMs && since > *m_idleSinceMs + SameInputMs)
        inputSeen();
    if (!m_idleSinceMs || qAbs(since - *m_idleSinceMs) > SameInputMs)
        m_idleSinceMs = since;
    emit progressChanged();
    checkSpan();
}

void IdleCondition::onInUse()
{
    inputSeen();
    m_idleSinceMs.reset();
    m_spanEnd->stop();
    emit progressChanged();
}

void IdleCondition::inputSeen()
{
    if (m_met && !m_activityTold) {
        m_activityTold = true;
        emit activity();
    }
}

void IdleCondition::checkSpan()
{
    if (!m_idleSinceMs || m_met)
        return;
    const qint64 left = qMax(*m_idleSinceMs, m_restartedAtMs) + m_spanMs - m_clock.monotonicMs();
    if (left <= 0) {
        m_spanEnd->stop();
        m_met = true;
        emit met();
    } else if (m_source->tellsChanges()) {
        m_spanEnd->start(left);
    }
}

QString IdleCondition::progress() const
{
    qint64 idle = 0;
    if (m_idleSinceMs)
        idle = qBound<qint64>(0, m_clock.monotonicMs() - qMax(*m_idleSinceMs, m_restartedAtMs),
                              m_spanMs);
    return tr("nobody at the computer for %1 of %2").arg(spanText(idle), spanText(m_spanMs));
}
