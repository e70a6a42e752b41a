#include "core/ProgramEndCondition.h"

#include <algorithm>

namespace {
bool hasPid(const QList<RunningProgram> &programs, qint64 pid)
{
    return std::any_of(programs.cbegin(), programs.cend(),
                       [&](const RunningProgram &p) { return p.pid == pid; });
}
} // namespace

ProgramEndCondition::ProgramEndCondition(const QList<RunningProgram> &programs,
                                         const QStringList &names, Lookup lookup,
                                         std::unique_ptr<ProcessWatcher> watcher,
                                         const Clock &clock, QObject *parent)
    : Condition(parent), m_names(names), m_lookup(std::move(lookup)), m_watcher(std::move(watcher)),
      m_settle(clock.makeAlarm([this] { lookAgain(); }))
{
    for (const RunningProgram &program : programs)
        if (!hasPid(m_programs, program.pid))
            m_programs << program;
    connect(m_watcher.get(), &ProcessWatcher::ended, this, &ProgramEndCondition::onEnded);
}

bool ProgramEndCondition::begin(QString *error)
{
    end();
    QList<RunningProgram> programs = m_programs;
    if (!m_names.isEmpty())
        for (const RunningProgram &program : m_lookup(m_names))
            if (!hasPid(programs, program.pid))
                programs << program;
    if (programs.isEmpty()) {
        if (error)
            *error = tr("No program was chosen to wait for.");
        return false;
    }
    m_lastEnded.clear();
    if (!watch(programs, error)) {
        end();
        return false;
    }
    // Every one of the names ended between the lookup and the watch: looked at again soon.
    if (m_running.isEmpty())
        m_settle->start(SettleMs);
    return true;
}

bool ProgramEndCondition::watch(const QList<RunningProgram> &programs, QString *error)
{
    for (const RunningProgram &program : programs) {
        if (hasPid(m_running, program.pid))
            continue;
        QString reason;
        switch (m_watcher->watch(program, &reason)) {
        case ProcessWatcher::Watch::Watching:
            m_running << program;
            continue;
        case ProcessWatcher::Watch::Ended:
            // One of a name that ended between the lookup and the watch is simply over; a
            // process chosen by itself is the user's to hear about.
            if (!hasPid(m_programs, program.pid))
                continue;
            break;
        case ProcessWatcher::Watch::Failed:
            break;
        }
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

void ProgramEndCondition::end()
{
    m_settle->stop();
    m_watcher->clear();
    m_running.clear();
}

void ProgramEndCondition::onEnded(qint64 pid)
{
    const auto it = std::find_if(m_running.begin(), m_running.end(),
                                 [&](const RunningProgram &p) { return p.pid == pid; });
    if (it == m_running.end())
        return;
    m_lastEnded = it->label();
    m_running.erase(it);
    emit progressChanged();
    if (!m_running.isEmpty())
        return;
    if (m_names.isEmpty())
        setHolds(true);
    else
        m_settle->start(SettleMs);
}

void ProgramEndCondition::lookAgain()
{
    QString error;
    if (!watch(m_lookup(m_names), &error)) {
        end();
        emit failed(error);
        return;
    }
    if (m_running.isEmpty())
        setHolds(true);
    else
        emit progressChanged();
}

QString ProgramEndCondition::progress() const
{
    if (m_running.isEmpty())
        return m_lastEnded.isEmpty() ? QString() : tr("%1 has ended").arg(m_lastEnded);
    if (m_running.size() == 1)
        return tr("%1 still running").arg(m_running.first().label());
    return tr("%1 and %n other(s) still running", nullptr, int(m_running.size() - 1))
        .arg(m_running.first().label());
}
