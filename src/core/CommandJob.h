#pragma once

#include "core/UserCommand.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>
#include <optional>

class QProcess;
class QTimer;

// What the platform does so that a command and everything it starts end together: a process
// group of its own (Linux), a job object (Windows).
class ProcessGroup
{
public:
    virtual ~ProcessGroup() = default;
    // Before the start.
    virtual void prepare(QProcess &process) = 0;
    // Right after the start, before the command runs on: false with the reason where it could
    // not be made the group's (it is ended then).
    virtual bool adopt(QProcess &process, QString *error) = 0;
    // Asks the whole group to end.
    virtual void terminate() = 0;
    // Ends the whole group now.
    virtual void kill() = 0;
};

// The platform's way of running the user's command.
class CommandRunner
{
public:
    virtual ~CommandRunner() = default;
    // The program and its arguments, split by this platform's rules; nothing with the reason.
    virtual std::optional<QStringList> split(const QString &line, QString *error) const = 0;
    // The file the command's output goes to (replaced by each run), in the user's own state
    // folder.
    virtual QString logPath() const = 0;
    virtual std::unique_ptr<ProcessGroup> makeGroup() = 0;
};

// One run of the user's command, as the user, without a shell, its standard output and
// error into the log file. Asynchronous throughout: finished() says how it ended, never
// from inside start().
class CommandJob final : public QObject
{
    Q_OBJECT
public:
    CommandJob(std::unique_ptr<ProcessGroup> group, QObject *parent = nullptr);
    ~CommandJob() override;

    void start(const QString &program, const QStringList &arguments, const QString &logPath);
    // Ends it and everything it started: asked to end, killed KillDelayMs later where any
    // of it is left. finished() follows with Stopped.
    void stop();
    // stop(), and then gone: deleted once nothing of it is left to kill. Nothing is said
    // any more.
    void discard();
    qint64 elapsedMs() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }

    static constexpr int KillDelayMs = 3000;

signals:
    void finished(const CommandEnd &end);

private:
    void finish(CommandEnd end);
    void deleteWhenDone();

    std::unique_ptr<ProcessGroup> m_group;
    QProcess *m_process;
    QTimer *m_killTimer;
    QElapsedTimer m_clock;
    bool m_stopping = false;
    bool m_finished = false;
    bool m_discarded = false;
};

namespace UserCommands {
// The program of an armed command, looked up now: a name in PATH, or a full path. Nothing,
// with the reason, where no such program is found (or a relative path is given).
std::optional<QString> findProgram(const QString &program, QString *error);
} // namespace UserCommands
