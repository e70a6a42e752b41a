#pragma once

#include "core/Condition.h"
#include "core/ProcessWatcher.h"
#include "core/RunningProgram.h"

#include <QList>

#include <memory>

// Holds when the last of the chosen programs has ended. A program that has ended before
// start() is refused with a message rather than taken as the end that was waited for.
class ProgramEndCondition final : public Condition
{
    Q_OBJECT
public:
    ProgramEndCondition(const QList<RunningProgram> &programs,
                        std::unique_ptr<ProcessWatcher> watcher, QObject *parent = nullptr);

    bool start(QString *error) override;
    void stop() override;
    void restart() override {}
    bool hasSpan() const override { return false; }
    QString progress() const override;

    const QList<RunningProgram> &programs() const { return m_programs; }

private:
    void onEnded(qint64 pid);

    QList<RunningProgram> m_programs;
    const std::unique_ptr<ProcessWatcher> m_watcher;
    QList<RunningProgram> m_running;
    QString m_lastEnded;
};
