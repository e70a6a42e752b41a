#include "core/CommandJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {

struct UserCommand
{
    Q_DECLARE_TR_FUNCTIONS(UserCommand)
};

} // namespace

CommandJob::CommandJob(std::unique_ptr<ProcessGroup> group, QObject *parent)
    : QObject(parent), m_group(std::move(group)), m_process(new QProcess(this)),
      m_killTimer(new QTimer(this))
{
    m_killTimer->setSingleShot(true);
    m_killTimer->setInterval(KillDelayMs);
    connect(m_killTimer, &QTimer::timeout, this, [this] {
        m_group->kill();
        deleteWhenDone();
    });
    connect(m_process, &QProcess::started, this, [this] {
        QString why;
        if (!m_group->adopt(*m_process, &why)) {
            m_group->kill();
            m_process->kill();
            finish({CommandEnd::Kind::NotStarted, 0, why, 0});
        }
    });
    connect(m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        CommandEnd end;
        end.kind = m_stopping                       ? CommandEnd::Kind::Stopped
                   : status == QProcess::NormalExit ? CommandEnd::Kind::Exited
                                                    : CommandEnd::Kind::Crashed;
        end.exitCode = code;
        finish(end);
        deleteWhenDone();
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish({CommandEnd::Kind::NotStarted, 0, m_process->errorString(), 0});
    });
}

CommandJob::~CommandJob()
{
    // The program ending: nothing it started outlives it.
    if (m_process->state() != QProcess::NotRunning || m_killTimer->isActive())
        m_group->kill();
}

void CommandJob::start(const QString &program, const QStringList &arguments, const QString &logPath)
{
    m_clock.start();
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    // Replaced, never written through: a link left at its place is removed, not followed.
    QFile::remove(logPath);
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->setWorkingDirectory(QDir::homePath());
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardOutputFile(logPath);
    m_group->prepare(*m_process);
    // Reported from the event loop: whoever starts it hears every end.
    QTimer::singleShot(0, this, [this] { m_process->start(); });
}

void CommandJob::stop()
{
    if (m_finished || m_stopping)
        return;
    m_stopping = true;
    m_group->terminate();
    m_killTimer->start();
}

void CommandJob::discard()
{
    disconnect(this, &CommandJob::finished, nullptr, nullptr);
    stop();
    m_discarded = true;
    deleteWhenDone();
}

void CommandJob::deleteWhenDone()
{
    // Never while the process may still be reaped: QProcess would wait for it.
    if (m_discarded && !m_killTimer->isActive() && m_process->state() == QProcess::NotRunning)
        deleteLater();
}

void CommandJob::finish(CommandEnd end)
{
    if (std::exchange(m_finished, true))
        return;
    end.elapsedMs = elapsedMs();
    emit finished(end);
}

std::optional<QString> UserCommands::findProgram(const QString &program, QString *error)
{
    const QFileInfo file(program);
    if (program.contains(u'/') || program.contains(QDir::separator())) {
        if (file.isRelative()) {
            *error = UserCommand::tr("%1: give the program's full path, or a name found in "
                                     "PATH.")
                         .arg(program);
            return std::nullopt;
        }
        if (!file.isFile() || !file.isExecutable()) {
            *error = UserCommand::tr("%1 is not a program that can be run.")
                         .arg(QDir::toNativeSeparators(program));
            return std::nullopt;
        }
        return file.absoluteFilePath();
    }
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty()) {
        *error = UserCommand::tr("The program %1 was not found in PATH.").arg(program);
        return std::nullopt;
    }
    return found;
}
