#include "core/IdleCondition.h"

#include "core/SpanText.h"

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
        end();
        emit failed(reason);
    });
}

bool IdleCondition::begin(QString *)
{
    end();
    m_idleSinceMs.reset();
    m_source->start(m_spanMs);
    return true;
}

void IdleCondition::end()
{
    m_source->stop();
    m_spanEnd->stop();
}

void IdleCondition::onIdleFor(qint64 ms)
{
    const qint64 since = m_clock.monotonicMs() - qMax<qint64>(ms, 0);
    if (m_idleSinceMs && since > *m_idleSinceMs + SameInputMs) {
        // Input between two reports.
        m_idleSinceMs = since;
        setHolds(false, tr("Somebody used the computer."));
    }
    if (!m_idleSinceMs || qAbs(since - *m_idleSinceMs) > SameInputMs)
        m_idleSinceMs = since;
    emit progressChanged();
    checkSpan();
}

void IdleCondition::onInUse()
{
    m_idleSinceMs.reset();
    m_spanEnd->stop();
    emit progressChanged();
    setHolds(false, tr("Somebody used the computer."));
}

void IdleCondition::checkSpan()
{
    if (!m_idleSinceMs || holds())
        return;
    const qint64 left = *m_idleSinceMs + m_spanMs - m_clock.monotonicMs();
    if (left <= 0) {
        m_spanEnd->stop();
        setHolds(true);
    } else {
        m_spanEnd->start(left);
    }
}

QString IdleCondition::progress() const
{
    qint64 idle = 0;
    if (m_idleSinceMs)
        idle = qBound<qint64>(0, m_clock.monotonicMs() - *m_idleSinceMs, m_spanMs);
    return tr("nobody at the computer for %1 of %2").arg(spanText(idle), spanText(m_spanMs));
}
