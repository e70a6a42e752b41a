#pragma once

#include "core/Clock.h"
#include "core/Condition.h"
#include "core/ProcessWatcher.h"
#include "core/RunningProgram.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

// Holds when the last of the chosen programs has ended and no program of the names it was
// given runs any more: when the last watched one ends, the names are looked up again after
// a short settle, so the next job of a batch loop keeps it waiting. A program that has
// ended before start() is refused with a message rather than taken as the end that was
// waited for.
class ProgramEndCondition final : public Condition
{
    Q_OBJECT
public:
    // Looks up the user's programs of these names now.
    using Lookup = std::function<QList<RunningProgram>(const QStringList &names)>;
    // How long after the last end the names are looked up again.
    static constexpr int SettleMs = 2000;

    // `programs`: exactly these processes; `names`, with `lookup`: every program of these
    // names, now and later.
    ProgramEndCondition(const QList<RunningProgram> &programs, const QStringList &names,
                        Lookup lookup, std::unique_ptr<ProcessWatcher> watcher, const Clock &clock,
                        QObject *parent = nullptr);

    QString progress() const override;

protected:
    bool begin(QString *error) override;
    void end() override;

private:
    void onEnded(qint64 pid);
    void lookAgain();
    // Watches those not watched yet; false with the reason when one cannot be.
    bool watch(const QList<RunningProgram> &programs, QString *error);

    QList<RunningProgram> m_programs;
    const QStringList m_names;
    const Lookup m_lookup;
    const std::unique_ptr<ProcessWatcher> m_watcher;
    const std::unique_ptr<Alarm> m_settle;
    QList<RunningProgram> m_running;
    QString m_lastEnded;
};
