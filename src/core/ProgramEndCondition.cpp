#include "core/ProgramEndCondition.h"

#include <algorithm>

ProgramEndCondition::ProgramEndCondition(const QList<RunningProgram> &programs,
                                         std::unique_ptr<ProcessWatcher> watcher, QObject *parent)
    : Condition(parent), m_watcher(std::move(watcher))
{
    for (const RunningProgram &program : programs) {
        if (std::none_of(m_programs.cbegin(), m_programs.cend(),
                         [&](const RunningProgram &p) { return p.pid == program.pid; }))
            m_programs << program;
    }
    connect(m_watcher.get(), &ProcessWatcher::ended, this, &ProgramEndCondition::onEnded);
}

bool ProgramEndCondition::start(QString *error)
{
    stop();
    if (m_programs.isEmpty()) {
        if (error)
            *error = tr("No program was chosen to wait for.");
        return false;
    }
    for (const RunningProgram &program : m_programs) {
        QString reason;
        if (!m_watcher->watch(program, &reason)) {
            m_watcher->clear();
            if (error)
                *error = reason;
            return false;
        }
    }
    m_running = m_programs;
    m_lastEnded.clear();
    return true;
}

void ProgramEndCondition::stop()
{
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
    if (m_running.isEmpty())
        emit met();
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
